// What an apply came to, as data alone: states, the service's codes, the values asked and in
// effect, and why, each reason a kind with the values its sentence needs. The window, the terminal,
// the screen reader and JSON each make their own text of it (ResultTexts, TerminalReport, Form4).
#pragma once

#include "core/AddressValidation.h"
#include "core/Profile.h"

#include "platform/AdapterState.h"
#include "platform/NetConfigService.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace korvo {

class Rollback;

// Refused: part of the change took: the address is in place but the service refused another
// setting, the change is saved but not in effect, or the adapter does not have all of it.
// NotApplied: nothing was changed, because a check before the change said no (another host
// answers for the address), or the change was rolled back; the reasons say which.
enum class ApplyState { Applied, Refused, Invalid, ServiceError, NotApplied };

// How one setting of an apply came out.
enum class SettingStatus {
    InEffect,          // read back as asked
    Differs,           // read back, and not as asked: `InEffect` is what the adapter has
    Refused,           // the service refused it
    NotOnThisPlatform, // the platform has no such setting (WINS under NetworkManager): not a difference
    NotShown,          // made, but the live state cannot show it
    WhenConnected,     // saved; it takes effect when the adapter's cable is connected
    SavedNotInEffect,  // saved in the adapter's configuration, not in effect
    NotMade,           // not reached: the address was refused, the service failed first, or a check said no
    NotAsked,          // left as it was (no gateway on DHCP, a secondary server without a primary)
};

// One setting of an apply on one adapter: what was asked beside what the adapter has, read back.
struct SettingOutcome {
    // "ip_address", "subnet_mask", "gateway", "primary_dns", "secondary_dns", "primary_wins",
    // "secondary_wins": the same in every language.
    QString Name;
    QString Asked;    // as sent: canonical address, "DHCP" for from DHCP; empty: cleared
    QString InEffect; // as read back; empty: none, or not read (the status says which)
    SettingStatus Status = SettingStatus::NotMade;
    bool operator==(const SettingOutcome&) const = default;
};

// What an apply came to on one adapter it changed.
struct AdapterOutcome {
    QString Caption;
    ApplyState State = ApplyState::ServiceError;
    std::vector<SettingOutcome> Settings{}; // the seven, in the order of SettingOutcome::Name's list
    // Whether no other host answered for the static address before it was put into effect;
    // nullopt: not checked. When false, `AnsweredBy` is the hardware address that answered.
    std::optional<bool> AddressFree;
    QString AnsweredBy; // "52:54:00:12:34:56"
    // Whether the gateway answered after the apply; nullopt: not checked.
    std::optional<bool> GatewayAnswers;
};

// What stands in the summary for a value.
enum class ValueMark {
    Value,   // the value as it is: in effect, or as validated
    Refused, // the service refused it
    NotSet,  // not made: the platform has no such setting, or the service failed first
    Ignored, // a secondary DNS server without a primary, never sent
    None,    // read back, and the adapter has none
};

// One of the seven values beside its name in the summary: the value, or what stands for it.
struct ShownValue {
    ValueMark Mark = ValueMark::Value;
    QString Value;
    bool operator==(const ShownValue&) const = default;
};
using ShownValues = std::array<ShownValue, AddressFieldCount>;
// The seven addresses of `p` as values.
inline ShownValues shownValues(const Profile& p) {
    return {{{ValueMark::Value, p.IPAddress},
             {ValueMark::Value, p.SubnetMask},
             {ValueMark::Value, p.Gateway},
             {ValueMark::Value, p.PrimaryDNS},
             {ValueMark::Value, p.SecondaryDNS},
             {ValueMark::Value, p.PrimaryWINS},
             {ValueMark::Value, p.SecondaryWINS}}};
}

// Why an apply came out as it did, or what it found on the way. A reason's `Values` hold what its
// sentence names, in the order each kind lists.
enum class ReasonKind {
    Invalid,                // `Field`'s address is not valid
    Refused,                // `Subject` refused with `Code`; values: the service's own word (may be empty)
    NotOnThisPlatform,      // `Subject` not set: the platform has none
    RestartNeeded,          // the change needs a restart of the computer
    CableNotConnected,      // saved; in effect once the cable is connected
    ServiceFailedPartWay,   // values: the service's failure, before the rest was set
    ServiceFailed,          // values: the service's failure
    SavedNotInEffect,       // values: the service's own word on a change saved but not in effect
    AdapterNotListed,       // values: caption, why the service left it out (empty: not found)
    AddressInUse,           // values: address, hardware address that answered, caption
    Differs,                // `Field` read back not as asked; values: asked, in effect (empty: none)
    NotReadBack,            // values: why the adapter could not be read back
    AddressNotChecked,      // values: address, why its being free was not checked
    GatewayAnswers,         // values: gateway
    GatewayDoesNotAnswer,   // values: gateway
    UndoNotGivenUp,         // values: why the way back prepared could not be given up
    PendingRollback,        // values: caption, the rollback's name, seconds left (empty: no timeout)
    Kept,                   // the settings of a change that cut the gateway off are kept
    NotKept,                // values: why they could not be kept
    NotPutBack,             // values: why the previous settings could not be put back
    PutBack,                // values: the gateway that did not answer after the change
    Restored,               // values: caption; `Had` is what it has again
    NotRestored,            // values: caption; `Had` before, `Has` now (nullopt: not readable)
    InvalidMoreAddress,     // values: the further address as typed
    MoreAddresses,          // values: the further addresses in effect, blank-separated
    MoreAddressesDiffer,    // values: the further addresses asked, and in effect (empty: none)
    FoundByHardwareAddress, // values: the caption typed, the adapter's name now, its hardware address
};
// What a refusal or a missing setting concerns.
enum class ReasonSubject { Address, Dhcp, Change, Gateway, WinsServers, DnsServers };

struct Reason {
    ReasonKind Kind = ReasonKind::ServiceFailed;
    QStringList Values{};
    ReasonSubject Subject = ReasonSubject::Change;
    AddressField Field = IPAddressField;
    int Code = 0;
    std::optional<platform::IPv4State> Had{}, Has{};
    bool operator==(const Reason&) const = default;
};

// What an apply came to, as data: the applying window and the command line each write it their way.
struct ApplyOutcome {
    ApplyState State = ApplyState::ServiceError;
    bool Saved = false; // Refused: saved but not in effect, rather than a setting refused
    Profile Values;     // the profile as validated and sent: canonical addresses
    // Each setting's value in effect, or what stands for it; unused after ServiceError.
    ShownValues InEffect{};
    // In order: validation; differences, refusals, then notes; the service's failure.
    std::vector<Reason> Reasons{};
    bool Unconfirmed = false; // ServiceError: a change was sent but not answered, so it may yet be made
    // Refused: the service took the change, but reading the adapter back found settings not as asked.
    bool Differs = false;
    std::vector<AdapterOutcome> Adapters{}; // every adapter changed, in the service's order; the last shown
    // The rollback another program (or another Korvo) has pending on the adapter: it will undo this.
    std::optional<platform::PendingRollback> PendingRollback{};
    // The gateway answered before the change and does not after it: the way back to what the adapter
    // had, for the caller to keep or roll back (before it rolls back by itself). Null otherwise.
    std::shared_ptr<Rollback> Undo{};
    QStringList MoreAddressesInEffect{}; // the further addresses read back, "192.0.2.21/24" each
    // The adapter's name now, where it was found by its hardware address under another name.
    QString NowNamed{};
};

} // namespace korvo
