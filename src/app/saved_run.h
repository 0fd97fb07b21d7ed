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
//
// The frame never changes from one version to the next: the first line `Quillmarrow save N`,
// every line ended, and the last line `Checksum=` with the CRC-32 of every byte before it. A
// file that fails the frame or its checksum is damaged, whatever version its first line names;
// only a whole file of a newer version is left alone, untouched, for that version to read.
namespace qm {

// The version this game writes. A change to what a save holds (a variable added, removed or
// renamed) or to the values a save may hold (a bound or a stage of the game changed) raises it,
// and adds to readSavedRun a step that reads a save of the version before into the new one,
// so that a run kept by any earlier version is read on, never set aside as damaged. A save
// kept by 1.0.0 is among the tests. Version 1 is the first, so no step stands yet, nor a test
// of one: a step written for a made-up older format would test nothing but itself, and the
// first real change brings the first step and its test.
inline constexpr int kSaveFormatVersion = 1;

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

// Who a kept run is, as the game names them when it offers the run: "Bob Dragon-Binder the Human
// Knight".
std::string whoseRun(const GameState& state);

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
