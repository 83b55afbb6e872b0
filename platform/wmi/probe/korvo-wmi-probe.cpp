// korvo-wmi-probe: Korvo's WMI backend from the command line, to check it on a
// machine (or under Wine) without the window.
//
//   korvo-wmi-probe list
//   korvo-wmi-probe apply <caption> static <ip> <mask> [gateway]
//   korvo-wmi-probe apply <caption> dhcp
//
// Exit codes: 0 done; 1 a method returned a failure code; 2 the service
// failed (connection, query or a call that could not be made); 3 no adapter
// has that caption; 64 usage.
#include "platform/NetConfigService.h"
#include "platform/wmi/ComSupport.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace korvo::platform;

constexpr int Done = 0;
constexpr int MethodFailed = 1;
constexpr int ServiceFailed = 2;
constexpr int NoSuchAdapter = 3;
constexpr int Usage = 64;

int usage() {
    std::fputs("usage: korvo-wmi-probe list\n"
               "       korvo-wmi-probe apply <caption> static <ip> <mask> [gateway]\n"
               "       korvo-wmi-probe apply <caption> dhcp\n",
               stderr);
    return Usage;
}

std::vector<std::unique_ptr<Adapter>> adapters(Purpose purpose) {
    return makeSystemConnector()->connect(purpose)->adapters();
}

int list() {
    const auto items = adapters(Purpose::List);
    for (const auto& item : items)
        std::printf("%s\n", item->caption().c_str());
    std::fprintf(stderr, "%zu IP-enabled adapter(s)\n", items.size());
    return Done;
}

int report(const char* setting, const SettingResult& result) {
    if (result.status == SettingResult::Status::NotMade) return Done;
    std::printf("%s: %d%s%s\n", setting, result.code, result.reason.empty() ? "" : " ",
                result.reason.c_str());
    return succeeded(result.code) ? Done : MethodFailed;
}

int apply(const std::vector<std::string>& args) {
    const std::string& caption = args[0];
    const bool dhcp = args.size() == 2 && args[1] == "dhcp";
    const bool fixed = (args.size() == 4 || args.size() == 5) && args[1] == "static";
    if (!dhcp && !fixed) return usage();

    IPv4Settings settings;
    if (dhcp) {
        settings.dnsServers = std::nullopt; // from DHCP too
    } else {
        settings.staticAddresses = {{args[2], args[3]}};
        settings.gateways = {args.size() == 5 ? args[4] : std::string()};
        settings.setsDns = false;
    }
    int outcome = NoSuchAdapter;
    for (const auto& item : adapters(Purpose::Change)) {
        if (item->caption() != caption) continue;
        std::printf("%s\n", caption.c_str());
        const ChangeResult result = item->apply(settings);
        outcome = report("address", result.address);
        report("gateways", result.gateways);
        report("DNS servers", result.dns);
        for (const SettingResult* made : {&result.gateways, &result.dns})
            if (made->status == SettingResult::Status::ServiceFailed) outcome = ServiceFailed;
    }
    if (outcome == NoSuchAdapter)
        std::fprintf(stderr, "no IP-enabled adapter is called \"%s\"\n", caption.c_str());
    return outcome;
}

// Captions are UTF-8 inside Korvo; the ANSI argv could not carry every one.
std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; wide && i < count; ++i)
        out.push_back(korvo::platform::wmi::narrow(wide[i], std::wcslen(wide[i])));
    LocalFree(wide);
    return out;
}

} // namespace

int main() {
    SetConsoleOutputCP(CP_UTF8);
    const std::vector<std::string> args = arguments();
    try {
        if (args.size() == 1 && args[0] == "list") return list();
        if (args.size() >= 3 && args[0] == "apply") return apply({args.begin() + 1, args.end()});
        return usage();
    } catch (const ServiceError& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "service error: %s\n", error.what());
        return ServiceFailed;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "error: %s\n", error.what());
        return ServiceFailed;
    }
}
