#pragma once

#include "toolbox/ProductVersion.h"

#include <ostream>

// "--help" and "--version" answer on the terminal and end the program before
// the application object exists, so they never touch the data folder.
class InformationOptions {
public:
    // True when an information option was found and answered on `out`.
    static bool Handle(int argc, const char* const* argv, std::ostream& out);
    static const char* GetVersionText() { return toolbox::ProductVersionText; }
};
