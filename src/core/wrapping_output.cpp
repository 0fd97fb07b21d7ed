#include "core/wrapping_output.h"

#include <algorithm>
#include <utility>

namespace qm {

namespace {

constexpr char kEscape = '\033';
constexpr std::size_t kTabStop = 8;

bool isContinuationByte(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

WrappingOutput::WrappingOutput(OutputSink& terminal, std::function<std::size_t()> columns)
    : terminal_(terminal), columns_(std::move(columns)) {}

void WrappingOutput::write(std::string_view bytes) {
  width_ = columns_();
  // A blank that ended an earlier write can still break the line, if nothing visible followed it:
  // the break then goes in before this write.
  if (breakPoint_ && breakPoint_->columnAfter == column_) {
    breakPoint_ = BreakPoint{.position = 0, .insert = true, .columnAfter = column_};
  } else {
    breakPoint_.reset();
  }
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (column_ == 0) at = shortenRule(bytes, at, out);
    put(bytes[at], out);
  }
  terminal_.write(out);
}

// A line of one character over and over (the status report's rule of dashes) that the terminal
// is too narrow for is cut to the terminal's width rather than broken onto a second line. Returns
// where the writing goes on: the end of that line, or `at` for any other line.
std::size_t WrappingOutput::shortenRule(std::string_view bytes, std::size_t at, std::string& out) {
  const std::size_t end = bytes.find('\n', at);
  if (width_ == 0 || escape_ != Escape::None || end == std::string_view::npos) return at;
  const std::string_view line = bytes.substr(at, end - at);
  const char drawn = line.empty() ? ' ' : line.front();
  const bool rule = line.size() > width_ && drawn > ' ' && drawn < 0x7F &&
                    line.find_first_not_of(drawn) == std::string_view::npos;
  if (!rule) return at;
  out.append(width_, drawn);
  column_ = width_;
  return end;
}

void WrappingOutput::cursorAtLineStart() {
  column_ = 0;
  breakPoint_.reset();
}

void WrappingOutput::put(char byte, std::string& out) {
  if (byte == '\n' || byte == '\r') {
    out += byte;
    escape_ = Escape::None;
    cursorAtLineStart();
    return;
  }
  if (takeEscapeByte(byte)) {
    out += byte;
    return;
  }
  if (byte == '\t') {
    const std::size_t nextStop = (column_ / kTabStop + 1) * kTabStop;
    column_ = std::max(column_, width_ > 0 ? std::min(nextStop, width_ - 1) : nextStop);
    out += byte;
    return;
  }
  const std::size_t width = widthOf(byte);
  if (width_ > 0 && width > 0 && column_ + width > width_) {
    if (byte == ' ') {  // the blank just past the edge ends a line that fills the terminal
      out += '\n';
      cursorAtLineStart();
      return;
    }
    breakLine(out);
  }
  out += byte;
  column_ += width;
  if (byte == ' ')
    breakPoint_ = BreakPoint{.position = out.size() - 1, .insert = false, .columnAfter = column_};
}

// True when the byte belongs to an escape sequence (a control sequence, ESC [ ... final byte, or
// an operating system command such as the title, ESC ] ... BEL or ESC \), which takes no room.
bool WrappingOutput::takeEscapeByte(char byte) {
  switch (escape_) {
    case Escape::None:
      if (byte != kEscape) return false;
      escape_ = Escape::Started;
      return true;
    case Escape::Started:
      escape_ = byte == '['   ? Escape::ControlSequence
                : byte == ']' ? Escape::OperatingCommand
                              : Escape::None;
      return true;
    case Escape::ControlSequence:
      if (byte >= '@' && byte <= '~') escape_ = Escape::None;
      return true;
    case Escape::OperatingCommand:
      if (byte == '\a') escape_ = Escape::None;
      if (byte == kEscape) escape_ = Escape::CommandEnding;
      return true;
    case Escape::CommandEnding: escape_ = Escape::None; return true;
  }
  return false;
}

// Other control characters and the bytes that continue a UTF-8 character take no room.
std::size_t WrappingOutput::widthOf(char byte) const {
  const auto code = static_cast<unsigned char>(byte);
  if (code < ' ' || code == 0x7F || isContinuationByte(code)) return 0;
  return 1;
}

// Ends the line at the last blank that fits, or, with no blank on it, right here.
void WrappingOutput::breakLine(std::string& out) {
  if (!breakPoint_) {
    out += '\n';
    column_ = 0;
    return;
  }
  if (breakPoint_->insert) {
    out.insert(breakPoint_->position, 1, '\n');
  } else {
    out[breakPoint_->position] = '\n';
  }
  column_ -= breakPoint_->columnAfter;
  breakPoint_.reset();
}

std::size_t EchoedInput::readSome(char* buffer, std::size_t size) {
  const std::size_t got = typed_.readSome(buffer, size);
  if (got > 0 && buffer[got - 1] == '\n') screen_.cursorAtLineStart();
  return got;
}

}  // namespace qm
