// How a run ends: the process goes, with the status as its exit status.
#include <cstdlib>

#include "io/platform.h"

namespace io::platform {

void EndProcess(FailureCode status) { std::exit(static_cast<int>(status)); }

}  // namespace io::platform
