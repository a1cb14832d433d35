#include "dialogs/NumberText.h"

#include <limits>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::int32_t NumberText::ToWholeNumber(const QString& text)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    qsizetype position = 0;
    while (position < text.size() && IsBlank(text[position]))
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        negative = text[position] == u'-';
        ++position;
    }
    // Accumulating past the 32-bit range stops early, so no overflow can occur.
    std::int64_t magnitude = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (magnitude <= highest + 1)
            magnitude = magnitude * 10 + (text[position].unicode() - u'0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < lowest)
        return static_cast<std::int32_t>(lowest);
    if (value > highest)
        return static_cast<std::int32_t>(highest);
    return static_cast<std::int32_t>(value);
}

QString NumberText::FromWholeNumber(std::int32_t value)
{
    return QString::asprintf("%d", static_cast<int>(value));
}

QString NumberText::FromWholeNumberTwoDigits(std::int32_t value)
{
    return QString::asprintf("%02d", static_cast<int>(value));
}
