#include "creation/dice_prompt.h"

#include <gtest/gtest.h>

#include "support/tables.h"

namespace qm::testing {
namespace {

// The five words that roll, each at its own prompt, and anything else, which draws the dice
// again; the quoted word is cheeky.
TEST(DicePrompt, AsThePlayerSeesIt) {
  checkTranscripts({
      {"dice-the-five-words-that-roll",
       [](Context& c) {
         for (int prompt = 0; prompt < 5; ++prompt)
           dicePrompt(c);
       },
       {}},
      {"dice-drawn-again-and-a-cheeky-quote", dicePrompt, {}},
  });
}

}  // namespace
}  // namespace qm::testing
