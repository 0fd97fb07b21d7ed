#include "support/players.h"

namespace qm::testing {

std::string answers(std::span<const std::string_view> words, int pausesEach) {
  const std::string around = pauses(pausesEach);
  std::string input = around;
  for (const std::string_view word : words)
    input += std::string(word) + "\n" + around;
  return input;
}

std::string answers(std::initializer_list<std::string_view> words, int pausesEach) {
  return answers(std::span(words.begin(), words.size()), pausesEach);
}

std::string pauses(int count) {
  return std::string(static_cast<std::size_t>(count), '\n');
}

void giveAbilities(GameState& state, std::string_view primary, std::string_view secondary) {
  state.PrimaryAbility = primary;
  state.SecondaryAbility = secondary;
}

void makeThief(GameState& state) {
  state.PlayerClass = "Thief";
  giveAbilities(state, "Stab", "Pickpocket");
}

void makeWizard(GameState& state) {
  state.PlayerClass = "Wizard";
  giveAbilities(state, "Magic Missile", "Suggestion");
}

void makeKnight(GameState& state) {
  state.PlayerClass = "Knight";
  giveAbilities(state, "Slash", "Bash");
}

void makeHunter(GameState& state) {
  state.PlayerClass = "Hunter";
  giveAbilities(state, "Shoot", "Tame");
}

}  // namespace qm::testing
