#include "platform/wmi/LinkProbe.h"

// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace korvo::platform::wmi {

namespace {

using Kind = LinkAnswer::Kind;

std::string hexAddress(const unsigned char* bytes, unsigned long size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned long i = 0; i < size; ++i) {
        if (i) out += ':';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0xf];
    }
    return out;
}

bool parse(const std::string& text, IN_ADDR& address) {
    return !text.empty() && InetPtonA(AF_INET, text.c_str(), &address) == 1;
}

LinkAnswer notChecked(std::string why) {
    return {Kind::NotChecked, {}, std::move(why)};
}

} // namespace

LinkAnswer holderOf(const std::string& source, const std::string& address, std::chrono::milliseconds wait) {
    IN_ADDR target{};
    IN_ADDR from{};
    if (!parse(address, target)) return notChecked(address + " is not an IPv4 address");
    if (!source.empty() && !parse(source, from)) from = IN_ADDR{};
    // SendARP waits as long as Windows resolves (seconds): on a thread of its own, given up on after
    // `wait`; it ends by itself.
    auto answer = std::make_shared<std::promise<LinkAnswer>>();
    std::future<LinkAnswer> result = answer->get_future();
    std::thread([answer, target, from] {
        ULONG mac[2] = {};
        ULONG size = 6;
        const DWORD code = SendARP(target.S_un.S_addr, from.S_un.S_addr, mac, &size);
        if (code == NO_ERROR && size > 0)
            answer->set_value({Kind::Answered, hexAddress(reinterpret_cast<unsigned char*>(mac), size), {}});
        else if (code == ERROR_BAD_NET_NAME)
            answer->set_value({Kind::Silent, {}, {}}); // no reply
        else
            answer->set_value(notChecked("SendARP failed with code " + std::to_string(code)));
    }).detach();
    if (result.wait_for(wait) != std::future_status::ready) return {Kind::Silent, {}, {}};
    return result.get();
}

LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait) {
    IN_ADDR target{};
    if (!parse(host, target)) return notChecked(host + " is not an IPv4 address");
    if (wait.count() <= 0) {
        // Answered lately: the neighbour cache has its hardware address and has not given up on it.
        MIB_IPNET_ROW2 row{};
        row.Address.si_family = AF_INET;
        row.Address.Ipv4.sin_family = AF_INET;
        row.Address.Ipv4.sin_addr = target;
        DWORD index = 0;
        if (GetBestInterface(target.S_un.S_addr, &index) != NO_ERROR) return {Kind::Silent, {}, {}};
        row.InterfaceIndex = index;
        if (GetIpNetEntry2(&row) != NO_ERROR) return {Kind::Silent, {}, {}};
        const bool known = row.State == NlnsReachable || row.State == NlnsStale || row.State == NlnsDelay ||
                           row.State == NlnsProbe || row.State == NlnsPermanent;
        if (!known) return {Kind::Silent, {}, {}};
        return {Kind::Answered, hexAddress(row.PhysicalAddress, row.PhysicalAddressLength), {}};
    }
    const HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE) return notChecked("IcmpCreateFile failed");
    char data[8] = "korvo";
    std::vector<unsigned char> reply(sizeof(ICMP_ECHO_REPLY) + sizeof data + 8);
    // Out of the interface the route to the gateway takes: after the change, this adapter's.
    const DWORD replies =
        IcmpSendEcho2(icmp, nullptr, nullptr, nullptr, target.S_un.S_addr, data, sizeof data, nullptr,
                      reply.data(), static_cast<DWORD>(reply.size()), static_cast<DWORD>(wait.count()));
    IcmpCloseHandle(icmp);
    const auto* echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply.data());
    if (replies > 0 && echo->Status == IP_SUCCESS) return {Kind::Answered, {}, {}};
    return {Kind::Silent, {}, {}};
}

} // namespace korvo::platform::wmi
