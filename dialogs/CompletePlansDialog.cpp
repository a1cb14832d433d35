#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include "dialogs/CompletePlansDialog.h"

#include "app/triext/ElidedTextToolTip.h"
#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "app/triext/TreeLineStyle.h"
#include "dialogs/CalendarExportDialog.h"
#include "dialogs/HouseholdPlanPrinter.h"
#include "dialogs/PersonalPlanDialog.h"
#include "dialogs/PersonalPlanTimetable.h"
#include "dialogs/PlanRowToolTip.h"
#include "dialogs/PlanTimeline.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PersonalPlanRole = Qt::UserRole;
// On plan and person rows alike: the index of the complete plan.
constexpr int PlanIndexRole = Qt::UserRole + 1;
constexpr int TreeStretch = 0;
constexpr int TimelineStretch = 1;
constexpr double MostScreenShare = 0.9;

// Asks for room for the whole timeline, where a plain scroll area asks for
// 36 by 24 lines at most; the dialog then opens as large as the timeline
// wants within the screen, and scrolls only beyond that.
class TimelineArea : public QScrollArea {
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        return widget()->sizeHint() + QSize(frame + scrollBar, frame);
    }
};

} // namespace

CompletePlansDialog::CompletePlansDialog(
    const toolbox::ArrayList<CompletePlan>& plans, QWidget* parent, const QString& prompt)
    : ForcableDialog(parent)
    , plans(plans)
    , planTree(new QTreeWidget(this))
    , showButton(new QPushButton(QStringLiteral("&Show personal plan"), this))
    , printButton(new QPushButton(QStringLiteral("&Print plan..."), this))
    , exportButton(new QPushButton(QStringLiteral("&Export to calendar..."), this))
    , timeline(new PlanTimeline)
{
    setWindowTitle(QStringLiteral("Possible plans"));
    planTree->setHeaderHidden(true);
    planTree->setRootIsDecorated(false);
    planTree->setMinimumSize(DialogUnitsToPixels(199, 172));
    TreeLineStyle::DrawLinesIn(*planTree);
    ElidedTextToolTip::ShowIn(*planTree);
    connect(showButton, &QPushButton::clicked, this, &CompletePlansDialog::OnShowPersonalPlan);
    connect(planTree, &QTreeWidget::itemDoubleClicked, this, &CompletePlansDialog::OnDoubleClick);
    connect(planTree, &QTreeWidget::currentItemChanged, this, &CompletePlansDialog::ShowPlanInTimeline);
    connect(printButton, &QPushButton::clicked, this, &CompletePlansDialog::OnPrintPlan);
    connect(exportButton, &QPushButton::clicked, this, &CompletePlansDialog::OnExportToCalendar);

    auto* timelineArea = new TimelineArea;
    timelineArea->setWidget(timeline);
    timelineArea->setWidgetResizable(true);
    timelineArea->setFrameShape(QFrame::StyledPanel);
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(planTree);
    panes->addWidget(timelineArea);
    panes->setStretchFactor(0, TreeStretch);
    panes->setStretchFactor(1, TimelineStretch);
    panes->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    layout->addWidget(panes, 1);
    layout->addLayout(
        CreateButtonRow({ showButton, printButton, exportButton, CreateOkButton(QStringLiteral("Close")) }));
    OnInitDialog();
    // Larger than the two thirds of the screen a window gets unasked, so
    // that the timeline reads well.
    resize(sizeHint().boundedTo(screen()->availableGeometry().size() * MostScreenShare));
}

const PersonalPlan* CompletePlansDialog::PersonalPlanOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return reinterpret_cast<const PersonalPlan*>(item->data(0, PersonalPlanRole).value<quintptr>());
}

const CompletePlan* CompletePlansDialog::GetShownPlan() const
{
    const QTreeWidgetItem* current = planTree->currentItem();
    return plans.Get(current ? current->data(0, PlanIndexRole).toInt() : 0);
}

void CompletePlansDialog::DoDataExchange(Exchange direction)
{
    if (direction != Exchange::Load)
        return;
    planTree->clear();
    for (int index = 0; index < plans.GetCount(); ++index) {
        const CompletePlan* plan = plans.Get(index);
        auto* planNode = new QTreeWidgetItem(
            planTree, { QString::asprintf("Plan (%d minutes delay)", static_cast<int>(plan->GetTotalDelay())) });
        planNode->setIcon(0, ImageList::GetIcon(ImageList::Plan));
        planNode->setData(0, PlanIndexRole, index);
        planNode->setToolTip(0, PlanRowToolTip::OfPlan(plans, index));
        for (const PersonalPlan* personalPlan : plan->GetPersonalPlans()) {
            auto* personNode = new QTreeWidgetItem(planNode, { PersonalPlanTimetable::PersonNameOf(*personalPlan) });
            personNode->setIcon(0, ImageList::GetIcon(ImageList::Person));
            personNode->setData(0, PersonalPlanRole, QVariant::fromValue(reinterpret_cast<quintptr>(personalPlan)));
            personNode->setData(0, PlanIndexRole, index);
            personNode->setToolTip(0, PlanRowToolTip::OfPerson(*personalPlan));
        }
        planNode->setExpanded(true);
    }
    ShowPlanInTimeline();
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

void CompletePlansDialog::ShowPlanInTimeline()
{
    timeline->SetPlan(GetShownPlan(), PersonalPlanOf(planTree->currentItem()));
}

void CompletePlansDialog::OnPrintPlan()
{
    if (const CompletePlan* plan = GetShownPlan())
        PrintHouseholdPlan(*plan);
}

void CompletePlansDialog::OnExportToCalendar()
{
    const CompletePlan* plan = GetShownPlan();
    if (!plan)
        return;
    CalendarExportDialog dialog(*plan, this);
    ModalRunner::Run(dialog);
}
