#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The theatre's thresholds, read from theatre.cpp: every comparison of the hour, the gold or the
// brawn with a constant, each played on both sides of its edge, and the count to the next show
// from the hour of the day (12 - hour before noon, 36 - hour from 16 on, the next day's for a
// clock above 24 that reads 12 to 15 of the day). The quest stages and the menu letters are
// compared for equality: the transcripts play each of their branches.
TEST(Theatre, DecisionsAtTheirEdges) {
  constexpr std::string_view kStartingSoon =
      "Looks like its starting soon, do you want to check it out?";
  constexpr std::string_view kTooPoor = "You don't have enough gold, sorry!";
  constexpr std::string_view kCollapse = "You instantly collapse onto the floor";
  const auto hour = [](int value) { return set(&GameState::ClockHour, value); };
  const auto gold = [&](int value) { return all({hour(13), set(&GameState::PlayerGold, value)}); };
  const auto brawn = [&](int value) {
    return all({set(&GameState::TheatreStage, kTheatreInvestigating),
                set(&GameState::PlayerBrawn, value)});
  };
  // The clock, and the wait it prints.
  const auto wait = [&](int clock, std::string_view line) {
    return Edge{"the wait", hour(clock), pauses(2), {}, line, true};
  };
  const std::string ticket = pauses(2) + "S\n";
  const std::string drink = "D\n" + pauses(1) + "D\n" + pauses(1) + "D\n";
  checkEdges(visitTheatre, {},
             {
                 {"hour 11: no show", hour(11), pauses(2), {}, kStartingSoon, false},
                 {"hour 12: the show", hour(12), pauses(2), {}, kStartingSoon, true},
                 {"hour 15: the show", hour(15), pauses(2), {}, kStartingSoon, true},
                 {"hour 16: no show", hour(16), pauses(2), {}, kStartingSoon, false},
                 wait(0, "It's not going to be on for 12 hours"),
                 wait(11, "It's not going to be on for 1 hours"),
                 wait(16, "It's not going to be on for 20 hours"),
                 wait(23, "It's not going to be on for 13 hours"),
                 wait(24, "It's not going to be on for 12 hours"),
                 wait(25, "It's not going to be on for 11 hours"),
                 wait(36, "It's not going to be on for 24 hours"),
                 wait(40, "It's not going to be on for 20 hours"),
                 // The hour of the day is taken without overflowing the largest clock.
                 wait(std::numeric_limits<int>::max(), "It's not going to be on for 5 hours"),
                 {"gold 14: turned away", gold(14), ticket, {}, kTooPoor, true},
                 {"gold 15: a ticket", gold(15), ticket, {}, kTooPoor, false},
                 {"brawn 4: collapses", brawn(4), drink, {}, kCollapse, true},
                 {"brawn 5: resists", brawn(5), drink, {}, kCollapse, false},
             });
}

void report(Context& context) {
  printStatusReport(context.console, context.state);
}

// A visit, the status report and the next visit: what the visit paid and which stage it left.
void visitAndComeBack(Context& context) {
  visitTheatre(context);
  report(context);
  visitTheatre(context);
}

TEST(Theatre, TheVisitsAsThePlayerSeesThem) {
  const Prepare atOne = set(&GameState::ClockHour, 13);
  checkTranscripts({
      {"theatre-the-poster-long-before-the-show", visitTheatre, nullptr},
      {"theatre-no-patron-of-the-arts", visitTheatre, atOne},
      {"theatre-too-poor-for-a-ticket", visitTheatre,
       all({atOne, set(&GameState::PlayerGold, 14)})},
      {"theatre-the-murder-and-leaving-with-the-crowd", visitAndComeBack,
       set(&GameState::ClockHour, 12)},
      {"theatre-the-tree-asks-for-help-in-vain", visitAndComeBack, set(&GameState::ClockHour, 15)},
      // Agreed to help and left at once; taken up again at night: every clue, the poison resisted
      // and poured out, the program read twice, a wrong name, then Sugar and the sceptre; then
      // the case is closed.
      {"theatre-every-clue-a-wrong-name-and-sugar",
       [](Context& c) {
         visitTheatre(c);
         report(c);
         c.state.ClockHour = 22;
         visitTheatre(c);
         report(c);
         visitTheatre(c);
       },
       all({atOne, set(&GameState::PlayerBrawn, 5), [](GameState& s) { s.PlayerName = "Quill"; }})},
      // Woken once, then the second sip is the last.
      {"theatre-the-poison-fells-a-weak-player", visitTheatre,
       all({set(&GameState::TheatreStage, kTheatreInvestigating), set(&GameState::PlayerBrawn, 4),
            set(&GameState::PlayerHealth, 10)})},
  });
}

}  // namespace
}  // namespace qm::testing
