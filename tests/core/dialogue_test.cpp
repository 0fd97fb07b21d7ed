#include "core/dialogue.h"

#include <gtest/gtest.h>

#include <string>

#include "support/tables.h"

namespace qm::testing {
namespace {

// Asks for one of `letters` `times` times and tells each letter taken; then what it left.
SceneRun asking(std::string_view letters, int times = 1) {
  return [letters, times](Context& c) {
    for (int question = 0; question < times; ++question)
      c.console.line("== took ", std::string(1, ask(c, letters)));
  };
}

// Unmatched answers are dropped silently; digits and capitals are taken, and small letters for
// capitals, both ends of the alphabet but nothing beside them; the end of the input leaves the
// loop. A menu prints its option line once, a repeating question before every read. Narration
// prints its lines and pauses in order, a script skipping its unused slots.
TEST(Dialogue, AsThePlayerSeesIt) {
  constexpr Script kScript = {"a", kPause, "b"};
  checkTranscripts({
      {"dialogue-unmatched-answers-dropped", asking("YN"), {}},
      {"dialogue-digits-and-small-letters", asking("12A", 2), {}},
      {"dialogue-both-ends-of-the-alphabet", asking("AZ", 2), {}},
      {"dialogue-no-answer-before-the-end", asking("YN"), {}},
      {"dialogue-a-menu", [](Context& c) { menu(c, "Sure (S) Nah (N)", "SN"); }, {}},
      {"dialogue-a-repeating-question",
       [](Context& c) { askRepeating(c, "C for Choose, and R for random", "CR"); },
       {}},
      {"dialogue-narration",
       [](Context& c) {
         tell(c.console, {"one", kPause, "two", "", kPause});
       },
       {}},
      {"dialogue-a-script", [kScript](Context& c) { tell(c.console, kScript); }, {}},
  });
}

}  // namespace
}  // namespace qm::testing
