// The network configuration service as Korvo uses it: list the IP-enabled
// adapters, and give one adapter an IPv4 configuration (static addresses or DHCP,
// gateways, DNS and WINS servers), answered setting by setting.
// Standard C++ only, so that every backend (WMI on Windows, NetworkManager on
// Linux) can implement it; how a backend addresses its service is its own affair.
#pragma once

#include "platform/AdapterState.h"
#include "platform/IPv4Address.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace korvo::platform {

// Raised when the service cannot be reached or a call cannot be made at all
// (as opposed to a call that ran and returned a non-zero code).
class ServiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The service stopped answering a change it had been sent: it may still make it.
class UnconfirmedChange : public ServiceError {
public:
    using ServiceError::ServiceError;
};

// Return codes, WMI's numbering where one fits: what a refused setting's `code` holds, and what the
// backends' own steps return before they are turned into a SettingResult (resultOf).
namespace code {
inline constexpr int Success = 0;
// Done; a restart of the computer completes it.
inline constexpr int SuccessRebootRequired = 1;
inline constexpr int NotSupported = 64;
inline constexpr int UnknownFailure = 65;
inline constexpr int InvalidSubnetMask = 66;
inline constexpr int InvalidIPAddress = 70;
inline constexpr int InvalidGateway = 71;
inline constexpr int AccessDenied = 91;
// Korvo's own, outside WMI's range: the platform has no such setting at all, so
// nothing was refused (NetworkManager has no WINS servers, for one).
inline constexpr int NotOnThisPlatform = 0x4B560001;
// Korvo's own: saved, but the adapter has no link (its cable is unplugged); the values take effect
// when it is connected.
inline constexpr int SuccessWhenConnected = 0x4B560002;
// Korvo's own: the change is stored in the adapter's configuration, but could not be put into effect;
// it takes effect the next time the adapter is connected. Not a success: the adapter is not as asked.
inline constexpr int SavedNotInEffect = 0x4B560003;
} // namespace code

// Whether the call did what was asked; 1 only asks for a restart.
inline constexpr bool succeeded(int result) {
    return result == code::Success || result == code::SuccessRebootRequired ||
           result == code::SuccessWhenConnected;
}

// The IPv4 configuration an apply gives one adapter. Texts are sent as they are: the service judges
// them, and refuses what it cannot take.
struct IPv4Settings {
    struct Address {
        std::string address; // "192.0.2.10"
        std::string mask;    // "255.255.255.0"
        bool operator==(const Address&) const = default;
    };
    // nullopt: the adapter takes its address from DHCP.
    std::optional<std::vector<Address>> staticAddresses;
    // With DHCP: static addresses the adapter holds beside the lease's, in order.
    std::vector<Address> besideLease{};
    // Default gateways, each with the metric GatewayMetric; an empty text clears the gateway. Only with
    // static addresses; nullopt: left as they are.
    std::optional<std::vector<std::string>> gateways;
    // In the order they are asked; nullopt: from DHCP.
    std::optional<std::vector<std::string>> dnsServers;
    bool setsDns = true; // false: the DNS servers are left as they are
    // Primary and secondary; empty texts clear them. nullopt: left as they are.
    std::optional<std::pair<std::string, std::string>> winsServers;
};

// Whether the adapter has everything `settings` asks for, as `now` reads it: the static addresses in
// their order (or a DHCP lease and the addresses beside it), the gateway, and the DNS servers (fixed, or the
// lease's). What the live state cannot show (WINS) is not compared.
bool holds(const IPv4State& now, const IPv4Settings& settings);

// The route Korvo sets is preferred over any other.
inline constexpr int GatewayMetric = 1;

// How one setting of a change came out.
struct SettingResult {
    enum class Status {
        NotMade,           // not asked for, or not reached: the address was refused or the service failed
        Applied,           //
        RestartPending,    // applied; a restart of the computer completes it
        WhenConnected,     // saved; it takes effect when the adapter's cable is connected
        Refused,           // `code` says why, `reason` more where the service said more
        NotOnThisPlatform, // the platform has no such setting: nothing was refused
        SavedNotInEffect,  // stored in the adapter's configuration but not in effect; `reason` says why
        ServiceFailed,     // the service stopped answering before this was made; `reason` says how
    };
    Status status = Status::NotMade;
    int code = code::Success;
    std::string reason;

    bool operator==(const SettingResult&) const = default;
};

// A return code as a setting's result: 0 applied, 1 restart pending, Korvo's own codes their status,
// any other refused.
inline SettingResult resultOf(int returned, std::string reason = {}) {
    using S = SettingResult::Status;
    const S status = returned == code::Success                 ? S::Applied
                     : returned == code::SuccessRebootRequired ? S::RestartPending
                     : returned == code::SuccessWhenConnected  ? S::WhenConnected
                     : returned == code::NotOnThisPlatform     ? S::NotOnThisPlatform
                     : returned == code::SavedNotInEffect      ? S::SavedNotInEffect
                                                               : S::Refused;
    return {status, returned, std::move(reason)};
}

// What an adapter answers to a change, setting by setting.
struct ChangeResult {
    SettingResult address; // the static addresses, or DHCP
    SettingResult gateways;
    SettingResult wins;
    SettingResult dns;
    // The change as one, where the service makes all of it in one step (NetworkManager): Refused means
    // none of it took; SavedNotInEffect and WhenConnected hold for every setting it accepted. NotMade
    // where each setting is made on its own (WMI), or when the address was refused.
    SettingResult whole;
};

// What a look at an adapter's link found out about one IPv4 address: whether a host there answers
// for it, and which.
struct LinkAnswer {
    enum class Kind {
        Answered,   // a host on the link answers for the address
        Silent,     // none answered in the time given
        NotChecked, // the link could not be asked; `why` says why
    };
    Kind kind = Kind::NotChecked;
    std::string hardwareAddress; // Answered: the host's, "52:54:00:12:34:56"; empty where not known
    std::string why;             // NotChecked: the end of a sentence ("arping is not installed")

    bool operator==(const LinkAnswer&) const = default;
};

// One IP-enabled adapter, as the listing found it.
class Adapter {
public:
    virtual ~Adapter() = default;

    virtual std::string caption() const = 0;
    // The adapter's hardware address, "02:00:00:00:00:02" as the service writes it; empty where not known.
    virtual std::string hardwareAddress() const { return {}; }
    // The live IPv4 configuration when the adapter was listed; nullopt where the service does not say.
    virtual std::optional<IPv4State> ipv4State() const { return std::nullopt; }

    // The live IPv4 configuration read from the service now, as after a change; nullopt where the
    // service cannot say. Throws ServiceError when the service does not answer.
    virtual std::optional<IPv4State> readBack() { return std::nullopt; }

    // Gives the adapter `settings`. Throws ServiceError when the service failed before anything was
    // changed; once the address is in place, a failure is the result of the settings not made.
    virtual ChangeResult apply(const IPv4Settings& settings) = 0;

    // Who holds `address` on this adapter's link: asked before the adapter is given it, so that an
    // address another host already uses is never taken from it. Waits at most `wait`.
    virtual LinkAnswer holderOf(const std::string& address, std::chrono::milliseconds wait) {
        (void)address;
        (void)wait;
        return {LinkAnswer::Kind::NotChecked, {}, "the service cannot ask the link"};
    }
    // Whether `host` (a gateway) answers on this adapter's link now, asked from the adapter's own
    // address. Waits at most `wait`; a zero wait only says whether it answered lately.
    virtual LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait) {
        (void)host;
        (void)wait;
        return {LinkAnswer::Kind::NotChecked, {}, "the service cannot ask the link"};
    }
};

// Some adapters' configuration as it was when the checkpoint was taken. The service itself returns
// to it once the checkpoint's time is up, unless it is kept first.
class Checkpoint {
public:
    virtual ~Checkpoint() = default;
    // The changes made since stay; the checkpoint is gone. Throws ServiceError when it could not be
    // kept (for instance because its time was already up).
    virtual void keep() = 0;
    // Every adapter back as it was, now. Throws ServiceError when the service could not.
    virtual void rollBack() = 0;
};

// A rollback the service will make by itself, taken by another program or another Korvo and not kept
// yet: it undoes every change made to the adapter since.
struct PendingRollback {
    std::string name;                       // the service's own name for it
    std::optional<std::chrono::seconds> in; // how long until it does; nullopt: only when someone asks
};

// A connection to the service.
class Service {
public:
    virtual ~Service() = default;
    // Every IP-enabled adapter, in the service's order; each stays usable afterwards.
    virtual std::vector<std::unique_ptr<Adapter>> adapters() = 0;
    // Why the last adapters() left out an adapter of this caption that the system has, as the end of
    // a sentence ("is not managed by NetworkManager"); empty when the service knows of none.
    virtual std::string whyNotListed(const std::string& caption) const {
        (void)caption;
        return {};
    }
    // A checkpoint of `adapters` (from this service's listing, at least one) that rolls back by itself
    // after `timeout`. nullptr: the service has none, and the caller keeps its own record.
    virtual std::unique_ptr<Checkpoint> checkpoint(const std::vector<const Adapter*>& adapters,
                                                   std::chrono::seconds timeout) {
        (void)adapters;
        (void)timeout;
        return nullptr;
    }
    // The pending rollback that covers `adapter` (from this service's listing), if any. Throws
    // ServiceError when the service cannot say.
    virtual std::optional<PendingRollback> pendingRollback(const Adapter& adapter) {
        (void)adapter;
        return std::nullopt;
    }
};

// What a connection is for: start-up only lists the adapters; applying changes
// one, which some services let a program do only when it asks for that up front.
enum class Purpose { List, Change };

// Keeps a change notification going; dropping it ends it.
class ChangeWatch {
public:
    virtual ~ChangeWatch() = default;
};

class ServiceConnector {
public:
    virtual ~ServiceConnector() = default;
    // Calls `changed` (from the event loop of the thread that asked) when any adapter's IPv4
    // configuration may have changed, whoever changed it. nullptr: the service cannot tell.
    virtual std::unique_ptr<ChangeWatch> watchChanges(std::function<void()> changed) {
        (void)changed;
        return nullptr;
    }
    // A fresh connection to this computer's service.
    virtual std::unique_ptr<Service> connect(Purpose purpose) = 0;
    // For a program that must end while an apply of its own still waits for the service: what that
    // apply has saved but not yet put into effect is saved back as it was, waiting at most `wait`.
    // What was done, in Korvo's words; empty when nothing was left half made (or the service keeps no
    // saved configuration apart from the live one).
    virtual std::string putBackUnfinished(std::chrono::milliseconds wait) {
        (void)wait;
        return {};
    }
    // The adapters as connect(Purpose::List)->adapters() lists them, for a caller that must not
    // wait: `done` gets them from the event loop of the thread that asked, none when the service
    // could not be asked. This default asks at once and calls `done` before it returns.
    virtual void listAdapters(std::function<void(std::vector<std::unique_ptr<Adapter>>)> done) {
        std::vector<std::unique_ptr<Adapter>> found;
        try {
            if (const std::unique_ptr<Service> service = connect(Purpose::List)) found = service->adapters();
        } catch (const std::exception&) {
            found.clear(); // no service, no adapters; the caller says nothing either
        }
        done(std::move(found));
    }
};

inline bool holds(const IPv4State& now, const IPv4Settings& settings) {
    if (settings.staticAddresses) {
        if (now.dhcp) return false;
        std::vector<std::string> asked;
        for (const IPv4Settings::Address& a : *settings.staticAddresses) {
            const auto mask = IPv4Address::parse(a.mask);
            const auto prefix = mask ? mask->prefixLength() : std::nullopt;
            if (!prefix) return false;
            asked.push_back(a.address + '/' + std::to_string(*prefix));
        }
        if (now.addresses != asked) return false;
        if (settings.gateways &&
            now.gateway != (settings.gateways->empty() ? std::string() : settings.gateways->front()))
            return false;
    } else {
        if (!now.dhcp || now.addresses.size() != 1 + settings.besideLease.size()) return false;
        for (const IPv4Settings::Address& a : settings.besideLease) {
            const auto mask = IPv4Address::parse(a.mask);
            const auto prefix = mask ? mask->prefixLength() : std::nullopt;
            if (!prefix) return false;
            if (std::find(now.addresses.begin(), now.addresses.end(),
                          a.address + '/' + std::to_string(*prefix)) == now.addresses.end())
                return false;
        }
    }
    if (!settings.setsDns) return true;
    if (settings.dnsServers) return now.dnsServers == *settings.dnsServers;
    // None asked: a static address has none; on DHCP the lease's, where the service tells them.
    if (settings.staticAddresses) return now.dnsServers.empty();
    return !now.leaseDnsServers || now.dnsServers == *now.leaseDnsServers;
}

// The backend of the platform Korvo was built for.
std::unique_ptr<ServiceConnector> makeSystemConnector();

} // namespace korvo::platform
