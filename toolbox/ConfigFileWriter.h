#pragma once

#include "toolbox/ConfigWriter.h"

#include <cstdio>
#include <memory>

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
    // Creates a new file with exactly these permission bits; false if
    // anything, even a link, already lies at the path.
    bool Create(const char* path, unsigned permissions);
    // Creates a new file named `prefix` followed by six characters chosen so
    // that no existing file is met; its name goes to `created`.
    bool CreateUnique(const char* prefix, unsigned permissions, std::unique_ptr<char[]>& created);
    // Closes the file; false if buffered text could not be written.
    bool Close();

    bool WriteString(const char* text) override;
    bool WriteChar(char c) override;

private:
    bool Adopt(int descriptor, unsigned permissions);

    std::FILE* file = nullptr;
};

} // namespace toolbox
