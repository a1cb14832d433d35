#pragma once

#include <QWidget>

#include <memory>

class CompletePlan;
class PersonalPlan;
class TimelineChart;
class TimelineLayout;

// The pane that shows a complete plan as a timeline (see TimelinePainter),
// with a tooltip on each block naming the task, the person, the times, the
// duration and the resources. Refers to the plan without owning it; the plan
// must outlive the pane or be replaced first.
class PlanTimeline : public QWidget {
    Q_OBJECT
public:
    explicit PlanTimeline(QWidget* parent = nullptr);
    ~PlanTimeline() override;

    // Null shows nothing. `highlighted`, one of the plan's personal plans,
    // gets its row marked.
    void SetPlan(const CompletePlan* plan, const PersonalPlan* highlighted = nullptr);
    const CompletePlan* GetPlan() const;
    const PersonalPlan* GetHighlighted() const { return highlighted; }

    // The layout for the pane's current width and font; null without a plan.
    std::unique_ptr<TimelineLayout> CreateLayout() const;
    // The tooltip for a point of the pane; empty where there is no block.
    QString ToolTipAt(const QPoint& position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int HeightFor(int width) const;

    std::unique_ptr<TimelineChart> chart;
    const PersonalPlan* highlighted = nullptr;
};
