#pragma once

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

// The C library's generator: what the shipped game uses. It is seeded with the current time, or,
// given a seed, with that seed at start-up and with a seed derived from it at each restart, so
// the same seed and the same answers play the same game again, restarts included.
class CLibraryRandom final : public RandomSource {
 public:
  explicit CLibraryRandom(std::optional<unsigned> seed = std::nullopt);
  void reseed() override;

 protected:
  int next(int count, int offset) override;

 private:
  std::optional<unsigned> seed_;
  unsigned starts_ = 0;
};

}  // namespace qm
