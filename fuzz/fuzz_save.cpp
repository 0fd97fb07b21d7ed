#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/saved_run.h"
#include "fuzz_play.h"

namespace qm::fuzz {

namespace {

[[noreturn]] void fault(std::string_view what) {
  std::fprintf(stderr, "quillmarrow save fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

// A refused save must say why; a trusted one must be exactly what the game writes for the state
// read from it.
void readAsASave(std::string_view text) {
  const SavedRun run = readSavedRun(text);
  if (run.status != SavedRun::Status::Whole) {
    if (run.problem.empty()) fault("a refused save without a reason");
    return;
  }
  if (writeSavedRun(run.state) != text) fault("a trusted save the game would write otherwise");
}

}  // namespace

// Each input is read twice: as it is, which tries the frame and the checksum, and sealed with a
// checksum of its own, so that the variables and what play could give them are tried too (a
// changed byte almost never passes the checksum).
void readFuzzSave(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  readAsASave(text);
  readAsASave(sealSavedRun(std::string(text)));
}

}  // namespace qm::fuzz
