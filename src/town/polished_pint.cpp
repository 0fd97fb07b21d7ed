#include "town/polished_pint.h"

#include "core/counters.h"
#include "core/dialogue.h"
#include "town/inn_robbery.h"
#include "town/pint_bar.h"
#include "town/robot_bartender.h"

namespace qm {

namespace {

constexpr int kKnowsTheCircus = 5;  // intellect that recognises the troupe in the corner
constexpr int kIntimidating = 10;   // strength that makes the bartender hand over the gold
constexpr int kHoldUpTakings = 50;
constexpr int kPouchOfGold = 2;
constexpr int kPocketsPicked = 10;  // the pickpocket's roll of 0 to 19 that goes unnoticed

void describeTheInn(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  tell(console, {"Alright", kPause});
  console.print(
      "You enter the inn, and it's pretty busy, there's a troupe of performers in the corner wearing purple and green shirts and funny hats. ");
  if (state.PlayerIntellect >= kKnowsTheCircus) {
    console.print(
        "In fact, you've heard of them before, they're a world-famous circus called \"Doctor Flashypant's Deluxe Dance Demonstration and Derby\".");
  }
  console.line();
  if (state.LacertiAtBar > 0) {
    tell(
        console,
        {kPause,
         "There's also a pair of tough-looking lizard dudes at the bar wearing leather jackets that say Party Animal."});
  }
  tell(
      console,
      {kPause,
       "On the other side of the bar is an old man, with a beard down to his waist, drinking heavily",
       kPause});
}

char askAtInn(Context& context) {
  tell(context.console, {"What do you want to do?", kPause});
  return menu(
      context,
      "Let's get a drink (D) I want to get a room (R) Let's rob this joint! (S) I want to leave (L)",
      "DRSL");
}

void holdUpTheBar(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("ALRIGHT, GIMME THE MONEY AND NOBODY GET'S HURT");
  if (state.PlayerStrength < kIntimidating) {
    tell(
        console,
        {"They aren't very intimidated by you...", kPause,
         "A very hairy, and muscular lady picks you up by the ear and tosses you out of the inn!"});
  } else {
    tell(console, {"The cheery bartender hands you a huge bag of gold!",
                   "\"Service with a smile!\"", "Creepy...", kPause, "You get 50 gold!"});
    add(state.PlayerGold, kHoldUpTakings);
  }
  state.PintWelcome = 0;
}

// A lucky hand comes away with a small pouch and goes unnoticed; an unlucky one is thrown out.
void pickPockets(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("You walk through the bar, feeling the patrons for cash...");
  state.Roll = context.random.draw(20);
  if (state.Roll >= kPocketsPicked) {
    console.line("You manage to finagle a small pouch with a couple pieces of gold in it");
    add(state.PlayerGold, kPouchOfGold);
    return;
  }
  tell(console,
       {"Uh oh, you put your hand down the wrong pair of pants...", kPause,
        "What you thought was a man, turns around, and is actually a very burly, and hairy, woman!",
        kPause, "She picks you up by the ear, and throws you out of the bar!", kPause});
  state.PintWelcome = 0;
}

// Every robbery ends outside, in the street.
void robTheJoint(Context& context) {
  if (picksPockets(context)) {
    pickPockets(context);
  } else {
    holdUpTheBar(context);
  }
}

Next doAtInn(Context& context, char choice) {
  switch (choice) {
    case 'D': return haveABeer(context);
    case 'R': askForARoom(context); return Next::BackToHub;
    case 'S': robTheJoint(context); return Next::BackToHub;
    default: return Next::BackToHub;
  }
}

}  // namespace

void visitPolishedPint(Context& context) {
  if (context.state.PintWelcome <= 0) {
    context.console.line(
        "A huge hairy lady grabs you by the ear, and tosses you out in the street. ");
    return;
  }
  describeTheInn(context);
  untilBackToHub(context, [](Context& c) { return doAtInn(c, askAtInn(c)); });
}

}  // namespace qm
