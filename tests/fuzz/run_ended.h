// What the fuzz harness links in place of the process's end: the failure
// routine's status comes back as an exception the harness catches.
#pragma once

#include "io/failure_codes.h"

namespace fuzz {

struct RunEnded {
  io::FailureCode status;
};

}  // namespace fuzz
