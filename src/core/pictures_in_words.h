#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/console.h"

namespace qm {

// Output for a player who reads the screen in words (a screen reader, a braille display): each
// picture the console marks is one line, "[Picture: what it shows]", instead of its drawing, and
// each line that is one character over and over (a rule, such as the status report's dashes) is
// an empty line. Everything else passes as it is. While `inWords` says no, everything passes, the
// pictures with their marks, for a sink that draws them itself.
class PicturesInWords final : public OutputSink {
 public:
  // The shortest line of one character that counts as a rule.
  static constexpr std::size_t kShortestRule = 10;

  explicit PicturesInWords(
      OutputSink& next, std::function<bool()> inWords = [] { return true; });

  void write(std::string_view bytes) override;

 private:
  enum class Reading { Text, PictureName, Picture };

  void take(char byte, std::string& out);

  OutputSink& next_;
  std::function<bool()> inWords_;
  Reading reading_ = Reading::Text;
  bool words_ = true;      // what `inWords_` said at the start of this write
  std::string name_;       // what the picture being read shows, as far as it has come
  std::string rule_;       // the line so far, while it may be a rule
  bool mayBeRule_ = true;  // the line so far is one drawn character over and over, or nothing
};

}  // namespace qm
