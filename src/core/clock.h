#pragma once

#include <string_view>

#include "core/game_state.h"

namespace qm {

inline constexpr int kHoursPerDay = 24;

// The hub's wrap: an hour above 24 loses 24, once per pass (24 itself stays).
void wrapClock(GameState& state);

// Moves the clock on. The clock never passes the largest int: a longer wait stops it there, and
// the hub brings it back into the day 24 hours per pass as usual.
void addHours(GameState& state, int hours);

// The time-of-day line of the status report.
std::string_view timeOfDayLine(int hour);

}  // namespace qm
