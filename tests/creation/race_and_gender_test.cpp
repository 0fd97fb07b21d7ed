#include <gtest/gtest.h>

#include "creation/steps.h"
#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The first question repeats its line at every unmatched answer, the race menu stays silent; an
// explanation starts the whole question again; the hidden P chooses the Pear. The gender
// question draws the three name indices first, and a chosen gender the first name again.
TEST(RaceAndGender, TheQuestionsAsThePlayerSeesThem) {
  const SceneRun race = creation::chooseRace;
  const SceneRun gender = creation::chooseGender;
  checkTranscripts({
      {"race-unmatched-answers-then-the-ilmungae", race, {}},
      {"race-an-explanation-then-a-random-race", race, {}},
      {"race-the-hidden-pear", race, {}},
      {"gender-left-to-fate", gender, {}},
      {"gender-a-man", gender, {}},
      {"gender-a-woman", gender, {}},
  });
}

// A random race never draws the Pear's number, nor a woman a man's first name: the scripted
// draw out of the range asked for stops the test.
TEST(RaceAndGender, DrawsStayInTheirRanges) {
  Harness pear("R\n", {3});
  EXPECT_THROW(pear.play(creation::chooseRace), ScriptError);
  Harness woman("F\n", {0, 2, 4, 4});
  EXPECT_THROW(woman.play(creation::chooseGender), ScriptError);
}

TEST(RaceTable, ModifiersTakeTheStatsToOneAndFourteen) {
  GameState lacerti;
  lacerti.RaceNumber = 1;
  lacerti.PlayerStrength = lacerti.PlayerIntellect = lacerti.PlayerBrawn = 2;
  creation::applyRace(lacerti);
  EXPECT_EQ(lacerti.PlayerRace, "Lacerti");
  EXPECT_EQ(lacerti.PlayerStrength, 4);
  EXPECT_EQ(lacerti.PlayerIntellect, 1);
  EXPECT_EQ(lacerti.PlayerBrawn, 3);

  GameState ilmungae;
  ilmungae.RaceNumber = 2;
  ilmungae.PlayerIntellect = 12;
  creation::applyRace(ilmungae);
  EXPECT_EQ(ilmungae.PlayerIntellect, 14);
  EXPECT_TRUE(ilmungae.RaceExplanation.ends_with("They are typically very intelligent. "));
}

}  // namespace
}  // namespace qm::testing
