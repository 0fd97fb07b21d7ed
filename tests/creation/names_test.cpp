#include <gtest/gtest.h>

#include "creation/dice_prompt.h"
#include "creation/steps.h"
#include "support/harness.h"

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

TEST(NameQuestion, ATypedNameIsOneWordAndTheNextWordAnswersTheDicePrompt) {
  Harness h("w\nAnna Smith\n\n\n\nroll\n");
  h.state.PlayerRace = "Human";
  h.state.PlayerName = "Megan Jason-Slayer";
  h.play([](Context& context) {
    creation::settleName(context);
    dicePrompt(context);
  });
  EXPECT_NE(h.output().find("(R)\nOkay, your name is; \n"), std::string::npos);
  EXPECT_TRUE(hasLinesInOrder(h.lines(), {"Your name is Anna and you're a Human"}));
  EXPECT_EQ(h.state.PlayerName, "Anna");
  // "Smith" is not a way to roll, so the dice are drawn a second time.
  EXPECT_EQ(occurrences(h.output(), "Type \"Roll\" to continue"), 2);
}

}  // namespace
}  // namespace qm::testing
