#include "model/EditHistory.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/GlobalLog.h"

#include "app/CommandId.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include "ModelBuilder.h"
#include "ScratchRun.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

void Household(ModelBuilder& build)
{
    Person* anna = build.AddPerson("Anna");
    build.AddTask(anna, "Shower", 15);
    build.AddPerson("Ben");
}

void HouseholdWithClara(ModelBuilder& build)
{
    Household(build);
    build.AddPerson("Clara");
}

// Closes every properties dialog with OK after typing the name.
class NamingEditor : public PropertyEditor {
public:
    explicit NamingEditor(const char* name)
        : name(name)
    {
    }
    EditOutcome EditPerson(Person& person) override { return Name(person); }
    EditOutcome EditResource(Resource& resource) override { return Name(resource); }
    EditOutcome EditTask(Task& task) override { return Name(task); }
    EditOutcome EditProfile(Profile& profile) override { return Name(profile); }

private:
    EditOutcome Name(TreeItem& entity)
    {
        entity.SetName(name);
        return EditOutcome::Ok;
    }
    const char* name;
};

struct ShownBox {
    QString text;
    MessageBox::Icon icon;
    MessageBox::Buttons buttons;
};

void CollectLog(void* context, const char*, int, toolbox::LogLevel level, const char* format, va_list arguments)
{
    char text[2048];
    std::vsnprintf(text, sizeof text, format, arguments);
    if (level >= toolbox::LogLevel::Error)
        static_cast<std::vector<std::string>*>(context)->push_back(text);
}

class RecoveryStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModalRunner::ClearHandlers();
        MessageBox::ResetRecord();
        MessageBox::SetHandler(
            [this](QWidget*, const QString& text, MessageBox::Icon icon, MessageBox::Buttons buttons) {
                boxes.push_back({ text, icon, buttons });
                return answer;
            });
        toolbox::InstallGlobalLogSink(CollectLog, &errors);
        scratch.WriteDataFile(Household);
    }

    void TearDown() override
    {
        toolbox::RemoveGlobalLogSink(&errors);
        MessageBox::SetHandler(nullptr);
        MessageBox::ResetRecord();
    }

    // One run from construction to a regular exit.
    void Run(const std::function<void(Ordovan&)>& whileRunning = {})
    {
        std::unique_ptr<Ordovan> application = scratch.Construct();
        ASSERT_TRUE(application->InitInstance());
        application->SetPropertyEditor(std::make_unique<NamingEditor>("Clara"));
        if (whileRunning)
            whileRunning(*application);
    }

    static QStringList Names(Ordovan& application)
    {
        QStringList names;
        for (Person* person : application.GetPersons())
            names << person->GetName();
        return names;
    }

    void LeaveRecoveryFile(const std::function<void(ModelBuilder&)>& build, int secondsAfterData = 5)
    {
        ScratchRun::WriteConfigFile(scratch.RecoveryFile(), build);
        scratch.SetTimeAfterDataFile(scratch.RecoveryFile(), secondsAfterData);
    }

    QByteArray Recovery() const { return ScratchRun::ReadFile(scratch.RecoveryFile()); }

    ScratchRun scratch;
    std::vector<ShownBox> boxes;
    MessageBox::Answer answer = MessageBox::Answer::Yes;
    std::vector<std::string> errors;
};

const char* const question = "Ordovan did not end regularly last time. Restore the changes made then?";

} // namespace

TEST_F(RecoveryStartTest, EveryStepWritesTheWholeConfigurationToTheRecoveryFile)
{
    QByteArray dataBefore = ScratchRun::ReadFile(scratch.DataFile());
    Run([this, &dataBefore](Ordovan& application) {
        EXPECT_FALSE(QFile::exists(scratch.RecoveryFile()));
        application.GetCommands()->InsertPerson();
        EXPECT_TRUE(Recovery().contains("\t<Clara>\r\n"));
        EXPECT_TRUE(Recovery().contains("<MainFrame>\r\n"));
        EXPECT_TRUE(Recovery().contains("\t\t<FirstRun>0</>\r\n"));
        application.GetCommands()->Undo();
        EXPECT_FALSE(Recovery().contains("<Clara>"));
        application.GetCommands()->Redo();
        EXPECT_TRUE(Recovery().contains("<Clara>"));
        EXPECT_EQ(ScratchRun::ReadFile(scratch.DataFile()), dataBefore);
    });
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RecoveryStartTest, ARegularExitWritesTheDataFileAndRemovesTheRecoveryFile)
{
    Run([](Ordovan& application) {
        application.GetCommands()->InsertPerson();
        application.GetCommands()->InsertResource();
    });
    EXPECT_TRUE(ScratchRun::ReadFile(scratch.DataFile()).contains("\t<Clara>\r\n"));
    EXPECT_EQ(scratch.FilesStartingWith("ordovan.cfg.recovery"), QStringList());
}

TEST_F(RecoveryStartTest, TheDataFileAfterARegularExitIsTheSameAsWithoutUndoAndRecovery)
{
    Run([](Ordovan& application) {
        application.GetCommands()->InsertPerson();
        application.GetCommands()->Undo();
        application.GetCommands()->Redo();
    });
    QByteArray edited = ScratchRun::ReadFile(scratch.DataFile());
    QByteArray untouched;
    {
        ScratchRun other;
        other.WriteDataFile(HouseholdWithClara);
        std::unique_ptr<Ordovan> application = other.Construct();
        ASSERT_TRUE(application->InitInstance());
        application.reset();
        untouched = ScratchRun::ReadFile(other.DataFile());
    }
    EXPECT_EQ(edited, untouched);
}

TEST_F(RecoveryStartTest, ALeftOverRecoveryFileIsOfferedAndYesRestoresItsChanges)
{
    LeaveRecoveryFile(HouseholdWithClara);
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben", "Clara" })); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, question);
    EXPECT_EQ(boxes[0].icon, MessageBox::Icon::Question);
    EXPECT_EQ(boxes[0].buttons, MessageBox::Buttons::YesNo);
    EXPECT_TRUE(ScratchRun::ReadFile(scratch.DataFile()).contains("\t<Clara>\r\n"));
    EXPECT_EQ(scratch.FilesStartingWith("ordovan.cfg.recovery"), QStringList());
}

TEST_F(RecoveryStartTest, NoKeepsTheDataAndTheRecoveryFileAsideOnce)
{
    LeaveRecoveryFile(HouseholdWithClara);
    answer = MessageBox::Answer::No;
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben" })); });
    EXPECT_EQ(boxes.size(), 1u);
    QStringList kept = scratch.FilesStartingWith("ordovan.cfg.recovery");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("ordovan.cfg.recovery.declined-"));
    EXPECT_TRUE(ScratchRun::ReadFile(scratch.DataFolder() + "/" + kept[0]).contains("<Clara>"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(kept[0].toStdString()), std::string::npos) << errors[0];
    Run();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(RecoveryStartTest, AnUnreadableRecoveryFileIsKeptAsideAndNeverLoaded)
{
    ScratchRun::WriteFile(scratch.RecoveryFile(), "<Persons>\r\n\t<Clara>\r\n");
    scratch.SetTimeAfterDataFile(scratch.RecoveryFile(), 5);
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben" })); });
    EXPECT_TRUE(boxes.empty());
    QStringList kept = scratch.FilesStartingWith("ordovan.cfg.recovery");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("ordovan.cfg.recovery.unreadable-"));
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(RecoveryStartTest, ARecoveryFileOlderThanTheDataFileIsNotOffered)
{
    LeaveRecoveryFile(HouseholdWithClara, -60);
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben" })); });
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(QFile::exists(scratch.RecoveryFile()));
}

TEST_F(RecoveryStartTest, AFailedSaveAtExitKeepsTheRecoveryFileForTheNextStart)
{
    // A folder in the place of the save's new file makes the save fail.
    ASSERT_TRUE(QDir(scratch.DataFolder()).mkdir("ordovan.cfg.new"));
    Run([](Ordovan& application) { application.GetCommands()->InsertPerson(); });
    EXPECT_FALSE(ScratchRun::ReadFile(scratch.DataFile()).contains("<Clara>"));
    ASSERT_TRUE(QFile::exists(scratch.RecoveryFile()));
    ASSERT_TRUE(QDir(scratch.DataFolder()).rmdir("ordovan.cfg.new"));
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben", "Clara" })); });
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(RecoveryStartTest, ARunKilledAfterAnEditOffersTheEditAtTheNextStart)
{
    QByteArray dataBefore = ScratchRun::ReadFile(scratch.DataFile());
    QProcess killed;
    killed.start(ORDOVAN_KILLED_RUN, { scratch.GetProgramFile() });
    ASSERT_TRUE(killed.waitForFinished(60000));
    EXPECT_EQ(killed.exitStatus(), QProcess::CrashExit) << killed.readAllStandardError().toStdString();
    EXPECT_EQ(ScratchRun::ReadFile(scratch.DataFile()), dataBefore);
    ASSERT_TRUE(Recovery().contains("<Killed>"));
    Run([](Ordovan& application) { EXPECT_EQ(Names(application), QStringList({ "Anna", "Ben", "Killed" })); });
    EXPECT_EQ(boxes.size(), 1u);
}
