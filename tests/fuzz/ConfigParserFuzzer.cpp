#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Parses the text and writes what it gives; empty when it does not parse.
bool Normalise(const char* text, std::string& written)
{
    toolbox::Config config;
    if (!config.Parse(text))
        return false;
    toolbox::ConfigTextWriter writer;
    if (!config.WriteTo(writer))
        std::abort();
    written.assign(writer.GetText(), static_cast<std::size_t>(writer.GetLength()));
    return true;
}

} // namespace

// Any input must parse or fail without a fault. Whatever parses must write a
// text that parses again, and from the second round on writing and parsing
// must no longer change the text (the first round may drop outer blanks).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string first;
    if (!Normalise(text.c_str(), first))
        return 0;
    std::string second;
    std::string third;
    if (!Normalise(first.c_str(), second) || !Normalise(second.c_str(), third))
        std::abort();
    if (second != third)
        std::abort();
    return 0;
}
