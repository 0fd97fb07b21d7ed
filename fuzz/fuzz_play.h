#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qm::fuzz {

// Plays the whole game once on one fuzz input and returns what it printed. The first byte says
// how many draw bytes follow; every draw takes the next of them (from the first again once they
// run out, the lowest result when there are none) reduced into the draw's range; the bytes after
// the draws are the typed text, all there from the start.
//
// Any fault stops the process with a message on standard error, so the fuzzer keeps the input:
// an exception escaping the game routine, a draw with an empty range, a failure status, output
// that does not end its last line, or output far larger than the input could call for.
std::string playFuzzInput(const std::uint8_t* data, std::size_t size);

// Reads one fuzz input as a kept run, twice: as it is, and sealed with a checksum of its own
// (so that a changed byte reaches the variables instead of failing the checksum). A save that
// is refused must say why; one that is trusted must be exactly the text the game writes for the
// state read from it. Any fault stops the process, as above.
void readFuzzSave(const std::uint8_t* data, std::size_t size);

}  // namespace qm::fuzz
