#include "town/nautical_map.h"

#include <array>
#include <string>
#include <string_view>

#include "art/map_words.h"
#include "core/console.h"
#include "town/places.h"

namespace qm {

namespace {

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

// What a piece shows, in words.
std::string_view kindOf(char code) {
  switch (code) {
    case 'W': return "water";
    case 'G': return "grass";
    case 'B':
    case 'D': return "the shore";
    default: return "the dock";
  }
}

constexpr char kBoat = '4';

// A row as it is drawn, a code a square: the pieces of its cells one after another, the boat's
// piece in place of its water. A cell may draw no piece or two, so a row may be shorter or
// longer than the map is wide, and the squares are counted as the drawing shows them.
std::string drawnRow(int y, int boatX, int boatY) {
  std::string squares;
  for (int x = 0; x < kNauticalMapSize; ++x) {
    const bool boatHere = x == boatX && y == boatY;
    if (boatHere) squares += kBoat;
    for (const char code : kChart[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
      if (!(boatHere && code == 'W')) squares += code;
    }
  }
  return squares;
}

}  // namespace

// The chart in words: its size and compass, the boat's square as counted on the drawing, and
// what the drawing shows on each side of it.
std::string nauticalMapInWords(int boatX, int boatY) {
  std::array<std::string, kNauticalMapSize> rows;
  for (int y = 0; y < kNauticalMapSize; ++y)
    rows[static_cast<std::size_t>(y)] = drawnRow(y, boatX, boatY);
  art::MapWords words = {.map = "The nautical map",
                         .rows = kNauticalMapSize,
                         .columns = kNauticalMapSize,
                         .square = "square",
                         .squares = "squares",
                         .compass = ", north at the top and west at the left",
                         .who = "your boat is",
                         .row = 0,
                         .column = 0,
                         .sides = {}};
  const bool onTheMap =
      boatY >= 0 && boatY < kNauticalMapSize && boatX >= 0 && boatX < kNauticalMapSize;
  if (!onTheMap) return art::told(words);
  const auto y = static_cast<std::size_t>(boatY);
  const std::size_t square = rows[y].find(kBoat);
  const auto at = [&rows](std::size_t row, std::size_t column) -> std::string_view {
    if (row >= rows.size() || column >= rows[row].size()) return "the edge";
    return kindOf(rows[row][column]);
  };
  words.row = boatY + 1;
  words.column = static_cast<int>(square) + 1;
  words.sides = {{
      {"to the north", at(y - 1, square)},
      {"to the south", at(y + 1, square)},
      {"to the west", at(y, square - 1)},
      {"to the east", at(y, square + 1)},
  }};
  return art::told(words);
}

void drawNauticalMap(Context& context) {
  const GameState& state = context.state;
  Console& console = context.console;
  console.line();
  console.beginPicture(nauticalMapInWords(state.BoatX, state.BoatY));
  console.line("~~~~~~~~~Nautical Map~~~~~~~~~                   ");
  console.line();
  for (int y = 0; y < kNauticalMapSize; ++y) {
    for (int x = 0; x < kNauticalMapSize; ++x)
      drawCell(console, kChart[y][x], x == state.BoatX && y == state.BoatY);
    context.platform.beep(kBeepFrequency, kBeepMilliseconds);
    console.line(kLegend[y]);
  }
  console.endPicture();
}

bool runsAground(int x, int y) {
  return kShore[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
}

}  // namespace qm
