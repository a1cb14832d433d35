#pragma once

#include "app/triext/ForcableDialog.h"

namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class CompletePlan;
class PersonalPlan;
class PlanTimeline;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Possible plans": the complete plans found, each as "Plan (%d minutes
// delay)" with the persons of its personal plans below it. Opens the
// personal plan of the selected person. Beside the list a timeline shows the
// plan of the selected row (the first plan while none is selected), which
// "Print plan..." prints and "Export to calendar..." exports for the whole
// household. The prompt above the plans says what kind of plans they are.
// Changes nothing in the model; the list stays owned by the caller.
class CompletePlansDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    static constexpr const char* PossiblePlansPrompt = "These are some possible plans for your selected profiles.";

    explicit CompletePlansDialog(const toolbox::ArrayList<CompletePlan>& plans, QWidget* parent = nullptr,
        const QString& prompt = QString::fromLatin1(PossiblePlansPrompt));

    QTreeWidget* GetPlanTree() const { return planTree; }
    QPushButton* GetShowButton() const { return showButton; }
    QPushButton* GetPrintButton() const { return printButton; }
    QPushButton* GetExportButton() const { return exportButton; }
    PlanTimeline* GetTimeline() const { return timeline; }

    // The plan of the selected row, or the first plan while none is
    // selected; null when there are no plans.
    const CompletePlan* GetShownPlan() const;

    // The personal plan a person node stands for; null for a plan node.
    static const PersonalPlan* PersonalPlanOf(const QTreeWidgetItem* item);

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void OnShowPersonalPlan();
    void OnDoubleClick();
    const PersonalPlan* GetSelectedPersonalPlan() const;
    void RunPersonalPlanDialog(const PersonalPlan& plan);
    void ShowPlanInTimeline();
    void OnPrintPlan();
    void OnExportToCalendar();

    const toolbox::ArrayList<CompletePlan>& plans;
    QTreeWidget* planTree;
    QPushButton* showButton;
    QPushButton* printButton;
    QPushButton* exportButton;
    PlanTimeline* timeline;
};
