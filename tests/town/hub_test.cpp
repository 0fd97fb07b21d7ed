#include "town/hub.h"

#include <gtest/gtest.h>

#include "core/quest_stages.h"
#include "core/run_keeper.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

constexpr std::string_view kMenu =
    "Let's get a room at an inn (I) I want to check out the Blacksmith (B) Can I go to the vendors (V) Let's check out the theatre (T) What about that library (L) Lets wait around a bit. (W)";

void playHub(Context& context) {
  runHub(context);
}

// The menu and the letter it accepted.
void chooseAndShow(Context& context) {
  const char letter = chooseFromHub(context);
  context.console.line("chosen: ", std::string(1, letter));
}

// The hub's decisions, read from hub.cpp: every comparison of a quest stage with a constant (the
// three places the menu offers, and accepts, only at their stages, in their order), each played
// on both sides; and the letters of the places whose doors say it at once. The health's
// comparison with 0 has the death check's test; the status report's and the clock's decisions
// have tables of their own.
TEST(HubMenu, DecisionsAtTheirEdges) {
  const std::string hatch = std::string(kMenu) + " I want to check out that mysterious hatch (H)";
  const std::string circus = std::string(kMenu) + " Let's go to the circus camp (C)";
  const std::string oldMan = std::string(kMenu) + " Let's see that crazy old man! (M)";
  const std::string all3 =
      std::string(kMenu) +
      " I want to check out that mysterious hatch (H) Let's go to the circus camp (C) Let's see that crazy old man! (M)";
  const Prepare found = set(&GameState::HatchStage, kHatchFound);
  const Prepare job = set(&GameState::CircusStage, kCircusJobTaken);
  const Prepare waiting = set(&GameState::OldManStage, kOldManWaiting);
  const std::string hidden = "H h C M m x ll L\n";
  checkEdges(chooseAndShow, {},
             {
                 {"hatch found: the hatch", found, "", {}, hatch, true},
                 {"hatch hidden: no hatch", {}, "", {}, hatch, false},
                 {"circus job taken: the camp", job, "", {}, circus, true},
                 {"no circus job: no camp", {}, "", {}, circus, false},
                 {"old man waiting: the old man", waiting, "", {}, oldMan, true},
                 {"old man not met: no old man", {}, "", {}, oldMan, false},
                 {"old man done: no old man",
                  set(&GameState::OldManStage, kOldManDone),
                  "",
                  {},
                  oldMan,
                  false},
                 {"all three, in order", all({found, job, waiting}), "", {}, all3, true},
                 {"hatch found: H taken", found, "h\n", {}, "chosen: H", true},
                 {"circus job taken: C taken", job, "c\n", {}, "chosen: C", true},
                 {"old man waiting: M taken", waiting, "m\n", {}, "chosen: M", true},
                 {"none offered: H, C and M passed over", {}, hidden, {}, "chosen: L", true},
                 {"the hatch blown up: H passed over",
                  set(&GameState::HatchStage, kHatchBlownUp),
                  hidden,
                  {},
                  "chosen: L",
                  true},
             });
  const auto hour = [](int h) { return set(&GameState::ClockHour, h); };
  checkEdges(
      playHub, {},
      {
          {"L: the library",
           hour(5),
           "L\n",
           {},
           "The library is closed, please come back later",
           true},
          {"V: the vendors", {}, "V\n", {}, "The vendors are not open yet, come back later.", true},
      });
}

// The first pass after arrival; a clock of 60 brought back one pass at a time (36: dark, then
// 12: midday), with a fresh report after each visit; and the whole Collective quest line, each
// place handing the quest on to the next at its stage.
TEST(Hub, TheReportsAndTheMenuAsThePlayerSeesThem) {
  const Prepare dagger = [](GameState& s) { s.Weapon = "Deadly Dagger"; };
  const Prepare knight = all({makeKnight, [](GameState& s) {
                                s.Weapon = "Shiny Sword";
                                s.PlayerRace = "Human";
                                s.PlayerStrength = 7;
                                s.PlayerBrawn = 8;
                                s.Pronoun = "his";
                              }});
  const std::string quest = std::string("I\n\nS\n\n\n\n") +    // to the Soggy Shrimp
                            "D\n\nM\n\n\n\n\n\n\nS\n\n" +      // the sailor's tale, agreed
                            "D\nS\n\n\n\n\n\nC\n\n\n\n\n\n" +  // an ale and the lost darts
                            "F\n\n\n\nD\n\n" +                 // the stranger in the alley
                            "\n\n\n\nH\n\nY\n\nH\n\n\n\n\n" +  // the meeting and the book
                            "L\n\nR\n\n\n1\n1\n1\n\n\n" +      // the library and its book fight
                            "I\n\nS\n\n\n\nH\n\n\n\n1\n1\n\n\nE\n";  // back below: Owen
  checkTranscripts({
      {"hub-the-first-report-after-arrival", playHub, dagger},
      {"hub-a-long-wait-brought-back-one-pass-at-a-time", playHub,
       all({dagger, set(&GameState::ClockHour, 60)})},
      {"hub-the-collective-quest-from-the-first-drink-to-owens-defeat", playHub, knight},
  });
}

struct CountingKeeper final : RunKeeper {
  void atTheHub(const GameState& /*state*/) override { ++kept; }
  int kept = 0;
};

// No health left: death at the report, before the menu, and no run kept for a dead player. One
// hit point left is alive, and kept.
TEST(Hub, DeathCheckEndsTheGameBeforeTheMenuAndKeepsNoRun) {
  for (const int health : {1, 0, -4}) {
    Harness h("I\n");
    h.state.PlayerHealth = health;
    CountingKeeper keeper;
    const Ending end = h.play([&keeper](Context& c) {
      c.keeper = &keeper;
      runHub(c);
    });
    EXPECT_EQ(keeper.kept, health > 0 ? 1 : 0) << health;
    if (health > 0) continue;
    EXPECT_EQ(end, Ending::Died) << health;
    EXPECT_EQ(h.output().find("Let's get a room"), std::string::npos);
    EXPECT_EQ(occurrences(h.output(), kSeparator), 2);
  }
}

}  // namespace
}  // namespace qm::testing
