// A run of the window program that makes one edit and is then killed, as a
// crash or a power cut would end it. The recovery tests start it and look at
// what it leaves behind. Its one argument names the program file it runs as.
#include "model/Person.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "model/TreeItem.h"

#include "app/ModelCommands.h"
#include "app/Ordovan.h"

#include <csignal>
#include <memory>

namespace {

// Every properties dialog is closed with OK after the name "Killed" was typed.
class NamingEditor : public PropertyEditor {
public:
    EditOutcome EditPerson(Person& person) override { return Name(person); }
    EditOutcome EditResource(Resource& resource) override { return Name(resource); }
    EditOutcome EditTask(Task& task) override { return Name(task); }
    EditOutcome EditProfile(Profile& profile) override { return Name(profile); }

private:
    static EditOutcome Name(TreeItem& entity)
    {
        entity.SetName("Killed");
        return EditOutcome::Ok;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    // Only the program's name reaches the application: it would take any
    // further word for a document to open.
    int count = 1;
    Ordovan application(count, argv, argv[1]);
    if (!application.InitInstance())
        return 3;
    application.SetPropertyEditor(std::make_unique<NamingEditor>());
    application.GetCommands()->InsertPerson();
    std::raise(SIGKILL);
    return 4;
}
