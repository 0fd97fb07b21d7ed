#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/system.h"
#include "platform/windows/system_error.h"
#include "platform/windows/unicode.h"

namespace qm::testing {
namespace {

// A name outside every Western ANSI code page, where the ANSI calls would see "??".
constexpr const char* kChinese = "\xe6\xb5\x8b\xe8\xaf\x95";  // 测试

// A reason stands in brackets in the middle of a line: no line end, no full stop.
TEST(WindowsSaveFile, ReasonsAreWordsWithoutTheSystemsFullStop) {
  for (const DWORD error : {ERROR_ACCESS_DENIED, ERROR_INVALID_NAME, ERROR_DISK_FULL}) {
    const std::string reason = systemErrorText(error);
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << reason;
    EXPECT_NE(reason.back(), '.') << reason;
    EXPECT_NE(reason.back(), ' ') << reason;
  }
}

TEST(WindowsSaveFile, StandsInLocalAppDataWhateverItsName) {
  const std::wstring local = L"C:\\Users\\" + wideFromUtf8(kChinese) + L"\\AppData\\Local";
  struct Case {
    const wchar_t* value;
    std::optional<std::string> file;
  };
  const Case cases[] = {
      {local.c_str(),
       "C:\\Users\\" + std::string(kChinese) + "\\AppData\\Local\\Quillmarrow\\save"},
      {L"", std::nullopt},
      {nullptr, std::nullopt},
  };
  wchar_t before[32767] = {};
  const bool wasSet = GetEnvironmentVariableW(L"LOCALAPPDATA", before, 32767) > 0;
  for (const Case& c : cases) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", c.value);
    EXPECT_EQ(defaultSaveFile(), c.file) << (c.value ? utf8FromWide(c.value) : "unset");
  }
  SetEnvironmentVariableW(L"LOCALAPPDATA", wasSet ? before : nullptr);
}

}  // namespace
}  // namespace qm::testing
