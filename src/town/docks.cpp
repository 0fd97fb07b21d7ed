#include <array>
#include <string_view>

#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/nautical_map.h"
#include "town/places.h"
#include "town/sea_monster.h"

namespace qm {

namespace {

constexpr int kDockX = 7;
constexpr int kDockY = 2;
constexpr int kMonsterX = 3;
constexpr int kMonsterY = 5;
constexpr int kHoursPerVoyage = 5;

constexpr std::array<const char*, 3> kBites = {
    "You've got a big yank on your line!",
    "You feel a small tug...",
    "The end of the fishing pole gently bobs...",
};

// The catches by fishing zone: the farther in, the bigger the fish.
using Catches = std::array<const char*, 3>;
constexpr std::array<Catches, 3> kCatchesByZone = {{
    {"You fished up a load of sea weed",
     "You fished up a dirty shoe, the sailor pours the water out of it, and tosses it into the bucket",
     "You didn't catch anything...  Maybe you should move farther in..."},
    {"You caught a small sunfish! The sailor tosses it out of the boat \"Not big 'nuff\"",
     "You caught a big grouper, the sailor pulls the hook out, and tosses it into a bucket \"Aye, that'll makee a good dinner\" ",
     "You didn't catch anything...  Maybe you should move farther in..."},
    {"You fish up a small shark! \"Whoah! These waters be trech-arr-ous!\" He throws it back into the water",
     "You fish up a big tarpon! The sailor carefully pulls the hook out, and drags it to the bucket...",
     "You didn't catch anything...  But the sailor says \"Aye I can smell it's chocolate breath\""},
}};
constexpr int kNothingCaught = 3;

// How a command leaves the voyage.
enum class Voyage { Sailing, BackToTheBay, Docked, MonsterRises };

bool atTheDock(const GameState& state) {
  return state.BoatX == kDockX && state.BoatY == kDockY;
}

bool onTheMap(const GameState& state) {
  return state.BoatX >= 0 && state.BoatX < kNauticalMapSize && state.BoatY >= 0 &&
         state.BoatY < kNauticalMapSize;
}

void drawMap(Context& context) {
  drawNauticalMap(context);
  Console& console = context.console;
  console.line();
  console.print("North (N) South (S) East (E) West (W) Fish (F)");
  if (atTheDock(context.state)) console.print(" Dock (D)");
  console.line();
}

char askCommand(Context& context) {
  GameState& state = context.state;
  return askLetter(context.console, state.Choice, atTheDock(state) ? "NSEWFD" : "NSEWF");
}

void steer(GameState& state, char direction) {
  switch (direction) {
    case 'N': subtract(state.BoatY, 1); break;
    case 'S': add(state.BoatY, 1); break;
    case 'W': subtract(state.BoatX, 1); break;
    default: add(state.BoatX, 1); break;
  }
}

// The waters grow richer west of column 5 and south of row 4; zone 2 is both.
int fishingZone(const GameState& state) {
  int zone = 0;
  if (state.BoatX < 5) zone += 1;
  if (state.BoatY > 4) zone += 1;
  return zone;
}

void reelIn(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  state.FishingZone = fishingZone(state);
  state.Roll = context.random.draw(3, 1);
  console.line(kCatchesByZone[state.FishingZone][state.Roll - 1]);
  if (state.FishingZone == kDeepestZone && state.Roll == kNothingCaught) {
    console.line("Huh (H) Ignore it (I)");
    if (askLetter(console, state.Choice, "HI") == 'H') console.line("\"Oh ah, nuthin\"");
  }
}

// A cast at the monster's hiding place wakes it at once; anywhere else the fifth cast does.
Voyage cast(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  if (state.BoatX == kMonsterX && state.BoatY == kMonsterY) return Voyage::MonsterRises;
  state.Roll = context.random.draw(3, 1);
  console.line(kBites[state.Roll - 1]);
  console.pause();
  reelIn(context);
  add(state.FishCount, 1);
  if (state.FishCount == 2) console.line("\"Aye lad, you're not fishin' in the right spot!\"");
  if (state.FishCount == 3) console.line("\"Try closer to the land...\"");
  if (state.FishCount >= kCastsThatWakeTheMonster) return Voyage::MonsterRises;
  console.pause();
  return Voyage::Sailing;
}

// Off the map or on the shore, the sailor takes the boat back to the dock.
Voyage checkPosition(Context& context) {
  const GameState& state = context.state;
  if (!onTheMap(state)) {
    tell(context.console, {"You went into uncharted waters!", kPause,
                           "The sailor turns the ship around, and sails it back to the bay."});
    return Voyage::BackToTheBay;
  }
  if (runsAground(state.BoatX, state.BoatY)) {
    tell(context.console,
         {"You crashed.", kPause,
          "The sailor pushes the ship back into the water, and sails it back to the bay."});
    return Voyage::BackToTheBay;
  }
  return Voyage::Sailing;
}

Voyage follow(Context& context, char command) {
  if (command == 'D') {
    context.console.line("You dock.");
    context.console.barePause();
    return Voyage::Docked;
  }
  if (command == 'F') {
    if (cast(context) == Voyage::MonsterRises) return Voyage::MonsterRises;
  } else {
    steer(context.state, command);
  }
  return checkPosition(context);
}

// Each voyage from the dock takes its hours, also when it ends on the rocks a moment later.
void setSail(Context& context) {
  GameState& state = context.state;
  tell(context.console,
       {kPause, "\"Here, use this nautical map to navigate us to his hidin' place!\""});
  addHours(state, kHoursPerVoyage);
  state.FishCount = 0;
  state.BoatX = kDockX;
  state.BoatY = kDockY;
}

Voyage sailUntilTheVoyageEnds(Context& context) {
  Voyage voyage = Voyage::Sailing;
  while (voyage == Voyage::Sailing) {
    drawMap(context);
    voyage = follow(context, askCommand(context));
  }
  return voyage;
}

}  // namespace

void sailWithOldMan(Context& context) {
  tell(
      context.console,
      {"You walk down to the docks, and quickly spot the dingy dinghy he described", kPause,
       "It's tied to the dock with a worn rope, and it looks like it could float away any minute now...",
       kPause, "\"Ahoy!\" calls the sailor \"Come on aboar'\""});
  Voyage voyage = Voyage::BackToTheBay;
  while (voyage == Voyage::BackToTheBay) {
    setSail(context);
    voyage = sailUntilTheVoyageEnds(context);
  }
  if (voyage == Voyage::MonsterRises) raiseTheSeaMonster(context);
}

}  // namespace qm
