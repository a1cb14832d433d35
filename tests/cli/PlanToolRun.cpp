#include "PlanToolRun.h"

#include "cli/PlanTool.h"

#include <cstdio>

namespace {

std::string ReadAndClose(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

} // namespace

PlanToolOutcome RunPlanTool(const std::vector<std::string>& arguments)
{
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = PlanTool(out, err).Run(static_cast<int>(argv.size()), argv.data());
    return { status, ReadAndClose(out), ReadAndClose(err) };
}
