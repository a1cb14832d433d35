#pragma once

class Person;
class Profile;
class Resource;
class Task;

enum class EditOutcome { Ok, Cancel };

// Shows an entity's properties dialog on the entity itself. The dialog
// writes the edited values into the entity; the answer says how the user
// closed it. The window code implements it.
class PropertyEditor {
public:
    virtual ~PropertyEditor() = default;

    virtual EditOutcome EditPerson(Person& person) = 0;
    virtual EditOutcome EditResource(Resource& resource) = 0;
    virtual EditOutcome EditTask(Task& task) = 0;
    virtual EditOutcome EditProfile(Profile& profile) = 0;
};
