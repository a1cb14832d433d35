#include "app/triext/ForcableDialog.h"

#include "ModalJourney.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

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

// A name field and a second field, as the property dialogs have them.
class FieldsDialog : public mfctriext::ForcableDialog {
public:
    explicit FieldsDialog(const QString& title = QStringLiteral("Fields"), Sizing sizing = Sizing::Resizable)
    {
        SetSizing(sizing);
        setWindowTitle(title);
        disabledField->setEnabled(false);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(disabledField);
        layout->addWidget(nameField);
        layout->addWidget(otherField);
        layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
        nameField->setText("Task");
        otherField->setText("15");
    }

    QLineEdit* disabledField = new QLineEdit(this);
    QLineEdit* nameField = new QLineEdit(this);
    QLineEdit* otherField = new QLineEdit(this);
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

TEST(ForcableDialog, ForceDisablesCancelAndRelabelsOkWithoutTouchingTheWindow)
{
    CountingDialog dialog;
    dialog.show();
    const Qt::WindowFlags flags = dialog.windowFlags();
    dialog.Force();
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_TRUE(dialog.GetOkButton()->isEnabled());
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
    EXPECT_EQ(dialog.windowFlags(), flags);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ForcableDialog, OffersNoMinimizeOrMaximizeButton)
{
    CountingDialog dialog;
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// The fault this guards against: forcing a shown dialog hid it, which ended
// its modal run as if Cancel had been pressed.
TEST(ForcableDialog, ForcingDuringTheModalRunKeepsTheRunGoingUntilClose)
{
    CountingDialog dialog;
    ModalJourney journey;
    journey.Then<mfctriext::ForcableDialog>([](mfctriext::ForcableDialog& shown) { shown.Force(); })
        .Then<mfctriext::ForcableDialog>([](mfctriext::ForcableDialog& shown) {
            EXPECT_TRUE(shown.isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), &shown);
            QTest::keyClick(&shown, Qt::Key_Escape);
        })
        .Then<mfctriext::ForcableDialog>([](mfctriext::ForcableDialog& shown) {
            EXPECT_TRUE(shown.isVisible());
            QTest::mouseClick(shown.GetOkButton(), Qt::LeftButton);
        });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    EXPECT_EQ(dialog.saves, 1);
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

TEST(ForcableDialog, OpensWithTheFirstFieldFocusedAndSelectedSoTypingReplacesIt)
{
    FieldsDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), dialog.nameField);
    EXPECT_EQ(dialog.nameField->selectedText(), "Task");
    QTest::keyClicks(dialog.nameField, "Wash car");
    EXPECT_EQ(dialog.nameField->text(), "Wash car");
    EXPECT_EQ(dialog.otherField->text(), "15");
}

TEST(ForcableDialog, ANarrowDialogGrowsToShowItsWholeTitle)
{
    const QString title = "Precedence properties of a rather long title";
    FieldsDialog dialog(title);
    dialog.setMaximumWidth(QWIDGETSIZE_MAX);
    dialog.resize(80, dialog.height());
    dialog.show();
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(title));
    EXPECT_GE(dialog.minimumWidth(), dialog.width());
}

TEST(ForcableDialog, AVeryLongTitleDoesNotMakeTheDialogWiderThanTheScreen)
{
    FieldsDialog dialog(QString(400, QLatin1Char('W')));
    dialog.show();
    EXPECT_LE(dialog.width(), dialog.screen()->availableGeometry().width());
}

TEST(ForcableDialog, AFixedDialogKeepsTheSizeItOpensWithAndAResizableOneMayGrow)
{
    FieldsDialog fixed("Fixed", mfctriext::ForcableDialog::Sizing::Fixed);
    fixed.show();
    EXPECT_EQ(fixed.minimumSize(), fixed.size());
    EXPECT_EQ(fixed.maximumSize(), fixed.size());

    FieldsDialog resizable("Resizable", mfctriext::ForcableDialog::Sizing::Resizable);
    resizable.show();
    EXPECT_GT(resizable.maximumWidth(), resizable.width());
    EXPECT_GT(resizable.maximumHeight(), resizable.height());
}

TEST(ForcableDialog, ForceBeforeTheButtonsExistIsHarmless)
{
    mfctriext::ForcableDialog bare;
    bare.Force();
    EXPECT_TRUE(bare.IsForced());
    EXPECT_EQ(bare.GetOkButton(), nullptr);
}

} // namespace
