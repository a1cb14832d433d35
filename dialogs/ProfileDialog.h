#pragma once

#include "app/triext/ForcableDialog.h"

class EntityList;
class PrecedenceRelation;
class Profile;
class Task;
class QLineEdit;

// "Profile properties": the name and end time, written back on OK or
// "Close"; the executed tasks and, for the selected executed task, its
// precedent tasks, which change in the profile at once and force the dialog.
class ProfileDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit ProfileDialog(Profile& profile, QWidget* parent = nullptr);

    void RefillTaskLists();
    void RefillPrecedentLists();

    QLineEdit* GetNameEdit() const { return nameEdit; }
    QLineEdit* GetHoursEdit() const { return hoursEdit; }
    QLineEdit* GetMinutesEdit() const { return minutesEdit; }
    EntityList* GetAvailableTasksList() const { return availableTasks; }
    EntityList* GetExecutedTasksList() const { return executedTasks; }
    EntityList* GetCandidatePrecedentsList() const { return candidatePrecedents; }
    EntityList* GetPrecedentTasksList() const { return precedentTasks; }
    QPushButton* GetAddExecutedButton() const { return addExecutedButton; }
    QPushButton* GetRemoveExecutedButton() const { return removeExecutedButton; }
    QPushButton* GetAddPrecedentButton() const { return addPrecedentButton; }
    QPushButton* GetRemovePrecedentButton() const { return removePrecedentButton; }
    QPushButton* GetEditTimingButton() const { return editTimingButton; }

public slots:
    void OnAddExecuted();
    void OnRemoveExecuted();
    void OnAddPrecedent();
    void OnRemovePrecedent();
    void OnEditTiming();

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void BuildLayout();
    void ConnectActions();
    // The relation of the first selected executed task, or null.
    PrecedenceRelation* FindSelectedRelation() const;
    void ShowSelectTaskFirst();

    Profile& profile;
    QLineEdit* nameEdit;
    QLineEdit* hoursEdit;
    QLineEdit* minutesEdit;
    EntityList* availableTasks;
    QPushButton* addExecutedButton;
    QPushButton* removeExecutedButton;
    EntityList* executedTasks;
    EntityList* candidatePrecedents;
    QPushButton* addPrecedentButton;
    QPushButton* removePrecedentButton;
    EntityList* precedentTasks;
    QPushButton* editTimingButton;
};
