#pragma once

#include <string_view>

#include "game/console.h"
#include "game/game_state.h"

namespace qm {

// The line of 78 hyphens that frames every status report.
inline constexpr std::string_view kSeparator =
    "------------------------------------------------------------------------------";

// How the player feels at `health`; empty above 50 and at 0 or below.
std::string_view healthLine(int health);

// The hub's status report: gold, weapon, what is carried, health and the time of day.
void printStatusReport(Console& console, const GameState& state);

}  // namespace qm
