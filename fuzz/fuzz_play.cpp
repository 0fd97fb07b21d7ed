#include "fuzz_play.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string>
#include <string_view>

#include "app/game.h"
#include "core/console.h"
#include "core/random.h"
#include "support/scripted_io.h"

namespace qm::fuzz {

namespace {

// The most a game may print: a start-up with its end screen, and for every input byte a
// screenful more (a word of two bytes can call up the basement map and a room).
constexpr std::size_t kBaseOutput = 1 << 20;
constexpr std::size_t kOutputPerInputByte = 4096;

[[noreturn]] void fault(std::string_view what) {
  std::fprintf(stderr, "quillmarrow fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

class ByteDraws final : public RandomSource {
 public:
  explicit ByteDraws(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  void reseed() override {}

 protected:
  int next(int count, int offset) override {
    if (count < 1) fault("a draw with an empty range");
    if (bytes_.empty()) return offset;
    const int byte = bytes_[next_++ % bytes_.size()];
    return byte % count + offset;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

class BoundedOutput final : public OutputSink {
 public:
  explicit BoundedOutput(std::size_t limit) : limit_(limit) {}
  void write(std::string_view bytes) override {
    text_.append(bytes);
    if (text_.size() > limit_) fault("the output grows far beyond the input");
  }
  const std::string& text() const { return text_; }

 private:
  std::size_t limit_;
  std::string text_;
};

}  // namespace

std::string playFuzzInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  const std::size_t drawCount = input.empty() ? 0 : std::min<std::size_t>(input[0], size - 1);
  const std::span<const std::uint8_t> draws = input.subspan(input.empty() ? 0 : 1, drawCount);
  const std::span<const std::uint8_t> typed = input.subspan(input.empty() ? 0 : 1 + drawCount);

  testing::ScriptedInput keyboard(std::string(typed.begin(), typed.end()));
  BoundedOutput screen(kBaseOutput + kOutputPerInputByte * size);
  ByteDraws random(draws);
  testing::RecordingPlatform platform;
  int status = 0;
  {
    Console console(keyboard, screen);
    try {
      status = runGame(console, random, platform);
    } catch (const std::exception& error) {
      fault(std::string("an exception escaped the game: ") + error.what());
    } catch (...) {
      fault("an exception escaped the game");
    }
  }
  if (status != 0) fault("the game ended with a failure status");
  if (!screen.text().ends_with('\n')) fault("the output does not end its last line");
  return screen.text();
}

}  // namespace qm::fuzz
