#include "toolbox/ConfigParameter.h"

#include "toolbox/ConfigText.h"
#include "toolbox/ConfigWriter.h"

#include <cstdio>
#include <cstring>

namespace toolbox {

ConfigParameter::~ConfigParameter() = default;

void ConfigParameter::FreeText()
{
    text.reset();
}

void ConfigParameter::SetBool(bool newValue)
{
    FreeText();
    value.boolValue = newValue;
    type = ParameterType::Bool;
}

void ConfigParameter::SetLong(std::int32_t newValue)
{
    FreeText();
    value.longValue = newValue;
    type = ParameterType::Long;
}

void ConfigParameter::SetDouble(double newValue)
{
    FreeText();
    value.doubleValue = newValue;
    type = ParameterType::Double;
}

void ConfigParameter::SetChar(char newValue)
{
    FreeText();
    value.charValue = newValue;
    type = ParameterType::Char;
}

void ConfigParameter::SetString(const char* newText)
{
    // Copy first: the new text may be this parameter's own.
    std::unique_ptr<char[]> copy = CopyText(newText);
    FreeText();
    text = std::move(copy);
    type = ParameterType::String;
}

bool ConfigParameter::AsBool() const
{
    switch (type) {
    case ParameterType::Bool:
        return value.boolValue;
    case ParameterType::Double:
        return value.doubleValue != 0.0;
    case ParameterType::Long:
        return value.longValue != 0;
    case ParameterType::String:
        return ParseLong(text.get()) != 0;
    case ParameterType::Char:
        return value.charValue != '\0' && std::strchr("1yYtT", value.charValue) != nullptr;
    case ParameterType::None:
        break;
    }
    return false;
}

std::int32_t ConfigParameter::AsLong() const
{
    switch (type) {
    case ParameterType::Bool:
        return value.boolValue ? 1 : 0;
    case ParameterType::Double:
        return TruncateToLong(value.doubleValue);
    case ParameterType::Long:
        return value.longValue;
    case ParameterType::String:
        return ParseLong(text.get());
    case ParameterType::Char:
        return value.charValue >= '0' && value.charValue <= '9' ? value.charValue - '0' : 0;
    case ParameterType::None:
        break;
    }
    return 0;
}

const char* ConfigParameter::AsString() const
{
    if (type == ParameterType::Bool)
        return value.boolValue ? "1" : "0";
    if (type == ParameterType::String)
        return text.get();
    return "";
}

bool ConfigParameter::Write(ConfigWriter& writer) const
{
    char buffer[64];
    switch (type) {
    case ParameterType::Double:
        std::snprintf(buffer, sizeof buffer, "%lg", value.doubleValue);
        return ConfigWriter::WriteEscaped(writer, buffer);
    case ParameterType::Long:
        std::snprintf(buffer, sizeof buffer, "%ld", static_cast<long>(value.longValue));
        return ConfigWriter::WriteEscaped(writer, buffer);
    case ParameterType::Char:
        buffer[0] = value.charValue;
        buffer[1] = '\0';
        return ConfigWriter::WriteEscaped(writer, buffer);
    default:
        return ConfigWriter::WriteEscaped(writer, AsString());
    }
}

std::int32_t ConfigParameter::ParseLong(const char* text)
{
    if (!text)
        return 0;
    const char* position = text;
    while (*position == ' ' || (*position >= '\t' && *position <= '\r'))
        ++position;
    bool negative = false;
    if (*position == '+' || *position == '-') {
        negative = *position == '-';
        ++position;
    }
    // Accumulating beyond the 32-bit range stops mattering once the value is
    // clamped, so the sum is capped instead of overflowing.
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long magnitude = 0;
    for (; *position >= '0' && *position <= '9'; ++position) {
        magnitude = magnitude * 10 + (*position - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace toolbox
