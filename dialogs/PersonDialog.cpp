#include "model/Person.h"

#include "dialogs/PersonDialog.h"

#include "app/triext/NameText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PersonDialog::PersonDialog(Person& person, QWidget* parent)
    : ForcableDialog(parent)
    , person(person)
    , nameEdit(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Person properties"));
    SetSizing(Sizing::Fixed);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(nameEdit);
    nameEdit->setMinimumWidth(DialogUnitsToPixels(168, 14).width());

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0, Qt::AlignRight);
    fields->addWidget(nameEdit, 0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
    OnInitDialog();
}

void PersonDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load)
        nameEdit->setText(NameText::ToDisplay(person.GetName()));
    else
        person.SetName(NameText::FromEdited(nameEdit->text(), person.GetName()).constData());
}
