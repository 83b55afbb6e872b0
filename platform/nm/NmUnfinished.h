// The profiles that applies under way have saved and not yet put into effect: a program that must end
// before NetworkManager has answered such an apply saves them back as they were, so that the next
// connection does not bring up settings nobody saw reported.
#pragma once

#include "platform/nm/NmBus.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace korvo::platform::nmbus {

struct UnfinishedSave {
    std::shared_ptr<Bus> bus; // the apply's own connection: what is sent on it comes after the apply's calls
    QString profile;
    ConnectionSettings original; // the profile as the apply read it
    QString device;
    QString interfaceName;
    bool reapply = false; // the device runs the profile: it is put back into effect too
    // Set once NetworkManager has answered the save: the profile holds the new values.
    std::shared_ptr<std::atomic<bool>> saved = std::make_shared<std::atomic<bool>>(false);
};

// Noted for as long as it lives: from just before an apply saves the profile until it has answered.
class UnfinishedNote {
public:
    explicit UnfinishedNote(UnfinishedSave save);
    ~UnfinishedNote();
    UnfinishedNote(const UnfinishedNote&) = delete;
    UnfinishedNote& operator=(const UnfinishedNote&) = delete;
    void saved() { saved_->store(true); }

private:
    std::uint64_t id_;
    std::shared_ptr<std::atomic<bool>> saved_;
};

// Every noted profile saved back as it was (and reapplied where the device runs it), waiting at most
// `wait` for NetworkManager; what was done, one sentence per profile, or empty when none was noted.
std::string putBackUnfinished(std::chrono::milliseconds wait);

} // namespace korvo::platform::nmbus
