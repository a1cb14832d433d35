#pragma once

namespace toolbox {

// Where the configuration writer puts its text. Both operations answer false
// when the output failed. Reachable as Config::Writer as well.
class ConfigWriter {
public:
    ConfigWriter() = default;
    ConfigWriter(const ConfigWriter&) = delete;
    ConfigWriter& operator=(const ConfigWriter&) = delete;
    virtual ~ConfigWriter();

    virtual bool WriteString(const char* text) = 0;
    virtual bool WriteChar(char c) = 0;

    // Depth TAB characters.
    static bool WriteIndent(ConfigWriter& writer, int depth);
    // A name or value with the file's escapes; the empty text becomes "\0".
    static bool WriteEscaped(ConfigWriter& writer, const char* text);
};

} // namespace toolbox
