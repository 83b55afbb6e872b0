#include "tests/support/RecordingService.h"

#include <algorithm>

namespace korvo::testing {

std::string joined(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
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

class Item : public platform::AdapterItem {
public:
    Item(RecordingService& owner, FakeAdapter adapter) : Owner(owner), Adapter(std::move(adapter)) {}

    std::string caption() const override { return Adapter.caption; }
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

private:
    int call(const std::string& method, const std::string& args) {
        Owner.calls.push_back(Adapter.caption + " " + method + (args.empty() ? "" : " " + args));
        if (std::find(Adapter.raising.begin(), Adapter.raising.end(), method) != Adapter.raising.end())
            throw platform::ServiceError(method + " could not be called");
        auto it = Adapter.results.find(method);
        return it == Adapter.results.end() ? 0 : it->second;
    }

    RecordingService& Owner;
    FakeAdapter Adapter;
};

class FakeService : public platform::Service {
public:
    explicit FakeService(RecordingService& owner) : Owner(owner) {}
    std::vector<std::unique_ptr<platform::AdapterItem>> execQuery(const std::string& query, int flags) override {
        Owner.calls.push_back("query " + query + " " + std::to_string(flags));
        if (Owner.failQuery)
            throw platform::ServiceError("the query failed");
        std::vector<std::unique_ptr<platform::AdapterItem>> items;
        for (const FakeAdapter& adapter : Owner.adapters)
            items.push_back(std::make_unique<Item>(Owner, adapter));
        return items;
    }

private:
    RecordingService& Owner;
};

} // namespace

std::unique_ptr<platform::Service> RecordingService::connect(const std::string& moniker) {
    calls.push_back("connect " + moniker);
    if (failConnect)
        throw platform::ServiceError("the service is not running");
    return std::make_unique<FakeService>(*this);
}

std::vector<std::string> RecordingService::methodCalls() const {
    std::vector<std::string> out;
    for (const std::string& line : calls)
        if (line.rfind("connect ", 0) != 0 && line.rfind("query ", 0) != 0)
            out.push_back(line);
    return out;
}

} // namespace korvo::testing
