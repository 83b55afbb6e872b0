// What the NetworkManager backend's parts share: NetworkManager's D-Bus names, how its answers are
// read, and the one private bus connection a service and its adapters use. Only platform/nm uses it.
#pragma once

#include "platform/NetConfigService.h"
#include "platform/nm/NetworkManager.h"
#include "platform/nm/NmSettings.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QString>

#include <algorithm>
#include <chrono>
#include <string>

namespace korvo::platform::nmbus {

using nm::ConnectionSettings;

inline const QString NmBusName = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString ManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString ManagerIface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString DeviceIface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString ActiveIface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString SettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
inline const QString SettingsIface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
inline const QString ConnectionIface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString PropertiesIface = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString NoObject = QStringLiteral("/");

// NMDeviceType values of devices a user puts IPv4 settings on.
enum DeviceType : uint {
    Ethernet = 1,
    Wifi = 2,
    Bond = 10,
    Vlan = 11,
    Bridge = 13,
    Team = 15,
    Veth = 20,
};
inline bool configurable(uint type) {
    switch (type) {
    case Ethernet:
    case Wifi:
    case Bond:
    case Vlan:
    case Bridge:
    case Team:
    case Veth:
        return true;
    default:
        return false;
    }
}
// Only these can get a profile from nothing; the others need settings Korvo does not have (an SSID, a
// parent).
inline bool canCreateProfile(uint type) {
    return type == Ethernet || type == Veth;
}

// NMDeviceState ranges.
inline constexpr uint StateUnavailable = 20;
inline constexpr uint StateDisconnected = 30;
inline constexpr uint StatePrepare = 40;
inline constexpr uint StateActivated = 100;

// NMDeviceInterfaceFlags: the device has a link (its cable is plugged in).
inline constexpr uint InterfaceFlagCarrier = 0x10000;

inline constexpr uint Update2ToDisk = 0x1;

inline void registerTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<QList<QVariantMap>>();
        qDBusRegisterMetaType<ConnectionSettings>();
        return true;
    }();
    (void)registered;
}

template <typename T> T fromVariant(const QVariant& v) {
    return qdbus_cast<T>(v);
}

inline QVariant propertyValue(const QDBusMessage& reply) {
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

enum class BusFault { NotRunning, NoAnswer, PermissionRefused, Disconnected, Gone, Other };

inline BusFault busFault(const QString& errorName) {
    const QString last = errorName.section(u'.', -1);
    const bool bus = errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error."));
    if (bus && (last == QLatin1String("ServiceUnknown") || last == QLatin1String("NameHasNoOwner")))
        return BusFault::NotRunning;
    if (bus && (last == QLatin1String("NoReply") || last == QLatin1String("Timeout") ||
                last == QLatin1String("TimedOut")))
        return BusFault::NoAnswer;
    // The bus policy's no, NetworkManager's own, and polkit's.
    if (last == QLatin1String("AccessDenied") || last == QLatin1String("PermissionDenied") ||
        last == QLatin1String("NotAuthorized") || last == QLatin1String("InteractiveAuthorizationRequired"))
        return BusFault::PermissionRefused;
    if (bus && (last == QLatin1String("Disconnected") || last == QLatin1String("NoServer")))
        return BusFault::Disconnected;
    if (bus && (last == QLatin1String("UnknownObject") || last == QLatin1String("UnknownMethod")))
        return BusFault::Gone;
    return BusFault::Other;
}

inline bool permissionDenied(const QString& errorName) {
    return busFault(errorName) == BusFault::PermissionRefused;
}

// A read NetworkManager refused for lack of rights: a method reports it as
// code 91, the adapter query as the error it is.
class PermissionRefusal : public ServiceError {
public:
    using ServiceError::ServiceError;
};

// One private bus connection, shared by a service and the items it returned.
class Bus {
public:
    Bus(const QString& name, std::chrono::milliseconds timeout, std::chrono::milliseconds changeTimeout)
        : connection_(QDBusConnection(name)), name_(name), timeoutMs_(static_cast<int>(timeout.count())),
          changeTimeoutMs_(static_cast<int>(std::max(timeout, changeTimeout).count())) {}
    ~Bus() { QDBusConnection::disconnectFromBus(name_); }
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // The reply, or NetworkManager's refusal as an error reply. Throws
    // ServiceError when the call could not be made or was not answered in time.
    QDBusMessage call(const QString& path, const QString& iface, const QString& method,
                      const QVariantList& args = {}) {
        auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
        message.setArguments(args);
        return answered(method, connection_.call(message, QDBus::Block, timeoutMs_));
    }

    // Like call(), for a call that changes something: polkit may ask the user for a password
    // (the desktop's own dialog), so the call may wait for the answer.
    QDBusMessage change(const QString& path, const QString& iface, const QString& method,
                        const QVariantList& args = {}) {
        auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
        message.setArguments(args);
        message.setInteractiveAuthorizationAllowed(true);
        return answered(method, connection_.call(message, QDBus::Block, changeTimeoutMs_));
    }

    // Like call(), but a refusal is an error too: for reads that must succeed.
    QDBusMessage read(const QString& path, const QString& iface, const QString& method,
                      const QVariantList& args = {}) {
        return readOf(method, call(path, iface, method, args));
    }

    // What read() makes of a reply that was asked for earlier without waiting.
    QDBusMessage readOf(const QString& method, const QDBusMessage& pending) {
        QDBusMessage reply = answered(method, pending);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            if (permissionDenied(reply.errorName())) {
                throw PermissionRefusal(reason(method, reply));
            }
            throw ServiceError(reason(method, reply));
        }
        return reply;
    }

    static bool unanswered(const QDBusMessage& reply) {
        return busFault(reply.errorName()) == BusFault::NoAnswer;
    }

private:
    QDBusMessage answered(const QString& method, const QDBusMessage& reply) const {
        if (reply.type() == QDBusMessage::ErrorMessage && !isRefusal(reply.errorName())) {
            throw ServiceError(reason(method, reply));
        }
        return reply;
    }

    // NetworkManager's own answers and the bus policy's no; everything else
    // from the bus means the call never got an answer.
    static bool isRefusal(const QString& errorName) {
        return !errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.")) ||
               errorName == QLatin1String("org.freedesktop.DBus.Error.AccessDenied");
    }

    static std::string reason(const QString& method, const QDBusMessage& reply) {
        return describeBusError(reply.errorName().toStdString(), reply.errorMessage().toStdString(),
                                method.toStdString());
    }

    QDBusConnection connection_;
    QString name_;
    int timeoutMs_;
    int changeTimeoutMs_;

public:
    int timeoutMs() const { return timeoutMs_; }
};

inline int codeForRefusal(const QDBusMessage& reply) {
    return permissionDenied(reply.errorName()) ? code::AccessDenied : code::UnknownFailure;
}

inline bool failed(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ErrorMessage;
}

// GetSettings delivers nested arrays as raw D-Bus arguments; the values the
// transformation reads become plain Qt types, the rest is sent back as received.
inline ConnectionSettings settingsFrom(const QDBusMessage& reply) {
    auto settings = fromVariant<ConnectionSettings>(reply.arguments().value(0));
    auto ipv4 = settings.value(QStringLiteral("ipv4"));
    if (ipv4.contains(QStringLiteral("address-data"))) {
        ipv4[QStringLiteral("address-data")] =
            QVariant::fromValue(fromVariant<QList<QVariantMap>>(ipv4.value(QStringLiteral("address-data"))));
    }
    if (ipv4.contains(QStringLiteral("dns"))) {
        ipv4[QStringLiteral("dns")] =
            QVariant::fromValue(fromVariant<QList<uint>>(ipv4.value(QStringLiteral("dns"))));
    }
    if (settings.contains(QStringLiteral("ipv4"))) {
        settings[QStringLiteral("ipv4")] = ipv4;
    }
    return settings;
}

} // namespace korvo::platform::nmbus
