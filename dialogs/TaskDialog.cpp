#include "model/Resource.h"
#include "model/Task.h"

#include "dialogs/TaskDialog.h"

#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/NameText.h"
#include "dialogs/EntityList.h"
#include "dialogs/NumberText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int ResourceColumnWidth = 149;

Resource* AsResource(TreeItem* entity)
{
    return static_cast<Resource*>(entity);
}

} // namespace

TaskDialog::TaskDialog(Task& task, const toolbox::ArrayList<Resource>& resources, QWidget* parent)
    : ForcableDialog(parent)
    , task(task)
    , resources(resources)
    , nameEdit(new QLineEdit(this))
    , durationEdit(new QLineEdit(this))
    , availableList(nullptr)
    , requiredList(nullptr)
    , addButton(nullptr)
    , removeButton(nullptr)
{
    setWindowTitle(QStringLiteral("Task properties"));
    BuildLayout();
    connect(addButton, &QPushButton::clicked, this, &TaskDialog::OnAdd);
    connect(removeButton, &QPushButton::clicked, this, &TaskDialog::OnRemove);
    connect(availableList, &EntityList::RowDoubleClicked, this, &TaskDialog::OnAdd);
    connect(requiredList, &EntityList::RowDoubleClicked, this, &TaskDialog::OnRemove);
    OnInitDialog();
}

void TaskDialog::BuildLayout()
{
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(nameEdit);
    nameEdit->setMinimumWidth(DialogUnitsToPixels(233, 14).width());
    auto* durationLabel = new QLabel(QStringLiteral("&Duration:"), this);
    durationLabel->setBuddy(durationEdit);
    durationEdit->setFixedWidth(DialogUnitsToPixels(30, 14).width());
    auto* minutesLabel = new QLabel(QStringLiteral("minutes"), this);

    auto* availableLabel = new QLabel(QStringLiteral("A&vailable resources:"), this);
    availableList = new EntityList(QStringLiteral("Resource"), ResourceColumnWidth, this);
    availableLabel->setBuddy(availableList);
    auto* requiredLabel = new QLabel(QStringLiteral("Re&quired resources:"), this);
    requiredList = new EntityList(QStringLiteral("Resource"), ResourceColumnWidth, this);
    requiredLabel->setBuddy(requiredList);
    addButton = new QPushButton(QStringLiteral("&Add >>"), this);
    removeButton = new QPushButton(QStringLiteral("<< &Remove"), this);

    const QSize listSize = DialogUnitsToPixels(114, 82);
    availableList->setMinimumSize(listSize);
    requiredList->setMinimumSize(listSize);
    const int buttonWidth = DialogUnitsToPixels(47, 14).width();
    addButton->setMinimumWidth(buttonWidth);
    removeButton->setMinimumWidth(buttonWidth);

    auto* durationRow = new QHBoxLayout;
    durationRow->addWidget(durationEdit);
    durationRow->addWidget(minutesLabel);
    durationRow->addStretch(1);
    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0, Qt::AlignRight);
    fields->addWidget(nameEdit, 0, 1);
    fields->addWidget(durationLabel, 1, 0, Qt::AlignRight);
    fields->addLayout(durationRow, 1, 1);

    auto* moveButtons = new QVBoxLayout;
    moveButtons->addWidget(addButton);
    moveButtons->addWidget(removeButton);
    moveButtons->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(availableLabel, 0, 0);
    lists->addWidget(requiredLabel, 0, 2);
    lists->addWidget(availableList, 1, 0);
    lists->addLayout(moveButtons, 1, 1);
    lists->addWidget(requiredList, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);
    lists->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(DialogUnitsToPixels(0, 6).height());
    layout->addLayout(lists, 1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
}

void TaskDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load) {
        nameEdit->setText(NameText::ToDisplay(task.GetName()));
        durationEdit->setText(NumberText::FromWholeNumber(task.GetDuration()));
    } else {
        task.SetName(NameText::FromEdited(nameEdit->text(), task.GetName()).constData());
        task.SetDuration(NumberText::ToWholeNumber(durationEdit->text()));
    }
}

void TaskDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    RefillResourceLists();
}

void TaskDialog::RefillResourceLists()
{
    availableList->Clear();
    requiredList->Clear();
    for (Resource* resource : resources) {
        EntityList* list = task.Requires(*resource) ? requiredList : availableList;
        list->AddRow(resource, NameText::ToDisplay(resource->GetName()), ImageList::Resource);
    }
}

void TaskDialog::OnAdd()
{
    if (!availableList->HasSelection()) {
        MessageBox::Show(this, QStringLiteral("Please select a resource first."), MessageBox::Icon::Stop);
        return;
    }
    for (TreeItem* entity : availableList->GetSelectedEntities())
        task.Require(*AsResource(entity));
    RefillResourceLists();
    Force();
}

void TaskDialog::OnRemove()
{
    if (!requiredList->HasSelection()) {
        MessageBox::Show(this, QStringLiteral("Please select a resource first."), MessageBox::Icon::Stop);
        return;
    }
    for (TreeItem* entity : requiredList->GetSelectedEntities())
        task.StopRequiring(*AsResource(entity));
    RefillResourceLists();
    Force();
}
