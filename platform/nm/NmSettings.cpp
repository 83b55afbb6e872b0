#include "platform/nm/NmSettings.h"

#include "platform/IPv4Address.h"
#include "platform/NetConfigService.h"

#include <QStringList>
#include <QVersionNumber>
#include <QtEndian>

namespace korvo::nm {

namespace {

namespace code = platform::code;

const QString Method = QStringLiteral("method");
const QString AddressData = QStringLiteral("address-data");
const QString Gateway = QStringLiteral("gateway");
const QString RouteMetric = QStringLiteral("route-metric");
const QString NeverDefault = QStringLiteral("never-default");
const QString Dns = QStringLiteral("dns");
const QString DnsData = QStringLiteral("dns-data");
const QString IgnoreAutoDns = QStringLiteral("ignore-auto-dns");

// Hosts may not be 0/8, loopback, multicast or reserved.
bool usableHost(std::uint32_t a) {
    const auto first = a >> 24;
    return first != 0 && first != 127 && first < 224;
}

// A name server may also be a local resolver on loopback.
bool usableServer(std::uint32_t a) {
    const auto first = a >> 24;
    return first != 0 && first < 224;
}

using platform::IPv4Address;

QString dotted(IPv4Address a) {
    return QString::fromStdString(a.toString());
}

struct Address {
    QString address;
    uint prefix = 0;
    bool operator==(const Address&) const = default;
};

std::vector<Address> addressesOf(const QVariant& value) {
    std::vector<Address> out;
    const auto append = [&out](const QVariantMap& m) {
        out.push_back(
            {m.value(QStringLiteral("address")).toString(), m.value(QStringLiteral("prefix")).toUInt()});
    };
    if (value.canConvert<QList<QVariantMap>>()) {
        for (const auto& m : value.value<QList<QVariantMap>>()) {
            append(m);
        }
    } else {
        for (const auto& v : value.toList()) {
            append(v.toMap());
        }
    }
    return out;
}

// Name servers as text, whichever property holds them.
QStringList serversOf(const QVariantMap& ipv4, DnsProperty dns) {
    if (dns == DnsProperty::Data) {
        return ipv4.value(DnsData).toStringList();
    }
    QStringList out;
    for (const uint n : ipv4.value(Dns).value<QList<uint>>()) {
        out << dotted(IPv4Address(qFromBigEndian(std::uint32_t{n})));
    }
    return out;
}

// The IPv4 behaviour a profile gives, with NetworkManager's defaults for absent keys.
struct Behaviour {
    QString method;
    std::vector<Address> addresses;
    QString gateway;
    qlonglong routeMetric;
    bool neverDefault;
    QStringList servers;
    bool ignoreAutoDns;
    bool operator==(const Behaviour&) const = default;
};

Behaviour behaviourOf(const QVariantMap& ipv4, DnsProperty dns) {
    return {ipv4.value(Method, QStringLiteral("auto")).toString(),
            addressesOf(ipv4.value(AddressData)),
            ipv4.value(Gateway).toString(),
            ipv4.value(RouteMetric, qlonglong{-1}).toLongLong(),
            ipv4.value(NeverDefault, false).toBool(),
            serversOf(ipv4, dns),
            ipv4.value(IgnoreAutoDns, false).toBool()};
}

int enableStatic(QVariantMap& ipv4, const EnableStatic& op) {
    if (op.addresses.empty()) {
        return code::InvalidIPAddress;
    }
    if (op.masks.size() != op.addresses.size()) {
        return code::InvalidSubnetMask;
    }
    QList<QVariantMap> data;
    for (std::size_t i = 0; i < op.addresses.size(); ++i) {
        const auto address = IPv4Address::parse(op.addresses[i]);
        if (!address || !usableHost(address->bits())) {
            return code::InvalidIPAddress;
        }
        // NetworkManager keeps prefixes only; a mask it cannot express must not be rounded.
        const auto mask = IPv4Address::parse(op.masks[i]);
        const auto prefix = mask ? mask->prefixLength() : std::nullopt;
        if (!prefix || *prefix == 0) {
            return code::InvalidSubnetMask;
        }
        data.append({{QStringLiteral("address"), dotted(*address)},
                     {QStringLiteral("prefix"), static_cast<uint>(*prefix)}});
    }
    ipv4[Method] = QStringLiteral("manual");
    ipv4[AddressData] = QVariant::fromValue(data);
    return code::Success;
}

int setGateways(QVariantMap& ipv4, const SetGateways& op) {
    if (ipv4.value(Method).toString() != QLatin1String("manual")) {
        return code::NotSupported;
    }
    std::vector<std::string> gateways;
    for (const auto& g : op.gateways) {
        if (!g.empty()) {
            gateways.push_back(g);
        }
    }
    if (gateways.empty()) {
        ipv4.remove(Gateway);
        return code::Success;
    }
    // A profile has one default gateway.
    if (gateways.size() > 1) {
        return code::NotSupported;
    }
    const auto gateway = IPv4Address::parse(gateways.front());
    if (!gateway || !usableHost(gateway->bits())) {
        return code::InvalidGateway;
    }
    if (!op.metrics.empty() && (op.metrics.front() < 1 || op.metrics.front() > 9999)) {
        return code::UnknownFailure;
    }
    ipv4[Gateway] = dotted(*gateway);
    // A profile that never takes the default route would ignore the gateway.
    if (ipv4.value(NeverDefault, false).toBool()) {
        ipv4[NeverDefault] = false;
    }
    if (!op.metrics.empty()) {
        ipv4[RouteMetric] = qlonglong{op.metrics.front()};
    }
    return code::Success;
}

int enableDHCP(QVariantMap& ipv4, const EnableDHCP& op) {
    if (!op.addresses.empty()) {
        // Checked and written as static ones are, then the method goes back to DHCP.
        if (const int refused = enableStatic(ipv4, {op.addresses, op.masks}); refused != code::Success)
            return refused;
    } else {
        ipv4.remove(AddressData);
    }
    ipv4[Method] = QStringLiteral("auto");
    ipv4.remove(Gateway);
    // The metric came with the static gateway.
    ipv4.remove(RouteMetric);
    return code::Success;
}

int setDNS(QVariantMap& ipv4, const SetDNSServerSearchOrder& op, DnsProperty dns) {
    if (!op.servers || op.servers->empty()) {
        ipv4.remove(DnsData);
        ipv4.remove(Dns);
        ipv4.remove(IgnoreAutoDns);
        return code::Success;
    }
    QStringList text;
    QList<uint> legacy;
    for (const auto& s : *op.servers) {
        const auto server = IPv4Address::parse(s);
        if (!server || !usableServer(server->bits())) {
            return code::InvalidIPAddress;
        }
        text << dotted(*server);
        legacy << qToBigEndian(server->bits());
    }
    if (dns == DnsProperty::Data) {
        ipv4[DnsData] = text;
    } else {
        ipv4[Dns] = QVariant::fromValue(legacy);
    }
    ipv4[IgnoreAutoDns] = true;
    return code::Success;
}

} // namespace

DnsProperty dnsPropertyFor(const QString& networkManagerVersion) {
    const auto v = QVersionNumber::fromString(networkManagerVersion);
    return v >= QVersionNumber(1, 42) ? DnsProperty::Data : DnsProperty::Legacy;
}

Edit transform(const ConnectionSettings& current, const Operation& operation, DnsProperty dns) {
    QVariantMap ipv4 = current.value(QStringLiteral("ipv4"));
    const Behaviour before = behaviourOf(ipv4, dns);

    // GetSettings repeats these in their old forms, and the daemon prefers the
    // old forms when both arrive: they would undo the edit.
    ipv4.remove(QStringLiteral("addresses"));
    ipv4.remove(QStringLiteral("address-labels"));
    ipv4.remove(QStringLiteral("routes"));
    if (dns == DnsProperty::Data) {
        ipv4.remove(Dns);
    }

    const int result = std::visit(
        [&](const auto& op) -> int {
            using T = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<T, EnableStatic>) {
                return enableStatic(ipv4, op);
            } else if constexpr (std::is_same_v<T, SetGateways>) {
                return setGateways(ipv4, op);
            } else if constexpr (std::is_same_v<T, EnableDHCP>) {
                return enableDHCP(ipv4, op);
            } else {
                return setDNS(ipv4, op, dns);
            }
        },
        operation);
    if (result != code::Success) {
        return {result, current, false};
    }
    const Behaviour after = behaviourOf(ipv4, dns);
    Edit edit{code::Success, current, after != before,
              after.method == QLatin1String("auto") && after.ignoreAutoDns != before.ignoreAutoDns};
    edit.settings[QStringLiteral("ipv4")] = ipv4;
    return edit;
}

ConnectionSettings newEthernetProfile(const QString& interfaceName, const QString& uuid) {
    return {
        {QStringLiteral("connection"),
         {{QStringLiteral("id"), interfaceName},
          {QStringLiteral("uuid"), uuid},
          {QStringLiteral("type"), QStringLiteral("802-3-ethernet")},
          {QStringLiteral("interface-name"), interfaceName}}},
        {QStringLiteral("802-3-ethernet"), QVariantMap{}},
        {QStringLiteral("ipv4"), {{Method, QStringLiteral("auto")}}},
    };
}

} // namespace korvo::nm
