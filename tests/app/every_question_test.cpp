#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "support/question_bot.h"

// Every question of the game, as far as many random plays reach, checked through what the
// console is told of each: the letters it accepts. Sixty plays meet every lettered question of
// the game at least once, from the first race question to the scientist's wand; the test checks
// that they reach the deepest ones.
namespace qm::testing {
namespace {

constexpr unsigned kGames = 60;

RandomGame playGame(unsigned seed, bool refusals) {
  RandomGameOptions options;
  options.refusals = refusals;
  return playRandomGame(seed, options);
}

TEST(EveryQuestion, RefusesWhatItDoesNotOfferWithoutAWordAndWithoutAChange) {
  std::set<std::string> met;
  for (unsigned seed = 1; seed <= kGames; ++seed) {
    const RandomGame plain = playGame(seed, false);
    const RandomGame refused = playGame(seed, true);
    // The same play with refused words before every answer: any word said, or any change that
    // shows later (a status report, a branch), makes the two differ.
    const auto at = static_cast<std::size_t>(
        std::ranges::mismatch(plain.output, refused.output).in1 - plain.output.begin());
    ASSERT_TRUE(plain.output == refused.output)
        << "game " << seed << ", after \"" << plain.output.substr(at < 200 ? 0 : at - 200, 200)
        << "\" it says \"" << plain.output.substr(at, 100) << "\" plainly and \""
        << refused.output.substr(at, 100) << "\" with refusals";
    met.insert(plain.questions.begin(), plain.questions.end());
  }
  // The plays must reach the deepest questions, or the check above proves little.
  for (const std::string_view deep :
       {"Break it down (B) Try to pick the lock (L) Move on (M)  | BLM",
        "Equip it (E) Don't (D) | ED",
        "North (N) South (S) East (E) West (W) Fish (F) Dock (D) | NSEWFD",
        "Try to sneak around (R) Attack him head on! (H) | RH"}) {
    EXPECT_TRUE(met.contains(std::string(deep))) << "no play met " << deep;
  }
}

// The questions whose accepted letters are not shown as "(X)" before them, and why.
struct Unshown {
  std::string_view shown;
  std::string_view accepted;
  std::string_view lineHolds;  // a piece of the question's option line, or of its last line
};
constexpr Unshown kUnshown[] = {
    {"", "CR", "C for Choose, and R for random"},             // the letters begin the words
    {"", "FMR", "Male <M> Female <F> Uhhh, you decide <R>"},  // the letters stand in <>
    {"", "R", "\\/_o__/"},  // the dice: "Type \"Roll\" to continue" stands in the picture
    {"", "HKTWY", "Hunters are well rounded"},  // the class question again after the classes
    {"EILMR", "EILMPR", "Man (M), Lacerti (L), Ilmungae (I)"},  // the Pear is never shown
    {"12", "12A", "(2) "},  // a fight takes "A" with no apples left, and does nothing
};

TEST(EveryQuestion, AcceptsTheLettersItShowsAndNoOthers) {
  for (unsigned seed = 1; seed <= kGames; ++seed) {
    for (const std::string& mismatch : playGame(seed, false).mismatches) {
      const bool known = std::ranges::any_of(kUnshown, [&](const Unshown& u) {
        return mismatch.starts_with(std::string(u.shown) + " | " + std::string(u.accepted) +
                                    " | ") &&
               mismatch.find(u.lineHolds) != std::string::npos;
      });
      EXPECT_TRUE(known) << "shown | accepted | line: " << mismatch;
    }
  }
}

}  // namespace
}  // namespace qm::testing
