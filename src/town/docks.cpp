#include <array>
#include <string_view>

#include "core/clock.h"
#include "core/counters.h"
#include "core/dialogue.h"
#include "town/places.h"
#include "town/sea_monster.h"

namespace qm {

namespace {

constexpr int kDockX = 7;
constexpr int kDockY = 2;
constexpr int kMonsterX = 3;
constexpr int kMonsterY = 5;
constexpr int kHoursPerVoyage = 5;
// The short, silent beep after each map row (left out where the platform has no console beep).
constexpr int kBeepFrequency = 0;
constexpr int kBeepMilliseconds = 10;

// The cells of the nautical map by row, each the pieces it is drawn with: W water, G grass,
// B a shore corner, D a shore edge, U a pier edge. In row 1 one cell draws nothing and the next
// draws two pieces, so that row's shore corner stands one place west of the shore it marks.
using ChartRow = std::array<std::string_view, kNauticalMapSize>;
constexpr std::array<ChartRow, kNauticalMapSize> kChart = {{
    {"W", "W", "W", "B", "G", "G", "G", "G", "G", "G"},
    {"W", "W", "W", "", "W", "BU", "U", "U", "U", "U"},
    {"W", "W", "W", "W", "W", "W", "W", "W", "W", "W"},
    {"W", "W", "W", "W", "W", "W", "W", "W", "W", "W"},
    {"W", "W", "W", "W", "W", "W", "W", "W", "W", "W"},
    {"B", "D", "W", "W", "W", "W", "W", "W", "W", "W"},
    {"G", "G", "B", "D", "D", "W", "W", "W", "W", "W"},
    {"G", "G", "G", "G", "G", "B", "D", "D", "D", "D"},
    {"G", "G", "G", "G", "G", "G", "G", "G", "G", "G"},
    {"G", "G", "G", "G", "G", "G", "G", "G", "G", "G"},
}};

// Where the boat runs aground ('#'). Everything else on the map can be sailed, the grass too;
// the shore closes the grass off, so only the corner (3, 0) of it can be reached.
// clang-format off
constexpr std::array<std::string_view, kNauticalMapSize> kShore = {
    "....#.....",
    "...#.#####",
    "..........",
    "..........",
    "..........",
    "##........",
    "..###.....",
    ".....#####",
    "..........",
    "..........",
};

// The legend and compass beside the map, a piece per row (row 4 has none).
constexpr std::array<std::string_view, kNauticalMapSize> kLegend = {
    "      Legend",
    " <4> is your boat",
    " [&] is grass",
    " [ ] is water",
    "",
    "             N",
    "             |",
    "          W--%--E",
    "             |",
    "             S",
};
// clang-format on

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

std::string_view piece(char code) {
  switch (code) {
    case 'W': return "[ ]";
    case 'G': return "[&]";
    case 'B': return "[\\]";
    case 'D': return "[-]";
    default: return "[_]";
  }
}

// The boat's piece takes the place of the water; any other piece of its cell still follows.
void drawCell(Console& console, std::string_view pieces, bool boatHere) {
  if (boatHere) console.print("<4>");
  for (const char code : pieces) {
    if (!(boatHere && code == 'W')) console.print(piece(code));
  }
}

void drawMap(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  console.line();
  console.line("~~~~~~~~~Nautical Map~~~~~~~~~                   ");
  console.line();
  for (int y = 0; y < kNauticalMapSize; ++y) {
    for (int x = 0; x < kNauticalMapSize; ++x)
      drawCell(console, kChart[y][x], x == state.BoatX && y == state.BoatY);
    context.platform.beep(kBeepFrequency, kBeepMilliseconds);
    console.line(kLegend[y]);
  }
  console.line();
  console.print("North (N) South (S) East (E) West (W) Fish (F)");
  if (atTheDock(state)) console.print(" Dock (D)");
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
  if (kShore[state.BoatY][state.BoatX] == '#') {
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
