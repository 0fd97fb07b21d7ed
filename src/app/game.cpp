#include "app/game.h"

#include <optional>

#include "app/end_screen.h"
#include "app/kept_run.h"
#include "app/saved_run.h"
#include "art/pictures.h"
#include "core/context.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "creation/creation.h"
#include "town/hub.h"

namespace qm {

namespace {

int rollTwoDice(RandomSource& random) {
  const int first = random.draw(6);
  const int second = random.draw(6);
  return first + second + 2;
}

void printTitleScreen(Console& console) {
  console.line("Quillmarrow, a ", " text adventure game");
  console.line("From Vontessa");
  art::draw(console, art::kCastleShows, art::kCastle);
  console.line("Let's create a character!");
  console.line();
  console.pause();
}

// Start-up, also the target of a restart: a fresh seed, the title, every variable at its
// initial value (the achievements at 0 among them, so a refused character keeps none), new
// stats and the title screen.
void startUp(Context& context) {
  context.random.reseed();
  context.platform.setWindowTitle("Quillmarrow");
  context.state = GameState{};
  context.state.PlayerStrength = rollTwoDice(context.random);
  context.state.PlayerIntellect = rollTwoDice(context.random);
  context.state.PlayerBrawn = rollTwoDice(context.random);
  printTitleScreen(context.console);
}

void arriveInSandpoint(Context& context) {
  Console& console = context.console;
  console.line("Now, your adventure begins!");
  console.pause();
  console.line("After meandering up the coast, you arrive at a small town");
  console.pause();
  console.line("Your adventure begins in here in Sandpoint");
  console.pause();
  art::draw(console, art::kSandpointShows, art::kSandpoint);
  console.pause();
  console.line(
      "In Sandpoint there's two inns The Polished Pint and The Soggy Shrimp, there's also a Blacksmith, a quaint Library, a Theater, and a couple vendors along the street.");
  console.pause();
  context.state.ClockHour = 6;
}

// A run kept from an earlier session is offered before the title screen; true to carry it on.
bool carryOn(Context& context, const GameState& kept) {
  Console& console = context.console;
  console.line(whoseRun(kept), " is still in Sandpoint.");
  if (menu(context, "Carry on (C) Start a new game (N)", "CN") == 'C') return true;
  console.line(kept.PlayerName, "'s run is kept until your new character reaches Sandpoint.");
  return false;
}

[[noreturn]] void playThrough(Context& context, KeptRun* keptRun) {
  if (keptRun) {
    if (const std::optional<GameState> kept = keptRun->open()) {
      context.platform.setWindowTitle("Quillmarrow");
      if (carryOn(context, *kept)) {
        context.random.reseed();
        context.state = *kept;
        context.keeper = keptRun;
        runHub(context);
      }
    }
    context.keeper = keptRun;
  }
  do {
    startUp(context);
  } while (!createCharacter(context));
  context.console.pause();
  arriveInSandpoint(context);
  runHub(context);
}

// The game until the player's death or the end of the input, with everything it said handed over.
// Once the player's death is certain, the kept run is removed before the end screen shows.
void playToTheEnd(Context& context, KeptRun* keptRun) {
  try {
    try {
      playThrough(context, keptRun);
    } catch (const PlayerDied&) {
      if (keptRun) keptRun->forget();
      showEndScreen(context);
    }
  } catch (const InputClosed&) {
    context.console.endOpenLine();
  }
  context.console.flush();
}

}  // namespace

int runGame(Console& console, RandomSource& random, Platform& platform, KeptRun* keptRun) {
  GameState state;
  Context context{state, console, random, platform};
  try {
    playToTheEnd(context, keptRun);
  } catch (const OutputFailed&) {
    return kOutputFailedStatus;
  }
  return 0;
}

int runGameKeepingTheRun(Console& console, RandomSource& random, Platform& platform,
                         RunStorage* storage, const std::function<void(std::string_view)>& notice) {
  if (!storage) return runGame(console, random, platform);
  KeptRun keptRun(*storage, notice);
  return runGame(console, random, platform, &keptRun);
}

}  // namespace qm
