#include "TestApplication.h"

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> storedArguments;
std::vector<char*> argumentPointers;
int argumentCount = 0;
std::unique_ptr<QApplication> shared;

} // namespace

void TestApplication::Initialise(int argc, char** argv)
{
    // Only the program's name: the test framework's own options mean nothing to
    // the application objects.
    storedArguments.assign(argv, argv + (argc > 0 ? 1 : 0));
    if (storedArguments.empty())
        storedArguments.push_back("app_tests");
}

int& TestApplication::GetArgumentCount()
{
    argumentPointers.clear();
    for (std::string& argument : storedArguments)
        argumentPointers.push_back(argument.data());
    argumentPointers.push_back(nullptr);
    argumentCount = static_cast<int>(storedArguments.size());
    return argumentCount;
}

char** TestApplication::GetArguments()
{
    return argumentPointers.data();
}

void TestApplication::Start()
{
    if (!shared && !QCoreApplication::instance()) {
        int& count = GetArgumentCount();
        shared = std::make_unique<QApplication>(count, GetArguments());
    }
}

void TestApplication::Stop()
{
    shared.reset();
}
