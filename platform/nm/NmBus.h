// What the NetworkManager backend's parts share: NetworkManager's D-Bus names, how its answers are
// read, and the one private bus connection a service and its adapters use. Only platform/nm uses it.
#pragma once

#include "platform/NetConfigService.h"
#include "platform/nm/NetworkManager.h"
#include "platform/nm/NmSettings.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <string>
#include <unistd.h>

// polkit's Subject, (sa{sv}), and its AuthorizationResult, (bba{ss}).
struct PolkitSubject {
    QString kind;
    QVariantMap details;
};
struct PolkitResult {
    bool authorized = false;
    bool challenge = false;
    QMap<QString, QString> details;
};
Q_DECLARE_METATYPE(PolkitSubject)
Q_DECLARE_METATYPE(PolkitResult)

inline QDBusArgument& operator<<(QDBusArgument& argument, const PolkitSubject& subject) {
    argument.beginStructure();
    argument << subject.kind << subject.details;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, PolkitSubject& subject) {
    argument.beginStructure();
    argument >> subject.kind >> subject.details;
    argument.endStructure();
    return argument;
}
inline QDBusArgument& operator<<(QDBusArgument& argument, const PolkitResult& result) {
    argument.beginStructure();
    argument << result.authorized << result.challenge << result.details;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, PolkitResult& result) {
    argument.beginStructure();
    argument >> result.authorized >> result.challenge >> result.details;
    argument.endStructure();
    return argument;
}

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

// The polkit permissions NetworkManager checks: saving a profile, putting one into effect (reapply,
// activate), and checkpoints.
inline const QString ModifySystem = QStringLiteral("org.freedesktop.NetworkManager.settings.modify.system");
inline const QString NetworkControl = QStringLiteral("org.freedesktop.NetworkManager.network-control");
inline const QString CheckpointRollback =
    QStringLiteral("org.freedesktop.NetworkManager.checkpoint-rollback");

inline const QString PolkitName = QStringLiteral("org.freedesktop.PolicyKit1");
inline const QString PolkitPath = QStringLiteral("/org/freedesktop/PolicyKit1/Authority");
inline const QString PolkitIface = QStringLiteral("org.freedesktop.PolicyKit1.Authority");
inline constexpr uint PolkitAllowUserInteraction = 0x1;

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
        qDBusRegisterMetaType<QMap<QString, QString>>();
        qDBusRegisterMetaType<PolkitSubject>();
        qDBusRegisterMetaType<PolkitResult>();
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
// code 91, the adapter query as the error it is. `permission`: the polkit
// permission refused, where known.
class PermissionRefusal : public ServiceError {
public:
    explicit PermissionRefusal(const std::string& why, QString refused = {})
        : ServiceError(why), permission(std::move(refused)) {}
    QString permission;
};

// The permission NetworkManager names in its refusal, else the first one the call needs.
inline QString refusedPermission(const QDBusMessage& reply, const QStringList& needed) {
    static const QRegularExpression named(QStringLiteral("org\\.freedesktop\\.NetworkManager\\.[A-Za-z.-]+"));
    const auto match = named.match(reply.errorMessage());
    return match.hasMatch() ? match.captured() : needed.value(0);
}

// A password prompt nobody answered in time, withdrawn: NetworkManager was not asked.
class PromptWithdrawn : public ServiceError {
public:
    using ServiceError::ServiceError;
};

// The backend's own sentences, in the user's language (translations/*.ts, context
// "korvo::NetworkManager"); NetworkManager's and the bus's words stay as they are.
inline std::string said(const char* english) {
    return QCoreApplication::translate("korvo::NetworkManager", english).toStdString();
}

// What to do when NetworkManager refused a change for lack of rights: the permission refused (where it
// said; saving a profile's settings is what every change needs) and how to get it.
inline std::string missingPermissionAdvice(const QString& permission = {}) {
    return QCoreApplication::translate("korvo::NetworkManager",
                                       "Changing the network needs root or NetworkManager's polkit "
                                       "permission %1; an administrator can "
                                       "grant it with a polkit rule, for example by copying "
                                       "/usr/share/korvo/polkit/50-korvo.rules to "
                                       "/etc/polkit-1/rules.d/ and adding you to the group it names.")
        .arg(permission.isEmpty() ? QStringLiteral("org.freedesktop.NetworkManager.settings.modify.system")
                                  : permission)
        .toStdString();
}

// What a call was left waiting for when Korvo stopped waiting (English; said() translates).
namespace wait {
inline const char* const NoAnswer =
    QT_TRANSLATE_NOOP("korvo::NetworkManager", "NetworkManager did not answer in time.");
inline const char* const WentAway = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager", "NetworkManager went away before it answered: it stopped or crashed.");
inline const char* const Authorization = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager",
    "NetworkManager was still waiting for authorization (a password prompt, for one) when Korvo stopped "
    "waiting; answering a prompt that is still open would make the change after all.");
inline const char* const PasswordPrompt = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager", "Nobody answered the password prompt in time; Korvo has withdrawn it.");
} // namespace wait

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
        return send(method, message, timeoutMs_, false);
    }

    // Like call(), for a call that changes something and needs NetworkManager's polkit `permissions`:
    // polkit may ask the user for a password (the desktop's own dialog), so the call may wait for
    // the answer. A refusal names the permission refused; see authorize() for the prompt.
    QDBusMessage change(const QString& path, const QString& iface, const QString& method,
                        const QVariantList& args, const QStringList& permissions) {
        for (const QString& permission : permissions)
            authorize(permission);
        auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
        message.setArguments(args);
        message.setInteractiveAuthorizationAllowed(true);
        return send(method, message, changeTimeoutMs_, true);
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

    // Sent without waiting for the answer, behind whatever this connection sent before.
    QDBusPendingCall post(const QString& path, const QString& iface, const QString& method,
                          const QVariantList& args, int timeoutMs) {
        auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
        message.setArguments(args);
        return connection_.asyncCall(message, std::max(timeoutMs, 1));
    }

    static bool unanswered(const QDBusMessage& reply) {
        return busFault(reply.errorName()) == BusFault::NoAnswer;
    }

    // An error reply as a sentence for the user.
    static std::string reason(const QString& method, const QDBusMessage& reply) {
        return describeBusError(reply.errorName().toStdString(), reply.errorMessage().toStdString(),
                                method.toStdString());
    }

private:
    QDBusMessage send(const QString& method, const QDBusMessage& message, int timeoutMs, bool change) {
        QElapsedTimer timer;
        timer.start();
        const QDBusMessage reply = connection_.call(message, QDBus::Block, timeoutMs);
        if (reply.type() == QDBusMessage::ErrorMessage && unanswered(reply)) {
            // The bus's own timer may fire a little before ours reads the full time.
            const char* why =
                whyUnanswered(timer.elapsed() < timeoutMs - std::max(100, timeoutMs / 10), change);
            // A NetworkManager that is still there may yet carry out a change it was sent.
            if (change && why != wait::WentAway) throw UnconfirmedChange(said(why));
            throw ServiceError(said(why));
        }
        return answered(method, reply);
    }

    // A call that got no answer: the bus tells a NetworkManager that left it (at once, or by now) from
    // one that is still there; one that still answers a ping was waiting for polkit on a change.
    const char* whyUnanswered(bool endedEarly, bool change) const {
        const QDBusConnectionInterface* bus = connection_.interface();
        const auto registered = bus ? bus->isServiceRegistered(NmBusName) : QDBusReply<bool>();
        if (endedEarly || (registered.isValid() && !registered.value())) return wait::WentAway;
        if (change) {
            // A property read, not org.freedesktop.DBus.Peer.Ping: NetworkManager's bus policy lets
            // only root ping it, so a user's ping is refused by the bus whatever NetworkManager does.
            auto alive = QDBusMessage::createMethodCall(NmBusName, ManagerPath, PropertiesIface,
                                                        QStringLiteral("Get"));
            alive.setArguments({ManagerIface, QStringLiteral("Version")});
            if (connection_.call(alive, QDBus::Block, std::min(timeoutMs_, 1000)).type() ==
                QDBusMessage::ReplyMessage)
                return wait::Authorization;
        }
        return wait::NoAnswer;
    }

    // NetworkManager asks polkit only once the call has come, and keeps asking after Korvo has stopped
    // waiting: a password prompt would stay open, and answering it would still make the change. So
    // Korvo asks polkit first, for itself, where a prompt's answer is kept for NetworkManager's own
    // check (auth_admin_keep, the desktop default for saving profiles); a prompt Korvo's wait gives up
    // on is withdrawn. Where there is no polkit, or nothing to ask, NetworkManager decides as before.
    void authorize(const QString& permission) {
        if (::geteuid() == 0) return; // NetworkManager asks polkit nothing for root
        static QAtomicInt checks;
        const QString id = QStringLiteral("korvo-%1-%2").arg(::getpid()).arg(checks.fetchAndAddRelaxed(1));
        auto check = [&](uint flags, int timeoutMs) {
            auto message = QDBusMessage::createMethodCall(PolkitName, PolkitPath, PolkitIface,
                                                          QStringLiteral("CheckAuthorization"));
            message.setArguments({QVariant::fromValue(self()), permission,
                                  QVariant::fromValue(QMap<QString, QString>{}), flags,
                                  flags ? id : QString()});
            return connection_.call(message, QDBus::Block, timeoutMs);
        };
        const QDBusMessage first = check(0, timeoutMs_);
        if (first.type() != QDBusMessage::ReplyMessage) return;
        const auto result = qdbus_cast<PolkitResult>(first.arguments().value(0));
        if (result.authorized || !result.challenge ||
            result.details.value(QStringLiteral("polkit.retains_authorization_after_challenge")) !=
                QLatin1String("1"))
            return;
        const QDBusMessage asked = check(PolkitAllowUserInteraction, changeTimeoutMs_);
        if (asked.type() != QDBusMessage::ReplyMessage) {
            if (!unanswered(asked)) return;
            auto cancel = QDBusMessage::createMethodCall(PolkitName, PolkitPath, PolkitIface,
                                                         QStringLiteral("CancelCheckAuthorization"));
            cancel.setArguments({id});
            connection_.call(cancel, QDBus::Block, timeoutMs_);
            throw PromptWithdrawn(said(wait::PasswordPrompt));
        }
        if (!qdbus_cast<PolkitResult>(asked.arguments().value(0)).authorized)
            throw PermissionRefusal(missingPermissionAdvice(permission), permission);
    }

    // This process as polkit and NetworkManager name it: pid, start time and user.
    static PolkitSubject self() {
        QFile stat(QStringLiteral("/proc/self/stat"));
        quint64 start = 0;
        if (stat.open(QIODevice::ReadOnly)) {
            // Field 22; the name before it, in parentheses, may hold blanks.
            const QByteArray all = stat.readAll();
            const QList<QByteArray> fields = all.mid(all.lastIndexOf(')') + 2).split(' ');
            start = fields.value(19).toULongLong();
        }
        return {QStringLiteral("unix-process"),
                {{QStringLiteral("pid"), QVariant::fromValue(static_cast<quint32>(::getpid()))},
                 {QStringLiteral("start-time"), QVariant::fromValue(start)},
                 {QStringLiteral("uid"), QVariant::fromValue(static_cast<qint32>(::getuid()))}}};
    }

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
