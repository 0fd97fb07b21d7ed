#include "support/transcript_marks.h"

#include <charconv>
#include <stdexcept>

namespace qm::testing {

namespace {

constexpr std::string_view kAnswer = "{> ";
constexpr std::string_view kDraw = "{draw ";
constexpr std::string_view kHexDigits = "0123456789abcdef";

bool needsEscape(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F;
}

int number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    throw std::invalid_argument("not a number in a draw's mark: " + std::string(text));
  }
  return value;
}

// The typed line of an answer's mark, from just after "{> " to its closing brace; `at` is left
// just past that brace.
std::string typedLine(std::string_view text, std::size_t& at) {
  std::string line;
  while (at < text.size() && text[at] != '}') {
    if (text[at] == '\\' && at + 1 < text.size() && text[at + 1] == 'x' && at + 3 < text.size()) {
      line += static_cast<char>(std::stoi(std::string(text.substr(at + 2, 2)), nullptr, 16));
      at += 4;
    } else if (text[at] == '\\' && at + 1 < text.size()) {
      line += text[at + 1];
      at += 2;
    } else {
      line += text[at++];
    }
  }
  ++at;
  return line;
}

}  // namespace

std::string answerMark(std::string_view line) {
  std::string mark(kAnswer);
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '{' || byte == '}' || byte == '\\') {
      mark.append("\\").push_back(c);
    } else if (needsEscape(byte)) {
      mark.append("\\x").append(1, kHexDigits[byte >> 4]).append(1, kHexDigits[byte & 0xF]);
    } else {
      mark += c;
    }
  }
  return mark + "}";
}

std::string drawMark(int result, int lowest, int highest) {
  return std::string(kDraw) + std::to_string(result) + " from " + std::to_string(lowest) + ".." +
         std::to_string(highest) + "}";
}

void markOn(CapturedOutput& screen, std::string_view mark) {
  const std::string& shown = screen.text();
  screen.write(shown.empty() || shown.back() == '\n' ? std::string(mark) + "\n"
                                                     : std::string(mark));
}

MarkedPlay playOf(std::string_view transcript) {
  MarkedPlay play;
  for (std::size_t at = transcript.find('{'); at != std::string_view::npos;
       at = transcript.find('{', at)) {
    if (transcript.substr(at).starts_with(kAnswer)) {
      at += kAnswer.size();
      play.input += typedLine(transcript, at) + "\n";
    } else if (transcript.substr(at).starts_with(kDraw)) {
      at += kDraw.size();
      const std::size_t end = transcript.find(' ', at);
      play.draws.push_back(number(transcript.substr(at, end - at)));
      at = transcript.find('}', end);
    } else {
      throw std::invalid_argument("a brace that starts no mark: " +
                                  std::string(transcript.substr(at, 20)));
    }
  }
  return play;
}

}  // namespace qm::testing
