#include "toolbox/String.h"

#include "toolbox/Exception.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <new>

namespace toolbox {

namespace {

    constexpr int initialCapacity = 4;
    constexpr int formatLimit = 0x20000000;
    constexpr int doublingLimit = 0x4000;

    char* Allocate(long long size)
    {
        if (size > INT_MAX)
            throw EOutOfMemory();
        char* memory = new (std::nothrow) char[static_cast<size_t>(size)];
        if (!memory)
            throw EOutOfMemory();
        return memory;
    }

    long long GrownCapacity(int oldCapacity, int size)
    {
        long long wanted = size;
        if (oldCapacity > 0 && oldCapacity < size) {
            long long target = oldCapacity < 16 ? 16
                : oldCapacity < doublingLimit   ? 2LL * oldCapacity
                                                : oldCapacity + oldCapacity / 2;
            if (target > wanted)
                wanted = target;
        }
        return 4 * (wanted / 4 + 1);
    }

    bool IsLatinCapital(unsigned char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 192 && c <= 214) || (c >= 216 && c <= 222);
    }

    bool PointsInto(const char* text, const char* buffer, int capacity)
    {
        return text >= buffer && text < buffer + capacity;
    }

} // namespace

String::String()
    : buffer(Allocate(initialCapacity))
    , length(0)
    , capacity(initialCapacity)
{
    buffer[0] = '\0';
}

String::String(const char* text)
{
    Assign(text);
}

String::String(char c)
{
    Reserve(2, Contents::Discard);
    buffer[0] = c;
    buffer[1] = '\0';
    length = c ? 1 : 0;
}

String::String(const String& other)
{
    ShareWith(other);
}

String::~String()
{
    Release();
}

void String::Assign(const String& other)
{
    if (buffer == other.buffer)
        return;
    Release();
    ShareWith(other);
}

void String::Assign(const char* text)
{
    if (!text)
        text = "";
    CopyText(text, static_cast<int>(std::strlen(text)));
}

// A text that lies inside this string's own buffer stays readable through
// Reserve: a private buffer holding it is already large enough, and a shared
// one lives on with the other strings of the chain.
void String::CopyText(const char* text, int textLength)
{
    Reserve(textLength + 1, Contents::Discard);
    std::memmove(buffer, text, static_cast<size_t>(textLength));
    buffer[textLength] = '\0';
    length = textLength;
}

void String::ShareWith(const String& other)
{
    buffer = other.buffer;
    capacity = other.capacity;
    length = other.length;
    prev = const_cast<String*>(&other);
    next = other.next;
    if (next)
        next->prev = this;
    other.next = this;
}

void String::Release()
{
    if (IsShared()) {
        if (prev)
            prev->next = next;
        if (next)
            next->prev = prev;
        prev = nullptr;
        next = nullptr;
    } else {
        delete[] buffer;
    }
    buffer = nullptr;
    capacity = 0;
    length = -1;
}

int String::GetLength() const
{
    if (length < 0)
        length = static_cast<int>(std::strlen(buffer));
    return length;
}

int String::IndexOf(char c) const
{
    int count = GetLength();
    for (int i = 0; i < count; ++i) {
        if (buffer[i] == c)
            return i;
    }
    return -1;
}

int String::IndexOf(const char* text, int from) const
{
    if (!text)
        return -1;
    if (from < 0)
        from = 0;
    if (from > GetLength())
        return -1;
    const char* found = std::strstr(buffer + from, text);
    return found ? static_cast<int>(found - buffer) : -1;
}

bool String::EndsWith(const char* suffix) const
{
    if (!suffix)
        return true;
    int suffixLength = static_cast<int>(std::strlen(suffix));
    int textLength = GetLength();
    if (suffixLength > textLength)
        return false;
    return std::memcmp(buffer + textLength - suffixLength, suffix, static_cast<size_t>(suffixLength)) == 0;
}

int String::Compare(const char* text) const
{
    return std::strcmp(buffer, text ? text : "");
}

void String::Append(const char* text)
{
    if (!text)
        return;
    int oldLength = GetLength();
    long long textLength = static_cast<long long>(std::strlen(text));
    if (oldLength + textLength + 1 > INT_MAX)
        throw EOutOfMemory();
    // Reserve keeps the old text, so a text taken from this very string is
    // found again at the same offset in the new buffer.
    long long offset = PointsInto(text, buffer, capacity) ? text - buffer : -1;
    Reserve(static_cast<int>(oldLength + textLength + 1), Contents::Keep);
    if (offset >= 0)
        text = buffer + offset;
    std::memmove(buffer + oldLength, text, static_cast<size_t>(textLength));
    length = static_cast<int>(oldLength + textLength);
    buffer[length] = '\0';
}

void String::AppendChar(char c)
{
    int oldLength = GetLength();
    if (oldLength > INT_MAX - 2)
        throw EOutOfMemory();
    Reserve(oldLength + 2, Contents::Keep);
    buffer[oldLength] = c;
    buffer[oldLength + 1] = '\0';
    length = c ? oldLength + 1 : oldLength;
}

void String::AppendNumber(int value)
{
    constexpr int numberRoom = 12;
    int oldLength = GetLength();
    if (oldLength > INT_MAX - numberRoom)
        throw EOutOfMemory();
    Reserve(oldLength + numberRoom, Contents::Keep);
    std::snprintf(buffer + oldLength, numberRoom, "%d", value);
    length = -1;
}

void String::Truncate(int position)
{
    if (position < 0)
        position = 0;
    if (position >= GetLength())
        return;
    Reserve(position + 1, Contents::Keep);
    buffer[position] = '\0';
    length = position;
}

void String::CutEnd(int count)
{
    if (count < 0)
        return;
    int textLength = GetLength();
    Truncate(count >= textLength ? 0 : textLength - count);
}

void String::ToLower()
{
    Reserve(GetLength() + 1, Contents::Keep);
    for (char* c = buffer; *c; ++c) {
        auto code = static_cast<unsigned char>(*c);
        if (IsLatinCapital(code))
            *c = static_cast<char>(code + 32);
    }
}

void String::Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    try {
        FormatFromVargs(format, arguments);
    } catch (...) {
        va_end(arguments);
        throw;
    }
    va_end(arguments);
}

// The text is formatted into a buffer of its own, because the arguments may
// point into this string's buffer, which growing would free under them.
void String::FormatFromVargs(const char* format, va_list arguments)
{
    String result;
    if (!result.FormatWithinLimit(format ? format : "", arguments)) {
        Truncate(0);
        // Source name and line are the ones stored logs have always shown for this failure.
        throw EIllegalArgument(
            "Formatted string requires too much space (>512MB)", "toolbox::String::FormatFromVargs", 1147);
    }
    Release();
    buffer = result.buffer;
    capacity = result.capacity;
    length = -1;
    result.buffer = nullptr;
}

bool String::FormatWithinLimit(const char* format, va_list arguments)
{
    long long firstSize = static_cast<long long>(std::strlen(format)) * 4 / 3;
    Reserve(static_cast<int>(firstSize < INT_MAX - 4 ? firstSize : INT_MAX - 4), Contents::Discard);
    for (;;) {
        va_list attempt;
        va_copy(attempt, arguments);
        int count = std::vsnprintf(buffer, static_cast<size_t>(capacity - 1), format, attempt);
        va_end(attempt);
        bool fits = count >= 0 && count < capacity - 1;
        if (capacity >= formatLimit)
            return false;
        if (fits)
            return true;
        Reserve(capacity * 2, Contents::Discard);
    }
}

// The new buffer is taken before the chain is left or the old buffer is
// freed, so a failed allocation leaves this string exactly as it was.
void String::Reserve(int size, Contents keep)
{
    if (size < 0)
        size = 0;
    if (buffer && !IsShared() && capacity >= size)
        return;
    long long newCapacity = GrownCapacity(capacity, size);
    char* newBuffer = Allocate(newCapacity);
    int carried = capacity < size ? capacity : size;
    int newLength = 0;
    newBuffer[0] = '\0';
    if (keep == Contents::Keep && buffer && carried > 0) {
        std::memcpy(newBuffer, buffer, static_cast<size_t>(carried));
        // A buffer smaller than the text cuts it; the cut text still ends.
        newBuffer[carried] = '\0';
        newLength = length >= 0 && length < carried ? length : -1;
    }
    Release();
    buffer = newBuffer;
    capacity = static_cast<int>(newCapacity);
    length = newLength;
}

} // namespace toolbox
