#include "core/ProfileInEffect.h"

#include "core/AddressValidation.h"
#include "core/Applier.h"
#include "platform/IPv4Address.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace korvo {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

QString joinedOrNone(const std::vector<std::string>& items) {
    if (items.empty()) return QCoreApplication::translate("AdapterStates", "none");
    QStringList parts;
    for (const std::string& item : items)
        parts << QString::fromStdString(item);
    return parts.join(QStringLiteral(", "));
}

} // namespace

bool profileInEffect(const Profile& typed, ApplyMode mode, const platform::IPv4State& now) {
    if (now.dhcp != (mode == ApplyMode::Dhcp)) return false;

    // The profile as an apply sends it: servers trimmed, empty ones left out, addresses canonical.
    Profile p = typed;
    const OmittedServers omitted = takeServers(p, mode);
    if (!validateAddresses(p, mode, omitted).valid() || !validateMoreAddresses(p.MoreAddresses).isEmpty())
        return false;
    std::vector<std::string> more;
    for (const QString& cidr : p.MoreAddresses)
        more.push_back(text(cidr));
    if (mode == ApplyMode::Dhcp && !more.empty()) {
        // The lease's address and every further one, in whatever order the service gives them.
        if (now.addresses.size() != 1 + more.size()) return false;
        for (const std::string& a : more)
            if (std::find(now.addresses.begin(), now.addresses.end(), a) == now.addresses.end()) return false;
    }
    if (mode == ApplyMode::Dhcp && omitted.PrimaryDNS)
        // From DHCP: the lease's servers, where the service tells them.
        return !now.leaseDnsServers || now.dnsServers == *now.leaseDnsServers;
    if (mode == ApplyMode::Static) {
        const auto mask = platform::IPv4Address::parse(text(p.SubnetMask));
        const std::optional<int> prefix = mask ? mask->prefixLength() : std::nullopt;
        if (!prefix) return false;
        std::vector<std::string> all{text(p.IPAddress) + '/' + std::to_string(*prefix)};
        all.insert(all.end(), more.begin(), more.end());
        if (now.addresses != all) return false;
        if (now.gateway != text(p.Gateway)) return false;
    }

    return now.dnsServers == sentDnsServers(p, omitted);
}

Profile profileFrom(const platform::IPv4State& now) {
    Profile p;
    if (!now.addresses.empty()) {
        const auto [text, prefix] = platform::IPv4Address::splitPrefix(now.addresses.front());
        const std::optional<platform::IPv4Address> address = platform::IPv4Address::parse(text);
        const std::optional<platform::IPv4Address> mask = platform::IPv4Address::maskOf(prefix.value_or(-1));
        if (address && mask) {
            p.IPAddress = QString::fromStdString(address->toString());
            p.SubnetMask = QString::fromStdString(mask->toString());
        }
    }
    // The others as further addresses, in their order.
    for (std::size_t i = 1; i < now.addresses.size(); ++i) {
        const auto [text, prefix] = platform::IPv4Address::splitPrefix(now.addresses[i]);
        const std::optional<platform::IPv4Address> address = platform::IPv4Address::parse(text);
        if (address && prefix && *prefix >= 1 && *prefix <= 32)
            p.MoreAddresses
                << QStringLiteral("%1/%2").arg(QString::fromStdString(address->toString())).arg(*prefix);
    }
    p.Gateway = QString::fromStdString(now.gateway);
    if (!now.dnsServers.empty()) p.PrimaryDNS = QString::fromStdString(now.dnsServers[0]);
    if (now.dnsServers.size() > 1) p.SecondaryDNS = QString::fromStdString(now.dnsServers[1]);
    return p;
}

QString stateTooltip(const QString& caption, const platform::IPv4State& now) {
    // The kinds as the command line writes them, in the user's words here.
    static const char* const kinds[] = {QT_TRANSLATE_NOOP("AdapterStates", "DHCP"),
                                        QT_TRANSLATE_NOOP("AdapterStates", "static"),
                                        QT_TRANSLATE_NOOP("AdapterStates", "unconfigured")};
    Q_UNUSED(kinds);
    return QCoreApplication::translate("AdapterStates", "%1: %2\nAddress: %3\nGateway: %4\nDNS: %5")
        .arg(caption, QCoreApplication::translate("AdapterStates", platform::configurationKind(now)),
             joinedOrNone(now.addresses),
             now.gateway.empty() ? QCoreApplication::translate("AdapterStates", "none")
                                 : QString::fromStdString(now.gateway),
             joinedOrNone(now.dnsServers));
}

} // namespace korvo
