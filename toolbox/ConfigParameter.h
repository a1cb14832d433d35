#pragma once

#include <cstdint>
#include <memory>

namespace toolbox {

class ConfigWriter;

// The kind of value a ConfigParameter holds. Every parameter read from a file
// is a String parameter; the readers convert its text.
enum class ParameterType { None = 0, Bool = 1, Double = 2, Long = 3, String = 4, Char = 5 };

// One tagged value of the configuration tree. It owns its text; setting a
// value of another kind frees the old text first.
class ConfigParameter {
public:
    ConfigParameter() = default;
    ConfigParameter(const ConfigParameter&) = delete;
    ConfigParameter& operator=(const ConfigParameter&) = delete;
    ~ConfigParameter();

    ParameterType GetType() const { return type; }

    void SetBool(bool value);
    void SetLong(std::int32_t value);
    void SetString(const char* text);
    void SetDouble(double value);
    void SetChar(char value);

    bool AsBool() const;
    std::int32_t AsLong() const;
    // Text only for the Bool and String kinds; every other kind reads as "".
    // The pointer stays valid until the parameter changes.
    const char* AsString() const;

    // The value's text form, escaped; false after the first failed write.
    bool Write(ConfigWriter& writer) const;

    // Reads a decimal number the way the C library's atol does (blanks, an
    // optional sign, digits up to the first other byte, 0 without digits),
    // but clamps a value beyond 32 bits to the nearest 32-bit value.
    static std::int32_t ParseLong(const char* text);

private:
    void FreeText();

    ParameterType type = ParameterType::None;
    union {
        bool boolValue;
        double doubleValue;
        std::int32_t longValue;
        char charValue;
    } value {};
    std::unique_ptr<char[]> text;
};

} // namespace toolbox
