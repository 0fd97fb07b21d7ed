#include "core/console.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qm {

namespace {

bool separatesWords(char c) {
  return Console::kWordSeparators.find(c) != std::string_view::npos;
}

// A line cut at a byte limit may end in the first bytes of a character; those are dropped too,
// so that a line of UTF-8 stays UTF-8 (the page's storage keeps only whole characters).
void dropCutCharacter(std::string& line) {
  const auto byte = [](char c) { return static_cast<unsigned char>(c); };
  // The last byte that begins a character: the last that is not a continuation byte.
  const auto last = std::find_if(line.rbegin(), line.rend(),
                                 [&byte](char c) { return (byte(c) & 0xC0) != 0x80; });
  if (last == line.rend()) return;
  const unsigned char first = byte(*last);
  const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
  const auto have = static_cast<std::size_t>(last - line.rbegin()) + 1;
  if (have < length) line.erase(line.size() - have);
}

// The length of the well-formed UTF-8 character that `text` starts with and its code point, or
// nothing when it starts with no such character (overlong forms and surrogates included).
std::optional<std::pair<std::size_t, char32_t>> utf8Character(std::string_view text) {
  const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char first = byte(0);
  const std::size_t length = first >= 0xF8   ? 0
                             : first >= 0xF0 ? 4
                             : first >= 0xE0 ? 3
                             : first >= 0xC0 ? 2
                                             : 0;
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t point = first & (0x7F >> length);
  for (std::size_t at = 1; at < length; ++at) {
    if ((byte(at) & 0xC0) != 0x80) return std::nullopt;
    point = (point << 6) | (byte(at) & 0x3F);
  }
  constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
  if (point < kLeast.at(length) || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    return std::nullopt;
  }
  return std::pair{length, point};
}

bool isControl(char32_t point) {
  return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

}  // namespace

bool Console::isWord(std::string_view text) {
  return !text.empty() && text.size() <= kMaxLineLength &&
         text.find_first_of(kWordSeparators) == std::string_view::npos &&
         text.find('\n') == std::string_view::npos;
}

bool Console::showsAsText(std::string_view text) {
  while (!text.empty()) {
    const auto character = utf8Character(text);
    // A byte that starts no UTF-8 character stands for itself, as in Latin-1.
    const std::size_t length = character ? character->first : 1;
    const char32_t point = character ? character->second : static_cast<unsigned char>(text[0]);
    if (isControl(point)) return false;
    text.remove_prefix(length);
  }
  return true;
}

Console::Console(InputSource& input, OutputSink& output) : input_(input), output_(output) {}

Console::~Console() {
  try {
    flush();
  } catch (const OutputFailed&) {
    // Nobody is there to tell: the output is lost either way.
  }
}

// Hands the full buffer over; a text larger than the whole buffer goes straight to the sink but
// for the piece that fits, so `bytes` always fits afterwards.
void Console::makeRoomFor(std::string_view& bytes) {
  flush();
  while (bytes.size() > pending_.size()) {
    output_.write(bytes.substr(0, pending_.size()));
    bytes.remove_prefix(pending_.size());
  }
}

void Console::control(std::string_view bytes) {
  gather(bytes);
}

void Console::endOpenLine() {
  if (lineOpen_) append("\n");
}

void Console::flush() {
  if (pendingSize_ == 0) return;
  const std::string_view bytes(pending_.data(), pendingSize_);
  pendingSize_ = 0;  // whether or not the sink takes them, they are gone from here
  output_.write(bytes);
}

bool Console::refill() {
  if (inputEnded_) return false;
  flush();  // the game is about to wait: everything it said must be on the screen
  inputStart_ = 0;
  inputEnd_ = input_.readSome(inputBuffer_.data(), inputBuffer_.size());
  if (inputEnd_ == 0) inputEnded_ = true;
  return inputEnd_ > 0;
}

bool Console::readLine(std::string& line) {
  line.clear();
  bool readAnything = false;
  bool cut = false;
  while (true) {
    if (inputStart_ == inputEnd_ && !refill()) break;
    readAnything = true;
    const char* start = inputBuffer_.data() + inputStart_;
    const std::size_t available = inputEnd_ - inputStart_;
    const void* newline = std::memchr(start, '\n', available);
    const std::size_t length =
        newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : available;
    const std::size_t room = kMaxLineLength - std::min(line.size(), kMaxLineLength);
    line.append(start, std::min(length, room));
    cut = cut || length > room;
    inputStart_ += newline ? length + 1 : length;
    if (newline) break;
  }
  if (cut) dropCutCharacter(line);
  return readAnything;
}

std::string Console::readWord() {
  while (true) {
    while (wordPosition_ < currentLine_.size() && separatesWords(currentLine_[wordPosition_])) {
      ++wordPosition_;
    }
    if (wordPosition_ < currentLine_.size()) {
      const std::size_t start = wordPosition_;
      while (wordPosition_ < currentLine_.size() && !separatesWords(currentLine_[wordPosition_])) {
        ++wordPosition_;
      }
      return currentLine_.substr(start, wordPosition_ - start);
    }
    wordPosition_ = 0;
    if (!readLine(currentLine_)) throw InputClosed{};
  }
}

std::optional<int> Console::readNumber() {
  const std::string word = readWord();
  int value = 0;
  const char* end = word.data() + word.size();
  auto [stop, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

void Console::pause() {
  append("\n");
  barePause();
}

void Console::barePause() {
  append(kPausePrompt);
  if (!readLine(pauseLine_)) throw InputClosed{};
  append("\n");
}

}  // namespace qm
