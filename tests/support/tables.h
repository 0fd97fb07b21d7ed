#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/context.h"
#include "core/game_state.h"

// Table-driven checks of scenes: decision tables (each decision played at its threshold's edge)
// and golden transcripts (a scene's whole output, pauses included).
namespace qm::testing {

using Prepare = std::function<void(GameState&)>;
using SceneRun = std::function<void(Context&)>;

// A preparation that sets one number of the game state, or of the basement's part of it.
Prepare set(int GameState::*field, int value);
Prepare set(int BasementVisit::*field, int value);
// Preparations one after the other (an empty one does nothing).
Prepare all(std::initializer_list<Prepare> steps);

// One side of one decision of a scene: the scene played from a state where the compared value
// (a stat, a draw, hit points, a count, an hour, a position) stands exactly at its threshold, or
// one step to the other side, and a line that only one of the two branches prints. The input
// and the draws need only reach the decision: the scene stops at the first read after them.
struct Edge {
  std::string_view decision;  // what is compared with what, and this row's side
  Prepare prepare;
  std::string input;
  std::vector<int> draws;
  std::string_view line;  // a whole line that one branch prints and the other does not
  bool printed;           // whether this row's branch prints it
};

// Plays `scene` once per edge, from `base` (the table's common state, may be empty) and then the
// edge's own preparation, and checks the edge's line. A failure names the edge.
void checkEdges(const SceneRun& scene, const Prepare& base, std::initializer_list<Edge> edges);

// One run of a scene from a prepared state (none: the game's start), kept whole as the golden
// transcript tests/golden/<name>.txt. The transcript holds the play too: the lines typed and the
// draws, marked where the game took them (support/transcript_marks.h), so a new one is begun by
// writing those marks into the file and bringing it up to date.
struct Transcript {
  std::string_view name;
  SceneRun scene;
  Prepare prepare;
};

// The file tests/golden/<name>.txt (or .save), or nothing when there is none.
std::optional<std::string_view> goldenText(std::string_view name);

// The scene, then the status report, as the hub shows it on the way back.
SceneRun thenReport(SceneRun scene);

// Plays each run as its transcript marks it and compares the whole output, marks included, byte
// for byte, with the transcript. The transcript ends with what the scene left behind, which no
// line of it shows: how it ended (returned, the player died, the input ran out) and every saved
// variable it changed, as "Name: before -> after". With the environment variable
// QUILLMARROW_UPDATE_GOLDEN=1 the transcripts are written from the output instead: read the
// difference before committing it.
void checkTranscripts(std::initializer_list<Transcript> runs);

// Compares `output` with the golden transcript `name` byte for byte, or writes it there when the
// transcripts are brought up to date (QUILLMARROW_UPDATE_GOLDEN=1).
void expectGolden(std::string_view name, const std::string& output);

}  // namespace qm::testing
