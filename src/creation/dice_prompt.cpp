#include "creation/dice_prompt.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "art/dice.h"

namespace qm {

namespace {

bool isRoll(std::string_view word) {
  constexpr std::array<std::string_view, 5> kRollWords = {"Roll", "ROLL", "roll", "r", "R"};
  return std::find(kRollWords.begin(), kRollWords.end(), word) != kRollWords.end();
}

}  // namespace

void dicePrompt(Context& context) {
  Console& console = context.console;
  std::string& word = context.state.RaceChoice;
  console.asking("R", Refusal::Reprompt);  // "r" and "R" answer it, as the roll words do
  while (true) {
    art::draw(console, art::kDiceShows, art::kDice);
    word = console.readWord();
    // Typing the instruction with its quotes is not accepted, but it earns a remark.
    if (word == "\"Roll\"") console.line("Don't be cheeky");
    if (isRoll(word)) break;
  }
  console.line();
}

}  // namespace qm
