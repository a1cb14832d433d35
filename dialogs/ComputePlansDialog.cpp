#include "model/Person.h"
#include "model/Profile.h"
#include "planning/PlanComputation.h"

#include "dialogs/ComputePlansDialog.h"

#include "app/triext/ElidedTextToolTip.h"
#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/NameText.h"
#include "app/triext/TreeLineStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ProfileRole = Qt::UserRole;

QTreeWidget* CreateProfileTree(QWidget* parent, QSize minimumSize)
{
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setMinimumSize(minimumSize);
    TreeLineStyle::DrawLinesIn(*tree);
    ElidedTextToolTip::ShowIn(*tree);
    return tree;
}

QTreeWidgetItem* AddPersonNode(QTreeWidget& tree, const Person& person)
{
    auto* node = new QTreeWidgetItem(&tree, { NameText::ToDisplay(person.GetName()) });
    node->setIcon(0, ImageList::GetIcon(ImageList::Person));
    return node;
}

void AddProfileNode(QTreeWidgetItem& personNode, Profile* profile)
{
    auto* node = new QTreeWidgetItem(&personNode, { NameText::ToDisplay(profile->GetName()) });
    node->setIcon(0, ImageList::GetIcon(ImageList::Profile));
    node->setData(0, ProfileRole, QVariant::fromValue(reinterpret_cast<quintptr>(profile)));
}

} // namespace

ComputePlansDialog::ComputePlansDialog(
    PlanComputation& computation, const toolbox::ArrayList<Person>& persons, QWidget* parent)
    : ForcableDialog(parent)
    , computation(computation)
    , persons(persons)
    , availableTree(CreateProfileTree(this, DialogUnitsToPixels(142, 106)))
    , requiredTree(CreateProfileTree(this, DialogUnitsToPixels(142, 106)))
    , addButton(new QPushButton(QStringLiteral("&Add >>"), this))
    , removeButton(new QPushButton(QStringLiteral("<< &Remove"), this))
{
    setWindowTitle(QStringLiteral("Compute plans"));
    connect(addButton, &QPushButton::clicked, this, &ComputePlansDialog::OnAdd);
    connect(removeButton, &QPushButton::clicked, this, &ComputePlansDialog::OnRemove);
    connect(availableTree, &QTreeWidget::itemDoubleClicked, this, &ComputePlansDialog::OnAdd);
    connect(requiredTree, &QTreeWidget::itemDoubleClicked, this, &ComputePlansDialog::OnRemove);

    auto* availableLabel = new QLabel(QStringLiteral("&Available profiles:"), this);
    availableLabel->setBuddy(availableTree);
    auto* requiredLabel = new QLabel(QStringLiteral("&Required profiles:"), this);
    requiredLabel->setBuddy(requiredTree);
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addWidget(addButton);
    moveButtons->addWidget(removeButton);
    moveButtons->addStretch(1);

    auto* trees = new QGridLayout;
    trees->addWidget(availableLabel, 0, 0);
    trees->addWidget(requiredLabel, 0, 2);
    trees->addWidget(availableTree, 1, 0);
    trees->addLayout(moveButtons, 1, 1);
    trees->addWidget(requiredTree, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose the profiles to match, then press compute."), this));
    layout->addLayout(trees, 1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(QStringLiteral("Compute")), CreateCancelButton() }));
    OnInitDialog();
}

void ComputePlansDialog::RefillProfileTrees()
{
    availableTree->clear();
    requiredTree->clear();
    for (const Person* person : persons) {
        if (Profile* chosen = computation.FindChosenProfileOf(*person)) {
            QTreeWidgetItem* personNode = AddPersonNode(*requiredTree, *person);
            AddProfileNode(*personNode, chosen);
            personNode->setExpanded(true);
            continue;
        }
        QTreeWidgetItem* personNode = AddPersonNode(*availableTree, *person);
        for (Profile* profile : person->GetProfiles())
            AddProfileNode(*personNode, profile);
        personNode->setExpanded(true);
    }
}

Profile* ComputePlansDialog::ProfileOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return reinterpret_cast<Profile*>(item->data(0, ProfileRole).value<quintptr>());
}

void ComputePlansDialog::DoDataExchange(Exchange direction)
{
    if (direction == Exchange::Load)
        RefillProfileTrees();
}

void ComputePlansDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    const QSize iconSize(ImageList::IconSize, ImageList::IconSize);
    availableTree->setIconSize(iconSize);
    requiredTree->setIconSize(iconSize);
}

void ComputePlansDialog::OnAdd()
{
    Profile* profile = GetSelectedProfile(*availableTree);
    if (!profile) {
        MessageBox::Show(this, QStringLiteral("Please select a profile first."), MessageBox::Icon::Stop);
        return;
    }
    computation.ChooseProfile(*profile);
    RefillProfileTrees();
}

void ComputePlansDialog::OnRemove()
{
    Profile* profile = GetSelectedProfile(*requiredTree);
    if (!profile) {
        MessageBox::Show(this, QStringLiteral("Please select a profile first."), MessageBox::Icon::Stop);
        return;
    }
    computation.RemoveChosenProfile(*profile);
    RefillProfileTrees();
}

Profile* ComputePlansDialog::GetSelectedProfile(const QTreeWidget& tree) const
{
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? nullptr : ProfileOf(selected.first());
}
