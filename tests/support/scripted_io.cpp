#include "support/scripted_io.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qm::testing {

ScriptedInput::ScriptedInput(std::string text, std::size_t chunk)
    : text_(std::move(text)), chunk_(chunk) {}

std::size_t ScriptedInput::readSome(char* buffer, std::size_t size) {
  const std::size_t count = std::min({size, chunk_, text_.size() - position_});
  std::memcpy(buffer, text_.data() + position_, count);
  position_ += count;
  return count;
}

void CapturedOutput::write(std::string_view bytes) {
  text_.append(bytes);
  ++writes_;
}

ScriptedRandom::ScriptedRandom(std::vector<int> results) : results_(std::move(results)) {}

int ScriptedRandom::next(int count, int offset) {
  const std::string draw = "rand() % " + std::to_string(count) + " + " + std::to_string(offset);
  if (next_ >= results_.size()) {
    throw ScriptError("draw " + std::to_string(next_ + 1) + " (" + draw +
                      ") was not scripted: the script holds only " +
                      std::to_string(results_.size()) + " draws");
  }
  const int result = results_[next_];
  if (result < offset || result >= offset + count) {
    throw ScriptError("scripted draw " + std::to_string(next_ + 1) + " is " +
                      std::to_string(result) + ", which " + draw + " cannot give");
  }
  ++next_;
  return result;
}

}  // namespace qm::testing
