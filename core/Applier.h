// The applying run: a profile's servers taken as a command takes them, its
// addresses validated, and the adapter whose caption it names changed through
// the network configuration service. No window: the caller shows the outcome.
#pragma once

#include "core/AddressValidation.h"
#include "core/Profile.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace korvo {

namespace platform {
class ServiceConnector;
}

// What an apply came to, as data: the applying window and the command line each write it their way.
struct ApplyOutcome {
    // Refused: part of the change took: the address is in place but the service refused another
    // setting, or the change is saved but not in effect (`Saved`).
    enum class State { Applied, Refused, Invalid, ServiceError };
    State state = State::ServiceError;
    bool Saved = false; // Refused: saved but not in effect, rather than a setting refused
    Profile Values;     // the profile as validated and sent: canonical addresses, "Ignored"
    Profile InEffect;   // each setting's value in effect, or "Refused" / "Not set"; unused after ServiceError
    QStringList Reasons;      // in order: validation messages; refusals, then notes; the service's failure
    bool Unconfirmed = false; // ServiceError: a change was sent but not answered, so it may yet be made

    // The applying window's caption, and its two texts (lines end in a lone CR; values beside names).
    QString Heading() const;
    QString ResultText() const;
    QString ResultValues() const; // empty after a service error
};

// The servers as the profile commands take them from the boxes: trimmed of blanks, and which are left
// out (empty; on the DHCP tab also the literal "DHCP"). Address, mask and gateway stay as typed.
OmittedServers takeServers(Profile& profile, ApplyMode mode);

class Applier {
public:
    // A null connector behaves like a service that cannot be reached.
    explicit Applier(std::shared_ptr<platform::ServiceConnector> connector);

    // `typed` holds the boxes' texts as typed; the servers are trimmed here.
    ApplyOutcome SetInterface(const Profile& typed, ApplyMode mode) const;

private:
    std::shared_ptr<platform::ServiceConnector> Connector;
};

} // namespace korvo
