#pragma once

#include "model/PropertyEditor.h"

class PlanningModel;
class QWidget;

// Edits entities through their property dialogs, each run modally on the
// entity itself. The task dialog offers the model's resources. With no
// owner the dialogs belong to the application's active window.
class DialogPropertyEditor : public PropertyEditor {
public:
    explicit DialogPropertyEditor(const PlanningModel& model, QWidget* owner = nullptr);

    EditOutcome EditPerson(Person& person) override;
    EditOutcome EditResource(Resource& resource) override;
    EditOutcome EditTask(Task& task) override;
    EditOutcome EditProfile(Profile& profile) override;

private:
    const PlanningModel& model;
    QWidget* owner;
};
