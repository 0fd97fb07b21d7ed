#include "support/tables.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <utility>

#include "app/saved_run.h"
#include "core/death.h"
#include "core/status_report.h"
#include "support/golden_transcripts.h"
#include "support/harness.h"
#include "support/players.h"
#include "support/transcript_marks.h"

namespace qm::testing {

Prepare set(int GameState::*field, int value) {
  return [field, value](GameState& state) { state.*field = value; };
}

Prepare set(int BasementVisit::*field, int value) {
  return [field, value](GameState& state) { state.Basement.*field = value; };
}

Prepare all(std::initializer_list<Prepare> steps) {
  return [list = std::vector<Prepare>(steps)](GameState& state) {
    for (const Prepare& step : list) {
      if (step) step(state);
    }
  };
}

namespace {

// Plays the scene from the prepared state; the end (a return, a death, the end of the input) is
// the scene's business, the output is what is checked.
std::string playedOutput(const SceneRun& scene, const Prepare& base, const Prepare& prepare,
                         const std::string& input, const std::vector<int>& draws, bool checkDraws,
                         Harness::Shows shows = Harness::Shows::TextAlone) {
  Harness h(input, draws, shows);
  if (base) base(h.state);
  if (prepare) prepare(h.state);
  h.play(scene);
  if (checkDraws) h.expectAllDrawsUsed();
  return h.output();
}

// Where the transcripts differ first, as the line number and both lines.
std::string firstDifference(std::string_view expected, std::string_view actual) {
  const std::vector<std::string> want = splitLines(std::string(expected));
  const std::vector<std::string> got = splitLines(std::string(actual));
  const std::size_t shared = std::min(want.size(), got.size());
  std::size_t at = 0;
  while (at < shared && want[at] == got[at])
    ++at;
  const auto lineOf = [](const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? "\"" + lines[index] + "\"" : std::string("(the end)");
  };
  return "line " + std::to_string(at + 1) + ": expected " + lineOf(want, at) + ", got " +
         lineOf(got, at);
}

// A variable's value in `state`, as the transcripts show it.
std::string shown(const SavedVariable::Member& member, const GameState& state) {
  return std::visit(
      [&state](auto field) -> std::string {
        using Field = decltype(field);
        if constexpr (std::is_same_v<Field, int BasementVisit::*>) {
          return std::to_string(state.Basement.*field);
        } else if constexpr (std::is_same_v<Field, std::string GameState::*>) {
          return "\"" + state.*field + "\"";
        } else {
          return std::to_string(state.*field);
        }
      },
      member);
}

// The scene, then how it ended and every saved variable it changed.
SceneRun leaving(SceneRun scene) {
  return [scene = std::move(scene)](Context& context) {
    const GameState before = context.state;
    std::string_view ending = "returned";
    try {
      scene(context);
    } catch (const PlayerDied&) {
      ending = "the player died";
    } catch (const InputClosed&) {
      ending = "the input ran out";
    }
    context.console.endOpenLine();
    context.console.line("== ", ending, "; changed:");
    for (const SavedVariable& variable : savedVariables()) {
      const std::string was = shown(variable.member, before);
      const std::string is = shown(variable.member, context.state);
      if (was != is) context.console.line(variable.name, ": ", was, " -> ", is);
    }
  };
}

}  // namespace

SceneRun thenReport(SceneRun scene) {
  return [scene = std::move(scene)](Context& context) {
    scene(context);
    printStatusReport(context.console, context.state);
  };
}

std::optional<std::string_view> goldenText(std::string_view name) {
  for (const GoldenTranscript& golden : kGoldenTranscripts) {
    if (golden.name == name) return golden.text;
  }
  return std::nullopt;
}

void checkEdges(const SceneRun& scene, const Prepare& base, std::initializer_list<Edge> edges) {
  for (const Edge& edge : edges) {
    const std::vector<std::string> lines =
        splitLines(playedOutput(scene, base, edge.prepare, edge.input, edge.draws, false));
    const bool printed = std::find(lines.begin(), lines.end(), edge.line) != lines.end();
    EXPECT_EQ(printed, edge.printed) << edge.decision << ": \"" << edge.line << "\" "
                                     << (edge.printed ? "is missing" : "was printed");
  }
}

void expectGolden(std::string_view name, const std::string& output) {
  const char* update = std::getenv("QUILLMARROW_UPDATE_GOLDEN");
  if (update && std::string_view(update) == "1") {
    std::ofstream(std::string(kGoldenDirectory) + "/" + std::string(name) + ".txt",
                  std::ios::binary)
        << output;
    return;
  }
  const std::optional<std::string_view> golden = goldenText(name);
  if (!golden) {
    ADD_FAILURE() << "no transcript tests/golden/" << name
                  << ".txt: write it with QUILLMARROW_UPDATE_GOLDEN=1 and read it through";
  } else if (*golden != output) {
    ADD_FAILURE() << name << " differs from its transcript at " << firstDifference(*golden, output);
  }
}

void checkTranscripts(std::initializer_list<Transcript> runs) {
  for (const Transcript& run : runs) {
    const std::optional<std::string_view> kept = goldenText(run.name);
    const MarkedPlay play = kept ? playOf(*kept) : MarkedPlay{};
    expectGolden(run.name, playedOutput(leaving(run.scene), {}, run.prepare, play.input, play.draws,
                                        true, Harness::Shows::AnswersAndDraws));
  }
}

}  // namespace qm::testing
