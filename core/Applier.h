// The applying run: a profile's servers taken as a command takes them, its
// addresses validated, and the adapter whose caption it names changed through
// the network configuration service. No window: the caller shows the outcome.
#pragma once

#include "core/AddressValidation.h"
#include "core/Profile.h"

#include "platform/NetConfigService.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace korvo {

namespace platform {
class ServiceConnector;
}
class Rollback;

// Refused: part of the change took: the address is in place but the service refused another
// setting, the change is saved but not in effect, or the adapter does not have all of it.
// NotApplied: nothing was changed, because a check before the change said no (another host
// answers for the address); the reasons say which.
enum class ApplyState { Applied, Refused, Invalid, ServiceError, NotApplied };

// One setting of an apply on one adapter: what was asked beside what the adapter has, read back.
struct SettingOutcome {
    enum class Status {
        InEffect,          // read back as asked
        Differs,           // read back, and not as asked: `in_effect` is what the adapter has
        Refused,           // the service refused it
        NotOnThisPlatform, // the platform has no such setting (WINS under NetworkManager): not a difference
        NotShown,          // made, but the live state cannot show it
        WhenConnected,     // saved; it takes effect when the adapter's cable is connected
        SavedNotInEffect,  // saved in the adapter's configuration, not in effect
        NotMade,           // not reached: the address was refused, or the service failed first
        NotAsked,          // left as it was (no gateway on DHCP, a secondary server without a primary)
    };
    // "ip_address", "subnet_mask", "gateway", "primary_dns", "secondary_dns", "primary_wins",
    // "secondary_wins": the same in every language.
    QString name;
    QString asked;     // as sent: canonical address, "DHCP" for from DHCP; empty: cleared
    QString in_effect; // as read back; empty: none, or not read (the status says which)
    Status status = Status::NotMade;
    bool operator==(const SettingOutcome&) const = default;
};

// What an apply came to on one adapter it changed.
struct AdapterOutcome {
    QString Caption;
    ApplyState state = ApplyState::ServiceError;
    std::vector<SettingOutcome> Settings{}; // the seven, in the order of SettingOutcome::name's list
    // Whether no other host answered for the static address before it was put into effect;
    // nullopt: not checked. When false, `AnsweredBy` is the hardware address that answered.
    std::optional<bool> AddressFree;
    QString AnsweredBy; // "52:54:00:12:34:56"
    // Whether the gateway answered after the apply; nullopt: not checked.
    std::optional<bool> GatewayAnswers;
};

// What an apply came to, as data: the applying window and the command line each write it their way.
struct ApplyOutcome {
    using State = ApplyState;
    State state = State::ServiceError;
    bool Saved = false; // Refused: saved but not in effect, rather than a setting refused
    Profile Values;     // the profile as validated and sent: canonical addresses, "Ignored"
    Profile InEffect;   // each setting's value in effect, or "Refused" / "Not set"; unused after ServiceError
    QStringList Reasons;      // in order: validation messages; refusals, then notes; the service's failure
    bool Unconfirmed = false; // ServiceError: a change was sent but not answered, so it may yet be made
    // Refused: the service took the change, but reading the adapter back found settings not as asked.
    bool Differs = false;
    std::vector<AdapterOutcome> Adapters{}; // every adapter changed, in the service's order; the last shown
    // The rollback another program (or another Korvo) has pending on the adapter: it will undo this.
    std::optional<platform::PendingRollback> PendingRollback{};
    // The gateway answered before the change and does not after it: the way back to what the adapter
    // had, for the caller to keep or roll back (before it rolls back by itself). Null otherwise.
    std::shared_ptr<Rollback> Undo{};

    // The applying window's caption, and its two texts (lines end in a lone CR; values beside names).
    QString Heading() const;
    QString ResultText() const;
    QString ResultValues() const; // empty after a service error, or when nothing was applied
};

// The servers as the profile commands take them from the boxes: trimmed of blanks, and which are left
// out (empty; on the DHCP tab also the literal "DHCP"). Address, mask and gateway stay as typed.
OmittedServers takeServers(Profile& profile, ApplyMode mode);
// The DNS servers an apply sends for `profile` as takeServers left it: none when the primary is left
// out, and no secondary without a primary.
std::vector<std::string> sentDnsServers(const Profile& profile, const OmittedServers& omitted);

// The further addresses of `profile` (validated: "192.0.2.21/24") as an apply sends them.
std::vector<platform::IPv4Settings::Address> sentMoreAddresses(const Profile& profile);

// What an apply does beyond the change, and when its caller hears of it.
struct ApplyChecks {
    // Told the outcome as soon as the change is made, before the gateway is asked whether it answers;
    // the outcome returned then adds its answer. Unset: only the outcome returned.
    std::function<void(const ApplyOutcome&)> made{};
    // Above zero: where the gateway answered before the change, a way back is taken first and handed
    // over (ApplyOutcome::Undo) if the gateway does not answer after it; a service that rolls back by
    // itself does so after this long and a margin, should the caller never decide.
    std::chrono::seconds undoWithin{0};
};

// How long the checks may wait: for a host that holds the address to answer before the change, and
// for the gateway to answer after it.
inline constexpr std::chrono::milliseconds AddressProbeWait{300};
inline constexpr std::chrono::milliseconds GatewayWait{1000};

class Applier {
public:
    // A null connector behaves like a service that cannot be reached.
    explicit Applier(std::shared_ptr<platform::ServiceConnector> connector);

    // `typed` holds the boxes' texts as typed; the servers are trimmed here. A static address is put
    // into effect only where no other host answers for it, and the gateway is asked afterwards.
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode) const;
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode, const ApplyChecks& checks) const;

private:
    std::shared_ptr<platform::ServiceConnector> Connector;
};

} // namespace korvo
