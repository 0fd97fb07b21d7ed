#include "core/status_report.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The status report's decisions, every comparison in status_report.cpp of a count, the book flag
// or the health with a constant, read from the code: the carried things in the table below, the
// health bands, each at both of its ends, in the one after it.
TEST(StatusReport, DecisionsAtTheirEdges) {
  const auto report = [](Context& c) { printStatusReport(c.console, c.state); };
  const Prepare withBook = [](GameState& s) { s.HasMysteriousBook = true; };
  constexpr std::string_view kBook = "You have the mysterious man's book";
  const auto apples = [](int count) { return set(&GameState::Apples, count); };
  const auto gears = [](int count) { return set(&GameState::Gears, count); };
  checkEdges(report, {},
             {
                 {"1 apple: shown", apples(1), "", {}, "You have 1 bags of apples", true},
                 {"0 apples: not shown", apples(0), "", {}, "You have 0 bags of apples", false},
                 {"the book: shown", withBook, "", {}, kBook, true},
                 {"no book: not shown", {}, "", {}, kBook, false},
                 {"1 gear: shown", gears(1), "", {}, "You have 1 gears!", true},
                 {"0 gears: not shown", gears(0), "", {}, "You have 0 gears!", false},
             });
}

TEST(StatusReport, HealthBandsAtTheirEdges) {
  const std::pair<int, std::string_view> bands[] = {
      {51, ""},
      {50, "You are perfectly healthy"},
      {49, "You're kinda sore, but you feel okay"},
      {40, "You're kinda sore, but you feel okay"},
      {39, "You're bleeding a little"},
      {30, "You're bleeding a little"},
      {29,
       "You can barely walk, you've fractured your leg in three places, and you have a broken rib!"},
      {20,
       "You can barely walk, you've fractured your leg in three places, and you have a broken rib!"},
      {19, "Every step is pain..."},
      {10, "Every step is pain..."},
      {9, "Holy cow man, take a hint you need some help"},
      {1, "Holy cow man, take a hint you need some help"},
      {0, ""},
      {-7, ""},
  };
  for (const auto& [health, line] : bands)
    EXPECT_EQ(healthLine(health), line) << health;
}

TEST(StatusReport, CarriedThingsStandBetweenTheWeaponAndTheHealth) {
  Harness h;
  h.state.Weapon = "Deadly Dagger";
  h.state.Apples = 3;
  h.state.HasMysteriousBook = true;
  h.state.Gears = 2;
  h.play([](Context& c) { printStatusReport(c.console, c.state); });
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You are weilding a Deadly Dagger", "You have 3 bags of apples",
       "You have the mysterious man's book", "You have 2 gears!", "You are perfectly healthy"}));
}

}  // namespace
}  // namespace qm::testing
