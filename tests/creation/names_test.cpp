#include <gtest/gtest.h>

#include "creation/dice_prompt.h"
#include "creation/steps.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

std::string nameOf(const std::string& race, int first, int surnameFirst, int surnameSecond) {
  GameState state;
  state.PlayerRace = race;
  state.FirstNameNumber = first;
  state.LastNameFirstNumber = surnameFirst;
  state.LastNameSecondNumber = surnameSecond;
  creation::generateName(state);
  return state.PlayerName;
}

TEST(GeneratedName, ComesFromTheRacesTablesAndAPearBorrowsTheLacertiOnes) {
  EXPECT_EQ(nameOf("Human", 7, 2, 4), "Megan Jason-Slayer");
  EXPECT_EQ(nameOf("Ilmungae", 0, 0, 0), "Bidus Frostmover");
  EXPECT_EQ(nameOf("Lacerti", 3, 1, 2), "Chammin Kaelvirgi");
  EXPECT_EQ(nameOf("Pear", 9, 4, 4), "Stannib Faelangi");
}

// A typed name is one word, and the next word answers the dice prompt: "Smith" is not a way to
// roll, so the dice are drawn a second time.
TEST(NameQuestion, ATypedNameIsOneWordAndTheNextWordAnswersTheDicePrompt) {
  checkTranscripts({
      {"names-a-typed-name-and-the-dice",
       [](Context& context) {
         creation::settleName(context);
         dicePrompt(context);
       },
       [](GameState& s) {
         s.PlayerRace = "Human";
         s.PlayerName = "Megan Jason-Slayer";
       }},
  });
}

}  // namespace
}  // namespace qm::testing
