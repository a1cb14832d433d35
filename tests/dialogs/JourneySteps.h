#pragma once

#include "app/triext/ForcableDialog.h"
#include "dialogs/EntityList.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// What a person does inside a dialog, for the journey tests: click rows,
// type into the field that has the focus, and look at the forced state.

inline void ClickNode(QTreeWidget* tree, QTreeWidgetItem* node, Qt::KeyboardModifiers modifiers = {})
{
    ASSERT_NE(node, nullptr);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, tree->visualItemRect(node).center());
}

// The row showing `text`, or null.
inline QTreeWidgetItem* RowOf(EntityList* list, const char* text)
{
    for (int row = 0; row < list->GetRowCount(); ++row) {
        if (list->GetTextAt(row) == text)
            return list->topLevelItem(row);
    }
    return nullptr;
}

inline void ClickRow(EntityList* list, const char* text, Qt::KeyboardModifiers modifiers = {})
{
    ClickNode(list, RowOf(list, text), modifiers);
}

inline void TypeIntoFocus(const QString& text)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

inline void Replace(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

inline void ExpectOpenAndForced(const mfctriext::ForcableDialog& dialog)
{
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
}
