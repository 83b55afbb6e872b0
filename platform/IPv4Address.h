// An IPv4 address or subnet mask as 32 bits: read from and written as a dotted quad, and a mask turned
// into its prefix length and back. The one place Korvo converts between masks and prefixes.
#pragma once

#include <algorithm>
#include <bit>
#include <charconv>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvo::platform {

class IPv4Address {
public:
    constexpr IPv4Address() = default;
    constexpr explicit IPv4Address(std::uint32_t bits) : Bits(bits) {}

    // Four decimal parts of 0 to 255, one to three digits each, and nothing else: no blanks, signs
    // or hexadecimal.
    static std::optional<IPv4Address> parse(std::string_view text) {
        std::uint32_t bits = 0;
        for (int part = 0; part < 4; ++part) {
            if (part > 0) {
                if (text.empty() || text.front() != '.') return std::nullopt;
                text.remove_prefix(1);
            }
            unsigned value = 0;
            const char* end = text.data() + std::min<std::size_t>(text.size(), 3);
            const auto [ptr, ec] = std::from_chars(text.data(), end, value);
            if (ec != std::errc{} || ptr == text.data() || value > 255) return std::nullopt;
            text.remove_prefix(static_cast<std::size_t>(ptr - text.data()));
            bits = (bits << 8) | value;
        }
        if (!text.empty()) return std::nullopt;
        return IPv4Address(bits);
    }

    // The mask of `prefix` leading one bits; nullopt outside 0 to 32.
    static constexpr std::optional<IPv4Address> maskOf(int prefix) {
        if (!validPrefix(prefix)) return std::nullopt;
        return IPv4Address(prefix == 0 ? 0u : ~std::uint32_t{0} << (32 - prefix));
    }
    static constexpr bool validPrefix(int prefix) { return prefix >= 0 && prefix <= 32; }

    // An address as the adapters' states write it, "192.0.2.10/24": its address text and its prefix
    // length, 32 where none is written, nullopt where it is not a number.
    static std::pair<std::string_view, std::optional<int>> splitPrefix(std::string_view text) {
        const std::size_t slash = text.find('/');
        if (slash == std::string_view::npos) return {text, 32};
        const std::string_view digits = text.substr(slash + 1);
        int prefix = 0;
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), prefix);
        if (ec != std::errc{} || ptr != digits.data() + digits.size())
            return {text.substr(0, slash), std::nullopt};
        return {text.substr(0, slash), prefix};
    }

    constexpr std::uint32_t bits() const { return Bits; }

    // As a mask: the number of its leading one bits, when every other bit is zero; nullopt otherwise.
    constexpr std::optional<int> prefixLength() const {
        const std::uint32_t host = ~Bits;
        if ((host & (host + 1)) != 0) return std::nullopt;
        return std::popcount(Bits);
    }

    std::string toString() const {
        return std::to_string(Bits >> 24) + '.' + std::to_string((Bits >> 16) & 255) + '.' +
               std::to_string((Bits >> 8) & 255) + '.' + std::to_string(Bits & 255);
    }

    constexpr auto operator<=>(const IPv4Address&) const = default;

private:
    std::uint32_t Bits = 0;
};

} // namespace korvo::platform
