#include "app/InformationOptions.h"

#include <cstring>

namespace {

void WriteUsage(std::ostream& out)
{
    out << "Usage: ordovan [/log LEVEL]\n"
           "       ordovan --help | --version\n"
           "\n"
           "Computes daily time plans for several persons who share resources.\n"
           "\n"
           "  /log LEVEL   record messages at or above LEVEL in ordovan.log in the\n"
           "               documents folder: debug, info, warn, error (default),\n"
           "               exception or fatal\n"
           "  --help       show this text and exit\n"
           "  --version    show the version and exit\n";
}

} // namespace

bool InformationOptions::Handle(int argc, const char* const* argv, std::ostream& out)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "/log") == 0) {
            ++i;
            continue;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            WriteUsage(out);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            out << GetVersionText() << '\n';
            return true;
        }
    }
    return false;
}
