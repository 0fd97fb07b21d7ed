#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/run_storage.h"

namespace qm {

// A claim in a failed test's message.
inline void PrintTo(const RunStorage::Claim& claim, std::ostream* out) {
  *out << (claim.heldElsewhere ? "held elsewhere" : "not held elsewhere") << ", "
       << claim.error.value_or("no error");
}

}  // namespace qm

// What every storage of a kept run does, written once (run_storage_contract.cpp) and checked
// against each: a test program instantiates RunStorageContract with the storages it has, the save
// file and the one in memory natively, the page's in the browser.
namespace qm::testing {

// Where a storage keeps its runs, made afresh for a test and emptied after it.
class StoragePlace {
 public:
  virtual ~StoragePlace() = default;

  // A storage of the run kept here, as a game opens it.
  virtual std::unique_ptr<RunStorage> open() = 0;
  // What the names of the runs set aside start with.
  virtual std::string setAsideStem(const RunStorage& storage) { return storage.where(); }
  // The text set aside under `name` by `storage`; nothing when none is.
  virtual std::optional<std::string> setAside(RunStorage& storage, const std::string& name) = 0;
  // Whether a claim tells of another game holding the run (one in memory is held as its test says).
  virtual bool tellsOtherGames() const { return true; }
};

struct StorageKind {
  const char* name;
  std::function<std::unique_ptr<StoragePlace>()> make;

  friend void PrintTo(const StorageKind& kind, std::ostream* out) { *out << kind.name; }
};

class RunStorageContract : public ::testing::TestWithParam<StorageKind> {
 protected:
  RunStorageContract() : place_(GetParam().make()) {}

  // For INSTANTIATE_TEST_SUITE_P: each kind's tests under its name.
  static std::string nameOf(const ::testing::TestParamInfo<StorageKind>& kind) {
    return kind.param.name;
  }

  std::unique_ptr<StoragePlace> place_;
};

}  // namespace qm::testing
