#include "model/Person.h"
#include "model/PrecedentTask.h"
#include "model/Task.h"

#include "dialogs/PrecedenceDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PrecedenceDialogTest : public ::testing::Test {
protected:
    PrecedenceDialogTest()
        : earlier(&person)
        , later(&person)
        , entry(&earlier)
    {
        earlier.SetName("Shower");
        later.SetName("Breakfast");
    }

    Person person;
    Task earlier;
    Task later;
    PrecedentTask entry;
};

TEST_F(PrecedenceDialogTest, NamesTheEarlierAndTheLaterTask)
{
    PrecedenceDialog dialog(entry, later);
    EXPECT_EQ(dialog.windowTitle(), "Precedence properties");
    EXPECT_EQ(dialog.GetEarlierLabel()->text(), "Earlier task: Shower");
    EXPECT_EQ(dialog.GetLaterLabel()->text(), "Later task: Breakfast");
}

TEST_F(PrecedenceDialogTest, ANeverEditedEntryOpensWithBothBoundsOffEmptyAndDisabled)
{
    PrecedenceDialog dialog(entry, later);
    EXPECT_FALSE(dialog.GetAtLeastCheck()->isChecked());
    EXPECT_TRUE(dialog.GetAtLeastEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.GetAtLeastEdit()->isEnabled());
    EXPECT_FALSE(dialog.GetAtLastCheck()->isChecked());
    EXPECT_TRUE(dialog.GetAtLastEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.GetAtLastEdit()->isEnabled());
}

TEST_F(PrecedenceDialogTest, OpensWithBothBoundsOnAndShownWhenSet)
{
    entry.SetMinimumTime(10);
    entry.SetMaximumTime(32766);
    PrecedenceDialog dialog(entry, later);
    EXPECT_TRUE(dialog.GetAtLeastCheck()->isChecked());
    EXPECT_EQ(dialog.GetAtLeastEdit()->text(), "10");
    EXPECT_TRUE(dialog.GetAtLeastEdit()->isEnabled());
    EXPECT_TRUE(dialog.GetAtLastCheck()->isChecked());
    EXPECT_EQ(dialog.GetAtLastEdit()->text(), "32766");
    EXPECT_TRUE(dialog.GetAtLastEdit()->isEnabled());
}

TEST_F(PrecedenceDialogTest, ShowsANegativeMinimumAndAMaximumAbove32766AsNoBound)
{
    entry.SetMinimumTime(-5);
    entry.SetMaximumTime(40000);
    PrecedenceDialog dialog(entry, later);
    EXPECT_FALSE(dialog.GetAtLeastCheck()->isChecked());
    EXPECT_FALSE(dialog.GetAtLastCheck()->isChecked());
    EXPECT_TRUE(dialog.GetAtLastEdit()->text().isEmpty());
}

TEST_F(PrecedenceDialogTest, OkStoresTheCheckedBounds)
{
    PrecedenceDialog dialog(entry, later);
    dialog.GetAtLeastCheck()->click();
    dialog.GetAtLeastEdit()->setText("15");
    dialog.GetAtLastCheck()->click();
    dialog.GetAtLastEdit()->setText("90 min");
    dialog.GetOkButton()->click();
    EXPECT_EQ(entry.GetMinimumTime(), 15);
    EXPECT_EQ(entry.GetMaximumTime(), 90);
}

TEST_F(PrecedenceDialogTest, UncheckingStoresNoBoundWhateverTheFieldSays)
{
    entry.SetMinimumTime(10);
    entry.SetMaximumTime(60);
    PrecedenceDialog dialog(entry, later);
    dialog.GetAtLeastCheck()->click();
    dialog.GetAtLastCheck()->click();
    EXPECT_FALSE(dialog.GetAtLeastEdit()->isEnabled());
    EXPECT_FALSE(dialog.GetAtLastEdit()->isEnabled());
    dialog.GetOkButton()->click();
    EXPECT_EQ(entry.GetMinimumTime(), 0);
    EXPECT_EQ(entry.GetMaximumTime(), 32767);
}

TEST_F(PrecedenceDialogTest, AtLeastCheckedWithZeroReopensUnchecked)
{
    PrecedenceDialog dialog(entry, later);
    dialog.GetAtLeastCheck()->click();
    dialog.GetAtLeastEdit()->setText("0");
    dialog.GetOkButton()->click();
    EXPECT_EQ(entry.GetMinimumTime(), 0);
    PrecedenceDialog again(entry, later);
    EXPECT_FALSE(again.GetAtLeastCheck()->isChecked());
}

TEST_F(PrecedenceDialogTest, AtLastCheckedWith32767OrMoreReopensUnchecked)
{
    for (const char* typed : { "32767", "50000" }) {
        PrecedenceDialog dialog(entry, later);
        dialog.GetAtLastCheck()->setChecked(true);
        dialog.GetAtLastEdit()->setText(typed);
        dialog.GetOkButton()->click();
        PrecedenceDialog again(entry, later);
        EXPECT_FALSE(again.GetAtLastCheck()->isChecked()) << typed;
        EXPECT_TRUE(again.GetAtLastEdit()->text().isEmpty()) << typed;
    }
}

TEST_F(PrecedenceDialogTest, BoundsAreTakenWithoutRangeChecks)
{
    PrecedenceDialog dialog(entry, later);
    dialog.GetAtLeastCheck()->click();
    dialog.GetAtLeastEdit()->setText("120");
    dialog.GetAtLastCheck()->click();
    dialog.GetAtLastEdit()->setText("30");
    dialog.GetOkButton()->click();
    EXPECT_EQ(entry.GetMinimumTime(), 120);
    EXPECT_EQ(entry.GetMaximumTime(), 30);
}

TEST_F(PrecedenceDialogTest, CancelWritesNothing)
{
    entry.SetMinimumTime(5);
    PrecedenceDialog dialog(entry, later);
    dialog.GetAtLeastEdit()->setText("25");
    dialog.GetAtLastCheck()->click();
    dialog.GetAtLastEdit()->setText("50");
    dialog.GetCancelButton()->click();
    EXPECT_EQ(entry.GetMinimumTime(), 5);
    EXPECT_EQ(entry.GetMaximumTime(), 32767);
}

TEST_F(PrecedenceDialogTest, CheckingABoundMovesTheFocusIntoItsField)
{
    PrecedenceDialog dialog(entry, later);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    dialog.GetAtLastCheck()->click();
    EXPECT_TRUE(dialog.GetAtLastEdit()->isEnabled());
    EXPECT_TRUE(dialog.GetAtLastEdit()->hasFocus());

    dialog.GetAtLeastCheck()->click();
    EXPECT_TRUE(dialog.GetAtLeastEdit()->hasFocus());
}

} // namespace
