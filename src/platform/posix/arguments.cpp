#include <string>
#include <vector>

#include "app/system.h"

namespace qm {

std::vector<std::string> programArguments(int argc, char** argv) {
  return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

}  // namespace qm
