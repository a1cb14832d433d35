#include "cli/PlanTool.h"
#include "toolbox/Exception.h"

#include <cstdio>
#include <new>

int main(int argc, char** argv)
{
    try {
        return PlanTool(stdout, stderr).Run(argc - 1, argv + 1);
    } catch (const toolbox::Exception& exception) {
        std::fprintf(stderr, "ordovan-plan: %s%s%s\n", exception.GetName(), exception.GetMessage() ? ": " : "",
            exception.GetMessage() ? exception.GetMessage() : "");
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "ordovan-plan: out of memory\n");
    }
    return PlanTool::UsageOrDataError;
}
