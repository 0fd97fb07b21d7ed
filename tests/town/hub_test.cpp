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

void playHub(Context& context) {
  runHub(context);
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
