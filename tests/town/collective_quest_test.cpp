#include <gtest/gtest.h>

#include "support/players.h"
#include "support/tables.h"
#include "town/hub.h"

namespace qm::testing {
namespace {

void playHub(Context& context) {
  runHub(context);
}

// The whole Collective quest line played from the hub, one scene after another: each place
// hands the quest on to the next at its stage.
TEST(CollectiveQuest, FromTheFirstDrinkToOwensDefeatAsThePlayerSeesIt) {
  const std::string input = std::string("I\n\nS\n\n\n\n") +    // to the Soggy Shrimp
                            "D\n\nM\n\n\n\n\n\n\nS\n\n" +      // the sailor's tale, agreed
                            "D\nS\n\n\n\n\n\nC\n\n\n\n\n\n" +  // an ale and the lost darts
                            "F\n\n\n\nD\n\n" +                 // the stranger in the alley
                            "\n\n\n\nH\n\nY\n\nH\n\n\n\n\n" +  // the meeting and the book
                            "L\n\nR\n\n\n1\n1\n1\n\n\n" +      // the library and its book fight
                            "I\n\nS\n\n\n\nH\n\n\n\n1\n1\n\n\nE\n";  // back below: Owen
  checkTranscripts({
      {"hub-the-collective-quest-from-the-first-drink-to-owens-defeat",
       playHub,
       all({makeKnight,
            [](GameState& s) {
              s.Weapon = "Shiny Sword";
              s.PlayerRace = "Human";
              s.PlayerStrength = 7;
              s.PlayerBrawn = 8;
              s.Pronoun = "his";
            }}),
       input,
       {10, 11, 10, 11, 10, 11, 10, 1, 1, 10, 1, 1}},
  });
}

}  // namespace
}  // namespace qm::testing
