#include "model/Person.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "dialogs/EntityList.h"
#include "dialogs/PersonDialog.h"
#include "dialogs/PrecedenceDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/ResourceDialog.h"
#include "dialogs/TaskDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The letter after a single '&', or a null character.
QChar MnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

class DialogLayoutTest : public ::testing::Test {
protected:
    DialogLayoutTest()
        : task(&person)
        , profile(&person)
        , entry(&task)
    {
    }

    // Every dialog of this kind, made fresh for each check.
    std::vector<std::function<std::unique_ptr<QDialog>()>> Makers()
    {
        return {
            [this] { return std::make_unique<PersonDialog>(person); },
            [this] { return std::make_unique<ResourceDialog>(resource); },
            [this] { return std::make_unique<TaskDialog>(task, resources); },
            [this] { return std::make_unique<ProfileDialog>(profile); },
            [this] { return std::make_unique<PrecedenceDialog>(entry, task); },
        };
    }

    toolbox::ArrayList<Resource> resources;
    Person person;
    Resource resource;
    Task task;
    Profile profile;
    PrecedentTask entry;
};

TEST_F(DialogLayoutTest, EveryLabelWithAMnemonicHasABuddy)
{
    for (const auto& make : Makers()) {
        std::unique_ptr<QDialog> dialog = make();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!MnemonicOf(label->text()).isNull()) {
                EXPECT_NE(label->buddy(), nullptr)
                    << dialog->windowTitle().toStdString() << ": " << label->text().toStdString();
            }
        }
    }
}

TEST_F(DialogLayoutTest, NoTwoControlsOfADialogShareAMnemonic)
{
    for (const auto& make : Makers()) {
        std::unique_ptr<QDialog> dialog = make();
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts.append(label->text());
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts.append(button->text());
        QList<QChar> seen;
        for (const QString& text : texts) {
            const QChar mnemonic = MnemonicOf(text);
            if (mnemonic.isNull())
                continue;
            EXPECT_FALSE(seen.contains(mnemonic)) << dialog->windowTitle().toStdString() << ": " << text.toStdString();
            seen.append(mnemonic);
        }
    }
}

TEST_F(DialogLayoutTest, OkAndCancelSitAtTheBottomRight)
{
    for (const auto& make : Makers()) {
        std::unique_ptr<QDialog> made = make();
        auto* dialog = static_cast<mfctriext::ForcableDialog*>(made.get());
        dialog->show();
        const QRect ok = dialog->GetOkButton()->geometry();
        const QRect cancel = dialog->GetCancelButton()->geometry();
        const std::string title = dialog->windowTitle().toStdString();
        EXPECT_EQ(ok.top(), cancel.top()) << title;
        EXPECT_LT(ok.right(), cancel.left()) << title;
        EXPECT_GT(cancel.right(), dialog->width() * 3 / 4) << title;
        for (const QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != dialog->GetOkButton() && child != dialog->GetCancelButton() && child->isVisible()) {
                EXPECT_LE(child->geometry().bottom(), ok.top())
                    << title << " " << child->metaObject()->className() << " " << child->objectName().toStdString();
            }
        }
    }
}

TEST_F(DialogLayoutTest, DialogsOfAFewFieldsKeepOneSizeAndDialogsWithListsMayGrow)
{
    for (const auto& make : Makers()) {
        std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        const bool hasLists = !dialog->findChildren<EntityList*>().isEmpty();
        EXPECT_EQ(dialog->minimumSize() == dialog->maximumSize(), !hasLists) << dialog->windowTitle().toStdString();
    }
}

TEST_F(DialogLayoutTest, ProfileListsFormAnUpperAndALowerPairWithButtonsBetween)
{
    ProfileDialog dialog(profile);
    dialog.show();
    const QRect available = dialog.GetAvailableTasksList()->geometry();
    const QRect executed = dialog.GetExecutedTasksList()->geometry();
    const QRect candidates = dialog.GetCandidatePrecedentsList()->geometry();
    const QRect precedents = dialog.GetPrecedentTasksList()->geometry();
    const QRect add = dialog.GetAddExecutedButton()->geometry();
    const QRect addPrecedent = dialog.GetAddPrecedentButton()->geometry();
    const QRect timing = dialog.GetEditTimingButton()->geometry();

    EXPECT_EQ(available.top(), executed.top());
    EXPECT_LT(available.right(), add.left());
    EXPECT_LT(add.right(), executed.left());
    EXPECT_EQ(candidates.left(), available.left());
    EXPECT_EQ(precedents.left(), executed.left());
    EXPECT_GT(candidates.top(), available.bottom());
    EXPECT_GT(addPrecedent.top(), executed.bottom());
    EXPECT_GT(timing.top(), executed.bottom());
    EXPECT_LT(timing.bottom(), precedents.top());
    EXPECT_EQ(timing.right(), precedents.right());
}

TEST_F(DialogLayoutTest, TaskListsSitLeftAndRightOfTheirButtons)
{
    TaskDialog dialog(task, resources);
    dialog.show();
    const QRect available = dialog.GetAvailableList()->geometry();
    const QRect required = dialog.GetRequiredList()->geometry();
    const QRect add = dialog.GetAddButton()->geometry();
    const QRect remove = dialog.GetRemoveButton()->geometry();
    EXPECT_EQ(available.top(), required.top());
    EXPECT_LT(available.right(), add.left());
    EXPECT_LT(add.right(), required.left());
    EXPECT_LT(add.bottom(), remove.top());
    EXPECT_EQ(add.top(), available.top());
}

TEST_F(DialogLayoutTest, ListsShowNoHeaderAndAllowSeveralRows)
{
    ProfileDialog dialog(profile);
    for (const EntityList* list : dialog.findChildren<EntityList*>()) {
        EXPECT_TRUE(list->isHeaderHidden());
        EXPECT_EQ(list->columnCount(), 1);
        EXPECT_EQ(list->headerItem()->text(0), "Task");
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    }
}

} // namespace
