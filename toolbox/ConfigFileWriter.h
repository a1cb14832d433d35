#pragma once

#include "toolbox/ConfigWriter.h"

#include <cstdio>

namespace toolbox {

// Writes to one file. Line ends are written as the program writes them, CR LF,
// by the configuration writer itself, so the file is opened in binary mode.
// Reachable as Config::FileWriter as well.
class ConfigFileWriter : public ConfigWriter {
public:
    ConfigFileWriter() = default;
    ~ConfigFileWriter() override;

    // Creates or truncates the file; false if it cannot be opened.
    bool Open(const char* path);
    // Closes the file; false if buffered text could not be written.
    bool Close();

    bool WriteString(const char* text) override;
    bool WriteChar(char c) override;

private:
    std::FILE* file = nullptr;
};

} // namespace toolbox
