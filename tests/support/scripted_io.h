#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/console.h"
#include "core/platform.h"
#include "core/random.h"

// Scripted input, captured output, scripted draws and a recording platform: what the tests, the
// fuzz target and the benchmark run the game with. Free of any test framework.
namespace qm::testing {

// A mistake in a test's script (a draw out of range, or more draws than scripted).
struct ScriptError : std::logic_error {
  using std::logic_error::logic_error;
};

// Input typed in advance. `chunk` limits how much one read hands over, to exercise lines that
// arrive in pieces; kLineByLine hands over one line a read, as a terminal does.
class ScriptedInput final : public InputSource {
 public:
  static constexpr std::size_t kLineByLine = 0;

  explicit ScriptedInput(std::string text, std::size_t chunk = 1 << 16);
  std::size_t readSome(char* buffer, std::size_t size) override;

  // Told of each line, without its end, as a read starts handing it over.
  std::function<void(std::string_view line)> onLine;

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

  // Told of each draw: the result, and the lowest and highest results it could give.
  std::function<void(int result, int lowest, int highest)> onDraw;

 protected:
  int next(int count, int offset) override;

 private:
  std::vector<int> results_;
  std::size_t next_ = 0;
  int seeds_ = 0;
};

// Another input, watched: what each read handed over and, with a screen, what the screen showed
// while the game waited for it. The input ends early once `stop`, when given, says so.
class WatchedInput final : public InputSource {
 public:
  explicit WatchedInput(InputSource& input, const CapturedOutput* screen = nullptr,
                        std::function<bool()> stop = {});
  std::size_t readSome(char* buffer, std::size_t size) override;

  std::vector<std::string> reads;
  std::vector<std::string> screenAtEachWait;

 private:
  InputSource& input_;
  const CapturedOutput* screen_;
  std::function<bool()> stop_;
};

class RecordingPlatform final : public Platform {
 public:
  void setWindowTitle(std::string_view title) override { titles.emplace_back(title); }
  void beep(int /*frequency*/, int /*milliseconds*/) override { ++beeps; }
  std::vector<std::string> titles;
  int beeps = 0;
};

}  // namespace qm::testing
