#include "model/Person.h"
#include "toolbox/GlobalLog.h"

#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include "ModelBuilder.h"
#include "ScratchRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

void CollectErrors(void* context, const char*, int, toolbox::LogLevel level, const char* format, va_list arguments)
{
    char text[2048];
    std::vsnprintf(text, sizeof text, format, arguments);
    if (level >= toolbox::LogLevel::Error)
        static_cast<std::vector<std::string>*>(context)->push_back(text);
}

void DeleteFirstPerson(Ordovan& application)
{
    MainView* view = application.GetMainView();
    view->setCurrentItem(view->topLevelItem(0)->child(0));
    application.GetCommands()->Delete();
}

class RecoveryStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModalRunner::ClearHandlers();
        MessageBox::SetHandler([this](QWidget*, const QString& text, MessageBox::Icon icon, MessageBox::Buttons) {
            if (icon == MessageBox::Icon::Question)
                questions << text;
            return answer;
        });
        toolbox::InstallGlobalLogSink(CollectErrors, &errors);
        scratch.WriteDataFile([](ModelBuilder& build) {
            build.AddTask(build.AddPerson("Anna"), "Shower", 15);
            build.AddPerson("Ben");
        });
    }

    void TearDown() override
    {
        toolbox::RemoveGlobalLogSink(&errors);
        MessageBox::SetHandler(nullptr);
    }

    // One run from construction to a regular exit; the names of its persons.
    QStringList Run(const std::function<void(Ordovan&)>& whileRunning = {})
    {
        std::unique_ptr<Ordovan> application = scratch.Construct();
        EXPECT_TRUE(application->InitInstance());
        if (whileRunning)
            whileRunning(*application);
        QStringList names;
        for (Person* person : application->GetPersons())
            names << person->GetName();
        return names;
    }

    // The real program deletes Anna and is killed with SIGKILL.
    void KillAfterDeletingAnna()
    {
        QByteArray dataBefore = ScratchRun::ReadFile(scratch.DataFile());
        QProcess killed;
        killed.start(ORDOVAN_KILLED_RUN, { scratch.GetProgramFile() });
        ASSERT_TRUE(killed.waitForFinished(60000));
        ASSERT_EQ(killed.exitStatus(), QProcess::CrashExit) << killed.readAllStandardError().toStdString();
        EXPECT_EQ(ScratchRun::ReadFile(scratch.DataFile()), dataBefore);
        EXPECT_FALSE(ScratchRun::ReadFile(scratch.RecoveryFile()).contains("<Anna>"));
    }

    ScratchRun scratch;
    QStringList questions;
    MessageBox::Answer answer = MessageBox::Answer::Yes;
    std::vector<std::string> errors;
};

} // namespace

TEST_F(RecoveryStartTest, ARunKilledAfterAnEditOffersItAtTheNextStartAndYesBringsItBack)
{
    KillAfterDeletingAnna();
    EXPECT_EQ(Run(), QStringList({ "Ben" }));
    EXPECT_EQ(questions, QStringList({ "Ordovan did not end regularly last time. Restore the changes made then?" }));
    EXPECT_FALSE(ScratchRun::ReadFile(scratch.DataFile()).contains("<Anna>"));
    EXPECT_EQ(scratch.FilesStartingWith("ordovan.cfg.recovery"), QStringList());
}

TEST_F(RecoveryStartTest, NoKeepsTheOldDataAndTheRecoveryFileAsideOnce)
{
    KillAfterDeletingAnna();
    answer = MessageBox::Answer::No;
    EXPECT_EQ(Run(), QStringList({ "Anna", "Ben" }));
    QStringList kept = scratch.FilesStartingWith("ordovan.cfg.recovery");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("ordovan.cfg.recovery.declined-"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(kept[0].toStdString()), std::string::npos) << errors[0];
    Run();
    EXPECT_EQ(questions.size(), 1);
}

TEST_F(RecoveryStartTest, AnUnreadableRecoveryFileIsKeptAsideAndNeverLoaded)
{
    QFile broken(scratch.RecoveryFile());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<Persons>\r\n\t<Clara>\r\n");
    broken.close();
    EXPECT_EQ(Run(), QStringList({ "Anna", "Ben" }));
    EXPECT_TRUE(questions.isEmpty());
    QStringList kept = scratch.FilesStartingWith("ordovan.cfg.recovery");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("ordovan.cfg.recovery.unreadable-"));
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(RecoveryStartTest, EveryStepReachesTheRecoveryFileAndTheDataFileEndsAsWithoutIt)
{
    Run([this](Ordovan& application) {
        DeleteFirstPerson(application);
        QByteArray recovery = ScratchRun::ReadFile(scratch.RecoveryFile());
        EXPECT_FALSE(recovery.contains("<Anna>"));
        EXPECT_TRUE(recovery.contains("\t\t<FirstRun>0</>\r\n"));
        EXPECT_TRUE(recovery.contains("<MainFrame>\r\n"));
        application.GetCommands()->Undo();
        EXPECT_TRUE(ScratchRun::ReadFile(scratch.RecoveryFile()).contains("\t<Anna>\r\n"));
        application.GetCommands()->Redo();
    });
    EXPECT_EQ(scratch.FilesStartingWith("ordovan.cfg.recovery"), QStringList());
    QByteArray edited = ScratchRun::ReadFile(scratch.DataFile());
    ScratchRun untouched;
    untouched.WriteDataFile([](ModelBuilder& build) { build.AddPerson("Ben"); });
    untouched.Construct()->InitInstance();
    EXPECT_EQ(edited, ScratchRun::ReadFile(untouched.DataFile()));
}

TEST_F(RecoveryStartTest, AFailedSaveAtExitKeepsTheRecoveryFileForTheNextStart)
{
    // A folder in the place of the save's new file makes the save fail.
    ASSERT_TRUE(QDir(scratch.DataFolder()).mkdir("ordovan.cfg.new"));
    Run(DeleteFirstPerson);
    ASSERT_TRUE(QFile::exists(scratch.RecoveryFile()));
    ASSERT_TRUE(QDir(scratch.DataFolder()).rmdir("ordovan.cfg.new"));
    EXPECT_EQ(Run(), QStringList({ "Ben" }));
    EXPECT_EQ(questions.size(), 1);
}
