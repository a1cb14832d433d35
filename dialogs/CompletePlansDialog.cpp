#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include "dialogs/CompletePlansDialog.h"

#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/PersonalPlanDialog.h"
#include "dialogs/PersonalPlanTimetable.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PersonalPlanRole = Qt::UserRole;

} // namespace

CompletePlansDialog::CompletePlansDialog(const toolbox::ArrayList<CompletePlan>& plans, QWidget* parent)
    : ForcableDialog(parent)
    , plans(plans)
    , planTree(new QTreeWidget(this))
    , showButton(new QPushButton(QStringLiteral("&Show personal plan"), this))
{
    setWindowTitle(QStringLiteral("Possible plans"));
    planTree->setHeaderHidden(true);
    planTree->setRootIsDecorated(false);
    planTree->setMinimumSize(DialogUnitsToPixels(199, 172));
    connect(showButton, &QPushButton::clicked, this, &CompletePlansDialog::OnShowPersonalPlan);
    connect(planTree, &QTreeWidget::itemDoubleClicked, this, &CompletePlansDialog::OnDoubleClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("These are some possible plans for your selected profiles."), this));
    layout->addWidget(planTree, 1);
    layout->addLayout(CreateButtonRow({ showButton, CreateOkButton(QStringLiteral("Close")) }));
    OnInitDialog();
}

const PersonalPlan* CompletePlansDialog::PersonalPlanOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return reinterpret_cast<const PersonalPlan*>(item->data(0, PersonalPlanRole).value<quintptr>());
}

void CompletePlansDialog::DoDataExchange(Exchange direction)
{
    if (direction != Exchange::Load)
        return;
    planTree->clear();
    for (const CompletePlan* plan : plans) {
        auto* planNode = new QTreeWidgetItem(
            planTree, { QString::asprintf("Plan (%d minutes delay)", static_cast<int>(plan->GetTotalDelay())) });
        planNode->setIcon(0, ImageList::GetIcon(ImageList::Plan));
        for (const PersonalPlan* personalPlan : plan->GetPersonalPlans()) {
            auto* personNode = new QTreeWidgetItem(planNode, { PersonalPlanTimetable::PersonNameOf(*personalPlan) });
            personNode->setIcon(0, ImageList::GetIcon(ImageList::Person));
            personNode->setData(0, PersonalPlanRole, QVariant::fromValue(reinterpret_cast<quintptr>(personalPlan)));
        }
        planNode->setExpanded(true);
    }
}

void CompletePlansDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    planTree->setIconSize(QSize(ImageList::IconSize, ImageList::IconSize));
}

void CompletePlansDialog::OnShowPersonalPlan()
{
    const PersonalPlan* plan = GetSelectedPersonalPlan();
    if (!plan) {
        MessageBox::Show(this, QStringLiteral("Please select a person first."), MessageBox::Icon::Stop);
        return;
    }
    RunPersonalPlanDialog(*plan);
}

void CompletePlansDialog::OnDoubleClick()
{
    // A plan node is left to the tree, which folds or unfolds it.
    if (const PersonalPlan* plan = GetSelectedPersonalPlan())
        RunPersonalPlanDialog(*plan);
}

const PersonalPlan* CompletePlansDialog::GetSelectedPersonalPlan() const
{
    const QList<QTreeWidgetItem*> selected = planTree->selectedItems();
    return selected.isEmpty() ? nullptr : PersonalPlanOf(selected.first());
}

void CompletePlansDialog::RunPersonalPlanDialog(const PersonalPlan& plan)
{
    PersonalPlanDialog dialog(plan, this);
    ModalRunner::Run(dialog);
}
