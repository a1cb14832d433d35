#include "app/triext/ElidedTextToolTip.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class ElidedTextToolTipTest : public ::testing::Test {
protected:
    ElidedTextToolTipTest()
    {
        tree.setHeaderHidden(true);
        ElidedTextToolTip::ShowIn(tree);
        shortRow = new QTreeWidgetItem(&tree, { "Car" });
        longRow = new QTreeWidgetItem(&tree, { "Drive the children to school and buy the bread on the way back" });
        tree.resize(160, 120);
        tree.show();
    }
    ~ElidedTextToolTipTest() override { QToolTip::hideText(); }

    // What a person sees on resting the pointer on the row.
    QString ToolTipOver(QTreeWidgetItem* row)
    {
        QToolTip::hideText();
        const QPoint at = tree.visualItemRect(row).center();
        QHelpEvent event(QEvent::ToolTip, at, tree.viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree.viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    QTreeWidget tree;
    QTreeWidgetItem* shortRow;
    QTreeWidgetItem* longRow;
};

} // namespace

TEST_F(ElidedTextToolTipTest, ARowCutShortShowsItsWholeTextAsTooltip)
{
    EXPECT_EQ(ToolTipOver(longRow), longRow->text(0));
}

TEST_F(ElidedTextToolTipTest, ARowShownInFullHasNoTooltip)
{
    EXPECT_EQ(ToolTipOver(shortRow), QString());
}

TEST_F(ElidedTextToolTipTest, WideningTheViewUntilTheTextFitsTakesTheTooltipAway)
{
    tree.resize(2000, 120);
    EXPECT_EQ(ToolTipOver(longRow), QString());
}

TEST_F(ElidedTextToolTipTest, ARowWithATooltipOfItsOwnKeepsIt)
{
    longRow->setToolTip(0, "Ben's task");
    shortRow->setToolTip(0, "Anna's car");
    EXPECT_EQ(ToolTipOver(longRow), "Ben's task");
    EXPECT_EQ(ToolTipOver(shortRow), "Anna's car");
}
