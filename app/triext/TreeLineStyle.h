#pragma once

#include <QProxyStyle>

class QTreeView;

// Draws the dotted lines that connect each node of a tree to its parent and
// its siblings, which the desktop styles of Linux leave out, and leaves the
// expand buttons and everything else to the application's style.
class TreeLineStyle : public QProxyStyle {
    Q_OBJECT
public:
    TreeLineStyle();

    // Gives `tree` a line style of its own, which lives as long as the tree.
    static void DrawLinesIn(QTreeView& tree);

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;

private:
    static void DrawConnectingLines(const QStyleOption& option, QPainter& painter);
};
