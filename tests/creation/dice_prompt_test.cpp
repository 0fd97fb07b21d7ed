#include "creation/dice_prompt.h"

#include <gtest/gtest.h>

#include "art/dice.h"
#include "support/harness.h"

namespace qm::testing {
namespace {

std::string dice() {
  std::string text;
  for (const std::string_view row : art::kDice)
    text += std::string(row) + "\n";
  return text;
}

TEST(DicePrompt, TheInstructionStandsOnTheFourthRowAfterEightBlanks) {
  EXPECT_TRUE(art::kDice[3].starts_with("        Type \"Roll\" to continue"));
}

TEST(DicePrompt, AcceptsTheFiveRollWordsAndRollsNothing) {
  for (const std::string word : {"Roll", "ROLL", "roll", "r", "R"}) {
    Harness h(word + "\n");
    EXPECT_EQ(h.play(dicePrompt), Ending::Returned) << word;
    EXPECT_EQ(h.output(), dice() + "\n") << word;
  }
}

TEST(DicePrompt, AnythingElseDrawsTheDiceAgainAndTheQuotedWordIsCheeky) {
  Harness h("Rol \"Roll\" rOLL R\n");
  h.play(dicePrompt);
  EXPECT_EQ(h.output(), dice() + dice() + "Don't be cheeky\n" + dice() + dice() + "\n");
}

}  // namespace
}  // namespace qm::testing
