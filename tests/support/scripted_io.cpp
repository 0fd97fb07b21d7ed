#include "support/scripted_io.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qm::testing {

ScriptedInput::ScriptedInput(std::string text, std::size_t chunk)
    : text_(std::move(text)), chunk_(chunk) {}

std::size_t ScriptedInput::readSome(char* buffer, std::size_t size) {
  std::size_t chunk = chunk_;
  if (chunk == kLineByLine) {
    const std::size_t newline = text_.find('\n', position_);
    chunk = newline == std::string::npos ? text_.size() - position_ : newline + 1 - position_;
  }
  const std::size_t count = std::min({size, chunk, text_.size() - position_});
  if (onLine && count > 0 && (position_ == 0 || text_[position_ - 1] == '\n')) {
    const std::size_t end = text_.find('\n', position_);
    onLine(std::string_view(text_).substr(position_, end - position_));
  }
  std::memcpy(buffer, text_.data() + position_, count);
  position_ += count;
  return count;
}

WatchedInput::WatchedInput(InputSource& input, const CapturedOutput* screen,
                           std::function<bool()> stop)
    : input_(input), screen_(screen), stop_(std::move(stop)) {}

std::size_t WatchedInput::readSome(char* buffer, std::size_t size) {
  if (stop_ && stop_()) return 0;
  if (screen_) screenAtEachWait.push_back(screen_->text());
  const std::size_t got = input_.readSome(buffer, size);
  reads.emplace_back(buffer, got);
  return got;
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
  if (onDraw) onDraw(result, offset, offset + count - 1);
  return result;
}

}  // namespace qm::testing
