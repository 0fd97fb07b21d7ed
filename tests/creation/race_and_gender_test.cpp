#include <gtest/gtest.h>

#include "creation/steps.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

constexpr std::string_view kRaceMenu =
    "Man (M), Lacerti (L), Ilmungae (I), Random (R), or would you like a better explantion (E) of the races?";

TEST(RaceQuestion, TheFirstQuestionRepeatsItsLineButTheMenuStaysSilent) {
  Harness h("x Choose C c. MM I\n");
  h.play(creation::chooseRace);
  EXPECT_EQ(h.output(),
            "\nFirst, we're going to pick your race...\n\n"
            "Do you want to choose a race, or do you want a random race?\n"
            "C for Choose, and R for random\nC for Choose, and R for random\n"
            "C for Choose, and R for random\n" +
                std::string(kRaceMenu) + "\n");
  EXPECT_EQ(h.state.RaceNumber, 2);
}

TEST(RaceQuestion, TheHiddenPChoosesThePearButARandomRaceNeverDoes) {
  Harness pear("C p\n");
  pear.play(creation::chooseRace);
  EXPECT_EQ(pear.state.RaceNumber, 3);

  Harness random("R\n", {3});  // the Pear's number, which a random race cannot draw
  EXPECT_THROW(random.play(creation::chooseRace), ScriptError);
}

TEST(RaceQuestion, ExplanationsStartTheWholeQuestionAgain) {
  Harness h("C E\n\n\n\nc r\n", {1});
  h.play(creation::chooseRace);
  EXPECT_EQ(occurrences(h.output(), "First, we're going to pick your race..."), 2);
  EXPECT_EQ(occurrences(h.output(), kPauseText), 3);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"The Ilmungae are a race of ancient snow-monsters, they have huge ivory tusks inscribed with mystic runes.  Over the years their complex intelligence has gradually driven most of their race insane. They are usually smarter, but not as strong.",
       "Press Enter to continue . . . ", "", "First, we're going to pick your race..."}));
  EXPECT_EQ(h.state.RaceNumber, 1);
  h.expectAllDrawsUsed();
}

TEST(GenderQuestion, TheThreeIndicesComeFirstAndAChosenGenderDrawsTheFirstNameAgain) {
  Harness decide("q R\n", {1, 7, 3});
  decide.play(creation::chooseGender);
  EXPECT_EQ(decide.state.LastNameSecondNumber, 1);
  EXPECT_EQ(decide.state.FirstNameNumber, 7);
  EXPECT_EQ(decide.state.LastNameFirstNumber, 3);

  Harness male("m\n", {1, 7, 3, 4});
  male.play(creation::chooseGender);
  EXPECT_EQ(male.state.FirstNameNumber, 4);

  Harness female("F\n", {0, 2, 4, 9});
  female.play(creation::chooseGender);
  EXPECT_EQ(female.state.FirstNameNumber, 9);
  Harness female_from_male_half("F\n", {0, 2, 4, 4});
  EXPECT_THROW(female_from_male_half.play(creation::chooseGender), ScriptError);
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
