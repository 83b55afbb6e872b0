// A recording fake of the network configuration service. Every connection,
// listing and method call is appended to `calls` as one readable line, e.g.
//   connect list                       (or: connect change)
//   list adapters
//   eth0 EnableStatic [192.0.2.10] [255.255.255.0]
//   eth0 SetDNSServerSearchOrder -          (called without its argument)
#pragma once

#include "platform/NetConfigService.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvo::testing {

struct FakeAdapter {
    std::string caption;
    // Codes returned by method name ("EnableStatic", "SetGateways", ...); missing means 0. "Commit" is
    // the answer for the change as one, as a service that makes it in one step gives it.
    std::map<std::string, int> results;
    // Methods (and "Commit") that raise ServiceError instead of returning.
    std::vector<std::string> raising;
    // The reason given with the answer for the change as one.
    std::string detail = {};
    // Who answers on the link: for an address asked before it is given (missing: nobody), and for a
    // host reached before the first change made through this service (a zero wait) and after it
    // (missing: not checked, as a service that cannot ask the link says).
    std::map<std::string, platform::LinkAnswer> holders = {};
    std::map<std::string, platform::LinkAnswer> reachBefore = {};
    std::map<std::string, platform::LinkAnswer> reachAfter = {};
    // How long a reach after the change takes to answer, as a link that is slow to say so.
    std::chrono::milliseconds reachAfterTakes{0};
    std::string hardwareAddress = {};
};

class RecordingService : public platform::ServiceConnector {
public:
    std::vector<FakeAdapter> adapters;
    bool failConnect = false;
    bool failListing = false;
    std::vector<std::string> calls;
    bool canWatch = true;
    // Every look at a link, as "eth0 holderOf 192.0.2.10" or "eth0 reach 192.0.2.1 1000ms", in order.
    std::vector<std::string> probes;
    // A rollback the service will make by itself, by the caption of the adapter it covers.
    std::map<std::string, platform::PendingRollback> pending;
    // What the listing reports each adapter (by caption) has now; missing: the service does not say.
    std::map<std::string, platform::IPv4State> states;
    // What reading each adapter back after a change finds; missing: the service cannot say.
    std::map<std::string, platform::IPv4State> readBacks;
    // What the first reads find before that, one each, as an adapter still settling after a change.
    std::map<std::string, std::vector<platform::IPv4State>> settling;

    // Listings wait for answerListings() instead of being answered at once.
    bool answerLate = false;
    // Called by each apply before anything is made, on the applying thread: a test holds the apply there.
    std::function<void()> beforeApply;

    std::unique_ptr<platform::Service> connect(platform::Purpose purpose) override;
    void listAdapters(std::function<void(std::vector<std::unique_ptr<platform::Adapter>>)> done) override;
    void answerListings();
    // Watches are told only by announceChange(), as a change made behind the program's back.
    std::unique_ptr<platform::ChangeWatch> watchChanges(std::function<void()> changed) override;
    void announceChange();

    // The calls that name an adapter method, without connect and list lines.
    std::vector<std::string> methodCalls() const;
    void clear() { calls.clear(); }

private:
    std::vector<std::function<void(std::vector<std::unique_ptr<platform::Adapter>>)>> unanswered_;
    std::shared_ptr<std::vector<std::function<void()>*>> watchers_ =
        std::make_shared<std::vector<std::function<void()>*>>();
};

std::string joined(const std::vector<std::string>& items); // "[a, b]"

} // namespace korvo::testing
