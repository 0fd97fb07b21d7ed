#include "app/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// The six dice of the stats, rolled at start-up before anything is printed.
const std::vector<int> kStatDice = {3, 4, 0, 1, 5, 5};

// One creation after the title screen: a chosen Man, a male name kept, the dice, no joke, a
// Knight, and the confirmation; a line per read or pause.
std::string creationInput(std::string_view joke, std::string_view confirmation) {
  return "\n"  // the title screen's pause
         "C M\nM\nR\n"
         "\n\n\n\n"
         "Roll\n" +
         std::string(joke) +
         "\n"
         "\nK\n"
         "\n" +
         std::string(confirmation) + "\n";
}

// The draws of one creation: name indices, the male first name, home place, event, age.
const std::vector<int> kCreationDraws = {0, 0, 0, 0, 0, 0, 1, 10};

std::vector<int> concatenated(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> all;
  for (const std::vector<int>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The game routine from start-up, then its exit status, how often it seeded the random source,
// and each title it set.
void playTheWholeGame(Context& context) {
  const int status = runGame(context.console, context.random, context.platform);
  const auto& random = dynamic_cast<ScriptedRandom&>(context.random);
  const auto& platform = dynamic_cast<RecordingPlatform&>(context.platform);
  context.console.endOpenLine();
  context.console.line("== exit status ", status, ", seeded ", random.seeds(), " times");
  for (const std::string& title : platform.titles)
    context.console.line("== title: ", title);
}

// Start-up seeds, sets the title and rolls the stats before the title screen, whose first line
// has its two blanks; the end of the input at its pause ends the game quietly with status 0. An
// accepted character reaches the first status report; a refused one starts everything again,
// the seed and the title too; a death in play reaches the end screen with nothing of a refused
// character's achievements.
TEST(WholeGame, AsThePlayerSeesIt) {
  // The second character is a weak Human (strength 2 + 1): the fruit lady's cane hurts.
  const std::vector<int> weakStatDice = {0, 0, 2, 2, 2, 2};
  std::string caned =
      "\n\n\n\n\n\n"  // the pause after "Y" and the arrival's five
      "W 1\n"         // the vendors open at 7
      "V\n\n";
  for (int blow = 0; blow < 10; ++blow)
    caned += "F\n\nB\n";
  caned += "I\n\n\n\n\n";  // back to the hub, dead: the end screen's four pauses
  const std::string refused = creationInput("H H H\n", "N");
  checkTranscripts({
      {"game-the-title-screen-then-no-input", playTheWholeGame, {}},
      {"game-a-character-accepted", playTheWholeGame, {}},
      // The first stats are 9, 3 and 12 before the Human's bonus, the second 3, 6 and 4.
      {"game-a-character-refused-then-another-accepted", playTheWholeGame, {}},
      {"game-a-death-in-play-and-the-end-screen", playTheWholeGame, {}},
  });
}

std::string linesUpTo(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t line = 0; line < count; ++line)
    end = text.find('\n', end) + 1;
  return text.substr(0, end);
}

TEST(WholeGame, OutputIsHandedOverOnlyWhenTheGameMustWait) {
  const std::string input = creationInput("I", "Y") + "\n\n\n\n\n\nW\n3\nW 2\nL\n\nN\n\n";
  const std::vector<int> draws = concatenated({kStatDice, kCreationDraws});

  Harness piped(input, draws);  // all the answers are there from the start
  piped.playWholeGame();
  EXPECT_LE(piped.writes(), 3);

  // Typed at a terminal: each read hands over one line.
  CapturedOutput screen;
  ScriptedInput lines(input, ScriptedInput::kLineByLine);
  WatchedInput typed(lines, &screen);
  Console console(typed, screen);
  ScriptedRandom random(draws);
  RecordingPlatform platform;
  runGame(console, random, platform);
  EXPECT_EQ(screen.text(), piped.output());
  // At every wait the screen holds all the game says before it: the same game with the input
  // ending there shows nothing more, save the end of an open line.
  const std::size_t waits = typed.screenAtEachWait.size();
  EXPECT_EQ(waits, static_cast<std::size_t>(occurrences(input, "\n")) + 1);
  for (std::size_t wait = 0; wait < waits; ++wait) {
    const std::string& shown = typed.screenAtEachWait[wait];
    Harness stopped(linesUpTo(input, wait), draws);
    stopped.playWholeGame();
    const std::string all = stopped.output();
    EXPECT_TRUE(all == shown || all == shown + "\n") << "wait " << wait << " after: " << shown;
  }
}

}  // namespace
}  // namespace qm::testing
