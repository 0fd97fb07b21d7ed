#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kShrimpOnly =
    "Maybe The Soggy Shrimp will be interesting (S) I don't want to go to the inn yet (D)";

// The inn choice's one decision, read from inns.cpp: whether the bomb (hatch stage 69) has
// left the Polished Pint a crater.
TEST(InnChoice, DecisionsAtTheirEdges) {
  constexpr std::string_view kCrater =
      "The Polished Pint is little more than a crater now, the Soggy Shrimp is your only option.";
  const auto hatch = [](int stage) { return set(&GameState::HatchStage, stage); };
  checkEdges(visitInns, {},
             {
                 {"hatch stage 69: a crater", hatch(69), "", {}, kCrater, true},
                 {"hatch stage 0: the Pint stands", hatch(0), "", {}, kCrater, false},
             });
}

TEST(InnChoice, BothInnsWhileThePintStandsAndPLeadsIntoThePint) {
  Harness h("\np\n");
  h.state.PintWelcome = 0;
  EXPECT_EQ(h.play(visitInns), Ending::Returned);
  EXPECT_EQ(
      h.output(),
      "The Polished Pint is more expensive looking. The Soggy Shrimp looks a little run-down but it's probably less expensive\n" +
          std::string(kPauseText) + "Let's go to The Polished Pint (P) " +
          std::string(kShrimpOnly) +
          "\nA huge hairy lady grabs you by the ear, and tosses you out in the street. \n");
  EXPECT_EQ(h.state.ClockHour, 6);
}

TEST(InnChoice, AfterTheBombThePintIsNeitherShownNorAccepted) {
  Harness h("\nP p D\n");
  h.state.HatchStage = 69;
  EXPECT_EQ(h.play(visitInns), Ending::Returned);
  EXPECT_EQ(
      h.output(),
      "The Polished Pint is little more than a crater now, the Soggy Shrimp is your only option.\n" +
          std::string(kPauseText) + std::string(kShrimpOnly) + "\n");
}

}  // namespace
}  // namespace qm::testing
