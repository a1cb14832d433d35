#pragma once

#include <QTest>
#include <QTreeWidget>

// A user's double-click on a row: the first click selects it, the second
// reports the double-click. The offscreen platform does not turn synthetic
// press pairs into a double-click, so the second half is the widget's signal.
inline void DoubleClickRow(QTreeWidget* list, QTreeWidgetItem* row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    emit list->itemDoubleClicked(row, 0);
}
