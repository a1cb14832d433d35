#include "app/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(AboutDialog, IsTitledAndStartsWithTheVersionLine)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Ordovan");
    EXPECT_TRUE(dialog.GetTextLabel()->text().startsWith("Ordovan Version 1.1.1\n"));
}

TEST(AboutDialog, OkClosesItAccepted)
{
    AboutDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.GetOkButton()->text(), "OK");
    EXPECT_TRUE(dialog.GetOkButton()->isDefault());
    dialog.GetOkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AboutDialog, KeepsOneSizeAndOffersNoMinimizeOrMaximize)
{
    AboutDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog.GetTextLabel()->geometry().bottom() < dialog.GetOkButton()->geometry().top());
}
