#include "town/hub.h"

#include <gtest/gtest.h>

#include "core/run_keeper.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

constexpr std::string_view kMenu =
    "Let's get a room at an inn (I) I want to check out the Blacksmith (B) Can I go to the vendors (V) Let's check out the theatre (T) What about that library (L) Lets wait around a bit. (W)";

Ending playHub(Harness& h) {
  return h.play([](Context& c) { runHub(c); });
}

GameState startingState() {
  GameState state;
  state.Weapon = "Deadly Dagger";
  return state;
}

TEST(StatusReport, TheFirstReportAfterArrival) {
  Harness h;
  h.state = startingState();
  EXPECT_EQ(playHub(h), Ending::InputEnded);
  EXPECT_EQ(h.output(), std::string(kSeparator) +
                            "\nYou have 40 gold\nYou are weilding a Deadly Dagger\n" +
                            "You are perfectly healthy\nIt's dawn\n" + std::string(kSeparator) +
                            "\n" + std::string(kMenu) + "\n");
}

TEST(Hub, ALongWaitIsBroughtBackOnePassAtATime) {
  // 60 o'clock: 36 at the first pass (dark), 12 at the next (midday).
  Harness h("W 0 W 0\n");
  h.state = startingState();
  h.state.ClockHour = 60;
  playHub(h);
  const std::string out = h.output();
  const std::size_t second = out.find(kSeparator, out.find(kMenu));
  EXPECT_NE(out.substr(0, second).find("It's pretty dark"), std::string::npos);
  EXPECT_NE(out.substr(second).find("It's midday"), std::string::npos);
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
    h.state = startingState();
    h.state.PlayerHealth = health;
    CountingKeeper keeper;
    const Ending end = h.play([&keeper](Context& c) {
      c.keeper = &keeper;
      runHub(c);
    });
    EXPECT_EQ(keeper.kept, health > 0 ? 1 : 0) << health;
    if (health > 0) continue;
    EXPECT_EQ(end, Ending::Died) << health;
    const std::string out = h.output();
    EXPECT_EQ(out.find("Let's get a room"), std::string::npos);
    EXPECT_EQ(out.find("You are perfectly healthy"), std::string::npos);
    EXPECT_EQ(occurrences(out, kSeparator), 2);
  }
}

// The hub's decisions, every comparison in hub.cpp of a quest stage with a constant, read from the
// code: the three places the menu offers only at their stages. The status report's and the
// clock's decisions have tables of their own.
TEST(HubMenu, DecisionsAtTheirEdges) {
  const std::string hatch = std::string(kMenu) + " I want to check out that mysterious hatch (H)";
  const std::string circus = std::string(kMenu) + " Let's go to the circus camp (C)";
  const std::string oldMan = std::string(kMenu) + " Let's see that crazy old man! (M)";
  const auto chooseOnly = [](Context& c) { chooseFromHub(c); };
  checkEdges(
      chooseOnly, {},
      {
          {"hatch stage 0: the hatch", set(&GameState::HatchStage, 0), "", {}, hatch, true},
          {"hatch stage 1: no hatch", set(&GameState::HatchStage, 1), "", {}, hatch, false},
          {"circus stage 1: the camp", set(&GameState::CircusStage, 1), "", {}, circus, true},
          {"circus stage 2: no camp", set(&GameState::CircusStage, 2), "", {}, circus, false},
          {"old man stage 1: the old man", set(&GameState::OldManStage, 1), "", {}, oldMan, true},
          {"old man stage 0: no old man", set(&GameState::OldManStage, 0), "", {}, oldMan, false},
      });
}

TEST(HubMenu, OffersTheQuestPlacesInOrderOnlyWhileTheirStagesAllow) {
  Harness h;
  h.state.HatchStage = 0;
  h.state.CircusStage = 1;
  h.state.OldManStage = 1;
  h.play(chooseFromHub);
  EXPECT_EQ(
      h.output(),
      std::string(kMenu) +
          " I want to check out that mysterious hatch (H) Let's go to the circus camp (C) Let's see that crazy old man! (M)\n");
}

TEST(HubMenu, HiddenLettersAreIgnoredLikeAnyUnmatchedAnswer) {
  Harness h("H h C M m x ll L\n");
  h.state.HatchStage = 69;
  char letter = 0;
  h.play([&](Context& c) { letter = chooseFromHub(c); });
  EXPECT_EQ(letter, 'L');
  EXPECT_EQ(h.output(), std::string(kMenu) + "\n");
}

TEST(HubMenu, QuestLettersAreAcceptedWhileOffered) {
  for (const auto& [letter, set] : std::vector<std::pair<char, void (*)(GameState&)>>{
           {'H', [](GameState& s) { s.HatchStage = 0; }},
           {'C', [](GameState& s) { s.CircusStage = 1; }},
           {'M', [](GameState& s) { s.OldManStage = 1; }}}) {
    Harness h(std::string(1, static_cast<char>(letter + 32)) + "\n");
    set(h.state);
    char chosen = 0;
    h.play([&](Context& c) { chosen = chooseFromHub(c); });
    EXPECT_EQ(chosen, letter);
  }
}

TEST(HubDispatch, TheLibraryIsOpenFromSixToNineteen) {
  for (const auto& [hour, closed] :
       std::vector<std::pair<int, bool>>{{5, true}, {6, false}, {19, false}, {20, true}}) {
    Harness h("L\n");
    h.state = startingState();
    h.state.ClockHour = hour;
    playHub(h);
    EXPECT_EQ(occurrences(h.output(), "The library is closed, please come back later\n"),
              closed ? 1 : 0)
        << hour;
  }
}

TEST(HubDispatch, TheVendorsAreOpenFromSevenToNineteen) {
  for (const auto& [hour, closed] :
       std::vector<std::pair<int, bool>>{{6, true}, {7, false}, {19, false}, {20, true}}) {
    Harness h("V\n");
    h.state = startingState();
    h.state.ClockHour = hour;
    playHub(h);
    EXPECT_EQ(occurrences(h.output(), "The vendors are not open yet, come back later.\n"),
              closed ? 1 : 0)
        << hour;
  }
}

TEST(HubDispatch, EveryVisitReturnsToAFreshStatusReport) {
  Harness h("W 0 W 2\n");
  h.state = startingState();
  playHub(h);
  EXPECT_EQ(occurrences(h.output(), "You have 40 gold"), 3);
  EXPECT_EQ(h.state.ClockHour, 8);
}

}  // namespace
}  // namespace qm::testing
