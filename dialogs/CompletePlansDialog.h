#pragma once

#include "app/triext/ForcableDialog.h"

namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class CompletePlan;
class PersonalPlan;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Possible plans": the complete plans found, each as "Plan (%d minutes
// delay)" with the persons of its personal plans below it. Opens the
// personal plan of the selected person. Changes nothing in the model; the
// list stays owned by the caller.
class CompletePlansDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit CompletePlansDialog(const toolbox::ArrayList<CompletePlan>& plans, QWidget* parent = nullptr);

    QTreeWidget* GetPlanTree() const { return planTree; }
    QPushButton* GetShowButton() const { return showButton; }

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

    const toolbox::ArrayList<CompletePlan>& plans;
    QTreeWidget* planTree;
    QPushButton* showButton;
};
