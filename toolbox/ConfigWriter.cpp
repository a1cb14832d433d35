#include "toolbox/ConfigWriter.h"

namespace toolbox {

ConfigWriter::~ConfigWriter() = default;

bool ConfigWriter::WriteIndent(ConfigWriter& writer, int depth)
{
    for (int i = 0; i < depth; ++i) {
        if (!writer.WriteChar('\t'))
            return false;
    }
    return true;
}

bool ConfigWriter::WriteEscaped(ConfigWriter& writer, const char* text)
{
    if (!text || *text == '\0')
        return writer.WriteString("\\0");
    for (; *text; ++text) {
        bool written;
        switch (*text) {
        case '\t':
            written = writer.WriteString("\\t");
            break;
        case '\n':
            written = writer.WriteString("\\n");
            break;
        case '\f':
            written = writer.WriteString("\\f");
            break;
        case '\r':
            written = writer.WriteString("\\r");
            break;
        case '/':
        case '<':
        case '>':
        case '\\':
            written = writer.WriteChar('\\') && writer.WriteChar(*text);
            break;
        default:
            written = writer.WriteChar(*text);
            break;
        }
        if (!written)
            return false;
    }
    return true;
}

} // namespace toolbox
