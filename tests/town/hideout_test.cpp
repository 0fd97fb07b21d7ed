#include "town/hideout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/quest_stages.h"
#include "core/status_report.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/tables.h"

namespace qm::testing {
namespace {

// A Hunter who has heard that Owen is the Collective's leader.
void makeOwensHunter(GameState& state) {
  giveAbilities(state, "Shoot", "Tame");
  state.Weapon = "Trusty Bow";
  state.StrangerStage = kOwenRevealed;
}

// The visit and the status report after it, which shows the book, the gold and the weapon.
void enterAndReport(Context& context) {
  enterHideout(context);
  printStatusReport(context.console, context.state);
}

// A transcript of the hideout from the Collective's stage, or from Owen's with his Hunter, and
// what the visit leaves: the meeting leaves the quest's stage alone, so a refusal can be taken
// back; Owen's defeat ends the quest, a death leaves it at Owen.
Transcript meeting(std::string_view name, const Prepare& prepare) {
  const Prepare atTheMeeting = [prepare](GameState& s) {
    s.StrangerStage = kHideoutFound;
    if (prepare) prepare(s);
  };
  return {name, enterAndReport, atTheMeeting};
}
Transcript owen(std::string_view name, const Prepare& prepare) {
  const Prepare atOwens = [prepare](GameState& s) {
    makeOwensHunter(s);
    if (prepare) prepare(s);
  };
  return {name, enterAndReport, atOwens};
}

TEST(Hideout, TheMeetingAndOwensFightAsThePlayerSeesThem) {
  const auto brawn = [](int value) {  // beside a strength of 5
    return all({set(&GameState::PlayerStrength, 5), set(&GameState::PlayerBrawn, value)});
  };
  const auto pronoun = [](std::string word) { return [word](GameState& s) { s.Pronoun = word; }; };
  // Each round: the attack roll (9 misses), Owen's roll (1 fumbles, 11 misses), the librarian's
  // (1 is her beam): Owen falls from 30 to 25, 20, 15, 10, 5, then 0.
  checkTranscripts({
      meeting("hideout-hi-heard-of-them-and-glad-to-help", {}),
      meeting("hideout-a-lady-plays-it-cool-and-comes-to-their-terms", pronoun("her")),
      meeting("hideout-a-man-plays-it-cool-and-stares-them-down", all({pronoun("his"), brawn(5)})),
      meeting("hideout-the-knife-and-back-to-business", brawn(4)),
      meeting("hideout-the-knife-and-feeling-lucky", brawn(4)),
      // Each round: the attack roll, Owen's roll, the librarian's roll. Owen falls to the last
      // arrow and gets no turn, while the librarian still casts.
      owen("hideout-owen-shot-down-beside-the-librarian-and-the-bludgeon-taken", {}),
      // Each fighter's strike: a miss, a wound, then the finishing blow.
      owen("hideout-owen-stabbed-by-a-thief", makeThief),
      owen("hideout-owen-blasted-by-a-wizard", makeWizard),
      owen("hideout-owen-sliced-by-a-knight", makeKnight),
      owen("hideout-owen-shot-by-a-hunter", makeHunter),
      // One round of each other action, up to the next.
      owen("hideout-owen-a-pocket-picked", makeThief),
      owen("hideout-owen-unaffected-by-suggestion", makeWizard),
      owen("hideout-owen-bashed-and-cutting-back", makeKnight),
      owen("hideout-owen-hit-by-the-apples", set(&GameState::Apples, 1)),
      owen("hideout-owen-is-not-an-animal", {}),
      // Stabbed to death, the player goes to the end screen after the librarian's turn.
      owen("hideout-owen-stabs-the-player-dead", set(&GameState::PlayerHealth, 5)),
  });
}

}  // namespace
}  // namespace qm::testing
