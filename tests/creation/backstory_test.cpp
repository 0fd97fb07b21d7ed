#include <gtest/gtest.h>

#include "creation/steps.h"
#include "support/harness.h"
#include "support/tables.h"

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

// The sentence keeps its article, its double blank and its trailing blank; a woman gets her
// pronouns.
TEST(BackstorySentence, AsThePlayerSeesIt) {
  const SceneRun backstory = [](Context& context) {
    creation::setPronouns(context.state);
    creation::drawEvent(context);
    creation::showBackstory(context);
  };
  checkTranscripts({
      {"backstory-an-ilmungae-wizard", backstory,
       [](GameState& s) {
         s.PlayerName = "Bidus Frostmover";
         s.PlayerRace = "Ilmungae";
         s.PlayerClass = "Wizard";
         s.Place = "Peak of Purple Snow";
       }},
      {"backstory-a-woman", backstory, set(&GameState::FirstNameNumber, 5)},
  });
}

}  // namespace
}  // namespace qm::testing
