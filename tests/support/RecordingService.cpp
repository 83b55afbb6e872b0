#include "tests/support/RecordingService.h"

#include "platform/wmi/WmiArguments.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace korvo::testing {

std::string joined(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += ", ";
        out += items[i];
    }
    return out + "]";
}

namespace {

std::string joinedInts(const std::vector<int>& items) {
    std::vector<std::string> texts;
    for (int i : items)
        texts.push_back(std::to_string(i));
    return joined(texts);
}

// Answers through the WMI backend's own method sequence, so the lines are the calls WMI would get.
class Item : public platform::Adapter, private platform::wmi::AdapterMethods {
public:
    Item(RecordingService& owner, FakeAdapter adapter) : Owner(owner), Fake(std::move(adapter)) {}

    std::string caption() const override { return Fake.caption; }
    std::string hardwareAddress() const override { return Fake.hardwareAddress; }
    std::optional<platform::IPv4State> ipv4State() const override {
        const auto it = Owner.states.find(Fake.caption);
        if (it == Owner.states.end()) return std::nullopt;
        return it->second;
    }
    std::optional<platform::IPv4State> readBack() override {
        if (auto& early = Owner.settling[Fake.caption]; !early.empty()) {
            const platform::IPv4State now = early.front();
            early.erase(early.begin());
            return now;
        }
        const auto it = Owner.readBacks.find(Fake.caption);
        if (it == Owner.readBacks.end()) return std::nullopt;
        return it->second;
    }
    platform::ChangeResult apply(const platform::IPv4Settings& settings) override {
        if (Owner.beforeApply) Owner.beforeApply();
        platform::ChangeResult result = platform::wmi::applyByMethods(settings, *this);
        // A service that makes the change in one step answers for all of it last ("Commit"); no line.
        if (platform::succeeded(result.address.code)) {
            if (std::find(Fake.raising.begin(), Fake.raising.end(), "Commit") != Fake.raising.end())
                throw platform::ServiceError("Commit could not be called");
            if (std::find(Fake.raising.begin(), Fake.raising.end(), "Commit?") != Fake.raising.end())
                throw platform::UnconfirmedChange("Commit was not answered");
            if (const auto it = Fake.results.find("Commit"); it != Fake.results.end())
                result.whole = platform::resultOf(it->second, Fake.detail);
        }
        return result;
    }

    platform::LinkAnswer holderOf(const std::string& address, std::chrono::milliseconds wait) override {
        (void)wait;
        Owner.probes.push_back(Fake.caption + " holderOf " + address);
        const auto it = Fake.holders.find(address);
        return it == Fake.holders.end() ? platform::LinkAnswer{platform::LinkAnswer::Kind::Silent, {}, {}}
                                        : it->second;
    }
    platform::LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait) override {
        Owner.probes.push_back(Fake.caption + " reach " + host + " " + std::to_string(wait.count()) + "ms");
        const bool changed =
            std::any_of(Owner.calls.begin(), Owner.calls.end(),
                        [this](const std::string& c) { return c.rfind(Fake.caption + " Enable", 0) == 0; });
        const auto& answers = changed ? Fake.reachAfter : Fake.reachBefore;
        if (changed) std::this_thread::sleep_for(Fake.reachAfterTakes);
        const auto it = answers.find(host);
        return it == answers.end() ? platform::Adapter::reach(host, wait) : it->second;
    }

private:
    int enableStatic(const std::vector<std::string>& ips, const std::vector<std::string>& masks) override {
        return call("EnableStatic", joined(ips) + " " + joined(masks));
    }
    int setGateways(const std::vector<std::string>& gateways, const std::vector<int>& metrics) override {
        return call("SetGateways", joined(gateways) + " " + joinedInts(metrics));
    }
    int enableDHCP() override { return call("EnableDHCP", ""); }
    int setWINSServer(const std::string& primary, const std::string& secondary) override {
        return call("SetWINSServer", "\"" + primary + "\" \"" + secondary + "\"");
    }
    int setDNSServerSearchOrder(const std::optional<std::vector<std::string>>& servers) override {
        return call("SetDNSServerSearchOrder", servers ? joined(*servers) : "-");
    }
    int call(const std::string& method, const std::string& args) {
        Owner.calls.push_back(Fake.caption + " " + method + (args.empty() ? "" : " " + args));
        if (std::find(Fake.raising.begin(), Fake.raising.end(), method) != Fake.raising.end())
            throw platform::ServiceError(method + " could not be called");
        auto it = Fake.results.find(method);
        return it == Fake.results.end() ? 0 : it->second;
    }

    RecordingService& Owner;
    FakeAdapter Fake;
};

class FakeService : public platform::Service {
public:
    explicit FakeService(RecordingService& owner) : Owner(owner) {}
    std::vector<std::unique_ptr<platform::Adapter>> adapters() override {
        Owner.calls.push_back("list adapters");
        if (Owner.failListing) throw platform::ServiceError("the listing failed");
        std::vector<std::unique_ptr<platform::Adapter>> items;
        for (const FakeAdapter& adapter : Owner.adapters)
            items.push_back(std::make_unique<Item>(Owner, adapter));
        return items;
    }

    std::optional<platform::PendingRollback> pendingRollback(const platform::Adapter& adapter) override {
        const auto it = Owner.pending.find(adapter.caption());
        if (it == Owner.pending.end()) return std::nullopt;
        return it->second;
    }

private:
    RecordingService& Owner;
};

// Registered while it lives; the list outlives the service if a watch does.
class FakeWatch : public platform::ChangeWatch {
public:
    FakeWatch(std::shared_ptr<std::vector<std::function<void()>*>> watchers, std::function<void()> changed)
        : Watchers(std::move(watchers)), Changed(std::move(changed)) {
        Watchers->push_back(&Changed);
    }
    ~FakeWatch() override { std::erase(*Watchers, &Changed); }

private:
    std::shared_ptr<std::vector<std::function<void()>*>> Watchers;
    std::function<void()> Changed;
};

} // namespace

std::unique_ptr<platform::ChangeWatch> RecordingService::watchChanges(std::function<void()> changed) {
    if (!canWatch) return nullptr;
    return std::make_unique<FakeWatch>(watchers_, std::move(changed));
}

void RecordingService::announceChange() {
    const auto watchers = *watchers_; // a watcher may drop its watch while being told
    for (std::function<void()>* changed : watchers)
        if (std::find(watchers_->begin(), watchers_->end(), changed) != watchers_->end()) (*changed)();
}

std::unique_ptr<platform::Service> RecordingService::connect(platform::Purpose purpose) {
    calls.push_back(purpose == platform::Purpose::Change ? "connect change" : "connect list");
    if (failConnect) throw platform::ServiceError("the service is not running");
    return std::make_unique<FakeService>(*this);
}

void RecordingService::listAdapters(
    std::function<void(std::vector<std::unique_ptr<platform::Adapter>>)> done) {
    if (answerLate)
        unanswered_.push_back(std::move(done));
    else
        ServiceConnector::listAdapters(std::move(done));
}

void RecordingService::answerListings() {
    for (auto& done : std::exchange(unanswered_, {}))
        ServiceConnector::listAdapters(std::move(done));
}

std::vector<std::string> RecordingService::methodCalls() const {
    std::vector<std::string> out;
    for (const std::string& line : calls)
        if (line.rfind("connect ", 0) != 0 && line != "list adapters") out.push_back(line);
    return out;
}

} // namespace korvo::testing
