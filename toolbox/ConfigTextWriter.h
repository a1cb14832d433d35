#pragma once

#include "toolbox/ConfigWriter.h"

#include <memory>

namespace toolbox {

// Collects the written text in memory, for callers that want the file's
// text without a file.
class ConfigTextWriter : public ConfigWriter {
public:
    ConfigTextWriter() = default;

    bool WriteString(const char* text) override;
    bool WriteChar(char c) override;

    // The text written so far, NUL-terminated; never null.
    const char* GetText() const { return text ? text.get() : ""; }
    int GetLength() const { return length; }

private:
    void Reserve(int size);

    std::unique_ptr<char[]> text;
    int length = 0;
    int capacity = 0;
};

} // namespace toolbox
