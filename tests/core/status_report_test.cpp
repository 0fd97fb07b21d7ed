#include "core/status_report.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

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
