// Failure codes of our own, beside the operating system's error numbers.
#pragma once

#include <cstdint>

namespace io {

using FailureCode = std::uint32_t;

inline constexpr FailureCode kNoFailure = 0;
// A read found fewer bytes than it asked for.
inline constexpr FailureCode kShortRead = 100;
// The system stored fewer bytes than asked without reporting an error.
inline constexpr FailureCode kShortWrite = 101;
// The operation needs a file that is not open for it (standard output included).
inline constexpr FailureCode kNotOpen = 103;

}  // namespace io
