// Checking the seven address texts of a profile before anything reaches the
// network configuration service.
#pragma once

#include "core/Profile.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace korvo {

// The seven addresses, in the order they are tested and reported.
enum AddressField {
    IPAddressField,
    SubnetMaskField,
    GatewayField,
    PrimaryDNSField,
    SecondaryDNSField,
    PrimaryWINSField,
    SecondaryWINSField,
    AddressFieldCount
};

// What validation says of an invalid address in `field`, translated.
QString validationMessage(AddressField field);

// Removes leading and trailing space characters only (tabs and line breaks stay).
QString trimBlanks(const QString& text);

struct ValidationOutcome {
    std::array<int, AddressFieldCount> Valid{}; // 1 valid (or not tested), 0 invalid
    QString Messages;                           // one message + CR per invalid address, in field order

    bool valid() const;
};

// The value of one dotted part when the whole part is a number: a plain decimal
// integer, optionally signed, optionally surrounded by blanks ("  +10 ", "-0").
// Anything else (empty, all blanks, "1e2", "&H10", "1 0", tabs) is not numeric.
// Huge values saturate; they are out of range either way.
std::optional<long long> numericPartValue(QStringView part);

// The servers that a profile command leaves out: neither tested nor sent.
struct OmittedServers {
    bool PrimaryDNS = false;
    bool SecondaryDNS = false;
    bool PrimaryWINS = false;
    bool SecondaryWINS = false;
};

// Tests the seven addresses of `profile` and rewrites the valid ones in canonical
// dotted form (and the address, mask and gateway with a non-numeric part as "0.0.0.0").
// In DHCP mode only the servers are tested.
ValidationOutcome validateAddresses(Profile& profile, ApplyMode mode, const OmittedServers& omitted);

// Tests the further addresses ("192.0.2.21/24"): each address as the address box's, its prefix length
// a whole number from 1 to 32. Valid ones are rewritten canonically ("192.0.2.21/24"); returns the
// invalid ones as typed, in order.
QStringList validateMoreAddresses(QStringList& addresses);

} // namespace korvo
