#include "model/PrecedentTask.h"
#include "model/Task.h"

#include "dialogs/PrecedenceDialog.h"

#include "app/triext/NameText.h"
#include "dialogs/NumberText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PrecedenceDialog::PrecedenceDialog(PrecedentTask& entry, const Task& laterTask, QWidget* parent)
    : ForcableDialog(parent)
    , entry(entry)
    , laterTask(laterTask)
    , earlierLabel(new QLabel(QStringLiteral("Earlier task:"), this))
    , laterLabel(new QLabel(QStringLiteral("Later task:"), this))
    , atLeastCheck(nullptr)
    , atLeastEdit(nullptr)
    , atLastCheck(nullptr)
    , atLastEdit(nullptr)
{
    setWindowTitle(QStringLiteral("Precedence properties"));
    SetSizing(Sizing::Fixed);
    BuildLayout();
    connect(atLeastCheck, &QCheckBox::clicked, this, &PrecedenceDialog::OnAtLeastClicked);
    connect(atLastCheck, &QCheckBox::clicked, this, &PrecedenceDialog::OnAtLastClicked);
    OnInitDialog();
}

void PrecedenceDialog::BuildLayout()
{
    auto* group = new QGroupBox(QStringLiteral("Time in between"), this);
    atLeastCheck = new QCheckBox(QStringLiteral("&At least"), group);
    atLeastEdit = new QLineEdit(group);
    atLastCheck = new QCheckBox(QStringLiteral("At &last"), group);
    atLastEdit = new QLineEdit(group);
    const int editWidth = DialogUnitsToPixels(28, 14).width();
    atLeastEdit->setFixedWidth(editWidth);
    atLastEdit->setFixedWidth(editWidth);

    auto* bounds = new QGridLayout(group);
    bounds->addWidget(atLeastCheck, 0, 0);
    bounds->addWidget(atLeastEdit, 0, 1);
    bounds->addWidget(new QLabel(QStringLiteral("minutes"), group), 0, 2);
    bounds->addWidget(atLastCheck, 1, 0);
    bounds->addWidget(atLastEdit, 1, 1);
    bounds->addWidget(new QLabel(QStringLiteral("minutes"), group), 1, 2);
    bounds->setColumnStretch(3, 1);

    // Task names are shown as typed, never as markup.
    earlierLabel->setTextFormat(Qt::PlainText);
    laterLabel->setTextFormat(Qt::PlainText);
    earlierLabel->setMinimumWidth(DialogUnitsToPixels(139, 8).width());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(earlierLabel);
    layout->addWidget(laterLabel);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
}

void PrecedenceDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load) {
        const std::int32_t minimum = entry.GetMinimumTime();
        const std::int32_t maximum = entry.GetMaximumTime();
        atLeastCheck->setChecked(minimum > PrecedentTask::NoMinimum);
        atLeastEdit->setText(minimum > PrecedentTask::NoMinimum ? NumberText::FromWholeNumber(minimum) : QString());
        atLastCheck->setChecked(maximum < PrecedentTask::NoMaximum);
        atLastEdit->setText(maximum < PrecedentTask::NoMaximum ? NumberText::FromWholeNumber(maximum) : QString());
    } else {
        entry.SetMinimumTime(
            atLeastCheck->isChecked() ? NumberText::ToWholeNumber(atLeastEdit->text()) : PrecedentTask::NoMinimum);
        entry.SetMaximumTime(
            atLastCheck->isChecked() ? NumberText::ToWholeNumber(atLastEdit->text()) : PrecedentTask::NoMaximum);
    }
}

void PrecedenceDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    atLeastEdit->setEnabled(entry.GetMinimumTime() > PrecedentTask::NoMinimum);
    atLastEdit->setEnabled(entry.GetMaximumTime() < PrecedentTask::NoMaximum);
    earlierLabel->setText(QStringLiteral("Earlier task: ") + NameText::ToDisplay(entry.GetTask()->GetName()));
    laterLabel->setText(QStringLiteral("Later task: ") + NameText::ToDisplay(laterTask.GetName()));
}

void PrecedenceDialog::OnAtLeastClicked()
{
    atLeastEdit->setEnabled(atLeastCheck->isChecked());
    if (atLeastCheck->isChecked())
        atLeastEdit->setFocus();
}

void PrecedenceDialog::OnAtLastClicked()
{
    atLastEdit->setEnabled(atLastCheck->isChecked());
    if (atLastCheck->isChecked())
        atLastEdit->setFocus();
}
