#include <gtest/gtest.h>

#include "core/quest_stages.h"
#include "support/harness.h"
#include "support/tables.h"
#include "town/places.h"

namespace qm::testing {
namespace {

// The inn choice's one decision, read from inns.cpp: whether the bomb has left the Polished Pint
// a crater.
TEST(InnChoice, DecisionsAtTheirEdges) {
  constexpr std::string_view kCrater =
      "The Polished Pint is little more than a crater now, the Soggy Shrimp is your only option.";
  const auto hatch = [](int stage) { return set(&GameState::HatchStage, stage); };
  checkEdges(visitInns, {},
             {
                 {"hatch blown up: a crater", hatch(kHatchBlownUp), "", {}, kCrater, true},
                 {"hatch found: the Pint stands", hatch(kHatchFound), "", {}, kCrater, false},
             });
}

// P leads into the Pint while it stands; after the bomb P is neither shown nor accepted. Choosing
// an inn takes no time.
TEST(InnChoice, TheChoiceAsThePlayerSeesIt) {
  checkTranscripts({
      {"inns-both-inns-and-p-leads-into-the-pint", visitInns, set(&GameState::PintWelcome, 0)},
      {"inns-after-the-bomb-only-the-soggy-shrimp", visitInns,
       set(&GameState::HatchStage, kHatchBlownUp)},
  });
}

}  // namespace
}  // namespace qm::testing
