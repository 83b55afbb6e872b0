#include "platform/nm/NmState.h"

#include <QDBusArgument>
#include <QList>
#include <QVariantMap>

namespace korvo::nm {

namespace {

const QString NmBusName = QStringLiteral("org.freedesktop.NetworkManager");
const QString DeviceIface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString IP4ConfigIface = QStringLiteral("org.freedesktop.NetworkManager.IP4Config");
const QString ManagerIface = QStringLiteral("org.freedesktop.NetworkManager");

// How long a burst of property changes is gathered before it is told as one.
constexpr int SettleMs = 50;

// An aa{sv} property: NameserverData and AddressData.
QList<QVariantMap> dictionaries(const QVariant& v) {
    return qdbus_cast<QList<QVariantMap>>(v);
}

} // namespace

IPv4State ipv4StateFrom(const QVariantMap& config, bool dhcp) {
    IPv4State state;
    state.dhcp = dhcp;
    // NetworkManager lists the newest first: the configured order, the primary first, is the reverse.
    const QList<QVariantMap> addresses = dictionaries(config.value(QStringLiteral("AddressData")));
    for (auto a = addresses.crbegin(); a != addresses.crend(); ++a)
        state.addresses.push_back(QStringLiteral("%1/%2")
                                      .arg(a->value(QStringLiteral("address")).toString())
                                      .arg(a->value(QStringLiteral("prefix")).toUInt())
                                      .toStdString());
    state.gateway = config.value(QStringLiteral("Gateway")).toString().toStdString();
    for (const QVariantMap& n : dictionaries(config.value(QStringLiteral("NameserverData"))))
        state.dnsServers.push_back(n.value(QStringLiteral("address")).toString().toStdString());
    return state;
}

std::optional<std::vector<std::string>> leaseDnsServers(const QVariantMap& dhcp4Config) {
    if (!dhcp4Config.contains(QStringLiteral("Options"))) return std::nullopt;
    const auto options = qdbus_cast<QVariantMap>(dhcp4Config.value(QStringLiteral("Options")));
    std::vector<std::string> servers;
    for (const QString& server :
         options.value(QStringLiteral("domain_name_servers")).toString().split(u' ', Qt::SkipEmptyParts))
        servers.push_back(server.toStdString());
    return servers;
}

StateWatch::StateWatch(QDBusConnection connection, QObject* parent)
    : QObject(parent), connection_(std::move(connection)) {
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &StateWatch::changed);
    // Every object NetworkManager owns: devices change their IP4Config, configs their values.
    watching_ =
        connection_.connect(NmBusName, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                            QStringLiteral("PropertiesChanged"), this, SLOT(propertiesChanged(QDBusMessage)));
}

StateWatch::~StateWatch() {
    if (watching_)
        connection_.disconnect(NmBusName, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                               QStringLiteral("PropertiesChanged"), this,
                               SLOT(propertiesChanged(QDBusMessage)));
}

void StateWatch::propertiesChanged(const QDBusMessage& message) {
    const QString iface = message.arguments().value(0).toString();
    // The manager's device list changes when an adapter is plugged in or goes away.
    const bool devices =
        iface == ManagerIface &&
        qdbus_cast<QVariantMap>(message.arguments().value(1)).contains(QStringLiteral("Devices"));
    if ((iface == DeviceIface || iface == IP4ConfigIface || devices) && !settle_.isActive()) settle_.start();
}

} // namespace korvo::nm
