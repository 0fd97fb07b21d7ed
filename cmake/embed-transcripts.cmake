# Writes OUTPUT, a C++ source that holds every tests/golden/*.txt and *.save file of GOLDEN_DIR as
# a byte array, for tests/support/golden_transcripts.h. Run by the test build with `cmake -P`.
file(GLOB transcripts "${GOLDEN_DIR}/*.txt" "${GOLDEN_DIR}/*.save")
list(SORT transcripts)
set(arrays "")
set(entries "")
set(index 0)
foreach(transcript IN LISTS transcripts)
  get_filename_component(name "${transcript}" NAME_WE)
  file(READ "${transcript}" bytes HEX)
  string(LENGTH "${bytes}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
  string(APPEND arrays "const char kText${index}[] = {${bytes} 0};\n")
  string(APPEND entries "    {\"${name}\", std::string_view(kText${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()
if(index EQUAL 0)
  set(entries "    {\"\", std::string_view()},\n")
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[
// Generated from tests/golden/ by cmake/embed-transcripts.cmake; do not edit.
#include "support/golden_transcripts.h"

#include <array>

namespace qm::testing {
namespace {
@arrays@
const GoldenTranscript kAll[] = {
@entries@};
}  // namespace

const std::span<const GoldenTranscript> kGoldenTranscripts(kAll);
const std::string_view kGoldenDirectory = "@GOLDEN_DIR@";

}  // namespace qm::testing
]=])
