#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

// The widget tests below the application object share one plain
// application; nothing they test needs the configuration store.
int main(int argc, char** argv)
{
    // Test discovery runs this program outside CTest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    int applicationArgumentCount = argc > 0 ? 1 : 0;
    QApplication application(applicationArgumentCount, argv);
    return RUN_ALL_TESTS();
}
