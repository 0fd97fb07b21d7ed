#pragma once

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

// The C library's generator, seeded with the current time: what the shipped game uses.
class CLibraryRandom final : public RandomSource {
 public:
  void reseed() override;

 protected:
  int next(int count, int offset) override;
};

}  // namespace qm
