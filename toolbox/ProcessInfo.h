#pragma once

#include "toolbox/String.h"

namespace toolbox {

// The process's own argument vector and program file. `main` hands its
// arguments over; until it does, they are read from /proc/self/cmdline.
// The program file is the running executable (/proc/self/exe), else the
// first argument. Embedding code and tests may name another program file.
class ProcessInfo {
public:
    // Keeps copies; a negative or zero count forgets handed-over arguments.
    static void SetArguments(int argumentCount, const char* const* argumentVector);
    static int GetArgumentCount();
    // Null outside 0 .. count-1. Valid until the arguments are set again.
    static const char* GetArgument(int index);

    // Null restores the process's own program file.
    static void SetProgramFile(const char* text);
    static String GetProgramFile();
};

} // namespace toolbox
