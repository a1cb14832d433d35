#include "model/Resource.h"
#include "model/Task.h"
#include "planning/TaskExecution.h"
#include "timeline/TimelineChart.h"
#include "timeline/TimelineLayout.h"

#include "dialogs/PlanTimeline.h"

#include "app/triext/NameText.h"
#include "dialogs/PersonalPlanTimetable.h"
#include "dialogs/TimelinePainter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int PreferredWidth = 720;
constexpr int LeastWidth = 360;
// How far beside a block of no duration the pointer still finds it.
constexpr double PointingSlop = 3;

QString ResourcesText(const Task& task)
{
    QStringList names;
    for (const Resource* resource : task.GetRequiredResources())
        names.append(NameText::ToDisplay(resource->GetName()));
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

QString ToolTipOf(const TimelineChart::Block& block)
{
    const Task& task = *block.execution->GetTask();
    return QStringLiteral("%1\nPerson: %2\n%3, %4 minutes\nResources: %5")
        .arg(NameText::ToDisplay(task.GetName()), PersonalPlanTimetable::PersonNameOf(*block.owner),
            TimelinePainter::SpanText(block), QString::number(block.end - block.start), ResourcesText(task));
}

} // namespace

PlanTimeline::PlanTimeline(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
}

PlanTimeline::~PlanTimeline() = default;

void PlanTimeline::SetPlan(const CompletePlan* plan, const PersonalPlan* highlightedPlan)
{
    if (!plan || !chart || &chart->GetPlan() != plan)
        chart = plan ? std::make_unique<TimelineChart>(*plan) : nullptr;
    highlighted = highlightedPlan;
    updateGeometry();
    update();
}

const CompletePlan* PlanTimeline::GetPlan() const
{
    return chart ? &chart->GetPlan() : nullptr;
}

std::unique_ptr<TimelineLayout> PlanTimeline::CreateLayout() const
{
    if (!chart)
        return nullptr;
    const TimelinePainter painter(font(), palette(), this);
    return std::make_unique<TimelineLayout>(*chart, painter.MetricsFor(*chart, width()));
}

QString PlanTimeline::ToolTipAt(const QPoint& position) const
{
    const std::unique_ptr<TimelineLayout> layout = CreateLayout();
    const TimelineLayout::PlacedBlock* placed
        = layout ? layout->BlockAt(position.x(), position.y(), PointingSlop) : nullptr;
    return placed ? ToolTipOf(*placed->block) : QString();
}

QSize PlanTimeline::sizeHint() const
{
    return QSize(PreferredWidth, HeightFor(PreferredWidth));
}

QSize PlanTimeline::minimumSizeHint() const
{
    return QSize(LeastWidth, HeightFor(LeastWidth));
}

bool PlanTimeline::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    return QWidget::event(event);
}

void PlanTimeline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const std::unique_ptr<TimelineLayout> layout = CreateLayout();
    if (layout)
        TimelinePainter(font(), palette(), this).Paint(painter, *layout, highlighted);
}

int PlanTimeline::HeightFor(int width) const
{
    if (!chart)
        return 0;
    const TimelinePainter painter(font(), palette(), this);
    return static_cast<int>(std::ceil(TimelineLayout(*chart, painter.MetricsFor(*chart, width)).GetHeight()));
}
