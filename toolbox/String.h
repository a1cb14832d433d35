#pragma once

#include <cstdarg>

namespace toolbox {

// Zero-terminated narrow text whose copies share one buffer. Every string that
// shares a buffer is linked into one chain through next and prev, so copying,
// releasing a shared buffer and detaching before a write are constant-time; the
// last string of a chain frees the buffer. Every change first makes the buffer
// private through Reserve, so no change shows through another copy; reading
// never detaches. Appending grows the buffer geometrically (amortised constant
// per byte). Not safe to share between threads: copies change each other's
// links. Allocation failure raises EOutOfMemory; a null text counts as empty.
class String {
public:
    String();
    String(const char* text);
    explicit String(char c);
    String(const String& other);
    ~String();

    String& operator=(const String& other)
    {
        Assign(other);
        return *this;
    }
    String& operator=(const char* text)
    {
        Assign(text);
        return *this;
    }

    void Assign(const String& other);
    void Assign(const char* text);

    const char* GetText() const { return buffer; }
    int GetLength() const;
    int GetCapacity() const { return capacity; }

    int IndexOf(char c) const;
    int IndexOf(const char* text, int from = 0) const;
    bool EndsWith(const char* suffix) const;
    // Byte-wise, with the sign convention of strcmp.
    int Compare(const char* text) const;

    void Append(const char* text);
    void AppendChar(char c);
    void AppendNumber(int value);
    void Truncate(int position);
    void CutEnd(int count);
    void ToLower();
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void FormatFromVargs(const char* format, va_list arguments);

    enum class Contents { Discard, Keep };

    // Makes sure this string owns a buffer of at least size bytes alone. With
    // Contents::Keep the text is carried over, cut where the new buffer is
    // smaller; otherwise a newly taken buffer holds the empty text.
    void Reserve(int size, Contents keep);

    bool operator==(const char* text) const
    {
        return Compare(text) == 0;
    }
    bool operator!=(const char* text) const
    {
        return Compare(text) != 0;
    }
    bool operator<(const char* text) const
    {
        return Compare(text) < 0;
    }
    bool operator==(const String& other) const
    {
        return Compare(other.buffer) == 0;
    }
    bool operator!=(const String& other) const
    {
        return Compare(other.buffer) != 0;
    }
    bool operator<(const String& other) const
    {
        return Compare(other.buffer) < 0;
    }

private:
    void CopyText(const char* text, int textLength);
    bool FormatWithinLimit(const char* format, va_list arguments);
    void ShareWith(const String& other);
    void Release();
    bool IsShared() const
    {
        return next != nullptr || prev != nullptr;
    }

    char* buffer = nullptr;
    mutable int length = -1;
    mutable String* next = nullptr;
    mutable String* prev = nullptr;
    int capacity = 0;
};

} // namespace toolbox
