// The parts of the WMI backend that need no Windows: reading a moniker, the
// in-parameters of each Win32_NetworkAdapterConfiguration method, and turning
// return codes and HRESULTs into what the rest of Korvo expects.
#pragma once

#include "platform/NetConfigService.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::platform::wmi {

inline constexpr const char* AdapterClass = "Win32_NetworkAdapterConfiguration";

// What Korvo sends to WMI, exactly as the program it succeeds did: both
// connections name this computer, only the one that changes an adapter asks
// for impersonation; the query returns at once and walks forward only.
inline constexpr const char* ListMoniker = "winmgmts:\\\\.\\root\\cimv2";
inline constexpr const char* ChangeMoniker = "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2";
inline constexpr const char* AdapterQuery =
    "Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE";
inline constexpr long QueryFlagReturnImmediately = 16;
inline constexpr long QueryFlagForwardOnly = 32;
inline constexpr long AdapterQueryFlags = QueryFlagReturnImmediately + QueryFlagForwardOnly;

inline const char* monikerFor(Purpose purpose) {
    return purpose == Purpose::Change ? ChangeMoniker : ListMoniker;
}

// RPC_C_IMP_LEVEL_* numbering.
enum class Impersonation : std::uint32_t {
    Default = 0,
    Anonymous = 1,
    Identify = 2,
    Impersonate = 3,
    Delegate = 4
};

struct Moniker {
    std::string computer = ".";
    std::string nameSpace = "root\\cimv2";
    // Scripting's winmgmts: defaults to impersonate when the moniker names no level.
    Impersonation impersonation = Impersonation::Impersonate;

    // The resource IWbemLocator::ConnectServer takes, e.g. \\.\root\cimv2.
    std::string resource() const { return "\\\\" + computer + "\\" + nameSpace; }
};

// Reads "winmgmts:[{settings}!][\\computer][\namespace]"; throws ServiceError
// naming what is wrong with anything else.
Moniker parseMoniker(std::string_view moniker);

// How one in-parameter travels in its VARIANT.
enum class ArgumentType {
    String,      // CIM string: BSTR
    StringArray, // CIM string[]: SAFEARRAY of BSTR
    UInt16Array, // CIM uint16[]: SAFEARRAY of VT_I4, WMI's automation form of uint16
};

struct MethodArgument {
    std::string name;
    ArgumentType type;
    std::vector<std::string> strings; // String (one element) and StringArray
    std::vector<std::uint16_t> numbers;

    bool operator==(const MethodArgument&) const = default;
};

struct MethodCall {
    std::string method;
    std::vector<MethodArgument> arguments; // only these are put into the in-parameters
};

MethodCall enableStaticCall(const std::vector<std::string>& ipAddresses,
                            const std::vector<std::string>& subnetMasks);
// Blank gateway texts mean "no gateway". Windows keeps the old gateway when
// given none, so clearing it takes the adapter's own address as its gateway;
// `adapterAddress` is that address (empty when unknown: then clearing fails).
MethodCall setGatewaysCall(const std::vector<std::string>& gateways, const std::vector<int>& metrics,
                           const std::string& adapterAddress);
MethodCall enableDHCPCall();
MethodCall setWINSServerCall(const std::string& primary, const std::string& secondary);
MethodCall setDNSServerSearchOrderCall(const std::optional<std::vector<std::string>>& servers);

// The five methods of one Win32_NetworkAdapterConfiguration instance, each returning its ReturnValue
// (reportedCode) or throwing ServiceError when it could not be called.
class AdapterMethods {
public:
    virtual ~AdapterMethods() = default;
    virtual int enableStatic(const std::vector<std::string>& ipAddresses,
                             const std::vector<std::string>& subnetMasks) = 0;
    virtual int setGateways(const std::vector<std::string>& gateways, const std::vector<int>& metrics) = 0;
    virtual int enableDHCP() = 0;
    virtual int setWINSServer(const std::string& primary, const std::string& secondary) = 0;
    virtual int setDNSServerSearchOrder(const std::optional<std::vector<std::string>>& servers) = 0;
};

// `settings` as the program Korvo succeeds made them: EnableStatic, then SetGateways whatever that
// returned, or EnableDHCP; once the address took, SetWINSServer and SetDNSServerSearchOrder. Each
// method's code is its setting's result. A method that cannot be called before the address took
// throws; after it, it ends the change with ServiceFailed.
ChangeResult applyByMethods(const IPv4Settings& settings, AdapterMethods& methods);

// The first IPv4 address of an adapter's IPAddress property (which mixes in IPv6 ones).
std::string firstIPv4(const std::vector<std::string>& addresses);

// What an adapter has now, from its IPAddress and IPSubnet (paired by position, IPv6 ones left out),
// DefaultIPGateway, DNSServerSearchOrder and DHCPEnabled properties.
IPv4State ipv4StateFrom(const std::vector<std::string>& addresses, const std::vector<std::string>& subnets,
                        const std::vector<std::string>& gateways, const std::vector<std::string>& dnsServers,
                        bool dhcp);

// A method's ReturnValue as the interface reports it. 1 ("done, reboot
// required") passes through like every other code, so the user can be told.
int reportedCode(std::uint32_t returnValue);

// "access denied (0x80041003)" and the like.
std::string describeHResult(std::uint32_t hr);
// A ServiceError for a COM call that failed: "<what>: <description>".
ServiceError callError(std::string_view what, std::uint32_t hr);

} // namespace korvo::platform::wmi
