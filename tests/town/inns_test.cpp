#include <gtest/gtest.h>

#include "support/harness.h"
#include "town/places.h"

namespace qm::testing {
namespace {

constexpr std::string_view kShrimpOnly =
    "Maybe The Soggy Shrimp will be interesting (S) I don't want to go to the inn yet (D)";

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
