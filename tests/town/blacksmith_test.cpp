#include <gtest/gtest.h>

#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The blacksmith's one threshold that no transcript plays on both sides, each row beside the mutant
// it kills (tools/mutate, with and without the tables); the transcripts below play every other
// threshold on both sides.
TEST(Blacksmith, DecisionsAtTheirEdges) {
  constexpr std::string_view kClosed = "The blacksmith's isn't open yet, come back later";
  const auto repaired = [](int hour, int mood) {
    return all({set(&GameState::BlacksmithFire, 0), set(&GameState::ClockHour, hour),
                set(&GameState::BlacksmithMood, mood)});
  };
  checkEdges(visitBlacksmith, makeThief,
             {
                 // ClockHour < 5 made <= 5
                 {"hour 5: open", repaired(5, 10), pauses(1), {}, kClosed, false},
             });
}

// A visit, the status report, and the next visit with its report: what the fire and the
// revival left (the blacksmith's mood shows in his welcome), and what the sweeping pays.
void visitTwice(Context& context) {
  for (int visit = 0; visit < 2; ++visit) {
    visitBlacksmith(context);
    printStatusReport(context.console, context.state);
  }
}

// Every action against the fire is played once, and each way out of it.
TEST(Blacksmith, TheFireAndTheShopAsThePlayerSeesThem) {
  const Prepare her = [](GameState& s) { s.Pronoun = "her"; };
  const Prepare his = [](GameState& s) { s.Pronoun = "his"; };
  checkTranscripts({
      {"blacksmith-closed-before-five", visitBlacksmith,
       all({set(&GameState::BlacksmithFire, 0), set(&GameState::ClockHour, 4)})},
      // A missile, the apples, an "A" with none left that does nothing, then Suggestion puts it
      // out; waited for, he has work.
      {"blacksmith-a-wizard-puts-out-the-fire-and-sweeps-the-shop", visitTwice,
       all({makeWizard, set(&GameState::Apples, 1)})},
      // A stab and a burn, then the sailor; a man's kiss of life outrages the blacksmith.
      {"blacksmith-a-thief-runs-for-help-and-a-man-tries-cpr", visitTwice, all({makeThief, his})},
      // A swing of the sword, then Bash puts it out; a lady's kiss of life is welcome.
      {"blacksmith-a-knight-bashes-the-fire-out-and-a-lady-tries-cpr", visitTwice,
       all({makeKnight, her})},
      {"blacksmith-a-hunter-shoots-and-tames-then-runs-for-help", visitTwice, makeHunter},
  });
}

// The mood the fire leaves where no visit above shows it: a knight's bash with a man's kiss of
// life, the sailor with a lady's, and the fire from 10 after the disguise; the fire burns at any
// hour and takes none. A sweeping job takes three hours.
TEST(Blacksmith, TheMoodAndTheHoursAfterAVisit) {
  const auto fire = [](std::string_view name, const Prepare& who, std::string_view pronoun,
                       int mood = 0) {
    const Prepare prepare =
        all({who, set(&GameState::BlacksmithMood, mood), set(&GameState::ClockHour, 23),
             [pronoun](GameState& s) { s.Pronoun = pronoun; }});
    return Transcript{name, visitBlacksmith, prepare};
  };
  checkTranscripts({
      fire("blacksmith-leaves-a-knights-bash-a-mans-cpr", makeKnight, "his"),
      fire("blacksmith-leaves-the-sailor-a-ladys-cpr", makeHunter, "her"),
      fire("blacksmith-leaves-the-fire-after-the-disguise", makeWizard, "his", 10),
      {"blacksmith-leaves-a-sweeping-job", visitBlacksmith,
       all({set(&GameState::BlacksmithFire, 0), set(&GameState::BlacksmithMood, 10),
            set(&GameState::ClockHour, 20)})},
  });
}

}  // namespace
}  // namespace qm::testing
