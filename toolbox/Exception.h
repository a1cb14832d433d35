#pragma once

namespace toolbox {

// The library's exceptions. One made with a source location writes itself to
// the log when it is created, because nothing in the program catches them and
// the log line is the only record that remains. Thrown by value, caught by
// reference; every copy owns copies of the message and source texts.
class Exception {
public:
    explicit Exception(const char* name);
    Exception(const char* name, const char* message, const char* source, int line);
    Exception(const Exception& other);
    Exception& operator=(const Exception& other);
    virtual ~Exception();

    const char* GetName() const { return name; }
    const char* GetMessage() const { return message; }
    const char* GetSourceFile() const { return sourceFile; }
    int GetLine() const { return line; }

private:
    const char* name;
    int line = 0;
    char* message = nullptr;
    char* sourceFile = nullptr;
};

class EAutoBreaking : public Exception {
public:
    EAutoBreaking(const char* name, const char* message, const char* source, int line);
};

class EIllegalArgument : public EAutoBreaking {
public:
    EIllegalArgument(const char* message, const char* source, int line);
};

class EIllegalState : public EAutoBreaking {
public:
    EIllegalState(const char* message, const char* source, int line);
};

class EOutOfMemory : public Exception {
public:
    EOutOfMemory();
};

// The part of a source text after its last path separator ('/' or '\'), or
// the whole text when it has none.
const char* LastPathPart(const char* source);

} // namespace toolbox
