#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace qm {

// Every random number of the game is drawn here, so the tests can script the draws.
class RandomSource {
 public:
  virtual ~RandomSource() = default;

  // Seeds the generator anew (at start-up and after a restart).
  virtual void reseed() = 0;

  // One draw: rand() % count + offset, a whole number from offset to offset + count - 1.
  int draw(int count, int offset = 0) { return next(count, offset); }

 protected:
  virtual int next(int count, int offset) = 0;
};

// The additive-feedback generator behind the GNU C library's rand(), reproduced exactly (its
// table of 31 words, the seed spread by the Lehmer generator, 310 draws thrown away), so that a
// seed draws the same numbers on every system, in a browser too.
class GlibcRandom {
 public:
  explicit GlibcRandom(unsigned seed = 1) { reseed(seed); }
  void reseed(unsigned seed);
  // 0 to 2147483647, as rand() gives.
  int next();

 private:
  static constexpr std::size_t kWords = 31;
  static constexpr std::size_t kSeparation = 3;
  std::array<std::int32_t, kWords> table_{};
  std::size_t front_ = kSeparation;
  std::size_t rear_ = 0;
};

// What the shipped game draws from. Given a seed, GlibcRandom seeded with that seed at start-up
// and with a seed derived from it at each restart, so the same seed and the same answers play
// the same game again, restarts included, on every system. Without one, the C library's own
// generator seeded with the current time, as the game has always done.
class CLibraryRandom final : public RandomSource {
 public:
  explicit CLibraryRandom(std::optional<unsigned> seed = std::nullopt);
  void reseed() override;

 protected:
  int next(int count, int offset) override;

 private:
  std::optional<unsigned> seed_;
  unsigned starts_ = 0;
  GlibcRandom seeded_;
};

}  // namespace qm
