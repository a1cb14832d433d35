#include "app/triext/TreeLineStyle.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

constexpr int Side = 20;
constexpr int Middle = Side / 2 - 1;

// Which of the three arms of a branch cell the style draws: up from the
// middle, down from it, and right from it towards the node's icon.
struct Arms {
    bool up;
    bool down;
    bool right;
    bool operator==(const Arms&) const = default;
};

Arms DrawnArms(QStyle::State state)
{
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOption option;
    option.rect = QRect(0, 0, Side, Side);
    option.state = state;
    option.palette.setColor(QPalette::Dark, Qt::black);
    QPainter painter(&image);
    TreeLineStyle().drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, nullptr);
    painter.end();
    auto painted = [&image](int x, int y, int lastX, int lastY) {
        for (int i = x; i <= lastX; ++i) {
            for (int j = y; j <= lastY; ++j) {
                if (image.pixelColor(i, j) != Qt::white)
                    return true;
            }
        }
        return false;
    };
    return { painted(Middle, 0, Middle, Middle - 1), painted(Middle, Middle + 1, Middle, Side - 1),
        painted(Middle + 1, Middle, Side - 1, Middle) };
}

} // namespace

TEST(TreeLineStyle, ConnectsEachNodeToItsParentAndItsLaterSiblings)
{
    EXPECT_EQ(DrawnArms(QStyle::State_Item), (Arms { true, false, true })) << "last child";
    EXPECT_EQ(DrawnArms(QStyle::State_Item | QStyle::State_Sibling), (Arms { true, true, true })) << "child";
    EXPECT_EQ(DrawnArms(QStyle::State_Sibling), (Arms { true, true, false })) << "an ancestor's sibling below";
    EXPECT_EQ(DrawnArms(QStyle::State_None), (Arms { false, false, false })) << "nothing";
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
