#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/saved_run.h"
#include "fuzz_play.h"

namespace qm::fuzz {

namespace {

[[noreturn]] void fault(std::string_view what) {
  std::fprintf(stderr, "quillmarrow save fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace

void readFuzzSave(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const SavedRun run = readSavedRun(text);
  if (run.status != SavedRun::Status::Whole) {
    if (run.problem.empty()) fault("a refused save without a reason");
    return;
  }
  // A save that is trusted must be exactly what the game writes for the state read from it.
  if (writeSavedRun(run.state) != text) fault("a trusted save the game would write otherwise");
}

}  // namespace qm::fuzz
