#include "toolbox/GlobalLog.h"

namespace toolbox {

namespace {
LogSink installedSink = nullptr;
void* installedContext = nullptr;
} // namespace

void InstallGlobalLogSink(LogSink sink, void* context)
{
    installedSink = sink;
    installedContext = context;
}

void RemoveGlobalLogSink(void* context)
{
    if (installedContext != context)
        return;
    installedSink = nullptr;
    installedContext = nullptr;
}

void GlobalLog(const char* source, int line, LogLevel level, const char* format, ...)
{
    if (!installedSink)
        return;
    va_list arguments;
    va_start(arguments, format);
    installedSink(installedContext, source, line, level, format, arguments);
    va_end(arguments);
}

} // namespace toolbox
