#include "model/Person.h"
#include "model/PlanningModel.h"
#include "toolbox/FileLock.h"

#include "app/MainView.h"
#include "app/ModelCommands.h"
#include "app/Ordovan.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include "ModelBuilder.h"
#include "ScratchProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <functional>

#include <gtest/gtest.h>

namespace {

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
        PlanningModel household;
        ModelBuilder build(household);
        build.AddTask(build.AddPerson("Anna"), "Shower", 15);
        build.AddPerson("Ben");
        scratch.WriteDataFile(household);
    }

    void TearDown() override { MessageBox::SetHandler(nullptr); }

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
    QByteArray log = Read(scratch.LogFile());
    EXPECT_TRUE(log.contains("] Error (")) << log.toStdString();
    EXPECT_TRUE(log.contains(kept[0].toLocal8Bit()));
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
    EXPECT_TRUE(Read(scratch.LogFile()).contains(kept[0].toLocal8Bit()));
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
    // Folders in the place of the data file and of its old copy leave the
    // save no way to replace the file.
    const QStringList obstacles = { scratch.DataFile(), scratch.DataFile() + ".old" };
    Run([&obstacles](Ordovan& application) {
        DeleteFirstPerson(application);
        QFile::remove(obstacles[0]);
        for (const QString& obstacle : obstacles)
            QDir().mkpath(obstacle + "/inside");
    });
    ASSERT_TRUE(QFile::exists(scratch.RecoveryFile()));
    for (const QString& obstacle : obstacles)
        QDir(obstacle).removeRecursively();
    EXPECT_EQ(Run(), QStringList({ "Ben" }));
    EXPECT_EQ(questions.size(), 1);
}

TEST_F(RecoveryStartTest, ARunWhileAnotherHoldsTheDataFileLeavesTheRecoveryFileAlone)
{
    KillAfterDeletingAnna();
    QByteArray left = Read(scratch.RecoveryFile());
    toolbox::FileLock running;
    ASSERT_EQ(toolbox::LockOutcome::Held, running.Acquire((scratch.DataFile() + ".lock").toLocal8Bit().constData()));
    EXPECT_FALSE(scratch.Run());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Read(scratch.RecoveryFile()), left);
}
