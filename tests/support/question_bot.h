#pragma once

#include <cstddef>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/kept_run.h"
#include "core/console.h"
#include "core/random.h"
#include "support/scripted_io.h"

namespace qm::testing {

// A random player who knows every question's letters. As the game's input it answers the
// lettered question the game waits on with one of its letters, chosen at random, and anything
// else (a pause, a number, the name) with 1, 2 or 30, also at random. After a given number of
// answers the input ends.
//
// With refusals on, each answer to a question that refuses silently is preceded, on the same
// line, by every word the question does not accept: every other letter and digit, the accepted
// letters doubled and with a full stop. Such a play must print exactly what the plain one does.
class QuestionBot final : public InputSource, public QuestionObserver {
 public:
  QuestionBot(unsigned seed, int answers, bool refusals, const CapturedOutput& screen);

  void asking(std::string_view letters, Refusal refusal) override;
  std::size_t readSome(char* buffer, std::size_t size) override;

  // Each lettered question met whose accepted letters differ from the "(X)" options printed
  // since the answer before it: the letters shown, then the letters accepted, then the options.
  const std::set<std::string>& mismatches() const { return mismatches_; }
  // Every option line met, with the letters accepted.
  const std::set<std::string>& questions() const { return questions_; }

 private:
  void checkOptions();
  std::string answerLine();

  std::mt19937 choices_;
  int answersLeft_;
  bool refusals_;
  const CapturedOutput& screen_;
  std::size_t seenUpTo_ = 0;  // how much of the screen the last answer had seen
  std::string letters_;       // the question waiting for an answer, if any
  Refusal refusal_ = Refusal::Silent;
  std::set<std::string> mismatches_;
  std::set<std::string> questions_;
};

// Draws from a seeded generator of the tests' own, so a play can be repeated exactly; every
// result is kept, to replay the rest of a game elsewhere.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(unsigned seed) : generator_(seed) {}
  void reseed() override {}
  const std::vector<int>& results() const { return results_; }

 protected:
  int next(int count, int offset) override {
    results_.push_back(static_cast<int>(generator_() % static_cast<unsigned>(count)) + offset);
    return results_.back();
  }

 private:
  std::mt19937 generator_;
  std::vector<int> results_;
};

// A whole game of the random player of `seed`, drawing from SeededRandom(seed).
struct RandomGame {
  std::string output;
  std::vector<std::string> answers;  // what each read handed over
  std::vector<int> draws;
  std::set<std::string> mismatches;  // as QuestionBot gives them
  std::set<std::string> questions;
};

struct RandomGameOptions {
  int answers = 3000;
  bool refusals = false;
  KeptRun* keptRun = nullptr;  // where the run is kept, if anywhere
  std::function<bool()> stop;  // ends the input early once it says so
};

RandomGame playRandomGame(unsigned seed, const RandomGameOptions& options = {});

// The first run the random game of `seed` keeps at the hub: a character as creation makes one.
GameState aKeptRun(unsigned seed = 1);

}  // namespace qm::testing
