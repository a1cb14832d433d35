#include "toolbox/CommandLine.h"

#include "toolbox/NewOwned.h"
#include "toolbox/ProcessInfo.h"

namespace toolbox {

namespace {

    bool IsOptionText(const char* argument)
    {
        return argument[0] == '/' || argument[0] == '-';
    }

    const char* OrEmpty(const char* text)
    {
        return text ? text : "";
    }

} // namespace

// A negative count would make the parser step backwards over arguments it
// has already read, so it counts as no values.
CommandLine::Option::Option(const char* optionName, int valueCount)
    : argumentCount(valueCount > 0 ? valueCount : 0)
    , name(OrEmpty(optionName))
{
}

CommandLine::CommandLine() = default;

CommandLine::~CommandLine() = default;

void CommandLine::DeclareOption(const char* name, int argumentCount)
{
    name = OrEmpty(name);
    options.Remove(name);
    PutOwned(options, name, NewOwned<Option>(name, argumentCount));
}

void CommandLine::Parse(int argumentCount, const char* const* argumentVector)
{
    if (argumentCount <= 0 || !argumentVector)
        return;
    programPath.Assign(OrEmpty(argumentVector[0]));
    for (int i = 1; i < argumentCount; ++i) {
        const char* argument = OrEmpty(argumentVector[i]);
        if (!IsOptionText(argument)) {
            AddOwned(arguments, NewOwned<String>(argument));
            continue;
        }
        Option* option = options.Get(argument);
        if (!option) {
            auto met = NewOwned<Option>(argument, 0);
            met->present = true;
            PutOwned(options, argument, std::move(met));
            continue;
        }
        option->values.DeleteAll();
        option->present = true;
        // Too few values left: the rest of the line is not read at all.
        if (i + option->argumentCount >= argumentCount)
            return;
        for (int k = 1; k <= option->argumentCount; ++k)
            AddOwned(option->values, NewOwned<String>(OrEmpty(argumentVector[i + k])));
        i += option->argumentCount;
    }
}

void CommandLine::ParseProcessArguments()
{
    int count = ProcessInfo::GetArgumentCount();
    if (count <= 0)
        return;
    std::unique_ptr<const char*[]> vector(new (std::nothrow) const char*[count]);
    if (!vector)
        throw EOutOfMemory();
    for (int i = 0; i < count; ++i)
        vector[i] = ProcessInfo::GetArgument(i);
    Parse(count, vector.get());
}

ArrayList<String>* CommandLine::GetOptionValues(const char* name) const
{
    Option* option = GetOption(name);
    return option ? &option->values : nullptr;
}

CommandLine::Option* CommandLine::GetOption(const char* name) const
{
    return name ? options.Get(name) : nullptr;
}

} // namespace toolbox
