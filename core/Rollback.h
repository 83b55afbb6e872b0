// A way back from a change that cuts the user off: before applying, a checkpoint of the adapters the
// change will touch; afterwards either kept or rolled back. Where the service has no checkpoint of its
// own (WMI), Korvo records each adapter's live IPv4 settings and puts them back through the same
// service call an apply makes.
#pragma once

#include "core/ApplyOutcome.h"
#include "platform/AdapterState.h"

#include <QString>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace korvo {

namespace platform {
class Adapter;
class Checkpoint;
class Service;
class ServiceConnector;
} // namespace platform

class Rollback {
public:
    // Takes the checkpoint of every adapter captioned `caption`, on a connection of its own. Throws
    // platform::ServiceError when the service cannot be asked, refuses, or (without a checkpoint of its
    // own) does not say what an adapter has now. No adapter of that caption: nothing to guard.
    Rollback(std::shared_ptr<platform::ServiceConnector> connector, const QString& caption,
             std::chrono::seconds timeout);
    // The same for `adapters`, listed by `service` (a connection of `connector`'s) just before.
    Rollback(std::shared_ptr<platform::ServiceConnector> connector, platform::Service& service,
             const std::vector<const platform::Adapter*>& adapters, std::chrono::seconds timeout);
    ~Rollback();
    Rollback(const Rollback&) = delete;
    Rollback& operator=(const Rollback&) = delete;

    bool guards() const { return !Before.empty(); }
    // The service rolls back by itself when the time is up, even if Korvo is gone by then.
    bool native() const { return Native != nullptr; }
    // Each guarded adapter and what it had when the checkpoint was taken.
    const std::vector<std::pair<std::string, platform::IPv4State>>& before() const { return Before; }

    // Both throw platform::ServiceError with the reason when they fail.
    void keep();
    void rollBack();

private:
    void guard(platform::Service& service, const std::vector<const platform::Adapter*>& adapters,
               std::chrono::seconds timeout);

    std::shared_ptr<platform::ServiceConnector> Connector;
    std::unique_ptr<platform::Checkpoint> Native;
    std::vector<std::pair<std::string, platform::IPv4State>> Before;
    bool Done = false;
};

// What the guarded adapters have after a rollback, read until each has what it had before or the wait is
// over: the service reports a rollback done a moment before the adapter has it.
struct RestoreReading {
    bool restored = false; // every guarded adapter has what it had before
    std::vector<std::pair<std::string, std::optional<platform::IPv4State>>> now; // as last read
    // What the adapter of `caption` had at the last reading; nullopt when it was not read.
    std::optional<platform::IPv4State> stateOf(const std::string& caption) const;
};
RestoreReading readUntilRestored(const Rollback& undo, platform::ServiceConnector* connector,
                                 std::chrono::milliseconds wait, std::chrono::milliseconds step);

// Takes the way back of `applied` (its Undo), which cut the adapter off from its gateway, and says what
// the adapters have then, read back within `wait`: nothing applied, the states restored; or, where
// they could not be put back, an error that does not know what the adapter has.
ApplyOutcome restoredOutcome(Rollback& undo, const ApplyOutcome& applied,
                             const std::shared_ptr<platform::ServiceConnector>& connector,
                             std::chrono::milliseconds wait = std::chrono::seconds(5));

} // namespace korvo
