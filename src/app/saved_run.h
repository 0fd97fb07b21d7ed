#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/game_state.h"

// A run as text, to keep between sessions: a first line naming the format and its version, one
// `Name=value` line per variable of the game state under the game's own names, and a last line
// with a CRC-32 of every byte before it:
//
//     Quillmarrow save 1
//     PlayerGold=40
//     ...
//     Checksum=1c291ca3
//
// Strings are escaped (a backslash as \\, any control byte as \xHH), so no value can break a
// line. Reading trusts nothing: every variable must stand exactly once, and every value must be
// one that ordinary play can produce.
namespace qm {

inline constexpr int kSaveFormatVersion = 1;
// No save of this format comes near this size; a larger file is not read.
inline constexpr std::size_t kLargestSave = 64 * 1024;

std::string writeSavedRun(const GameState& state);

// The lines of a save (each ended) with the checksum line added after them.
std::string sealSavedRun(std::string lines);

struct SavedRun {
  enum class Status {
    Whole,    // `state` holds the run
    Damaged,  // `problem` says what is wrong with it
    Newer,    // written by a newer version of the game: neither read nor to be touched
  };
  Status status = Status::Damaged;
  GameState state;
  std::string problem;
};

SavedRun readSavedRun(std::string_view text);

// One variable as a save carries it: its name, where it stands in the game state, and the values
// ordinary play can give it.
struct SavedVariable {
  enum class Rule {
    Range,       // a whole number from `lowest` to `highest`
    Stage,       // one of the values of `stages`
    Word,        // an answer word: not empty, no blank, at most a line's length
    WordOrNone,  // the same, or empty
    Character,   // made by character creation, checked with the whole character
  };
  using Member = std::variant<int GameState::*, bool GameState::*, std::string GameState::*,
                              int BasementVisit::*>;
  std::string_view name;
  Member member;
  Rule rule = Rule::Range;
  int lowest = 0;
  int highest = 0;
  std::span<const int> stages = {};
};

// Every variable a save carries, in the order it writes them.
std::span<const SavedVariable> savedVariables();

}  // namespace qm
