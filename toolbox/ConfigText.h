#pragma once

#include <cstdint>
#include <memory>

namespace toolbox {

// An owned copy of a NUL-terminated text (null counts as empty); throws
// EOutOfMemory when it cannot be made.
std::unique_ptr<char[]> CopyText(const char* text);
// An owned copy of `length` bytes with a NUL appended.
std::unique_ptr<char[]> CopyText(const char* text, std::size_t length);
// The concatenation of two texts, for the companion file names.
std::unique_ptr<char[]> JoinText(const char* first, const char* second);
// A double truncated toward zero and clamped to the 32-bit range (NaN is 0).
std::int32_t TruncateToLong(double value);

} // namespace toolbox
