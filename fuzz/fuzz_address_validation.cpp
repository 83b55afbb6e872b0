// Any seven address texts with any mode and omitted flags: validation must never
// crash, and its outcome must keep the rules' promises whatever the input.
//
// Input: one byte of flags (bit 0 DHCP mode, bits 1-4 the four omitted flags),
// then the seven texts in field order, separated by LF.
#include "core/AddressValidation.h"

#include <QList>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace korvo;

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_address_validation: %s\n", what);
        std::abort();
    }
}

constexpr std::array<QString Profile::*, AddressFieldCount> Fields = {
    &Profile::IPAddress,    &Profile::SubnetMask,  &Profile::Gateway,      &Profile::PrimaryDNS,
    &Profile::SecondaryDNS, &Profile::PrimaryWINS, &Profile::SecondaryWINS};

bool tested(const Profile& p, ApplyMode mode, const OmittedServers& omitted, int field) {
    switch (field) {
    case IPAddressField:
    case SubnetMaskField:
        return mode == ApplyMode::Static;
    case GatewayField:
        return mode == ApplyMode::Static && !p.Gateway.isEmpty();
    case PrimaryDNSField:
        return !omitted.PrimaryDNS;
    case SecondaryDNSField:
        return !omitted.SecondaryDNS;
    case PrimaryWINSField:
        return !omitted.PrimaryWINS;
    default:
        return !omitted.SecondaryWINS;
    }
}

// Four decimal octets without leading zeros, each within the field's bounds.
bool canonical(const QString& text, bool mask) {
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4) return false;
    for (int k = 0; k < 4; ++k) {
        const QString& part = parts[k];
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.startsWith(u'0'))) return false;
        for (QChar c : part)
            if (c < u'0' || c > u'9') return false;
        const int v = part.toInt();
        const int lowest = (k == 0 || (k == 3 && !mask)) ? 1 : 0;
        if (v < lowest || v > (mask ? 255 : 254)) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Profile pending;
    const std::uint8_t flags = data[0];
    const ApplyMode mode = (flags & 1) ? ApplyMode::Dhcp : ApplyMode::Static;
    const OmittedServers omitted{((flags >> 1) & 1) != 0, ((flags >> 2) & 1) != 0, ((flags >> 3) & 1) != 0,
                                 ((flags >> 4) & 1) != 0};
    const QStringList texts =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1))
            .split(u'\n');
    for (int f = 0; f < AddressFieldCount; ++f)
        pending.*Fields[static_cast<std::size_t>(f)] = texts.value(f);

    const Profile before = pending;
    const ValidationOutcome outcome = validateAddresses(pending, mode, omitted);

    int invalid = 0;
    for (int f = 0; f < AddressFieldCount; ++f) {
        const auto field = Fields[static_cast<std::size_t>(f)];
        const int valid = outcome.Valid[static_cast<std::size_t>(f)];
        require(valid == 0 || valid == 1, "a valid flag that is neither 0 nor 1");
        if (!tested(before, mode, omitted, f)) {
            require(valid == 1 && pending.*field == before.*field,
                    "an untested address was judged or changed");
        } else if (valid == 1) {
            require(canonical(pending.*field, f == SubnetMaskField), "a valid address not in canonical form");
        } else {
            ++invalid;
            const bool zeroed = f <= GatewayField && pending.*field == QLatin1String("0.0.0.0");
            require(pending.*field == before.*field || zeroed, "an invalid address rewritten");
        }
    }
    require(outcome.valid() == (invalid == 0), "valid() disagrees with the flags");
    require(outcome.Messages.count(u'\r') == invalid, "not one message per invalid address");
    require(outcome.Messages.isEmpty() || outcome.Messages.endsWith(u'\r'), "a message without its CR");

    // Validating the rewritten configuration again changes nothing that passed.
    Profile again = pending;
    const ValidationOutcome second = validateAddresses(again, mode, omitted);
    for (int f = 0; f < AddressFieldCount; ++f) {
        const auto field = Fields[static_cast<std::size_t>(f)];
        if (outcome.Valid[static_cast<std::size_t>(f)] == 1)
            require(second.Valid[static_cast<std::size_t>(f)] == 1 && again.*field == pending.*field,
                    "a canonical address does not validate to itself");
    }
    return 0;
}
