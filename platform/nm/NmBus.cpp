#include "platform/nm/NmBus.h"

#include "platform/nm/NetworkManager.h"
#include "platform/nm/NmPolkit.h"
#include "platform/nm/NmSentences.h"

#include <QAtomicInt>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <unistd.h>

namespace korvo::platform::nmbus {

namespace {

// This process as polkit and NetworkManager name it: pid, start time and user.
PolkitSubject self() {
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

} // namespace

void registerTypes() {
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

ConnectionSettings settingsFrom(const QDBusMessage& reply) {
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

Bus::Bus(const QString& name, std::chrono::milliseconds timeout, std::chrono::milliseconds changeTimeout)
    : connection_(QDBusConnection(name)), name_(name), timeoutMs_(static_cast<int>(timeout.count())),
      changeTimeoutMs_(static_cast<int>(std::max(timeout, changeTimeout).count())) {}

Bus::~Bus() {
    QDBusConnection::disconnectFromBus(name_);
}

QDBusMessage Bus::call(const QString& path, const QString& iface, const QString& method,
                       const QVariantList& args) {
    auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
    message.setArguments(args);
    return send(method, message, timeoutMs_, false);
}

QDBusMessage Bus::change(const QString& path, const QString& iface, const QString& method,
                         const QVariantList& args, const QStringList& permissions) {
    for (const QString& permission : permissions)
        authorize(permission);
    auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
    message.setArguments(args);
    message.setInteractiveAuthorizationAllowed(true);
    return send(method, message, changeTimeoutMs_, true);
}

QDBusMessage Bus::read(const QString& path, const QString& iface, const QString& method,
                       const QVariantList& args) {
    return readOf(method, call(path, iface, method, args));
}

QDBusMessage Bus::readOf(const QString& method, const QDBusMessage& pending) {
    QDBusMessage reply = answered(method, pending);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (permissionDenied(reply.errorName())) {
            throw PermissionRefusal(reason(method, reply));
        }
        throw ServiceError(reason(method, reply));
    }
    return reply;
}

QDBusPendingCall Bus::post(const QString& path, const QString& iface, const QString& method,
                           const QVariantList& args, int timeoutMs) {
    auto message = QDBusMessage::createMethodCall(NmBusName, path, iface, method);
    message.setArguments(args);
    return connection_.asyncCall(message, std::max(timeoutMs, 1));
}

bool Bus::unanswered(const QDBusMessage& reply) {
    return busFault(reply.errorName()) == BusFault::NoAnswer;
}

std::string Bus::reason(const QString& method, const QDBusMessage& reply) {
    return describeBusError(reply.errorName().toStdString(), reply.errorMessage().toStdString(),
                            method.toStdString());
}

QDBusMessage Bus::readPosted(const QString& method, const QDBusMessage& reply, qint64 elapsedMs) {
    throwIfUnanswered(reply, elapsedMs, timeoutMs_, false);
    return readOf(method, reply);
}

QDBusMessage Bus::send(const QString& method, const QDBusMessage& message, int timeoutMs, bool change) {
    QElapsedTimer timer;
    timer.start();
    const QDBusMessage reply = connection_.call(message, QDBus::Block, timeoutMs);
    throwIfUnanswered(reply, timer.elapsed(), timeoutMs, change);
    return answered(method, reply);
}

void Bus::throwIfUnanswered(const QDBusMessage& reply, qint64 elapsedMs, int timeoutMs, bool change) const {
    if (reply.type() != QDBusMessage::ErrorMessage || !unanswered(reply)) return;
    // The bus's own timer may fire a little before ours reads the full time.
    const char* why = whyUnanswered(elapsedMs < timeoutMs - std::max(100, timeoutMs / 10), change);
    // A NetworkManager that is still there may yet carry out a change it was sent.
    if (change && why != wait::WentAway) throw UnconfirmedChange(said(why));
    throw ServiceError(said(why));
}

// A call that got no answer: the bus tells a NetworkManager that left it (at once, or by now) from
// one that is still there; one that still answers a ping was waiting for polkit on a change.
const char* Bus::whyUnanswered(bool endedEarly, bool change) const {
    const QDBusConnectionInterface* bus = connection_.interface();
    const auto registered = bus ? bus->isServiceRegistered(NmBusName) : QDBusReply<bool>();
    if (endedEarly || (registered.isValid() && !registered.value())) return wait::WentAway;
    if (change) {
        // A property read, not org.freedesktop.DBus.Peer.Ping: NetworkManager's bus policy lets
        // only root ping it, so a user's ping is refused by the bus whatever NetworkManager does.
        auto alive =
            QDBusMessage::createMethodCall(NmBusName, ManagerPath, PropertiesIface, QStringLiteral("Get"));
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
void Bus::authorize(const QString& permission) {
    if (::geteuid() == 0) return; // NetworkManager asks polkit nothing for root
    static QAtomicInt checks;
    const QString id = QStringLiteral("korvo-%1-%2").arg(::getpid()).arg(checks.fetchAndAddRelaxed(1));
    auto check = [&](uint flags, int timeoutMs) {
        auto message = QDBusMessage::createMethodCall(PolkitName, PolkitPath, PolkitIface,
                                                      QStringLiteral("CheckAuthorization"));
        message.setArguments({QVariant::fromValue(self()), permission,
                              QVariant::fromValue(QMap<QString, QString>{}), flags, flags ? id : QString()});
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

QDBusMessage Bus::answered(const QString& method, const QDBusMessage& reply) const {
    if (reply.type() == QDBusMessage::ErrorMessage && !isRefusal(reply.errorName())) {
        throw ServiceError(reason(method, reply));
    }
    return reply;
}

// NetworkManager's own answers and the bus policy's no; everything else
// from the bus means the call never got an answer.
bool Bus::isRefusal(const QString& errorName) {
    return !errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.")) ||
           errorName == QLatin1String("org.freedesktop.DBus.Error.AccessDenied");
}

} // namespace korvo::platform::nmbus
