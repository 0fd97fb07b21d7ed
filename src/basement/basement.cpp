#include "basement/basement.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "art/map_words.h"
#include "basement/encounters.h"
#include "basement/room.h"
#include "basement/rooms.h"
#include "basement/scientist.h"
#include "core/death.h"
#include "core/dialogue.h"
#include "core/status_report.h"

namespace qm {

namespace {

using Visit = BasementVisit;

// The rooms in the order every step tries them, by their place (column, row). (4,4) holds two,
// the cockpit before the rats; (5,3) holds none: it shows nothing.
constexpr std::array<Room, 20> kRooms = {{
    {.column = 2, .row = 4, .block = pipeRoom},
    {.column = 4, .row = 4, .block = cockpitRoom},
    {.column = 3, .row = 1, .block = entryRoom},
    {.column = 5, .row = 1, .block = crateRoom},
    {.column = 1, .row = 3, .block = crateRoom, .doorLine = kDoorsNorthEastSouth},
    {.column = 1,
     .row = 4,
     .block = zombieRoom,
     .flag = &Visit::FirstZombieWaiting,
     .number = &Visit::FirstZombieHealth,
     .count = &Visit::FirstZombieDelay},
    {.column = 2, .row = 3, .block = bookRoom},
    {.column = 2,
     .row = 2,
     .block = zombieRoom,
     .flag = &Visit::SecondZombieWaiting,
     .number = &Visit::SecondZombieHealth,
     .count = &Visit::SecondZombieDelay,
     .doorLine = kDoorsNorthWestEastSouth},
    {.column = 3, .row = 4, .block = scientistRoom},
    {.column = 4,
     .row = 1,
     .block = peonRoom,
     .flag = &Visit::FirstPeonWaiting,
     .number = &Visit::FirstPeonHealth,
     .doorLine = "There are doors East and South"},
    {.column = 1,
     .row = 2,
     .block = treasureRoom,
     .flag = &Visit::FirstDoorLocked,
     .number = &Visit::FirstLockDifficulty},
    {.column = 5,
     .row = 4,
     .block = treasureRoom,
     .flag = &Visit::SecondDoorLocked,
     .number = &Visit::SecondLockDifficulty},
    {.column = 1,
     .row = 1,
     .block = automatonRoom,
     .flag = &Visit::FirstRobotWaiting,
     .number = &Visit::FirstRobotHealth,
     .doorLine = "There are doors North, and West",
     .laterVisit =
         "There's a pile of smoldering robot here, it looks like you've been this way already...",
     .sneakQuestion = "Try to sneak around (R) Attack it head on! (H)"},
    {.column = 3,
     .row = 3,
     .block = peonRoom,
     .flag = &Visit::SecondPeonWaiting,
     .number = &Visit::SecondPeonHealth,
     .doorLine = "You can go North South East and West"},
    {.column = 3, .row = 2, .block = bareRoom},
    {.column = 4,
     .row = 2,
     .block = automatonRoom,
     .flag = &Visit::SecondRobotWaiting,
     .number = &Visit::SecondRobotHealth,
     .doorLine = "There are doors North West South and East",
     .laterVisit = "There's a smoldering automaton lying on the floor, it looks like your work...",
     .sneakQuestion = "Try to sneak around (R) Attack 'em head on! (H)"},
    {.column = 2, .row = 1, .block = smellyRoom},
    {.column = 5, .row = 2, .block = gearFloorRoom},
    {.column = 4,
     .row = 3,
     .block = ratRoom,
     .flag = &Visit::FirstRatsWaiting,
     .number = &Visit::FirstRatCount,
     .doorLine = "There are doors North, East, and West"},
    {.column = 4,
     .row = 4,
     .block = ratRoom,
     .flag = &Visit::SecondRatsWaiting,
     .number = &Visit::SecondRatCount,
     .doorLine = "There are doors North, East, West, and South"},
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

RoomEnd runRooms(Context& context) {
  const BasementVisit& visit = context.state.Basement;
  for (const Room& room : kRooms) {
    if (room.column != visit.BasementColumn || room.row != visit.BasementRow) continue;
    if (const RoomEnd end = room.block(context, room); end != RoomEnd::GoOn) return end;
  }
  return RoomEnd::GoOn;
}

// One line a row, north at the top and the east edge at the left, the legend beside the rows.
void printMap(Console& console, const BasementVisit& visit) {
  constexpr std::array<const char*, kBasementRows> kLegend = {"", "\t\t\tLegend", "\t\t[X] Player",
                                                              "\t\t[ ] Room"};
  console.beginPicture(basementMapInWords(visit));
  for (int row = 1; row <= kBasementRows; ++row) {
    for (int column = 1; column <= kBasementColumns; ++column) {
      const bool here = column == visit.BasementColumn && row == visit.BasementRow;
      console.print(here ? "[X]" : "[ ]");
    }
    console.line(kLegend[row - 1]);
  }
  console.endPicture();
}

// Reads answers until one is a direction, then moves that way; false when the grid's edge
// blocks it. Only the edges block: the door lines are for show.
bool moveThroughADoor(Context& context) {
  BasementVisit& visit = context.state.Basement;
  Console& console = context.console;
  console.line("Where do you want to go?");
  console.line("North (N) South (S) East (E) or West (W)");
  const char letter = ask(context, "NSEW");
  const Direction& way =
      *std::find_if(kDirections.begin(), kDirections.end(),
                    [letter](const Direction& direction) { return direction.letter == letter; });
  const int column = visit.BasementColumn + way.columnStep;
  const int row = visit.BasementRow + way.rowStep;
  if (column < 1 || column > kBasementColumns || row < 1 || row > kBasementRows) {
    console.line("There's no door that way");
    return false;
  }
  visit.BasementColumn = column;
  visit.BasementRow = row;
  return true;
}

}  // namespace

// The drawing has no compass: the player's room is counted from the top and from the left.
std::string basementMapInWords(const BasementVisit& visit) {
  const int column = visit.BasementColumn;
  const int row = visit.BasementRow;
  const auto side = [](std::string_view name, int c, int r) -> art::Beside {
    if (c < 1 || c > kBasementColumns || r < 1 || r > kBasementRows) return {name, "the edge"};
    return {name, "a room", "rooms"};
  };
  return art::told({.map = "The basement's map",
                    .rows = kBasementRows,
                    .columns = kBasementColumns,
                    .square = "room",
                    .squares = "rooms",
                    .compass = "",
                    .who = "you are",
                    .row = row,
                    .column = column,
                    .sides = {
                        side("above", column, row - 1),
                        side("below", column, row + 1),
                        side("to the left", column - 1, row),
                        side("to the right", column + 1, row),
                    }});
}

const Room& roomAt(int column, int row, RoomBlock block) {
  return *std::find_if(kRooms.begin(), kRooms.end(), [=](const Room& room) {
    return room.column == column && room.row == row && room.block == block;
  });
}

void exploreBasement(Context& context) {
  GameState& state = context.state;
  Console& console = context.console;
  while (runRooms(context) != RoomEnd::Leave) {
    do {
      dieIfHealthGone(state);
      printStatusReport(console, state, kBasementReport);
      printMap(console, state.Basement);
    } while (!moveThroughADoor(context));
    printMap(console, state.Basement);
  }
}

void enterBasement(Context& context) {
  tell(context.console,
       {"You sneak around the Polished Pint, and slip into the basement...", kPause});
  context.state.Basement = BasementVisit{};  // monsters back, doors locked, chests full
  exploreBasement(context);
}

}  // namespace qm
