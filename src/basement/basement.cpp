#include "basement/basement.h"

#include <algorithm>
#include <array>

#include "basement/encounters.h"
#include "basement/room.h"
#include "basement/rooms.h"
#include "basement/scientist.h"
#include "game/death.h"
#include "game/dialogue.h"
#include "town/places.h"
#include "town/status_report.h"

namespace qm {

namespace {

// The grid: column 1 is the east edge and row 1 the north edge.
constexpr int kColumns = 5;
constexpr int kRows = 4;
constexpr int kEntryColumn = 3;
constexpr int kEntryRow = 1;

struct RoomAt {
  int column;
  int row;
  RoomBlock block;
};

// The room blocks in the order every step tries them; (4,4) holds two, the cockpit before the
// rats. (5,3) holds none: it shows nothing.
constexpr std::array<RoomAt, 20> kRoomBlocks = {{
    {2, 4, pipeRoom},        {4, 4, cockpitRoom},       {3, 1, entryRoom},
    {5, 1, firstCrateRoom},  {1, 3, secondCrateRoom},   {1, 4, firstZombieRoom},
    {2, 3, bookRoom},        {2, 2, secondZombieRoom},  {3, 4, scientistRoom},
    {4, 1, firstPeonRoom},   {1, 2, firstTreasureRoom}, {5, 4, secondTreasureRoom},
    {1, 1, firstRobotRoom},  {3, 3, secondPeonRoom},    {3, 2, bareRoom},
    {4, 2, secondRobotRoom}, {2, 1, smellyRoom},        {5, 2, gearFloorRoom},
    {4, 3, firstRatRoom},    {4, 4, secondRatRoom},
}};

// The basement's own status report: no time passes down here, and the book is not mentioned.
constexpr ReportStyle kBasementReport = {
    .showsBook = false,
    .showsTimeOfDay = false,
    .nearlyDead = "Holy cow man take a hint you need some help",
};

struct Direction {
  char letter;
  int columnStep;
  int rowStep;
};

constexpr std::array<Direction, 4> kDirections = {{
    {'N', 0, -1},
    {'S', 0, 1},
    {'E', -1, 0},
    {'W', 1, 0},
}};

// Every entry starts a fresh basement: monsters back, doors locked, chests full.
void resetBasement(GameState& state) {
  for (int* flag : {&state.EntryFirstVisit, &state.FirstRobotWaiting, &state.FirstPeonWaiting,
                    &state.FirstDoorLocked, &state.SecondZombieWaiting, &state.SecondRobotWaiting,
                    &state.SecondPeonWaiting, &state.FirstRatsWaiting, &state.FirstZombieWaiting,
                    &state.ScientistWaiting, &state.SecondRatsWaiting, &state.SecondDoorLocked}) {
    *flag = 1;
  }
  state.BasementColumn = kEntryColumn;
  state.BasementRow = kEntryRow;
}

RoomEnd runRoomBlocks(Context& context) {
  const GameState& state = context.state;
  for (const RoomAt& room : kRoomBlocks) {
    if (room.column != state.BasementColumn || room.row != state.BasementRow) continue;
    if (const RoomEnd end = room.block(context); end != RoomEnd::GoOn) return end;
  }
  return RoomEnd::GoOn;
}

// One line a row, north at the top and the east edge at the left, the legend beside the rows.
void printMap(Console& console, const GameState& state) {
  constexpr std::array<const char*, kRows> kLegend = {"", "\t\t\tLegend", "\t\t[X] Player",
                                                      "\t\t[ ] Room"};
  for (int row = 1; row <= kRows; ++row) {
    for (int column = 1; column <= kColumns; ++column) {
      const bool here = column == state.BasementColumn && row == state.BasementRow;
      console.print(here ? "[X]" : "[ ]");
    }
    console.line(kLegend[row - 1]);
  }
}

// Reads answers until one is a direction, then moves that way; false when the grid's edge
// blocks it. Only the edges block: the door lines are for show.
bool moveThroughADoor(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  console.line("Where do you want to go?");
  console.line("North (N) South (S) East (E) or West (W)");
  const char letter = ask(context, "NSEW");
  const Direction& way = *std::ranges::find(kDirections, letter, &Direction::letter);
  const int column = state.BasementColumn + way.columnStep;
  const int row = state.BasementRow + way.rowStep;
  if (column < 1 || column > kColumns || row < 1 || row > kRows) {
    console.line("There's no door that way");
    return false;
  }
  state.BasementColumn = column;
  state.BasementRow = row;
  return true;
}

}  // namespace

void exploreBasement(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  while (runRoomBlocks(context) != RoomEnd::Leave) {
    do {
      dieIfHealthGone(state);
      printStatusReport(console, state, kBasementReport);
      printMap(console, state);
    } while (!moveThroughADoor(context));
    printMap(console, state);
  }
}

void enterBasement(Context& context) {
  tell(context.console,
       {"You sneak around the Polished Pint, and slip into the basement...", kPause});
  resetBasement(context.state);
  exploreBasement(context);
}

}  // namespace qm
