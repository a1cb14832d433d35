#include "toolbox/Logger.h"
#include "toolbox/ProcessInfo.h"

#include "app/InformationOptions.h"
#include "app/Ordovan.h"
#include "app/TerminationSignals.h"

#include <iostream>

namespace {

// The logger lives inside the application object's lifetime: it starts after
// the model is built and closes before the model is written back.
class GlobalLoggerLifetime {
public:
    GlobalLoggerLifetime() { toolbox::Logger::StartGlobal(); }
    ~GlobalLoggerLifetime() { toolbox::Logger::ShutdownGlobal(); }
};

} // namespace

int main(int argc, char** argv)
{
    if (InformationOptions::Handle(argc, argv, std::cout))
        return 0;
    toolbox::ProcessInfo::SetArguments(argc, argv);

    Ordovan application(argc, argv);
    GlobalLoggerLifetime logger;
    TerminationSignals terminationSignals([&application] { application.QuitRegularly(); });
    if (!application.InitInstance())
        return 0;
    return application.exec();
}
