#pragma once

#include "toolbox/ArrayList.h"
#include "toolbox/String.h"
#include "toolbox/StringKeyHashMap.h"

namespace toolbox {

// Splits an argument vector into the program path, options (arguments that
// begin with "/" or "-", matched case-sensitively by their whole text) with
// the values they take, and positional arguments. Owns its options and copies
// of every argument it keeps.
class CommandLine {
public:
    class Option {
    public:
        Option(const char* optionName, int valueCount);

        int GetArgumentCount() const { return argumentCount; }
        bool IsPresent() const { return present; }
        const String& GetName() const { return name; }
        ArrayList<String>* GetValues() { return &values; }

    private:
        friend class CommandLine;

        int argumentCount;
        bool present = false;
        String name;
        ArrayList<String> values;
    };

    CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;
    ~CommandLine();

    // Replaces an option of the same name that was declared or met before.
    void DeclareOption(const char* name, int argumentCount);
    void Parse(int argumentCount, const char* const* argumentVector);
    // The arguments main handed to ProcessInfo, else the process's own.
    void ParseProcessArguments();

    // The values of the option's last occurrence (empty when it did not
    // occur), or null when the option was neither declared nor met.
    ArrayList<String>* GetOptionValues(const char* name) const;
    // The option itself, or null; tells whether it occurred.
    Option* GetOption(const char* name) const;

    const ArrayList<String>& GetArguments() const { return arguments; }
    const String& GetProgramPath() const { return programPath; }

private:
    StringKeyHashMap<Option> options;
    ArrayList<String> arguments;
    String programPath;
};

} // namespace toolbox
