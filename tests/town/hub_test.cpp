#include "town/hub.h"

#include <gtest/gtest.h>

#include "support/harness.h"
#include "town/clock.h"
#include "town/status_report.h"

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

TEST(StatusReport, ShowsCarriedThingsOnlyWhenThereAreAny) {
  Harness h;
  h.state = startingState();
  h.state.Apples = 3;
  h.state.HasMysteriousBook = true;
  h.state.Gears = 2;
  playHub(h);
  EXPECT_TRUE(hasLinesInOrder(
      h.lines(),
      {"You are weilding a Deadly Dagger", "You have 3 bags of apples",
       "You have the mysterious man's book", "You have 2 gears!", "You are perfectly healthy"}));
}

TEST(StatusReport, HealthBandsAtTheirEdges) {
  const std::pair<int, std::string_view> bands[] = {
      {51, ""},
      {50, "You are perfectly healthy"},
      {49, "You're kinda sore, but you feel okay"},
      {40, "You're kinda sore, but you feel okay"},
      {39, "You're bleeding a little"},
      {30, "You're bleeding a little"},
      {29,
       "You can barely walk, you've fractured your leg in three places, and you have a broken rib!"},
      {20,
       "You can barely walk, you've fractured your leg in three places, and you have a broken rib!"},
      {19, "Every step is pain..."},
      {10, "Every step is pain..."},
      {9, "Holy cow man, take a hint you need some help"},
      {1, "Holy cow man, take a hint you need some help"},
      {0, ""},
      {-7, ""},
  };
  for (const auto& [health, line] : bands)
    EXPECT_EQ(healthLine(health), line) << health;
}

TEST(StatusReport, TimeOfDayBandsAtTheirEdges) {
  const std::pair<int, std::string_view> bands[] = {
      {0, "It's pretty dark"},
      {4, "It's pretty dark"},
      {5, "It's dawn"},
      {11, "It's dawn"},
      {12, "It's midday"},
      {15, "It's midday"},
      {16, "It's starting to get dark"},
      {19, "It's starting to get dark"},
      {20, "It's pretty dark"},
      {24, "It's pretty dark"},
      {36, "It's pretty dark"},
  };
  for (const auto& [hour, line] : bands)
    EXPECT_EQ(timeOfDayLine(hour), line) << hour;
}

TEST(Clock, WrapsOnceAPassAndLeaves24Alone) {
  GameState state;
  state.ClockHour = 24;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 24);
  state.ClockHour = 25;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 1);
  state.ClockHour = 60;
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 36);
  wrapClock(state);
  EXPECT_EQ(state.ClockHour, 12);
}

TEST(Clock, NeverOverflows) {
  GameState state;
  state.ClockHour = 20;
  addHours(state, INT_MAX);
  EXPECT_EQ(state.ClockHour, INT_MAX);
  addHours(state, 5);
  EXPECT_EQ(state.ClockHour, INT_MAX);
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

TEST(Hub, DeathCheckEndsTheGameBeforeTheMenu) {
  for (const int health : {0, -4}) {
    Harness h("I\n");
    h.state = startingState();
    h.state.PlayerHealth = health;
    EXPECT_EQ(playHub(h), Ending::Died) << health;
    const std::string out = h.output();
    EXPECT_EQ(out.find("Let's get a room"), std::string::npos);
    EXPECT_EQ(out.find("You are perfectly healthy"), std::string::npos);
    EXPECT_EQ(occurrences(out, kSeparator), 2);
  }
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
