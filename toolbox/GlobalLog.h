#pragma once

#include "toolbox/LogLevel.h"

#include <cstdarg>

namespace toolbox {

// The library writes its records through this one route, so that code below
// the logger (exceptions, strings) can log without knowing the logger. Until
// a logger installs a sink, and after it removes it again, records are dropped.
using LogSink = void (*)(void* context, const char* source, int line, LogLevel level, const char* format,
                         va_list arguments);

void InstallGlobalLogSink(LogSink sink, void* context);
void RemoveGlobalLogSink(void* context);
void GlobalLog(const char* source, int line, LogLevel level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

} // namespace toolbox
