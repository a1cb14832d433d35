#pragma once

#include <QString>

#include <cstdint>

// Numbers typed into the dialogs are read the way the C library's atol reads
// them: leading blanks, an optional sign, then digits up to the first other
// character; a text without leading digits gives 0. Values beyond the range
// of the model's 32-bit minutes are clamped instead of wrapping around.
class NumberText {
public:
    static std::int32_t ToWholeNumber(const QString& text);
    // "%d", or "%02d" with a minimum width of two digits.
    static QString FromWholeNumber(std::int32_t value);
    static QString FromWholeNumberTwoDigits(std::int32_t value);
};
