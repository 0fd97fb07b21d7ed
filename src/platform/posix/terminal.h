#pragma once

namespace qm {

// Whether the title may be set with the terminal's escape sequences: only on a terminal, and
// only when TERM names one that is not "dumb".
bool terminalTakesTitles(bool outputIsTerminal, const char* term);

}  // namespace qm
