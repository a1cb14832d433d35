#pragma once

#include "app/triext/ForcableDialog.h"

class PersonalPlan;
class QPushButton;
class QTreeWidget;

// "Personal plan": one person's timetable of start times, tasks and pauses,
// in time order, with a Print button and an export of the plan to a
// calendar file. Changes nothing in the model.
class PersonalPlanDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit PersonalPlanDialog(const PersonalPlan& plan, QWidget* parent = nullptr);

    // One row per timetable line, one column titled "Task", header hidden.
    QTreeWidget* GetTimetable() const { return timetable; }
    QPushButton* GetPrintButton() const { return printButton; }
    QPushButton* GetExportButton() const { return exportButton; }

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void OnPrint();
    void OnExportToCalendar();

    const PersonalPlan& plan;
    QTreeWidget* timetable;
    QPushButton* printButton;
    QPushButton* exportButton;
};
