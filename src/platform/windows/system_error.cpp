#include "platform/windows/system_error.h"

#include <windows.h>

#include "platform/windows/unicode.h"

namespace qm {

std::string systemErrorText(unsigned long error, unsigned short language) {
  // The wide call and UTF-8, so the reason reads the same whatever the ANSI code page.
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason =
      length > 0 ? utf8FromWide(std::wstring_view(text, length)) : "error " + std::to_string(error);
  LocalFree(text);
  // The system ends its sentence; the game sets the reason in brackets within its own line.
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.'))
    reason.pop_back();
  return reason;
}

}  // namespace qm
