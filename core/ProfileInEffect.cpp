#include "core/ProfileInEffect.h"

#include "core/AddressValidation.h"
#include "core/Applier.h"

#include <QStringList>

namespace korvo {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

QString joinedOrNone(const std::vector<std::string>& items) {
    if (items.empty()) return QStringLiteral("none");
    QStringList parts;
    for (const std::string& item : items)
        parts << QString::fromStdString(item);
    return parts.join(QStringLiteral(", "));
}

} // namespace

std::optional<int> prefixFromMask(const QString& mask) {
    const QStringList parts = mask.split(u'.');
    if (parts.size() != 4) return std::nullopt;
    quint32 bits = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!ok || value > 255) return std::nullopt;
        bits = (bits << 8) | value;
    }
    const quint32 host = ~bits;
    // Contiguous: the host part is all ones from the right.
    if ((host & (host + 1)) != 0) return std::nullopt;
    int prefix = 0;
    for (quint32 b = bits; b & 0x80000000u; b <<= 1)
        ++prefix;
    return prefix;
}

bool profileInEffect(const Profile& typed, ApplyMode mode, const platform::IPv4State& now) {
    if (mode == ApplyMode::Dhcp) return now.dhcp;
    if (now.dhcp) return false;

    // The profile as an apply sends it: servers trimmed, empty ones left out, addresses canonical.
    Profile p = typed;
    const OmittedServers omitted = takeServers(p, ApplyMode::Static);
    if (!validateAddresses(p, ApplyMode::Static, omitted).valid()) return false;

    const std::optional<int> prefix = prefixFromMask(p.SubnetMask);
    if (!prefix) return false;
    if (now.addresses != std::vector<std::string>{text(p.IPAddress) + '/' + std::to_string(*prefix)})
        return false;
    if (now.gateway != text(p.Gateway)) return false;

    // A secondary server without a primary is not sent.
    std::vector<std::string> dns;
    if (!omitted.PrimaryDNS) {
        dns.push_back(text(p.PrimaryDNS));
        if (!omitted.SecondaryDNS) dns.push_back(text(p.SecondaryDNS));
    }
    return now.dnsServers == dns;
}

QString describeState(const QString& caption, const platform::IPv4State& now) {
    return QStringLiteral("%1: %2\nAddress: %3\nGateway: %4\nDNS: %5")
        .arg(caption, QString::fromLatin1(platform::configurationKind(now)), joinedOrNone(now.addresses),
             now.gateway.empty() ? QStringLiteral("none") : QString::fromStdString(now.gateway),
             joinedOrNone(now.dnsServers));
}

} // namespace korvo
