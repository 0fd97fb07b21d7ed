#include "app/kept_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/game.h"
#include "app/saved_run.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/memory_storage.h"
#include "support/question_bot.h"
#include "support/scripted_io.h"

namespace qm::testing {
namespace {

struct Kept {
  MemoryStorage storage;
  std::vector<std::string> notices;
  KeptRun run{storage, [this](std::string_view notice) { notices.emplace_back(notice); }};
};

// A character as creation makes one, at the hub: Bob Dagger-Man, whose first name is the first
// of its table, the edge of the check of a kept character's name.
GameState aCharacter() {
  static const GameState kept = aKeptRun(9);
  return kept;
}

TEST(KeptRun, KeepsTheRunWhenItChangesAndForgetsItAtDeath) {
  Kept kept;
  EXPECT_EQ(kept.run.open(), std::nullopt);  // nothing kept yet
  GameState state = aCharacter();
  kept.run.atTheHub(state);
  kept.run.atTheHub(state);  // unchanged: not written again
  EXPECT_EQ(kept.storage.writes(), 1);
  state.ClockHour = 9;
  kept.run.atTheHub(state);
  EXPECT_EQ(kept.storage.writes(), 2);
  EXPECT_EQ(kept.storage.text, writeSavedRun(state));
  kept.run.forget();
  EXPECT_EQ(kept.storage.text, std::nullopt);
  EXPECT_TRUE(kept.notices.empty());
}

TEST(KeptRun, OffersAWholeRunAndDoesNotWriteItAgainUnchanged) {
  Kept kept;
  kept.storage.text = writeSavedRun(aCharacter());
  const std::optional<GameState> offered = kept.run.open();
  ASSERT_TRUE(offered.has_value());
  EXPECT_TRUE(*offered == aCharacter());
  kept.run.atTheHub(*offered);
  EXPECT_EQ(kept.storage.writes(), 0);
}

TEST(KeptRun, SetsADamagedRunAsideSaysWhyAndStartsAfresh) {
  Kept kept;
  std::string damaged = writeSavedRun(aCharacter());
  damaged[30] ^= 1;
  kept.storage.text = damaged;
  EXPECT_EQ(kept.run.open(), std::nullopt);
  EXPECT_EQ(kept.storage.setAsideRuns["the save.damaged"], damaged);
  ASSERT_EQ(kept.notices.size(), 1u);
  EXPECT_EQ(kept.notices[0],
            "the run in the save is damaged (its checksum does not match its contents): it is "
            "kept as the save.damaged, and a new game starts");
  kept.run.atTheHub(aCharacter());
  EXPECT_EQ(kept.storage.text, writeSavedRun(aCharacter()));
}

// Wherever keeping could lose or spoil a run, nothing is kept, and the game is told once why.
TEST(KeptRun, KeepsNothingWhereKeepingCouldLoseARun) {
  struct Case {
    std::string why;
    void (*prepare)(MemoryStorage&);
    std::string_view notice;
  };
  const std::vector<Case> cases = {
      {"held by another game", [](MemoryStorage& s) { s.heldElsewhere = true; },
       "the run in the save is being played in another game: this game is neither resumed nor "
       "kept"},
      {"unreadable", [](MemoryStorage& s) { s.readError = "Permission denied"; },
       "cannot read the run in the save (Permission denied): this game is not kept, so that run "
       "stays as it is"},
      {"cannot be locked", [](MemoryStorage& s) { s.claimError = "No locks available"; },
       "cannot take the run in the save for this game alone (No locks available): this game is "
       "neither resumed nor kept"},
      {"newer", [](MemoryStorage& s) { s.text = sealSavedRun("Quillmarrow save 2\nwhatever\n"); },
       "the save was written by a newer version of Quillmarrow: it is left as it is, and this "
       "game is not kept"},
      {"damaged and stuck",
       [](MemoryStorage& s) {
         s.text = "junk\n";
         s.asideError = "Read-only file system";
       },
       "the run in the save is damaged (its first line does not name a Quillmarrow save) and "
       "cannot be moved aside (Read-only file system): this game is not kept"},
  };
  for (const Case& c : cases) {
    Kept kept;
    c.prepare(kept.storage);
    const std::optional<std::string> before = kept.storage.text;
    EXPECT_EQ(kept.run.open(), std::nullopt) << c.why;
    kept.run.atTheHub(aCharacter());
    kept.run.forget();
    EXPECT_EQ(kept.storage.writes(), 0) << c.why;
    EXPECT_EQ(kept.storage.text, before) << c.why;
    EXPECT_EQ(kept.notices, std::vector<std::string>{std::string(c.notice)}) << c.why;
  }
}

// Death stays the end even where the run cannot be removed: the player is told what to do.
TEST(KeptRun, ARunThatCannotBeRemovedAtDeathIsTold) {
  Kept kept;
  kept.run.open();
  kept.run.atTheHub(aCharacter());
  kept.storage.removeError = "Permission denied";
  kept.run.forget();
  kept.run.atTheHub(aCharacter());  // no keeping after the death
  EXPECT_EQ(kept.storage.writes(), 1);
  EXPECT_EQ(kept.notices, std::vector<std::string>{
                              "cannot remove the run in the save (Permission denied): the "
                              "character's death ends it all the same; remove the save by hand, "
                              "or the next game will offer it again"});
}

TEST(KeptRun, AFailedWriteIsToldOnceAndLeavesTheRunKeptBefore) {
  Kept kept;
  kept.storage.text = writeSavedRun(aCharacter());
  kept.run.open();
  kept.storage.writeError = "No space left on device";
  GameState state = aCharacter();
  for (const int hour : {7, 8, 9}) {
    state.ClockHour = hour;
    kept.run.atTheHub(state);
  }
  EXPECT_EQ(kept.storage.text, writeSavedRun(aCharacter()));
  EXPECT_EQ(kept.notices, std::vector<std::string>{
                              "cannot keep the run in the save (No space left on device): the "
                              "game plays on, and the run kept before stays as it was"});
  kept.storage.writeError.reset();
  kept.run.atTheHub(state);
  EXPECT_EQ(kept.storage.text, writeSavedRun(state));
  // With no run kept before, the line does not speak of one.
  Kept fresh;
  fresh.run.open();
  fresh.storage.writeError = "No space left on device";
  fresh.run.atTheHub(state);
  EXPECT_EQ(fresh.notices, std::vector<std::string>{
                               "cannot keep the run in the save (No space left on device): the "
                               "game plays on, and no run is kept there"});
}

// ---- Through the game routine ---------------------------------------------------------------

// A random game of `seed`; with `keptRuns`, it stops at the hub after that many runs were kept.
RandomGame playRandomly(unsigned seed, MemoryStorage& storage, int keptRuns = 0) {
  KeptRun keptRun(storage, [](std::string_view) {});
  RandomGameOptions options;
  options.answers = 600;
  options.keptRun = &keptRun;
  options.stop = [&storage, keptRuns] { return keptRuns > 0 && storage.writes() >= keptRuns; };
  return playRandomGame(seed, options);
}

// A run kept at the hub and carried on in a new session plays on exactly as the same game
// played without a break: the same answers and draws give the same output from that hub on.
TEST(KeptRun, AResumedRunPlaysOnExactlyAsIfNeverLeft) {
  bool pastMidnight = false;  // a run kept with the clock past 24, before the hub wraps it
  for (const auto& [seed, keptRuns] : {std::pair{3u, 2}, {2u, 5}, {8u, 10}, {11u, 30}}) {
    MemoryStorage unused;
    const RandomGame whole = playRandomly(seed, unused);
    MemoryStorage storage;
    const RandomGame before = playRandomly(seed, storage, keptRuns);
    ASSERT_EQ(storage.writes(), keptRuns) << seed;
    pastMidnight = pastMidnight || readSavedRun(*storage.text).state.ClockHour > 24;
    ASSERT_EQ(whole.output.substr(0, before.output.size()), before.output) << seed;

    // The rest of the whole game's answers and draws, after "C" to carry on.
    std::string rest = "C\n";
    for (std::size_t i = before.answers.size(); i < whole.answers.size(); ++i) {
      rest += whole.answers[i];
    }
    Harness resumed(
        rest, std::vector<int>(whole.draws.begin() + std::ssize(before.draws), whole.draws.end()));
    MemoryStorage kept;
    kept.text = storage.text;
    KeptRun keptRun(kept, [](std::string_view) {});
    resumed.play([&](Context& c) { runGame(c.console, c.random, c.platform, &keptRun); });
    resumed.expectAllDrawsUsed();

    // From the report the first session stopped at: the second-last separator it printed.
    const std::size_t closing = before.output.rfind(kSeparator);
    const std::size_t report = before.output.rfind(kSeparator, closing - 1);
    const std::string after = resumed.output();
    EXPECT_NE(after.find(" is still in Sandpoint.\nCarry on (C) Start a new game (N)\n"),
              std::string::npos);
    EXPECT_EQ(after.substr(after.find(kSeparator)), whole.output.substr(report)) << seed;
  }
  EXPECT_TRUE(pastMidnight);
}

}  // namespace
}  // namespace qm::testing
