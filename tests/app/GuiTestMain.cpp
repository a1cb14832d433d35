#include "TestApplication.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this program outside CTest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication::Initialise(argc, argv);
    TestApplication::Start();
    int result = RUN_ALL_TESTS();
    TestApplication::Stop();
    return result;
}
