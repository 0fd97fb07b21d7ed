#include <algorithm>

#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/places.h"

namespace qm {

namespace {

// Reads the hours to wait: anything but a whole number of 0 or more is refused and read again.
int askHours(Console& console) {
  while (true) {
    if (const std::optional<int> hours = console.readNumber(); hours && *hours >= 0) return *hours;
    console.line("Please enter a positive integer");
  }
}

void hooligansStrike(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("While you are asleep some hooligans stole some of your gold!");
  state.StolenGold = context.random.draw(kMostGoldStolen - kLeastGoldStolen + 1, kLeastGoldStolen);
  // The line reports what was actually taken: a player with less gold than the theft loses only
  // what they had.
  const int lost = std::clamp(state.PlayerGold, 0, state.StolenGold);
  subtract(state.PlayerGold, lost);
  console.pause();
  console.line("You now only have ", state.PlayerGold, " gold, you lost ", lost, " gold");
  state.AchievementHooligans = 1;
  console.line("Achievement get; Hooligans!!!");
}

}  // namespace

void waitAround(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("How many hours?");
  state.Hours = 0;
  state.Hours = askHours(console);
  addHours(state, state.Hours);
  if (state.Hours <= 5) return;

  console.line("You wait so long, that you get tired and fall asleep...");
  state.Roll = context.random.draw(20, 1);
  console.pause();
  if (state.Roll >= 10) {
    console.line("Nothing happens...");
    return;
  }
  hooligansStrike(context);
}

}  // namespace qm
