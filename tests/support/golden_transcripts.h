#pragma once

#include <span>
#include <string_view>

namespace qm::testing {

// The golden transcripts of tests/golden/ (and the runs kept there, *.save), built into the test
// program (so it needs no files at run time, under Wine too).
struct GoldenTranscript {
  std::string_view name;  // the file name without .txt
  std::string_view text;
};

extern const std::span<const GoldenTranscript> kGoldenTranscripts;

// Where the transcripts are written when they are brought up to date.
extern const std::string_view kGoldenDirectory;

}  // namespace qm::testing
