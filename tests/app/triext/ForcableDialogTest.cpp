#include "app/triext/ForcableDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CountingDialog : public mfctriext::ForcableDialog {
public:
    CountingDialog()
    {
        auto* row = CreateButtonRow({ CreateOkButton(), CreateCancelButton() });
        setLayout(row);
        OnInitDialog();
    }

    int loads = 0;
    int saves = 0;

protected:
    void DoDataExchange(Exchange direction) override { ++(direction == Exchange::Load ? loads : saves); }
};

TEST(ForcableDialog, LoadsItsFieldsOnceAtInitialisation)
{
    CountingDialog dialog;
    EXPECT_EQ(dialog.loads, 1);
    EXPECT_EQ(dialog.saves, 0);
}

TEST(ForcableDialog, StartsWithOkCancelAndACloseBox)
{
    CountingDialog dialog;
    EXPECT_FALSE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "OK");
    EXPECT_TRUE(dialog.GetOkButton()->isDefault());
    EXPECT_EQ(dialog.GetCancelButton()->text(), "Cancel");
    EXPECT_TRUE(dialog.GetCancelButton()->isEnabled());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST(ForcableDialog, ForceDisablesCancelRelabelsOkAndRemovesTheCloseBox)
{
    CountingDialog dialog;
    dialog.Force();
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_TRUE(dialog.GetOkButton()->isEnabled());
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
}

TEST(ForcableDialog, OkSavesTheFieldsAndAccepts)
{
    CountingDialog dialog;
    dialog.show();
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.saves, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ForcableDialog, CancelSavesNothing)
{
    CountingDialog dialog;
    dialog.show();
    dialog.GetCancelButton()->click();
    EXPECT_EQ(dialog.saves, 0);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ForcableDialog, EscapeCancelsUntilForced)
{
    CountingDialog dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    CountingDialog forced;
    forced.show();
    forced.Force();
    QTest::keyClick(&forced, Qt::Key_Escape);
    EXPECT_TRUE(forced.isVisible());
    EXPECT_EQ(forced.saves, 0);
}

TEST(ForcableDialog, ForcedDialogIgnoresCloseRequestsButLeavesThroughClose)
{
    CountingDialog dialog;
    dialog.show();
    dialog.Force();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());

    dialog.GetOkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.saves, 1);
}

TEST(ForcableDialog, ForceBeforeTheButtonsExistIsHarmless)
{
    mfctriext::ForcableDialog bare;
    bare.Force();
    EXPECT_TRUE(bare.IsForced());
    EXPECT_EQ(bare.GetOkButton(), nullptr);
}

} // namespace
