#include "toolbox/ProcessInfo.h"

#include "app/InformationOptions.h"
#include "app/Ordovan.h"
#include "app/TerminationSignals.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (InformationOptions::Handle(argc, argv, std::cout))
        return 0;
    toolbox::ProcessInfo::SetArguments(argc, argv);

    Ordovan application(argc, argv);
    TerminationSignals terminationSignals([&application] { application.QuitRegularly(); });
    if (!application.InitInstance())
        return 0;
    return application.exec();
}
