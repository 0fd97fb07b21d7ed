#include <gtest/gtest.h>

#include "creation/steps.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

std::string homeOf(const std::string& race, int first, int second) {
  Harness h("", {first, second});
  h.state.PlayerRace = race;
  h.play(creation::drawHomePlace);
  h.expectAllDrawsUsed();
  return h.state.Place;
}

TEST(HomePlace, JoinsTheRacesTwoPartsAndGivesAPearAHomeToo) {
  EXPECT_EQ(homeOf("Human", 0, 0), "Stockholm");
  EXPECT_EQ(homeOf("Ilmungae", 2, 2), "Peak of Purple Snow");
  EXPECT_EQ(homeOf("Lacerti", 3, 4), "Swordfury");
  EXPECT_EQ(homeOf("Pear", 1, 3), "the Old Orchard");
}

TEST(BackstorySentence, KeepsTheArticleTheDoubleBlankAndTheTrailingBlank) {
  Harness h("\n", {1, 14});
  h.state.PlayerName = "Bidus Frostmover";
  h.state.PlayerRace = "Ilmungae";
  h.state.PlayerClass = "Wizard";
  h.state.Place = "Peak of Purple Snow";
  creation::setPronouns(h.state);
  h.play([](Context& context) {
    creation::drawEvent(context);
    creation::showBackstory(context);
  });
  EXPECT_EQ(
      h.output(),
      "Bidus Frostmover is a Ilmungae Wizard from Peak of Purple Snow.  When he was 14 years old he left the king's army. \n\n" +
          std::string(kPauseText));
  h.expectAllDrawsUsed();
}

TEST(BackstorySentence, AFemaleCharacterGetsHerPronouns) {
  Harness h("\n", {0, 29});
  h.state.FirstNameNumber = 5;
  creation::setPronouns(h.state);
  h.play([](Context& context) {
    creation::drawEvent(context);
    creation::showBackstory(context);
  });
  EXPECT_NE(
      h.output().find(".  When she was 29 years old she lost her leg to a mischievous whale. "),
      std::string::npos);
}

}  // namespace
}  // namespace qm::testing
