#pragma once

#include <string_view>

namespace qm {

// The few calls the game makes to the machine it runs on, besides text in and out: each system
// gives its own (see platform/), the tests a recording one.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual void setWindowTitle(std::string_view title) = 0;
  virtual void beep(int frequency, int milliseconds) = 0;
};

}  // namespace qm
