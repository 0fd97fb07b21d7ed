#pragma once

#include <string_view>

#include "core/console.h"
#include "core/game_state.h"

namespace qm {

// The line of 78 hyphens that frames every status report.
inline constexpr std::string_view kSeparator =
    "------------------------------------------------------------------------------";

// Where the town's status report and the basement's part ways; the default is the town's.
struct ReportStyle {
  bool showsBook = true;
  bool showsTimeOfDay = true;
  std::string_view nearlyDead = "Holy cow man, take a hint you need some help";  // health 1 to 9
};

// How the player feels at `health`; empty above 50 and at 0 or below.
std::string_view healthLine(int health, std::string_view nearlyDead = ReportStyle{}.nearlyDead);

// A status report framed by separators: gold, weapon, what is carried, health and, in town, the
// time of day.
void printStatusReport(Console& console, const GameState& state, const ReportStyle& style = {});

}  // namespace qm
