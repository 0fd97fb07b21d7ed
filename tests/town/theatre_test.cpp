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

// The theatre's thresholds that no transcript plays on both sides, and the largest clock, each row
// beside the mutant it kills (tools/mutate, with and without the tables); the transcripts below
// play every other threshold on both sides.
TEST(Theatre, DecisionsAtTheirEdges) {
  constexpr std::string_view kTooPoor = "You don't have enough gold, sorry!";
  const auto hour = [](int value) { return set(&GameState::ClockHour, value); };
  const auto gold = [&](int value) { return all({hour(13), set(&GameState::PlayerGold, value)}); };
  // The clock, and the wait it prints.
  const auto wait = [&](int clock, std::string_view line) {
    return Edge{"the wait", hour(clock), pauses(2), {}, line, true};
  };
  const std::string ticket = pauses(2) + "S\n";
  checkEdges(visitTheatre, {},
             {
                 // hourOfDay < 12 made <= 12: at noon the next show is a day away
                 wait(36, "It's not going to be on for 24 hours"),
                 // the hour of the day taken without overflowing the largest clock
                 wait(std::numeric_limits<int>::max(), "It's not going to be on for 5 hours"),
                 // PlayerGold < kTicketPrice made <=
                 {"gold 15: a ticket", gold(15), ticket, {}, kTooPoor, false},
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
