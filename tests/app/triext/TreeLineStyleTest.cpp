#include "app/triext/TreeLineStyle.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

constexpr int Side = 20;

// One branch cell drawn on white; true where the style painted something.
class BranchCell {
public:
    explicit BranchCell(QStyle::State state)
        : image(Side, Side, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        QStyleOption option;
        option.rect = QRect(0, 0, Side, Side);
        option.state = state;
        option.palette.setColor(QPalette::Dark, Qt::black);
        QPainter painter(&image);
        style.drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, nullptr);
    }

    bool PaintedAlongColumn(int x, int fromY, int toY) const { return Painted(x, fromY, x, toY, 0, 1); }
    bool PaintedAlongRow(int y, int fromX, int toX) const { return Painted(fromX, y, toX, y, 1, 0); }

private:
    bool Painted(int x, int y, int lastX, int lastY, int stepX, int stepY) const
    {
        for (; x <= lastX && y <= lastY; x += stepX, y += stepY) {
            if (image.pixelColor(x, y) != Qt::white)
                return true;
        }
        return false;
    }

    TreeLineStyle style;
    QImage image;
};

constexpr int Middle = Side / 2 - 1;

} // namespace

TEST(TreeLineStyle, ALastChildConnectsUpwardsAndToItsIconOnly)
{
    BranchCell cell(QStyle::State_Item);
    EXPECT_TRUE(cell.PaintedAlongColumn(Middle, 0, Middle - 1));
    EXPECT_TRUE(cell.PaintedAlongRow(Middle, Middle + 1, Side - 1));
    EXPECT_FALSE(cell.PaintedAlongColumn(Middle, Middle + 1, Side - 1));
}

TEST(TreeLineStyle, AChildWithLaterSiblingsCarriesTheLineOnDownwards)
{
    BranchCell cell(QStyle::State_Item | QStyle::State_Sibling);
    EXPECT_TRUE(cell.PaintedAlongColumn(Middle, 0, Middle - 1));
    EXPECT_TRUE(cell.PaintedAlongColumn(Middle, Middle + 1, Side - 1));
    EXPECT_TRUE(cell.PaintedAlongRow(Middle, Middle + 1, Side - 1));
}

TEST(TreeLineStyle, AnAncestorsLaterSiblingGivesAStraightLineWithoutATurn)
{
    BranchCell cell(QStyle::State_Sibling);
    EXPECT_TRUE(cell.PaintedAlongColumn(Middle, 0, Middle - 1));
    EXPECT_TRUE(cell.PaintedAlongColumn(Middle, Middle + 1, Side - 1));
    EXPECT_FALSE(cell.PaintedAlongRow(Middle, Middle + 6, Side - 1));
}

TEST(TreeLineStyle, AnEmptyCellStaysEmpty)
{
    BranchCell cell(QStyle::State_None);
    EXPECT_FALSE(cell.PaintedAlongColumn(Middle, 0, Side - 1));
    EXPECT_FALSE(cell.PaintedAlongRow(Middle, 0, Side - 1));
}

TEST(TreeLineStyle, BelongsToTheTreeItIsGivenTo)
{
    QPointer<QStyle> style;
    {
        QTreeWidget tree;
        TreeLineStyle::DrawLinesIn(tree);
        style = tree.style();
        EXPECT_NE(qobject_cast<TreeLineStyle*>(style.data()), nullptr);
    }
    EXPECT_TRUE(style.isNull());
}
