// A run the player loads from a file into the page ("Load a run" in web/bridge.js) goes through
// the game's own reader before the page keeps it, as a save file does on a desktop.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/run_storage.h"
#include "app/saved_run.h"

namespace {

// A copy in memory the page frees.
char* forThePage(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

// The most the page reads of a file: enough to tell one larger than any run.
extern "C" EMSCRIPTEN_KEEPALIVE int quillmarrow_longest_run_file() {
  return static_cast<int>(qm::kLargestSave + 1);
}

// What the game makes of a run's text: "+" and who the run is, when it is whole and of this
// version; ">" when a newer version wrote it; "-" and why it is damaged otherwise.
extern "C" EMSCRIPTEN_KEEPALIVE char* quillmarrow_check_run(const char* text, int length) {
  const qm::SavedRun run =
      qm::readSavedRun(std::string_view(text, static_cast<std::size_t>(length)));
  if (run.status == qm::SavedRun::Status::Whole) return forThePage("+" + qm::whoseRun(run.state));
  if (run.status == qm::SavedRun::Status::Newer) return forThePage(">");
  return forThePage("-" + run.problem);
}
