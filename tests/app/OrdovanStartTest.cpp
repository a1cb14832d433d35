#include "ModelBuilder.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Resource.h"
#include "toolbox/FileLock.h"

#include "app/AboutDialog.h"
#include "app/CommandId.h"
#include "app/DesktopOpener.h"
#include "app/MainFrame.h"
#include "app/Ordovan.h"
#include "app/TerminationSignals.h"
#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"

#include "ModalJourney.h"
#include "ScratchProgram.h"
#include "dialogs/MessageBoxRecorder.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Start-up and shutdown with real application objects, in folders of their
// own: the data folder below a temporary XDG_DATA_HOME and the program file
// in a temporary program folder.
class OrdovanStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DesktopOpener::SetHandler([this](const QUrl& url) {
            opened.push_back(url);
            return programFound;
        });
        MessageBox::ResetRecord();
        ModalRunner::ClearHandlers();
    }

    void TearDown() override
    {
        ModalRunner::ClearHandlers();
        MessageBox::SetHandler(nullptr);
        MessageBox::ResetRecord();
        DesktopOpener::SetHandler(nullptr);
    }

    QString DataFile() const { return program.DataFile(); }
    QString DefaultsFile() const { return program.DefaultsFile(); }

    // The names in the data folder, sorted.
    QStringList DataFolderEntries() const
    {
        return QDir(program.DataFolder())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    }

    // Holds the data file as a running program does.
    void HoldTheDataFile(toolbox::FileLock& lock)
    {
        QDir().mkpath(program.DataFolder());
        ASSERT_EQ(toolbox::LockOutcome::Held, lock.Acquire((DataFile() + ".lock").toLocal8Bit().constData()));
    }

    // A journey through the real box the program shows next: it must be
    // open and show `expected`; OK closes it.
    static std::unique_ptr<ModalJourney> AnswerTheMessageBox(const QString& expected)
    {
        auto journey = std::make_unique<ModalJourney>();
        journey->Then<QMessageBox>([expected](QMessageBox& box) {
            EXPECT_TRUE(box.isVisible());
            EXPECT_TRUE(box.text().contains(expected)) << box.text().toStdString();
            EXPECT_EQ(box.windowTitle(), "Ordovan");
            QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
        });
        return journey;
    }

    // Every About box of the run is counted and closed with OK.
    void CountAboutBoxes()
    {
        for (int i = 0; i < 4; ++i) {
            ModalRunner::SetNextHandler([this](QDialog& dialog) {
                if (qobject_cast<AboutDialog*>(&dialog))
                    ++aboutBoxes;
                return static_cast<int>(QDialog::Accepted);
            });
        }
    }

    bool Run(const std::function<void(Ordovan&)>& whileRunning = {}, const std::function<void()>& beforeStart = {})
    {
        return program.Run(whileRunning, beforeStart);
    }

    ScratchProgram program;
    // Lays out the documents the Help menu opens beside the program file.
    void InstallDocuments()
    {
        QDir(program.FilePath("program")).mkpath("docs/help");
        WriteFile(program.FilePath("program/docs/help/index.html"), "<html></html>");
        WriteFile(program.FilePath("program/docs/Readme.txt"), "Terms");
    }

    std::vector<QUrl> opened;
    bool programFound = true;
    int aboutBoxes = 0;
};

const char* const twoPersons = "<Persons>\r\n"
                               "\t<zoe>\r\n"
                               "\t</zoe>\r\n"
                               "\r\n"
                               "\t<Adam>\r\n"
                               "\t</Adam>\r\n"
                               "</Persons>\r\n"
                               "\r\n"
                               "<Resources>\r\n"
                               "\t<Car>\r\n"
                               "\t\t<Amount>2</>\r\n"
                               "\t</Car>\r\n"
                               "</Resources>\r\n";

} // namespace

TEST_F(OrdovanStartTest, FirstStartShowsTheAboutBoxOnceAndWritesFlagsAndEmptyModel)
{
    CountAboutBoxes();
    ASSERT_TRUE(Run([](Ordovan& application) {
        EXPECT_TRUE(application.IsFirstRun());
        EXPECT_EQ(application.GetPersons().GetCount(), 0);
        ASSERT_NE(application.GetMainFrame(), nullptr);
        EXPECT_TRUE(application.GetMainFrame()->isVisible());
    }));
    EXPECT_EQ(aboutBoxes, 1);
    QByteArray written = ReadFile(DataFile());
    EXPECT_TRUE(written.contains("\t\t<FirstRun>0</>\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\t<Maximized>0</>\r\n"));
    EXPECT_TRUE(written.contains("\t<XPos>50</>\r\n"));
    EXPECT_TRUE(written.contains("\t<YPos>50</>\r\n"));
    EXPECT_TRUE(written.contains("\t<XSize>500</>\r\n"));
    EXPECT_TRUE(written.contains("\t<YSize>300</>\r\n"));
    EXPECT_TRUE(written.contains("<Persons>\r\n</Persons>\r\n"));
    EXPECT_TRUE(written.contains("<Resources>\r\n</Resources>\r\n"));
}

TEST_F(OrdovanStartTest, SecondStartShowsNoAboutBox)
{
    CountAboutBoxes();
    Run();
    ModalRunner::ClearHandlers();
    CountAboutBoxes();
    aboutBoxes = 0;
    Run([](Ordovan& application) { EXPECT_FALSE(application.IsFirstRun()); });
    EXPECT_EQ(aboutBoxes, 0);
}

TEST_F(OrdovanStartTest, StartsFromTheDefaultsBesideTheProgramAndLeavesThemUntouched)
{
    WriteFile(DefaultsFile(), twoPersons);
    CountAboutBoxes();
    Run([](Ordovan& application) {
        ASSERT_EQ(application.GetPersons().GetCount(), 2);
        EXPECT_STREQ(application.GetPersons().Get(0)->GetName(), "Adam");
        EXPECT_STREQ(application.GetPersons().Get(1)->GetName(), "zoe");
        ASSERT_EQ(application.GetResources().GetCount(), 1);
        EXPECT_EQ(application.GetResources().Get(0)->GetAmount(), 2);
    });
    EXPECT_EQ(ReadFile(DefaultsFile()), QByteArray(twoPersons));
    QByteArray written = ReadFile(DataFile());
    EXPECT_TRUE(written.contains("\t<Adam>\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\t\t<Amount>2</>\r\n"));
}

TEST_F(OrdovanStartTest, ModelChangesOfARunReachTheNextRun)
{
    CountAboutBoxes();
    Run([](Ordovan& application) { ModelBuilder(application.GetModel()).AddPerson("Clara"); });
    Run([](Ordovan& application) {
        ASSERT_EQ(application.GetPersons().GetCount(), 1);
        EXPECT_STREQ(application.GetPersons().Get(0)->GetName(), "Clara");
    });
}

TEST_F(OrdovanStartTest, WindowPlacementComesBackAfterARestart)
{
    CountAboutBoxes();
    Run([](Ordovan& application) {
        application.GetMainFrame()->move(200, 120);
        application.GetMainFrame()->resize(620, 410);
        application.GetMainFrame()->close();
    });
    Run([](Ordovan& application) {
        EXPECT_EQ(application.GetMainFrame()->pos(), QPoint(200, 120));
        EXPECT_EQ(application.GetMainFrame()->size(), QSize(620, 410));
        EXPECT_FALSE(application.GetMainFrame()->isMaximized());
    });
}

TEST_F(OrdovanStartTest, AMaximizedWindowOpensMaximizedOverItsLastNormalPlacement)
{
    CountAboutBoxes();
    Run([](Ordovan& application) {
        application.GetMainFrame()->move(180, 110);
        application.GetMainFrame()->showMaximized();
        QApplication::processEvents();
    });
    Run([](Ordovan& application) {
        QApplication::processEvents();
        EXPECT_TRUE(application.GetMainFrame()->isMaximized());
        application.GetMainFrame()->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(application.GetMainFrame()->pos(), QPoint(180, 110));
    });
}

TEST_F(OrdovanStartTest, TerminationSignalEndsTheRunRegularlyAndSaves)
{
    CountAboutBoxes();
    Run([](Ordovan& application) {
        ModelBuilder(application.GetModel()).AddPerson("Signalled");
        TerminationSignals terminationSignals([&application] { application.QuitRegularly(); });
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        application.exec();
        EXPECT_FALSE(application.GetMainFrame()->isVisible());
    });
    EXPECT_TRUE(ReadFile(DataFile()).contains("\t<Signalled>\r\n"));
}

TEST_F(OrdovanStartTest, TerminationSignalEndsAnOpenModalDialogToo)
{
    CountAboutBoxes();
    Run([](Ordovan& application) {
        TerminationSignals terminationSignals([&application] { application.QuitRegularly(); });
        QDialog dialog(application.GetMainFrame());
        bool dialogEnded = false;
        QTimer::singleShot(0, [&dialog, &dialogEnded] {
            QTimer::singleShot(0, [] { std::raise(SIGINT); });
            dialog.exec();
            dialogEnded = true;
        });
        application.exec();
        EXPECT_TRUE(dialogEnded);
        EXPECT_FALSE(application.GetMainFrame()->isVisible());
    });
    EXPECT_TRUE(ReadFile(DataFile()).contains("<FirstRun>0</>"));
}

TEST_F(OrdovanStartTest, HelpCommandsOpenTheDocumentsBesideTheProgramAndTheWebSite)
{
    InstallDocuments();
    CountAboutBoxes();
    Run([](Ordovan& application) {
        application.GetMainFrame()->GetAction(CommandId::Help)->trigger();
        application.GetMainFrame()->GetAction(CommandId::TermsAndConditions)->trigger();
        application.GetMainFrame()->GetAction(CommandId::WebSite)->trigger();
    });
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(program.FilePath("program/docs/help/index.html")));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(program.FilePath("program/docs/Readme.txt")));
    EXPECT_EQ(opened[2].scheme(), "https");
}

TEST_F(OrdovanStartTest, AMissingHelpFileIsNamedInAMessageInsteadOfBeingOpened)
{
    CountAboutBoxes();
    MessageBoxRecorder boxes;
    Run([](Ordovan& application) { application.GetMainFrame()->GetAction(CommandId::Help)->trigger(); });
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(
        boxes.boxes[0].text.contains(QDir::toNativeSeparators(program.FilePath("program/docs/help/index.html"))))
        << boxes.boxes[0].text.toStdString();
    EXPECT_TRUE(boxes.boxes[0].text.contains("cannot be found"));
}

TEST_F(OrdovanStartTest, HelpTermsAndWebSiteSayWhenNoProgramOpensThem)
{
    InstallDocuments();
    programFound = false;
    CountAboutBoxes();
    MessageBoxRecorder boxes;
    QWidget* mainWindow = nullptr;
    Run([&mainWindow](Ordovan& application) {
        mainWindow = application.GetMainFrame();
        for (CommandId command : { CommandId::Help, CommandId::TermsAndConditions, CommandId::WebSite })
            application.GetMainFrame()->GetAction(command)->trigger();
    });
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_TRUE(boxes.boxes[0].text.contains("index.html"));
    EXPECT_TRUE(boxes.boxes[1].text.contains("Readme.txt"));
    EXPECT_TRUE(boxes.boxes[2].text.contains("https://"));
    for (const MessageBoxRecorder::Box& box : boxes.boxes) {
        EXPECT_TRUE(box.text.startsWith("No program was found to open")) << box.text.toStdString();
        EXPECT_EQ(box.owner, mainWindow);
    }
}

TEST_F(OrdovanStartTest, AboutCommandShowsTheAboutBoxAgain)
{
    CountAboutBoxes();
    Run([](Ordovan& application) { application.GetMainFrame()->GetAction(CommandId::AppAbout)->trigger(); });
    EXPECT_EQ(aboutBoxes, 2);
}

TEST_F(OrdovanStartTest, GlobalApplicationPointerIsTheRunningApplication)
{
    CountAboutBoxes();
    Run([](Ordovan& application) { EXPECT_EQ(Ordovan::GetInstance(), &application); });
}

TEST_F(OrdovanStartTest, SecondRunWhileTheFirstHoldsTheDataFileSaysSoAndTouchesNothing)
{
    // Even a data file that a run would move aside stays as it is.
    QDir().mkpath(program.DataFolder());
    WriteFile(DataFile(), "</Broken>");
    toolbox::FileLock firstRun;
    HoldTheDataFile(firstRun);
    QStringList before = DataFolderEntries();
    CountAboutBoxes();
    MessageBoxRecorder recorder;
    EXPECT_FALSE(Run());
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].icon, MessageBox::Icon::Information);
    EXPECT_EQ(recorder.boxes[0].text, "Ordovan is already running.");
    EXPECT_EQ(ReadFile(DataFile()), QByteArray("</Broken>"));
    EXPECT_EQ(DataFolderEntries(), before);
}

TEST_F(OrdovanStartTest, SecondRunShowsTheAlreadyRunningBoxUntilTheUserClosesIt)
{
    toolbox::FileLock firstRun;
    HoldTheDataFile(firstRun);
    std::unique_ptr<ModalJourney> journey;
    EXPECT_FALSE(Run({}, [&journey] { journey = AnswerTheMessageBox("Ordovan is already running."); }));
    ASSERT_NE(journey, nullptr);
    EXPECT_TRUE(journey->IsComplete()) << journey->GetProblem().toStdString();
    EXPECT_FALSE(QFile::exists(DataFile()));
}

TEST_F(OrdovanStartTest, RecordOfAnUnreadableDataFileKeptAsideReachesTheLog)
{
    QDir().mkpath(program.DataFolder());
    WriteFile(DataFile(), "</Broken>");
    CountAboutBoxes();
    Run();
    QByteArray log = ReadFile(program.LogFile());
    EXPECT_TRUE(log.contains("] Error (")) << log.toStdString();
    EXPECT_TRUE(log.contains("ordovan.cfg.unreadable-")) << log.toStdString();
}

TEST_F(OrdovanStartTest, FolderInPlaceOfTheOldFileStillLetsEveryExitSaveAndTellsTheUser)
{
    CountAboutBoxes();
    Run();
    QDir().mkpath(DataFile() + ".old/inside");
    MessageBoxRecorder recorder;
    for (const char* name : { "First", "Second" }) {
        Run([name](Ordovan& application) {
            auto* person = new Person();
            person->SetName(name);
            application.GetPersons().Add(person);
        });
        EXPECT_TRUE(ReadFile(DataFile()).contains(QByteArray("\t<") + name + ">\r\n")) << name;
    }
    ASSERT_EQ(recorder.boxes.size(), 2u);
    EXPECT_EQ(recorder.boxes[1].icon, MessageBox::Icon::Warning);
    EXPECT_TRUE(recorder.boxes[1].text.contains(DataFile())) << recorder.boxes[1].text.toStdString();
    EXPECT_TRUE(recorder.boxes[1].text.contains(DataFile() + ".old"));
    EXPECT_TRUE(ReadFile(program.LogFile()).contains(DataFile().toLocal8Bit()));
}

TEST_F(OrdovanStartTest, ExitWhoseSaveNeedsTheUsersAttentionShowsABoxUntilTheUserClosesIt)
{
    CountAboutBoxes();
    Run();
    QDir().mkpath(DataFile() + ".old/inside");
    std::unique_ptr<ModalJourney> journey;
    Run([this, &journey](Ordovan&) { journey = AnswerTheMessageBox(DataFile()); });
    ASSERT_NE(journey, nullptr);
    EXPECT_TRUE(journey->IsComplete()) << journey->GetProblem().toStdString();
    EXPECT_TRUE(ReadFile(DataFile()).contains("<FirstRun>0</>"));
}

TEST_F(OrdovanStartTest, UnreadableDataFileThatCannotBeMovedAsideIsNotOverwrittenAtExit)
{
    // With this program name the kept name would be longer than a file name may be.
    program.SetProgramName(QString(240, 'o'));
    QDir().mkpath(program.DataFolder());
    WriteFile(DataFile(), "</Broken>");
    CountAboutBoxes();
    MessageBoxRecorder recorder;
    Run([](Ordovan& application) {
        auto* person = new Person();
        person->SetName("Unsaved");
        application.GetPersons().Add(person);
    });
    EXPECT_EQ(ReadFile(DataFile()), QByteArray("</Broken>"));
    EXPECT_FALSE(QFile::exists(DataFile() + ".old"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].icon, MessageBox::Icon::Stop);
    EXPECT_TRUE(recorder.boxes[0].text.contains(DataFile()));
}
