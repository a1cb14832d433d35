#include "toolbox/ProcessInfo.h"

#include "toolbox/ArrayList.h"
#include "toolbox/FileBytes.h"
#include "toolbox/NewOwned.h"

#include <climits>
#include <memory>
#include <unistd.h>

namespace toolbox {

namespace {

    struct ProcessState {
        bool handedOver = false;
        bool ownArgumentsRead = false;
        ArrayList<String> handedArguments;
        ArrayList<String> ownArguments;
        std::unique_ptr<String> programFile;
    };

    // Built on first use, so that objects constructed during static
    // initialisation can already ask for the arguments.
    ProcessState& State()
    {
        static ProcessState state;
        return state;
    }

    void ReadOwnArguments(ArrayList<String>& arguments)
    {
        int length = 0;
        std::unique_ptr<char[]> bytes = FileBytes::Read("/proc/self/cmdline", length);
        if (!bytes)
            return;
        // Every argument, the last one included, ends with a NUL.
        for (int start = 0; start < length;) {
            const char* argument = bytes.get() + start;
            auto copy = NewOwned<String>(argument);
            start += copy->GetLength() + 1;
            AddOwned(arguments, std::move(copy));
        }
    }

    const ArrayList<String>& Arguments()
    {
        ProcessState& state = State();
        if (state.handedOver)
            return state.handedArguments;
        if (!state.ownArgumentsRead) {
            ReadOwnArguments(state.ownArguments);
            state.ownArgumentsRead = true;
        }
        return state.ownArguments;
    }

    bool ReadExecutableLink(String& text)
    {
        char buffer[PATH_MAX + 1];
        ssize_t length = readlink("/proc/self/exe", buffer, PATH_MAX);
        if (length <= 0)
            return false;
        buffer[length] = '\0';
        text.Assign(buffer);
        return true;
    }

} // namespace

void ProcessInfo::SetArguments(int argumentCount, const char* const* argumentVector)
{
    ProcessState& state = State();
    state.handedArguments.DeleteAll();
    state.handedOver = argumentCount > 0 && argumentVector;
    if (!state.handedOver)
        return;
    for (int i = 0; i < argumentCount; ++i) {
        const char* argument = argumentVector[i];
        AddOwned(state.handedArguments, NewOwned<String>(argument ? argument : ""));
    }
}

int ProcessInfo::GetArgumentCount()
{
    return Arguments().GetCount();
}

const char* ProcessInfo::GetArgument(int index)
{
    String* argument = Arguments().Get(index);
    return argument ? argument->GetText() : nullptr;
}

void ProcessInfo::SetProgramFile(const char* text)
{
    State().programFile = text ? NewOwned<String>(text) : nullptr;
}

String ProcessInfo::GetProgramFile()
{
    if (State().programFile)
        return *State().programFile;
    String text;
    if (ReadExecutableLink(text))
        return text;
    const char* first = GetArgument(0);
    if (first)
        text.Assign(first);
    return text;
}

} // namespace toolbox
