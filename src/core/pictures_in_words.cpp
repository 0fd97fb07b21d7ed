#include "core/pictures_in_words.h"

#include <cctype>
#include <utility>

namespace qm {

PicturesInWords::PicturesInWords(OutputSink& next, std::function<bool()> inWords)
    : next_(next), inWords_(std::move(inWords)) {}

void PicturesInWords::write(std::string_view bytes) {
  words_ = inWords_();
  std::string out;
  for (const char byte : bytes)
    take(byte, out);
  if (!out.empty()) next_.write(out);
}

void PicturesInWords::take(char byte, std::string& out) {
  switch (reading_) {
    case Reading::PictureName:
      if (byte != '\n') {
        name_ += byte;
        return;
      }
      out.append("[Picture: ").append(name_).append("]\n");
      name_.clear();
      reading_ = Reading::Picture;
      return;
    case Reading::Picture:
      if (byte == Console::kPictureEnd) reading_ = Reading::Text;
      return;
    case Reading::Text: break;
  }
  if (byte == Console::kPictureStart && words_) {
    out += rule_;  // a line cut short by a picture is no rule
    rule_.clear();
    reading_ = Reading::PictureName;
    return;
  }
  if (byte == '\n') {
    if (!mayBeRule_ || rule_.size() < kShortestRule) out += rule_;
    out += '\n';
    rule_.clear();
    mayBeRule_ = true;
    return;
  }
  const bool drawn = std::isgraph(static_cast<unsigned char>(byte)) != 0;
  if (words_ && mayBeRule_ && drawn && (rule_.empty() || byte == rule_.front())) {
    rule_ += byte;
    return;
  }
  out += rule_;
  out += byte;
  rule_.clear();
  mayBeRule_ = false;
}

}  // namespace qm
