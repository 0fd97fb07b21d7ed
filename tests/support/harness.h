#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/console.h"
#include "core/context.h"
#include "core/death.h"
#include "core/game_state.h"
#include "support/scripted_io.h"

namespace qm::testing {

// How a scene run by the harness ended.
enum class Ending { Returned, Died, InputEnded };

// Runs the whole game or one scene with scripted input and draws and a prepared game state, and
// captures what the player would see.
class Harness {
 public:
  // How the output shows the play: the game's text alone, or marked with each typed line where
  // the game read it and each draw where the game drew it (see transcript_marks.h).
  enum class Shows { TextAlone, AnswersAndDraws };

  explicit Harness(std::string input = {}, std::vector<int> draws = {},
                   Shows shows = Shows::TextAlone);

  GameState state;
  ScriptedRandom random;
  RecordingPlatform platform;

  Context context() { return Context{state, console_, random, platform}; }

  // Runs `scene(context)`; a death or the end of the input ends it the way the game would.
  template <typename Scene>
  Ending play(Scene&& scene) {
    Context scene_context = context();
    try {
      scene(scene_context);
    } catch (const PlayerDied&) {
      return Ending::Died;
    } catch (const InputClosed&) {
      return Ending::InputEnded;
    }
    return Ending::Returned;
  }

  // The game routine itself, start-up to the end; returns its exit status.
  int playWholeGame();

  std::string output();
  std::vector<std::string> lines();
  int writes() { return (console_.flush(), captured_.writes()); }

  // Fails the test when scripted draws were left over.
  void expectAllDrawsUsed();

 private:
  void mark(const std::string& text);

  ScriptedInput input_;
  CapturedOutput captured_;
  Console console_;
};

// Splits text into lines at its ends of line (a last line without one is kept).
std::vector<std::string> splitLines(const std::string& text);

// Succeeds when every expected line stands as a whole line of `lines`, in the given order.
::testing::AssertionResult hasLinesInOrder(const std::vector<std::string>& lines,
                                           std::span<const std::string_view> expected);
inline ::testing::AssertionResult hasLinesInOrder(
    const std::vector<std::string>& lines, std::initializer_list<std::string_view> expected) {
  return hasLinesInOrder(lines,
                         std::span<const std::string_view>(expected.begin(), expected.size()));
}

// How many times `needle` stands in `text`.
int occurrences(std::string_view text, std::string_view needle);

}  // namespace qm::testing
