#include "platform/windows/system_error.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/windows/unicode.h"

namespace qm::testing {
namespace {

// French has letters beyond ASCII that the ANSI code pages spell apart from UTF-8, and Russian
// letters that a Western one cannot spell at all: both come out as the system's wide text in
// UTF-8, whatever the code page the tests run with.
TEST(WindowsSystemError, ReasonsAreUtf8WhateverTheCodePage) {
  const LANGID languages[] = {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH),
                              MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)};
  int found = 0;
  for (const LANGID language : languages) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, ERROR_ACCESS_DENIED, language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) continue;  // a system without that language
    const std::wstring wide(text, length);
    LocalFree(text);
    ++found;
    const std::string reason = systemErrorText(ERROR_ACCESS_DENIED, language);
    EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, reason.data(),
                                  static_cast<int>(reason.size()), nullptr, 0),
              0)
        << reason;
    EXPECT_EQ(reason, utf8FromWide(wide.substr(0, wide.find_last_not_of(L"\r\n .") + 1)));
  }
  if (found == 0) GTEST_SKIP() << "the system has its messages in neither language";
}

}  // namespace
}  // namespace qm::testing
