#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/run_storage.h"

namespace qm::testing {

// A kept run in memory, for the tests: it keeps and sets aside runs as a save file does (the
// storage contract checks both alike), records every text written, and each call can be made to
// fail as a real storage fails. Whether another game holds it is the test's to say.
struct MemoryStorage final : RunStorage {
  std::string where() const override { return "the save"; }
  Claim claim() override { return {.heldElsewhere = heldElsewhere, .error = claimError}; }
  Stored read() override {
    const std::string kept = text.value_or("");
    return {.found = text.has_value(),
            .text = kept.substr(0, std::min(kept.size(), kLargestSave + 1)),
            .error = readError};
  }
  std::optional<std::string> write(std::string_view written) override {
    if (writeError) return writeError;
    text = std::string(written);
    written_.push_back(*text);
    return std::nullopt;
  }
  SetAside setAside() override {
    const auto taken = [this](const std::string& name) { return setAsideRuns.contains(name); };
    const auto move = [this](const std::string& name) {
      if (!asideError) setAsideRuns[name] = std::exchange(text, std::nullopt).value_or("");
      return asideError;
    };
    return setAsideUnderAFreeName(where(), taken, move);
  }
  std::optional<std::string> remove() override {
    if (!removeError) text.reset();
    return removeError;
  }

  // Every text written, in order.
  const std::vector<std::string>& written() const { return written_; }
  int writes() const { return static_cast<int>(written_.size()); }

  std::optional<std::string> text;                  // the run kept now
  std::map<std::string, std::string> setAsideRuns;  // by the names they were set aside under
  bool heldElsewhere = false;
  std::optional<std::string> claimError;
  std::optional<std::string> readError;
  std::optional<std::string> writeError;
  std::optional<std::string> asideError;
  std::optional<std::string> removeError;

 private:
  std::vector<std::string> written_;
};

}  // namespace qm::testing
