// After an apply: the adapter read back, and each setting asked compared with the value in effect.
#pragma once

#include "core/AddressValidation.h"
#include "core/Applier.h"
#include "platform/NetConfigService.h"

#include <chrono>
#include <optional>
#include <vector>

namespace korvo {

// How long an apply waits for the adapter to hold what it asked: a static change, and a lease.
inline constexpr std::chrono::milliseconds SettleLimit{2000};
inline constexpr std::chrono::milliseconds LeaseLimit{5000};

// The adapter's live state once it holds `asked`, or as it is when `limit` is up: NetworkManager
// finishes a change a moment after it answers, and a lease takes longer. nullopt: the service cannot
// read it back. Throws ServiceError when the service does not answer.
std::optional<platform::IPv4State> readBackSettled(platform::Adapter& adapter,
                                                   const platform::IPv4Settings& asked,
                                                   std::chrono::milliseconds limit);

// What an adapter should hold after `result`: `asked` without the settings the service refused.
platform::IPv4Settings madeOf(const platform::IPv4Settings& asked, const platform::ChangeResult& result);

// The seven settings of `sent` (the profile as validated and sent, servers left out as `omitted`)
// beside what `now` shows, each with its status; `result` is the service's answer to the change.
// Without `now` nothing is compared.
std::vector<SettingOutcome> compareSettings(const Profile& sent, ApplyMode mode,
                                            const OmittedServers& omitted,
                                            const platform::ChangeResult& result,
                                            const std::optional<platform::IPv4State>& now);

// `outcome` (the report of one adapter whose change the service took) with the differences `settings`
// found: each one's value in effect shown in place of the one asked, a line for each, and no longer
// reported as applied.
void reportDifferences(ApplyOutcome& outcome, const std::vector<SettingOutcome>& settings);

} // namespace korvo
