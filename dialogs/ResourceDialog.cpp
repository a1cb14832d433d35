#include "model/Resource.h"

#include "dialogs/ResourceDialog.h"

#include "app/triext/NameText.h"
#include "dialogs/NumberText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ResourceDialog::ResourceDialog(Resource& resource, QWidget* parent)
    : ForcableDialog(parent)
    , resource(resource)
    , nameEdit(new QLineEdit(this))
    , amountEdit(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Resource properties"));
    SetSizing(Sizing::Fixed);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(nameEdit);
    nameEdit->setMinimumWidth(DialogUnitsToPixels(162, 14).width());
    auto* amountLabel = new QLabel(QStringLiteral("&Amount:"), this);
    amountLabel->setBuddy(amountEdit);
    amountEdit->setFixedWidth(DialogUnitsToPixels(30, 14).width());
    auto* availableLabel = new QLabel(QStringLiteral("available"), this);

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(amountEdit);
    amountRow->addWidget(availableLabel);
    amountRow->addStretch(1);

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0, Qt::AlignRight);
    fields->addWidget(nameEdit, 0, 1);
    fields->addWidget(amountLabel, 1, 0, Qt::AlignRight);
    fields->addLayout(amountRow, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(), CreateCancelButton() }));
    OnInitDialog();
}

void ResourceDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load) {
        nameEdit->setText(NameText::ToDisplay(resource.GetName()));
        amountEdit->setText(NumberText::FromWholeNumber(resource.GetAmount()));
    } else {
        resource.SetName(NameText::FromEdited(nameEdit->text(), resource.GetName()).constData());
        resource.SetAmount(NumberText::ToWholeNumber(amountEdit->text()));
    }
}
