// The one private bus connection a NetworkManager service and its adapters share, and how its answers
// are read. Only platform/nm uses it.
#pragma once

#include "platform/NetConfigService.h"
#include "platform/nm/NmFaults.h"
#include "platform/nm/NmNames.h"
#include "platform/nm/NmSettings.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QString>
#include <QStringList>

#include <chrono>
#include <string>

namespace korvo::platform::nmbus {

using nm::ConnectionSettings;

// The D-Bus types the backend's calls carry, registered once.
void registerTypes();

template <typename T> T fromVariant(const QVariant& v) {
    return qdbus_cast<T>(v);
}

inline QVariant propertyValue(const QDBusMessage& reply) {
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// GetSettings delivers nested arrays as raw D-Bus arguments; the values the
// transformation reads become plain Qt types, the rest is sent back as received.
ConnectionSettings settingsFrom(const QDBusMessage& reply);

// One private bus connection, shared by a service and the items it returned.
class Bus {
public:
    Bus(const QString& name, std::chrono::milliseconds timeout, std::chrono::milliseconds changeTimeout);
    ~Bus();
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // The reply, or NetworkManager's refusal as an error reply. Throws
    // ServiceError when the call could not be made or was not answered in time.
    QDBusMessage call(const QString& path, const QString& iface, const QString& method,
                      const QVariantList& args = {});

    // Like call(), for a call that changes something and needs NetworkManager's polkit `permissions`:
    // polkit may ask the user for a password (the desktop's own dialog), so the call may wait for
    // the answer. A refusal names the permission refused; see authorize() for the prompt.
    QDBusMessage change(const QString& path, const QString& iface, const QString& method,
                        const QVariantList& args, const QStringList& permissions);

    // Like call(), but a refusal is an error too: for reads that must succeed.
    QDBusMessage read(const QString& path, const QString& iface, const QString& method,
                      const QVariantList& args = {});

    // What read() makes of a reply that was asked for earlier without waiting.
    QDBusMessage readOf(const QString& method, const QDBusMessage& pending);

    // What read() makes of the answer to a call post()ed `elapsedMs` ago.
    QDBusMessage readPosted(const QString& method, const QDBusMessage& reply, qint64 elapsedMs);

    // Sent without waiting for the answer, behind whatever this connection sent before.
    QDBusPendingCall post(const QString& path, const QString& iface, const QString& method,
                          const QVariantList& args, int timeoutMs);

    static bool unanswered(const QDBusMessage& reply);

    // An error reply as a sentence for the user.
    static std::string reason(const QString& method, const QDBusMessage& reply);

    int timeoutMs() const { return timeoutMs_; }

private:
    QDBusMessage send(const QString& method, const QDBusMessage& message, int timeoutMs, bool change);
    void throwIfUnanswered(const QDBusMessage& reply, qint64 elapsedMs, int timeoutMs, bool change) const;
    const char* whyUnanswered(bool endedEarly, bool change) const;
    void authorize(const QString& permission);
    QDBusMessage answered(const QString& method, const QDBusMessage& reply) const;
    static bool isRefusal(const QString& errorName);

    QDBusConnection connection_;
    QString name_;
    int timeoutMs_;
    int changeTimeoutMs_;
};

} // namespace korvo::platform::nmbus
