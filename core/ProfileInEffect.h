// Does an adapter have a profile's configuration right now? What the Main page marks,
// decided from the adapter's live IPv4 state alone.
#pragma once

#include "core/Profile.h"
#include "platform/AdapterState.h"

#include <QString>
#include <optional>

namespace korvo {

// True when `now` is exactly what applying `typed` in `mode` leaves on an adapter: for a
// static profile its address with the mask's prefix and then its further addresses in order, its gateway (or
// none) and its DNS servers in order, not on DHCP; for the DHCP profile, on DHCP with its DNS setting: the
// lease's servers, or the tab's fixed ones. Invalid typing is never in effect.
bool profileInEffect(const Profile& typed, ApplyMode mode, const platform::IPv4State& now);

// The boxes whose static apply leaves `now` as profileInEffect reads it: the first address with its
// prefix as a mask, the others as further addresses, the gateway and the first two DNS servers. WINS and the
// name stay empty (the live state has neither); so do address and mask when `now` has no address.
Profile profileFrom(const platform::IPv4State& now);

// The state as a few lines for an adapter entry's tooltip.
QString stateTooltip(const QString& caption, const platform::IPv4State& now);

} // namespace korvo
