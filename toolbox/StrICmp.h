#pragma once

namespace toolbox {

// Compares two NUL-terminated texts byte by byte with the ASCII letters
// folded to lower case; other bytes compare as unsigned values. Returns a
// negative number, 0 or a positive number. A null text sorts before every
// text, two null texts are equal.
int StrICmp(const char* a, const char* b);

} // namespace toolbox
