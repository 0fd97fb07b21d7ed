#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_storage.h"

namespace qm::testing {

// A kept run in memory, for the tests: every text written is recorded, and every call can be
// made to fail as a real storage fails.
struct MemoryStorage final : RunStorage {
  std::string where() const override { return "the save"; }
  Claim claim() override { return {.heldElsewhere = heldElsewhere, .error = claimError}; }
  Stored read() override {
    ++reads;
    return {.found = text.has_value(), .text = text.value_or(""), .error = readError};
  }
  std::optional<std::string> write(std::string_view written) override {
    if (writeError) return writeError;
    text = std::string(written);
    written_.push_back(*text);
    return std::nullopt;
  }
  SetAside setAside() override {
    if (asideError) return {.name = "", .error = asideError};
    aside = text;
    text.reset();
    return {.name = "the save.damaged", .error = std::nullopt};
  }
  std::optional<std::string> remove() override {
    if (!removeError) text.reset();
    return removeError;
  }

  // Every text written, in order.
  const std::vector<std::string>& written() const { return written_; }
  int writes() const { return static_cast<int>(written_.size()); }

  std::optional<std::string> text;  // the run kept now
  std::optional<std::string> aside;
  bool heldElsewhere = false;
  std::optional<std::string> claimError;
  std::optional<std::string> readError;
  std::optional<std::string> writeError;
  std::optional<std::string> asideError;
  std::optional<std::string> removeError;
  int reads = 0;

 private:
  std::vector<std::string> written_;
};

}  // namespace qm::testing
