#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"

#include "dialogs/ProfileDialog.h"

#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "app/triext/NameText.h"
#include "dialogs/EntityList.h"
#include "dialogs/NumberText.h"
#include "dialogs/PrecedenceDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int TaskColumnWidth = 137;

Task* AsTask(TreeItem* entity)
{
    return static_cast<Task*>(entity);
}

// Hours and minutes are taken without range checks, but their sum must not
// leave the 32 bits of the stored minutes.
std::int32_t EndTimeFrom(std::int32_t hours, std::int32_t minutes)
{
    const std::int64_t total = static_cast<std::int64_t>(hours) * 60 + minutes;
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(total, lowest, highest));
}

QLabel* CreateBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ProfileDialog::ProfileDialog(Profile& profile, QWidget* parent)
    : ForcableDialog(parent)
    , profile(profile)
    , nameEdit(new QLineEdit(this))
    , hoursEdit(new QLineEdit(this))
    , minutesEdit(new QLineEdit(this))
    , availableTasks(new EntityList(QStringLiteral("Task"), TaskColumnWidth, this))
    , addExecutedButton(new QPushButton(QStringLiteral("&Add >>"), this))
    , removeExecutedButton(new QPushButton(QStringLiteral("<< &Remove"), this))
    , executedTasks(new EntityList(QStringLiteral("Task"), TaskColumnWidth, this))
    , candidatePrecedents(new EntityList(QStringLiteral("Task"), TaskColumnWidth, this))
    , addPrecedentButton(new QPushButton(QStringLiteral("A&dd >>"), this))
    , removePrecedentButton(new QPushButton(QStringLiteral("<< Re&move"), this))
    , precedentTasks(new EntityList(QStringLiteral("Task"), TaskColumnWidth, this))
    , editTimingButton(new QPushButton(QStringLiteral("Edit &Timing..."), this))
{
    setWindowTitle(QStringLiteral("Profile properties"));
    BuildLayout();
    ConnectActions();
    OnInitDialog();
}

void ProfileDialog::BuildLayout()
{
    hoursEdit->setAlignment(Qt::AlignRight);
    nameEdit->setMinimumWidth(DialogUnitsToPixels(148, 14).width());
    const int timeWidth = DialogUnitsToPixels(17, 14).width();
    hoursEdit->setFixedWidth(timeWidth);
    minutesEdit->setFixedWidth(timeWidth);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(hoursEdit);
    timeRow->addWidget(new QLabel(QStringLiteral(":"), this));
    timeRow->addWidget(minutesEdit);
    timeRow->addStretch(1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameEdit);
    nameRow->addStretch(1);
    auto* fields = new QGridLayout;
    fields->addWidget(CreateBuddyLabel(QStringLiteral("&Name:"), nameEdit, this), 0, 0, Qt::AlignRight);
    fields->addLayout(nameRow, 0, 1);
    fields->addWidget(CreateBuddyLabel(QStringLiteral("&End time:"), hoursEdit, this), 1, 0, Qt::AlignRight);
    fields->addLayout(timeRow, 1, 1);

    const QSize listSize = DialogUnitsToPixels(146, 102);
    const int buttonWidth = DialogUnitsToPixels(47, 14).width();
    // Four lists at their template height do not fit a small screen; they
    // may shrink to half of it and grow with the dialog.
    for (EntityList* list : { availableTasks, executedTasks, candidatePrecedents, precedentTasks })
        list->setMinimumSize(listSize.width(), listSize.height() / 2);
    for (QPushButton* button :
        { addExecutedButton, removeExecutedButton, addPrecedentButton, removePrecedentButton, editTimingButton })
        button->setMinimumWidth(buttonWidth);

    auto* upperButtons = new QVBoxLayout;
    upperButtons->addWidget(addExecutedButton);
    upperButtons->addWidget(removeExecutedButton);
    upperButtons->addStretch(1);
    auto* lowerButtons = new QVBoxLayout;
    lowerButtons->addWidget(addPrecedentButton);
    lowerButtons->addWidget(removePrecedentButton);
    lowerButtons->addStretch(1);

    auto* explanation
        = new QLabel(QStringLiteral("After having chosen the executed tasks, select one after another and "
                                    "choose its precedent tasks, the tasks that have to be done before "
                                    "the selected one."),
            this);
    explanation->setWordWrap(true);

    // Both pairs of lists share one grid, so that the upper and the lower
    // lists line up with each other.
    auto* lists = new QGridLayout;
    lists->addWidget(CreateBuddyLabel(QStringLiteral("A&vailable tasks:"), availableTasks, this), 0, 0);
    lists->addWidget(CreateBuddyLabel(QStringLiteral("E&xecuted tasks:"), executedTasks, this), 0, 2);
    lists->addWidget(availableTasks, 1, 0);
    lists->addLayout(upperButtons, 1, 1);
    lists->addWidget(executedTasks, 1, 2);
    lists->addWidget(explanation, 2, 0, 1, 2);
    lists->addWidget(editTimingButton, 2, 2, Qt::AlignRight | Qt::AlignBottom);
    lists->addWidget(CreateBuddyLabel(QStringLiteral("Avai&lable tasks:"), candidatePrecedents, this), 3, 0);
    lists->addWidget(CreateBuddyLabel(QStringLiteral("&Precedent tasks:"), precedentTasks, this), 3, 2);
    lists->addWidget(candidatePrecedents, 4, 0);
    lists->addLayout(lowerButtons, 4, 1);
    lists->addWidget(precedentTasks, 4, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    lists->setRowStretch(1, 1);
    lists->setRowStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(DialogUnitsToPixels(0, 6).height());
    layout->addLayout(lists, 1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
}

void ProfileDialog::ConnectActions()
{
    connect(addExecutedButton, &QPushButton::clicked, this, &ProfileDialog::OnAddExecuted);
    connect(availableTasks, &EntityList::RowDoubleClicked, this, &ProfileDialog::OnAddExecuted);
    connect(removeExecutedButton, &QPushButton::clicked, this, &ProfileDialog::OnRemoveExecuted);
    connect(executedTasks, &EntityList::RowDoubleClicked, this, &ProfileDialog::OnRemoveExecuted);
    connect(executedTasks, &EntityList::itemSelectionChanged, this, &ProfileDialog::RefillPrecedentLists);
    connect(addPrecedentButton, &QPushButton::clicked, this, &ProfileDialog::OnAddPrecedent);
    connect(candidatePrecedents, &EntityList::RowDoubleClicked, this, &ProfileDialog::OnAddPrecedent);
    connect(removePrecedentButton, &QPushButton::clicked, this, &ProfileDialog::OnRemovePrecedent);
    connect(precedentTasks, &EntityList::RowDoubleClicked, this, &ProfileDialog::OnRemovePrecedent);
    connect(editTimingButton, &QPushButton::clicked, this, &ProfileDialog::OnEditTiming);
}

void ProfileDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load) {
        nameEdit->setText(NameText::ToDisplay(profile.GetName()));
        hoursEdit->setText(NumberText::FromWholeNumberTwoDigits(profile.GetEndTime() / 60));
        minutesEdit->setText(NumberText::FromWholeNumberTwoDigits(profile.GetEndTime() % 60));
    } else {
        profile.SetName(NameText::FromEdited(nameEdit->text(), profile.GetName()).constData());
        profile.SetEndTime(
            EndTimeFrom(NumberText::ToWholeNumber(hoursEdit->text()), NumberText::ToWholeNumber(minutesEdit->text())));
    }
}

void ProfileDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    RefillTaskLists();
    RefillPrecedentLists();
}

void ProfileDialog::RefillTaskLists()
{
    availableTasks->Clear();
    executedTasks->Clear();
    for (Task* task : profile.GetOwner()->GetTasks()) {
        EntityList* list = profile.Executes(*task) ? executedTasks : availableTasks;
        list->AddRow(task, NameText::ToDisplay(task->GetName()), ImageList::Task);
    }
}

void ProfileDialog::RefillPrecedentLists()
{
    candidatePrecedents->Clear();
    precedentTasks->Clear();
    const PrecedenceRelation* selected = FindSelectedRelation();
    for (QWidget* widget : std::initializer_list<QWidget*> {
             candidatePrecedents, precedentTasks, addPrecedentButton, removePrecedentButton })
        widget->setEnabled(selected != nullptr);
    if (!selected)
        return;
    for (PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
        if (relation == selected)
            continue;
        Task* task = relation->GetTask();
        EntityList* list = selected->FindPrecedent(task) ? precedentTasks : candidatePrecedents;
        list->AddRow(task, NameText::ToDisplay(task->GetName()), ImageList::Task);
    }
}

void ProfileDialog::OnAddExecuted()
{
    if (!availableTasks->HasSelection()) {
        ShowSelectTaskFirst();
        return;
    }
    for (TreeItem* entity : availableTasks->GetSelectedEntities())
        profile.Execute(*AsTask(entity));
    RefillTaskLists();
    RefillPrecedentLists();
    Force();
}

void ProfileDialog::OnRemoveExecuted()
{
    if (!executedTasks->HasSelection()) {
        ShowSelectTaskFirst();
        return;
    }
    for (TreeItem* entity : executedTasks->GetSelectedEntities())
        profile.StopExecuting(*AsTask(entity));
    RefillTaskLists();
    RefillPrecedentLists();
    Force();
}

void ProfileDialog::OnAddPrecedent()
{
    PrecedenceRelation* relation = FindSelectedRelation();
    if (!relation)
        return;
    if (!candidatePrecedents->HasSelection()) {
        ShowSelectTaskFirst();
        return;
    }
    for (TreeItem* entity : candidatePrecedents->GetSelectedEntities())
        relation->AddPrecedent(*AsTask(entity));
    RefillPrecedentLists();
    Force();
}

void ProfileDialog::OnRemovePrecedent()
{
    PrecedenceRelation* relation = FindSelectedRelation();
    if (!relation)
        return;
    if (!precedentTasks->HasSelection()) {
        ShowSelectTaskFirst();
        return;
    }
    for (TreeItem* entity : precedentTasks->GetSelectedEntities())
        relation->DeletePrecedentsNaming(*AsTask(entity));
    RefillPrecedentLists();
    Force();
}

void ProfileDialog::OnEditTiming()
{
    const Task* executedTask = AsTask(executedTasks->GetFirstSelectedEntity());
    const Task* earlierTask = AsTask(precedentTasks->GetFirstSelectedEntity());
    const PrecedenceRelation* relation = executedTask ? profile.FindRelation(*executedTask) : nullptr;
    PrecedentTask* entry = relation && earlierTask ? relation->FindPrecedent(earlierTask) : nullptr;
    if (!entry) {
        ShowSelectTaskFirst();
        return;
    }
    PrecedenceDialog timing(*entry, *executedTask, this);
    ModalRunner::Run(timing);
}

PrecedenceRelation* ProfileDialog::FindSelectedRelation() const
{
    TreeItem* selected = executedTasks->GetFirstSelectedEntity();
    return selected ? profile.FindRelation(*AsTask(selected)) : nullptr;
}

void ProfileDialog::ShowSelectTaskFirst()
{
    MessageBox::Show(this, QStringLiteral("Please select a task first."), MessageBox::Icon::Stop);
}
