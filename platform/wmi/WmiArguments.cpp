#include "platform/wmi/WmiArguments.h"

#include "platform/IPv4Address.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

namespace korvo::platform::wmi {

namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

[[noreturn]] void badMoniker(std::string_view moniker, const std::string& why) {
    throw ServiceError("cannot use the moniker \"" + std::string(moniker) + "\": " + why);
}

Impersonation parseSettings(std::string_view moniker, std::string_view settings) {
    auto level = Impersonation::Impersonate;
    while (!settings.empty()) {
        const auto comma = settings.find(',');
        const auto item = trimmed(settings.substr(0, comma));
        settings = comma == std::string_view::npos ? std::string_view{} : settings.substr(comma + 1);
        const auto equals = item.find('=');
        if (equals == std::string_view::npos ||
            lowered(trimmed(item.substr(0, equals))) != "impersonationlevel")
            badMoniker(moniker, "unsupported setting \"" + std::string(item) + "\"");
        const auto value = lowered(trimmed(item.substr(equals + 1)));
        if (value == "anonymous")
            level = Impersonation::Anonymous;
        else if (value == "identify")
            level = Impersonation::Identify;
        else if (value == "impersonate")
            level = Impersonation::Impersonate;
        else if (value == "delegate")
            level = Impersonation::Delegate;
        else
            badMoniker(moniker, "unknown impersonation level \"" + value + "\"");
    }
    return level;
}

MethodArgument stringArray(std::string name, std::vector<std::string> values) {
    return {std::move(name), ArgumentType::StringArray, std::move(values), {}};
}

std::uint16_t gatewayMetric(int metric) {
    // GatewayCostMetric's documented range.
    if (metric < 1 || metric > 9999)
        throw ServiceError("SetGateways: gateway metric " + std::to_string(metric) + " is outside 1 to 9999");
    return static_cast<std::uint16_t>(metric);
}

bool blank(const std::string& text) {
    return trimmed(text).empty();
}

} // namespace

Moniker parseMoniker(std::string_view moniker) {
    constexpr std::string_view prefix = "winmgmts:";
    if (moniker.size() < prefix.size() || lowered(moniker.substr(0, prefix.size())) != prefix)
        badMoniker(moniker, "it does not start with winmgmts:");
    Moniker result;
    auto rest = moniker.substr(prefix.size());
    if (!rest.empty() && rest.front() == '{') {
        const auto close = rest.find('}');
        if (close == std::string_view::npos)
            badMoniker(moniker, "the security settings lack their closing brace");
        result.impersonation = parseSettings(moniker, rest.substr(1, close - 1));
        rest.remove_prefix(close + 1);
        if (!rest.empty()) {
            if (rest.front() != '!') badMoniker(moniker, "the security settings must be followed by !");
            rest.remove_prefix(1);
        }
    }
    if (rest.find(':') != std::string_view::npos) badMoniker(moniker, "object paths are not supported");
    if (rest.size() >= 2 && isSeparator(rest[0]) && isSeparator(rest[1])) {
        rest.remove_prefix(2);
        const auto end = std::find_if(rest.begin(), rest.end(), isSeparator);
        result.computer.assign(rest.begin(), end);
        if (result.computer.empty()) badMoniker(moniker, "the computer name is empty");
        rest.remove_prefix(static_cast<std::size_t>(end - rest.begin()));
        if (!rest.empty()) rest.remove_prefix(1);
    }
    if (!rest.empty()) {
        result.nameSpace.assign(rest);
        std::replace(result.nameSpace.begin(), result.nameSpace.end(), '/', '\\');
        while (!result.nameSpace.empty() && result.nameSpace.back() == '\\')
            result.nameSpace.pop_back();
        if (result.nameSpace.empty()) result.nameSpace = "root\\cimv2";
    }
    return result;
}

MethodCall enableStaticCall(const std::vector<std::string>& ipAddresses,
                            const std::vector<std::string>& subnetMasks) {
    return {"EnableStatic", {stringArray("IPAddress", ipAddresses), stringArray("SubnetMask", subnetMasks)}};
}

MethodCall setGatewaysCall(const std::vector<std::string>& gateways, const std::vector<int>& metrics,
                           const std::string& adapterAddress) {
    if (!metrics.empty() && metrics.size() != gateways.size())
        throw ServiceError("SetGateways: " + std::to_string(gateways.size()) + " gateways but " +
                           std::to_string(metrics.size()) + " metrics");
    std::vector<std::string> kept;
    std::vector<std::uint16_t> keptMetrics;
    for (std::size_t i = 0; i < gateways.size(); ++i) {
        if (blank(gateways[i])) continue;
        kept.push_back(gateways[i]);
        if (!metrics.empty()) keptMetrics.push_back(gatewayMetric(metrics[i]));
    }
    if (kept.empty()) {
        if (blank(adapterAddress))
            throw ServiceError("SetGateways: cannot clear the gateway of an adapter without an IPv4 address");
        kept.push_back(adapterAddress);
        keptMetrics = {gatewayMetric(metrics.empty() ? 1 : metrics.front())};
    }
    MethodCall call{"SetGateways", {stringArray("DefaultIPGateway", std::move(kept))}};
    if (!keptMetrics.empty())
        call.arguments.push_back(
            {"GatewayCostMetric", ArgumentType::UInt16Array, {}, std::move(keptMetrics)});
    return call;
}

MethodCall enableDHCPCall() {
    return {"EnableDHCP", {}};
}

MethodCall setWINSServerCall(const std::string& primary, const std::string& secondary) {
    return {"SetWINSServer",
            {{"WINSPrimaryServer", ArgumentType::String, {primary}, {}},
             {"WINSSecondaryServer", ArgumentType::String, {secondary}, {}}}};
}

MethodCall setDNSServerSearchOrderCall(const std::optional<std::vector<std::string>>& servers) {
    // Without the parameter the adapter takes its DNS servers from DHCP again.
    if (!servers) return {"SetDNSServerSearchOrder", {}};
    return {"SetDNSServerSearchOrder", {stringArray("DNSServerSearchOrder", *servers)}};
}

ChangeResult applyByMethods(const IPv4Settings& settings, AdapterMethods& methods) {
    ChangeResult result;
    SettingResult* making = &result.address;
    try {
        if (settings.staticAddresses) {
            std::vector<std::string> addresses;
            std::vector<std::string> masks;
            for (const auto& a : *settings.staticAddresses) {
                addresses.push_back(a.address);
                masks.push_back(a.mask);
            }
            result.address = resultOf(methods.enableStatic(addresses, masks));
            if (settings.gateways) {
                making = &result.gateways;
                result.gateways = resultOf(methods.setGateways(
                    *settings.gateways, std::vector<int>(settings.gateways->size(), GatewayMetric)));
            }
        } else if (!settings.besideLease.empty()) {
            // EnableDHCP drops every static address: Windows keeps none beside a lease.
            result.address =
                resultOf(code::NotOnThisPlatform, "Windows keeps no static address beside a DHCP "
                                                  "lease; nothing was changed");
            return result;
        } else {
            result.address = resultOf(methods.enableDHCP());
        }
        if (!succeeded(result.address.code)) return result;
        if (settings.winsServers) {
            making = &result.wins;
            result.wins =
                resultOf(methods.setWINSServer(settings.winsServers->first, settings.winsServers->second));
        }
        if (settings.setsDns) {
            making = &result.dns;
            result.dns = resultOf(methods.setDNSServerSearchOrder(settings.dnsServers));
        }
    } catch (const std::exception& e) {
        // Before the address took nothing changed; after it, the result must say that it did.
        if (result.address.status == SettingResult::Status::NotMade || !succeeded(result.address.code)) throw;
        *making = {SettingResult::Status::ServiceFailed, code::UnknownFailure, e.what()};
    }
    return result;
}

std::string firstIPv4(const std::vector<std::string>& addresses) {
    for (const auto& address : addresses)
        if (address.find('.') != std::string::npos && address.find(':') == std::string::npos) return address;
    return {};
}

IPv4State ipv4StateFrom(const std::vector<std::string>& addresses, const std::vector<std::string>& subnets,
                        const std::vector<std::string>& gateways, const std::vector<std::string>& dnsServers,
                        bool dhcp) {
    IPv4State state;
    state.dhcp = dhcp;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (firstIPv4({addresses[i]}).empty()) continue;
        // "255.255.255.0" -> 24; a mask Windows could not have set counts as none.
        const auto mask = IPv4Address::parse(i < subnets.size() ? subnets[i] : std::string());
        const int prefix = mask ? mask->prefixLength().value_or(0) : 0;
        state.addresses.push_back(addresses[i] + "/" + std::to_string(prefix));
    }
    state.gateway = firstIPv4(gateways);
    for (const auto& server : dnsServers)
        if (!firstIPv4({server}).empty()) state.dnsServers.push_back(server);
    return state;
}

int reportedCode(std::uint32_t returnValue) {
    // Codes above INT_MAX keep their bits; they stay non-zero, which is all callers test.
    return static_cast<int>(returnValue);
}

std::string describeHResult(std::uint32_t hr) {
    static constexpr std::array<std::pair<std::uint32_t, const char*>, 27> known{{
        {0x80070005, "access denied"},
        {0x80041003, "access denied"},
        {0x80041001, "WMI call failed"},
        {0x80041002, "not found"},
        {0x80041004, "the WMI provider failed"},
        {0x80041005, "type mismatch"},
        {0x80041006, "out of memory"},
        {0x80041008, "invalid parameter"},
        {0x8004100C, "not supported"},
        {0x8004100E, "invalid namespace"},
        {0x80041010, "invalid class"},
        {0x80041011, "WMI provider not found"},
        {0x80041013, "WMI provider could not be loaded"},
        {0x80041015, "WMI transport failure"},
        {0x80041017, "invalid query"},
        {0x8004102E, "invalid method"},
        {0x8004102F, "invalid method parameters"},
        {0x80041031, "invalid property"},
        {0x8004103A, "invalid object path"},
        {0x80041055, "method not implemented"},
        {0x80041056, "method disabled"},
        {0x800706BA, "the RPC server is unavailable"},
        {0x80010106, "COM already runs in another apartment on this thread"},
        {0x80010119, "COM security was set too late"},
        {0x800401F0, "COM is not initialised"},
        {0x80040154, "WMI is not registered on this machine"},
        {0x8007000E, "out of memory"},
    }};
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(hr));
    for (const auto& [value, text] : known)
        if (value == hr) return std::string(text) + " (" + hex + ")";
    return std::string("error ") + hex;
}

ServiceError callError(std::string_view what, std::uint32_t hr) {
    return ServiceError(std::string(what) + ": " + describeHResult(hr));
}

} // namespace korvo::platform::wmi
