#include "app/MainWindowStub.h"

#include <gtest/gtest.h>

TEST(MainWindowStub, OpensWithTheProgramTitleAndClosesCleanly)
{
    MainWindowStub window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Ordovan - Compute your time plans");
    EXPECT_TRUE(window.close());
}
