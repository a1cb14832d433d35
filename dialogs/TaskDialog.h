#pragma once

#include "app/triext/ForcableDialog.h"

// Declared only: the model headers come before any Qt header, since Qt
// defines a macro that the array template uses as a name.
namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class EntityList;
class Resource;
class Task;
class QLineEdit;

// "Task properties": the name and duration, written back on OK or "Close",
// and the required resources, which change in the task at once and force
// the dialog. `resources` are the candidates, the application's resources.
class TaskDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    TaskDialog(Task& task, const toolbox::ArrayList<Resource>& resources, QWidget* parent = nullptr);

    void RefillResourceLists();

    QLineEdit* GetNameEdit() const { return nameEdit; }
    QLineEdit* GetDurationEdit() const { return durationEdit; }
    EntityList* GetAvailableList() const { return availableList; }
    EntityList* GetRequiredList() const { return requiredList; }
    QPushButton* GetAddButton() const { return addButton; }
    QPushButton* GetRemoveButton() const { return removeButton; }

public slots:
    void OnAdd();
    void OnRemove();

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void BuildLayout();

    Task& task;
    const toolbox::ArrayList<Resource>& resources;
    QLineEdit* nameEdit;
    QLineEdit* durationEdit;
    EntityList* availableList;
    EntityList* requiredList;
    QPushButton* addButton;
    QPushButton* removeButton;
};
