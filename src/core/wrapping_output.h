#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/console.h"

namespace qm {

// Output for a terminal: a line wider than the terminal is broken at the last blank that fits,
// so no word is cut in two; a word wider than the whole terminal is cut at the edge, as the
// terminal would cut it. A line of one character over and over (a rule) that is too wide is
// shortened to the terminal's width instead. Lines that fit (pictures included) pass untouched. The
// column is kept across writes, since a write may end in the middle of a line (a prompt).
//
// Escape sequences take no room; a tab moves to the next multiple of eight; the bytes that
// continue a UTF-8 character take no room of their own.
class WrappingOutput final : public OutputSink {
 public:
  // `columns` tells the terminal's current width; 0 means unknown, and nothing is wrapped.
  WrappingOutput(OutputSink& terminal, std::function<std::size_t()> columns);

  void write(std::string_view bytes) override;

  // The cursor stands at the start of a line (the player's Enter has moved it there).
  void cursorAtLineStart();

 private:
  enum class Escape { None, Started, ControlSequence, OperatingCommand, CommandEnding };

  // Where the current line may be broken: the blank at `position` of the text being written,
  // or, with `insert`, just before `position` (a blank ended an earlier write).
  struct BreakPoint {
    std::size_t position;
    bool insert;
    std::size_t columnAfter;
  };

  void put(char byte, std::string& out);
  std::size_t shortenRule(std::string_view bytes, std::size_t at, std::string& out);
  bool takeEscapeByte(char byte);
  std::size_t widthOf(char byte) const;
  void breakLine(std::string& out);

  OutputSink& terminal_;
  std::function<std::size_t()> columns_;
  std::size_t width_ = 0;
  std::size_t column_ = 0;
  std::optional<BreakPoint> breakPoint_;
  Escape escape_ = Escape::None;
};

// Input typed at a terminal: the terminal echoes each line as it is typed, so after the player's
// Enter the cursor stands at the start of a line, whatever the game had written before.
class EchoedInput final : public InputSource {
 public:
  EchoedInput(InputSource& typed, WrappingOutput& screen) : typed_(typed), screen_(screen) {}
  std::size_t readSome(char* buffer, std::size_t size) override;

 private:
  InputSource& typed_;
  WrappingOutput& screen_;
};

}  // namespace qm
