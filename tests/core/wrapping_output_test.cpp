#include "core/wrapping_output.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/harness.h"

namespace qm::testing {
namespace {

struct Screen {
  explicit Screen(std::size_t width)
      : columns(width), wrapping(terminal, [this] { return columns; }) {}
  std::string show(std::initializer_list<std::string_view> writes) {
    for (const std::string_view bytes : writes)
      wrapping.write(bytes);
    return terminal.text();
  }
  std::size_t columns;
  CapturedOutput terminal;
  WrappingOutput wrapping;
};

TEST(WordWrap, BreaksOnlyLinesWiderThanTheTerminalAtTheLastBlankThatFits) {
  struct Case {
    std::string_view text;
    std::string_view shown;
  };
  const std::vector<Case> cases = {
      {"abcde fghi\n", "abcde fghi\n"},                 // as wide as the terminal
      {"abcde fghij\n", "abcde\nfghij\n"},              // one column past it
      {"ab cd ef gh ij kl\n", "ab cd ef\ngh ij kl\n"},  // the last blank that fits
      {"abcdefghij klm\n", "abcdefghij\nklm\n"},        // the blank just past the edge
      {"abcdefghijklmnopqrstuvw\n", "abcdefghij\nklmnopqrst\nuvw\n"},  // cut as the terminal would
      {"  /\\  /\\ \n |  ||  |\n", "  /\\  /\\ \n |  ||  |\n"},        // a picture that fits
      {"\033]0;Quillmarrow\a\033[22;0tabcde fghi\n",
       "\033]0;Quillmarrow\a\033[22;0tabcde fghi\n"},  // escapes take no room
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 fghi\n",
       "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 fghi\n"},  // one column per character
      {"abcde fghij klmno pqrst uvw\n", "abcde\nfghij\nklmno\npqrst uvw\n"},
      {"abcdefgh\tX\n", "abcdefgh\tX\n"},  // a tab near the edge stops at the last column
      {"\033[1@\033[2~abcde fghi\n", "\033[1@\033[2~abcde fghi\n"},  // both ends of the final byte
      {"\033[2~abcde fghij\n", "\033[2~abcde\nfghij\n"},             // the highest, no sooner
      {"------------\nab\n", "----------\nab\n"},                    // a rule too wide is shortened
      {"----------\n", "----------\n"},                              // one that fits is not
      {"===========-\n", "==========\n=-\n"},                        // nor anything but a rule
      {"ab\n------------ \n", "ab\n----------\n-- \n"},  // a blank: no rule, cut as a word
      {"            \n", "          \n \n"},             // blanks are no rule either
      {"\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\n",
       "\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\x7F\n"},  // nor what takes no room
      // A blank on one line is no place to break the next, whose word is wider than the terminal.
      {"ab cd\nefghijklmnopq\n", "ab cd\nefghijklmn\nopq\n"},
  };
  for (const Case& c : cases) {
    Screen screen(10);
    EXPECT_EQ(screen.show({c.text}), c.shown) << c.text;
  }
}

TEST(WordWrap, KeepsTheColumnAcrossWritesAndFollowsTheWidth) {
  EXPECT_EQ(Screen(10).show({"abcde ", "fghij\n"}), "abcde \nfghij\n");
  EXPECT_EQ(Screen(10).show({"abc", "de fghij\n"}), "abcde\nfghij\n");
  EXPECT_EQ(Screen(10).show({"abcdefgh", "ijk\n"}), "abcdefghij\nk\n");
  EXPECT_EQ(Screen(0).show({"abcde fghij klmno\n"}), "abcde fghij klmno\n");  // width unknown

  Screen resized(10);
  resized.show({"abcde fghij\n"});
  resized.columns = 20;
  EXPECT_EQ(resized.show({"abcde fghij\n"}), "abcde\nfghij\nabcde fghij\n");
}

TEST(WordWrap, ALineTypedAtTheTerminalStartsTheNextOneAtTheLeftEdge) {
  Screen screen(10);
  ScriptedInput keyboard("Bob\n");
  EchoedInput typed(keyboard, screen.wrapping);
  screen.wrapping.write("Name? ");
  std::array<char, 16> buffer{};
  EXPECT_EQ(typed.readSome(buffer.data(), buffer.size()), 4u);
  EXPECT_EQ(screen.show({"abcdefghij\n"}), "Name? abcdefghij\n");
}

TEST(WordWrap, TheEndOfTheTypedInputLeavesTheCursorWhereItWas) {
  Screen screen(10);
  ScriptedInput keyboard("");
  EchoedInput typed(keyboard, screen.wrapping);
  screen.wrapping.write("Name? ");
  std::array<char, 16> buffer{};
  buffer[0] = '\n';  // just before the bytes handed over: nothing was typed, so it means nothing
  EXPECT_EQ(typed.readSome(buffer.data() + 1, buffer.size() - 1), 0u);
  EXPECT_EQ(screen.show({"abcdefghij\n"}), "Name? \nabcdefghij\n");
}

}  // namespace
}  // namespace qm::testing
