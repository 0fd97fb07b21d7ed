#include <gtest/gtest.h>

#include "support/harness.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

// The whole Collective quest line played from the hub, one scene after another.
TEST(CollectiveQuest, FromTheFirstDrinkToOwensDefeat) {
  const std::string input = std::string("I\n\nS\n\n\n\n") +    // to the Soggy Shrimp
                            "D\n\nM\n\n\n\n\n\n\nS\n\n" +      // the sailor's tale, agreed
                            "D\nS\n\n\n\n\n\nC\n\n\n\n\n\n" +  // an ale and the lost darts
                            "F\n\n\n\nD\n\n" +                 // the stranger in the alley
                            "\n\n\n\nH\n\nY\n\nH\n\n\n\n\n" +  // the meeting and the book
                            "L\n\nR\n\n\n1\n1\n1\n\n\n" +      // the library and its book fight
                            "I\n\nS\n\n\n\nH\n\n\n\n1\n1\n\n\nE\n";  // back below: Owen
  Harness h(input, {10, 11, 10, 11, 10, 11, 10, 1, 1, 10, 1, 1});
  h.state.PlayerClass = "Knight";
  h.state.PrimaryAbility = "Slash";
  h.state.SecondaryAbility = "Bash";
  h.state.Weapon = "Shiny Sword";
  h.state.PlayerRace = "Human";
  h.state.PlayerStrength = 7;
  h.state.PlayerBrawn = 8;
  h.state.Pronoun = "his";

  EXPECT_EQ(h.play([](Context& c) { runHub(c); }), Ending::InputEnded);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"\"Meet me at the docks tommorow, on my lil' dinghy, then we'll set sail!\"",
       "It's pretty strong ale...", "Suddenly the man sobers up... \"Meet me out back\"",
       "You head behind the inn, the alley is suprisingly clean...",
       "You slip into the bandit hideaway...", "\"Here go! Hurry!\"",
       "You have the mysterious man's book", "The book starts to flutter up into the air",
       "Sha-bam! You slice the book in half!",
       "\"You have to stop him, whatever he's doing, it is not good.\"",
       "You sneak into the bandit hideout.", "You slice his armor!", "It looks like you've won...",
       "\"It's done.\"", "You have 150 gold", "You are weilding a Baleful Bludgeon"}));
  EXPECT_EQ(occurrences(h.output(), "Do all inns have this?!?"), 0);
  EXPECT_EQ(h.state.StrangerStage, 0);
  EXPECT_EQ(h.state.OldManStage, 1);
  EXPECT_EQ(h.state.ClockHour, 12);
  EXPECT_EQ(h.state.PlayerHealth, 50);
  h.expectAllDrawsUsed();
}

}  // namespace
}  // namespace qm::testing
