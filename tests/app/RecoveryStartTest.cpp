#include "model/Person.h"
#include "model/PlanningModel.h"
#include "toolbox/GlobalLog.h"

#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include "ModelBuilder.h"
#include "ScratchProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        PlanningModel household;
        ModelBuilder build(household);
        build.AddTask(build.AddPerson("Anna"), "Shower", 15);
        build.AddPerson("Ben");
        scratch.WriteDataFile(household);
    }

    void TearDown() override
    {
        toolbox::RemoveGlobalLogSink(&errors);
        MessageBox::SetHandler(nullptr);
    }

    // One run from construction to a regular exit; the names of its persons.
    QStringList Run(const std::function<void(Ordovan&)>& whileRunning = {})
    {
        QStringList names;
        EXPECT_TRUE(scratch.Run([&](Ordovan& application) {
            if (whileRunning)
                whileRunning(application);
            for (Person* person : application.GetPersons())
                names << person->GetName();
        }));
        return names;
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The real program deletes Anna and is killed with SIGKILL.
    void KillAfterDeletingAnna()
    {
        QByteArray dataBefore = Read(scratch.DataFile());
        QProcess killed;
        killed.start(ORDOVAN_KILLED_RUN, { scratch.GetProgramFile() });
        ASSERT_TRUE(killed.waitForFinished(60000));
        ASSERT_EQ(killed.exitStatus(), QProcess::CrashExit) << killed.readAllStandardError().toStdString();
        EXPECT_EQ(Read(scratch.DataFile()), dataBefore);
        EXPECT_FALSE(Read(scratch.RecoveryFile()).contains("<Anna>"));
    }

    ScratchProgram scratch;
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
    EXPECT_FALSE(Read(scratch.DataFile()).contains("<Anna>"));
    EXPECT_EQ(scratch.FilesBesideDataFile("ordovan.cfg.recovery"), QStringList());
}

TEST_F(RecoveryStartTest, NoKeepsTheOldDataAndTheRecoveryFileAsideOnce)
{
    KillAfterDeletingAnna();
    answer = MessageBox::Answer::No;
    EXPECT_EQ(Run(), QStringList({ "Anna", "Ben" }));
    QStringList kept = scratch.FilesBesideDataFile("ordovan.cfg.recovery");
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
    QStringList kept = scratch.FilesBesideDataFile("ordovan.cfg.recovery");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("ordovan.cfg.recovery.unreadable-"));
    EXPECT_EQ(errors.size(), 1u);
}

TEST_F(RecoveryStartTest, EveryStepReachesTheRecoveryFileAndTheDataFileEndsAsWithoutIt)
{
    Run([this](Ordovan& application) {
        DeleteFirstPerson(application);
        QByteArray recovery = Read(scratch.RecoveryFile());
        EXPECT_FALSE(recovery.contains("<Anna>"));
        EXPECT_TRUE(recovery.contains("\t\t<FirstRun>0</>\r\n"));
        EXPECT_TRUE(recovery.contains("<MainFrame>\r\n"));
        application.GetCommands()->Undo();
        EXPECT_TRUE(Read(scratch.RecoveryFile()).contains("\t<Anna>\r\n"));
        application.GetCommands()->Redo();
    });
    EXPECT_EQ(scratch.FilesBesideDataFile("ordovan.cfg.recovery"), QStringList());
    QByteArray edited = Read(scratch.DataFile());
    PlanningModel onlyBen;
    ModelBuilder(onlyBen).AddPerson("Ben");
    scratch.WriteDataFile(onlyBen);
    Run();
    EXPECT_EQ(edited, Read(scratch.DataFile()));
}

TEST_F(RecoveryStartTest, AFailedSaveAtExitKeepsTheRecoveryFileForTheNextStart)
{
    // A folder in the place of the save's new file makes the save fail.
    ASSERT_TRUE(QFileInfo(scratch.DataFile()).dir().mkdir("ordovan.cfg.new"));
    Run(DeleteFirstPerson);
    ASSERT_TRUE(QFile::exists(scratch.RecoveryFile()));
    ASSERT_TRUE(QFileInfo(scratch.DataFile()).dir().rmdir("ordovan.cfg.new"));
    EXPECT_EQ(Run(), QStringList({ "Ben" }));
    EXPECT_EQ(questions.size(), 1);
}
