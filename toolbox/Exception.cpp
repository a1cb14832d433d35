#include "toolbox/Exception.h"

#include "toolbox/GlobalLog.h"

#include <cstdlib>
#include <cstring>

namespace toolbox {

namespace {

char* CopyText(const char* text)
{
    if (!text)
        return nullptr;
    size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (!copy)
        throw EOutOfMemory();
    std::memcpy(copy, text, size);
    return copy;
}

} // namespace

const char* LastPathPart(const char* source)
{
    const char* part = source;
    for (const char* c = source; *c; ++c) {
        if (*c == '/' || *c == '\\')
            part = c + 1;
    }
    return part;
}

Exception::Exception(const char* name)
    : name(name)
{
}

Exception::Exception(const char* name, const char* message, const char* source, int line)
    : name(name)
    , line(line)
{
    this->message = CopyText(message);
    try {
        this->sourceFile = source ? CopyText(LastPathPart(source)) : nullptr;
    } catch (...) {
        std::free(this->message);
        throw;
    }
    if (!source || line == 0)
        return;
    // The two lines of an exception record, as stored logs have always held
    // them. The record is a courtesy: an exception that fails to log itself
    // must still be thrown as made, and a constructor that throws here would
    // leak the copies above.
    try {
        GlobalLog(source, line, LogLevel::Exception, "%s.\nMessage: %s", name, message);
    } catch (...) {
    }
}

Exception::Exception(const Exception& other)
    : name(other.name)
    , line(other.line)
{
    message = CopyText(other.message);
    try {
        sourceFile = CopyText(other.sourceFile);
    } catch (...) {
        std::free(message);
        throw;
    }
}

Exception& Exception::operator=(const Exception& other)
{
    if (this == &other)
        return *this;
    char* newMessage = CopyText(other.message);
    char* newSource = nullptr;
    try {
        newSource = CopyText(other.sourceFile);
    } catch (...) {
        std::free(newMessage);
        throw;
    }
    std::free(message);
    std::free(sourceFile);
    name = other.name;
    line = other.line;
    message = newMessage;
    sourceFile = newSource;
    return *this;
}

Exception::~Exception()
{
    std::free(message);
    std::free(sourceFile);
}

EAutoBreaking::EAutoBreaking(const char* name, const char* message, const char* source, int line)
    : Exception(name, message, source, line)
{
}

EIllegalArgument::EIllegalArgument(const char* message, const char* source, int line)
    : EAutoBreaking("EIllegalArgument", message, source, line)
{
}

EIllegalState::EIllegalState(const char* message, const char* source, int line)
    : EAutoBreaking("EIllegalState", message, source, line)
{
}

EOutOfMemory::EOutOfMemory()
    : Exception("EOutOfMemory")
{
}

} // namespace toolbox
