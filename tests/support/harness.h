#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/console.h"
#include "game/context.h"
#include "game/death.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "game/random.h"

namespace qm::testing {

// A mistake in a test's script (a draw out of range, or more draws than scripted).
struct ScriptError : std::logic_error {
  using std::logic_error::logic_error;
};

// Input typed in advance. `chunk` limits how much one read hands over, to exercise lines that
// arrive in pieces.
class ScriptedInput final : public InputSource {
 public:
  explicit ScriptedInput(std::string text, std::size_t chunk = 1 << 16);
  std::size_t readSome(char* buffer, std::size_t size) override;

 private:
  std::string text_;
  std::size_t position_ = 0;
  std::size_t chunk_;
};

class CapturedOutput final : public OutputSink {
 public:
  void write(std::string_view bytes) override;
  const std::string& text() const { return text_; }
  int writes() const { return writes_; }

 private:
  std::string text_;
  int writes_ = 0;
};

// Draws scripted by their results: a test lists the numbers that the game's draws must give,
// in order. A scripted number that the draw cannot give, or a draw past the end of the script,
// stops the test with a message naming the draw.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<int> results);
  void reseed() override { ++seeds_; }
  int seeds() const { return seeds_; }
  std::size_t used() const { return next_; }
  std::size_t left() const { return results_.size() - next_; }

 protected:
  int next(int count, int offset) override;

 private:
  std::vector<int> results_;
  std::size_t next_ = 0;
  int seeds_ = 0;
};

class RecordingPlatform final : public Platform {
 public:
  void setWindowTitle(std::string_view title) override { titles.emplace_back(title); }
  void beep(int /*frequency*/, int /*milliseconds*/) override { ++beeps; }
  std::vector<std::string> titles;
  int beeps = 0;
};

// How a scene run by the harness ended.
enum class Ending { Returned, Died, InputEnded };

// Runs the whole game or one scene with scripted input and draws and a prepared game state, and
// captures what the player would see.
class Harness {
 public:
  explicit Harness(std::string input = {}, std::vector<int> draws = {});

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

// The pause as it stands in the output: the end of the line before, the prompt, its end of line.
inline constexpr std::string_view kPauseText = "\nPress Enter to continue . . . \n";

}  // namespace qm::testing
