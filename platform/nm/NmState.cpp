#include "platform/nm/NmState.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QHash>
#include <QList>
#include <QVariantMap>

namespace korvo::platform::nm {

namespace {

const QString NmBusName = QStringLiteral("org.freedesktop.NetworkManager");
const QString DevicePrefix = QStringLiteral("/org/freedesktop/NetworkManager/Devices/");
const QString IP4ConfigPrefix = QStringLiteral("/org/freedesktop/NetworkManager/IP4Config/");
const QString DeviceIface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString IP4ConfigIface = QStringLiteral("org.freedesktop.NetworkManager.IP4Config");
const QString NoObject = QStringLiteral("/");

// How long a burst of property changes is gathered before it is told as one.
constexpr int SettleMs = 50;

struct Device {
    QString interfaceName;
    QString ip4Config;
    bool dhcp = false;
};

QString objectPath(const QVariant& v) {
    return qdbus_cast<QDBusObjectPath>(v).path();
}

// An aa{sv} property: NameserverData and AddressData.
QList<QVariantMap> dictionaries(const QVariant& v) {
    return qdbus_cast<QList<QVariantMap>>(v);
}

// The properties of one interface's a{sv}; nothing else is decoded.
QVariantMap readProperties(const QDBusArgument& dictionary) {
    QVariantMap values;
    dictionary.beginMap();
    while (!dictionary.atEnd()) {
        QString name;
        QDBusVariant value;
        dictionary.beginMapEntry();
        dictionary >> name >> value;
        dictionary.endMapEntry();
        values.insert(name, value.variant());
    }
    dictionary.endMap();
    return values;
}

IPv4State stateOf(const QVariantMap& config, bool dhcp) {
    IPv4State state;
    state.dhcp = dhcp;
    for (const QVariantMap& a : dictionaries(config.value(QStringLiteral("AddressData"))))
        state.addresses.push_back(QStringLiteral("%1/%2")
                                      .arg(a.value(QStringLiteral("address")).toString())
                                      .arg(a.value(QStringLiteral("prefix")).toUInt())
                                      .toStdString());
    state.gateway = config.value(QStringLiteral("Gateway")).toString().toStdString();
    for (const QVariantMap& n : dictionaries(config.value(QStringLiteral("NameserverData"))))
        state.dnsServers.push_back(n.value(QStringLiteral("address")).toString().toStdString());
    return state;
}

} // namespace

std::map<std::string, IPv4State> ipv4States(const QDBusMessage& managedObjects) {
    static const bool registered = [] {
        qDBusRegisterMetaType<QList<QVariantMap>>();
        return true;
    }();
    (void)registered;

    QList<Device> devices;
    QHash<QString, QVariantMap> configs;
    const auto all = managedObjects.arguments().value(0).value<QDBusArgument>();
    all.beginMap();
    while (!all.atEnd()) {
        QDBusObjectPath object;
        all.beginMapEntry();
        all >> object;
        const QString path = object.path();
        const bool isDevice = path.startsWith(DevicePrefix);
        const bool isConfig = path.startsWith(IP4ConfigPrefix);
        all.beginMap();
        while (!all.atEnd()) {
            QString iface;
            all.beginMapEntry();
            all >> iface;
            if (isDevice && iface == DeviceIface) {
                const QVariantMap p = readProperties(all);
                const QString dhcp = objectPath(p.value(QStringLiteral("Dhcp4Config")));
                devices.append({p.value(QStringLiteral("Interface")).toString(),
                                objectPath(p.value(QStringLiteral("Ip4Config"))),
                                !dhcp.isEmpty() && dhcp != NoObject});
            } else if (isConfig && iface == IP4ConfigIface) {
                configs.insert(path, readProperties(all));
            } else {
                all.beginMap(); // leaving a container unread skips it
                all.endMap();
            }
            all.endMapEntry();
        }
        all.endMap();
        all.endMapEntry();
    }
    all.endMap();

    std::map<std::string, IPv4State> states;
    for (const Device& d : devices) {
        if (!d.interfaceName.isEmpty())
            states[d.interfaceName.toStdString()] = stateOf(configs.value(d.ip4Config), d.dhcp);
    }
    return states;
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
    if ((iface == DeviceIface || iface == IP4ConfigIface) && !settle_.isActive()) settle_.start();
}

} // namespace korvo::platform::nm
