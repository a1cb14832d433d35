#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/ConfigText.h"
#include "toolbox/DataFolder.h"
#include "toolbox/FileLock.h"
#include "toolbox/GlobalLog.h"
#include "toolbox/Logger.h"
#include "toolbox/Path.h"
#include "toolbox/ProcessInfo.h"
#include "toolbox/RecoveryFile.h"
#include "toolbox/SafeSave.h"

#include "app/triext/ImageList.h"
#include "app/triext/MessageBox.h"
#include "app/triext/TriExtApp.h"

#include <cstdlib>
#include <ctime>

namespace mfctriext {

namespace {

    const char* const productName = "Ordovan";
    const char* const restoreQuestion = "Ordovan did not end regularly last time. Restore the changes made then?";

    bool IsRead(toolbox::ConfigFileLoad load)
    {
        return load == toolbox::ConfigFileLoad::Loaded || load == toolbox::ConfigFileLoad::LoadedOld;
    }

    std::unique_ptr<char[]> DataFileIn(const toolbox::Path& folder)
    {
        return toolbox::Path::CreateApplicationLikePath(folder, "cfg")->ToString();
    }

    QString Quoted(const char* path)
    {
        return "\"" + QString::fromLocal8Bit(path) + "\"";
    }

} // namespace

TriExtApp::TriExtApp(int& argc, char** argv, const char* programFile)
    : QApplication(argc, argv)
{
    setApplicationName(productName);
    // The recovery question comes before the main window, which sets its own.
    setWindowIcon(ImageList::GetApplicationIcon());
    if (programFile)
        toolbox::ProcessInfo::SetProgramFile(programFile);
    // Started before the load, so that what the load reports reaches the log.
    ownsLogger = !toolbox::Logger::GetGlobal();
    toolbox::Logger::StartGlobal();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    config = std::make_unique<toolbox::Config>();
    dataFileLock = std::make_unique<toolbox::FileLock>();
    Load();
}

TriExtApp::~TriExtApp()
{
    SaveAtExit();
    config.reset();
    dataFileLock.reset();
    if (ownsLogger)
        toolbox::Logger::ShutdownGlobal();
}

void TriExtApp::Load()
{
    std::unique_ptr<toolbox::Path> dataFolder = GetDataFolderPath();
    std::unique_ptr<char[]> dataFile = DataFileIn(*dataFolder);
    std::unique_ptr<char[]> lockFile = toolbox::JoinText(dataFile.get(), ".lock");
    // Without a lock file (a read-only folder) nothing could be saved anyway;
    // the run goes on as it would have.
    if (dataFileLock->Acquire(lockFile.get()) == toolbox::LockOutcome::HeldElsewhere) {
        anotherInstance = true;
        return;
    }
    recovery = std::make_unique<toolbox::RecoveryFile>(dataFile.get());
    if (!RestoreRecovery()) {
        toolbox::ConfigStartupResult loaded
            = toolbox::ConfigStartup::LoadFromFolders(*config, *dataFolder, toolbox::UnreadableDataFile::Keep);
        unreadableLeftInPlace = std::move(loaded.unreadableLeftInPlace);
    }
    firstRun = !IsOnceActionDone("FirstRun");
}

// The one write of the data file. The recovery file goes only once the data
// file holds what it held; until then the next start offers it.
void TriExtApp::SaveAtExit()
{
    if (anotherInstance)
        return;
    if (unreadableLeftInPlace) {
        MessageBox::Show(nullptr,
            QString("Your data has not been saved, so that %1, which could not be read, is not overwritten. "
                    "Please move that file elsewhere before you start Ordovan again.")
                .arg(Quoted(unreadableLeftInPlace.get())),
            MessageBox::Icon::Stop);
        return;
    }
    std::unique_ptr<toolbox::Path> dataFolder = GetDataFolderPath();
    toolbox::SaveReport report = config->SaveToFolderReporting(*dataFolder);
    ReportSave(report, DataFileIn(*dataFolder).get());
    if (report.outcome != toolbox::SaveOutcome::Failed)
        recovery->Remove();
}

void TriExtApp::ReportSave(const toolbox::SaveReport& report, const char* dataFile)
{
    switch (report.outcome) {
    case toolbox::SaveOutcome::Saved:
        return;
    case toolbox::SaveOutcome::SavedWithoutBackup:
        MessageBox::Show(nullptr,
            QString("Your data has been saved to %1, but its previous version could not be kept, because %2 "
                    "could not be used. Please move %2 elsewhere.")
                .arg(Quoted(dataFile), Quoted(report.obstacle.get())),
            MessageBox::Icon::Warning);
        return;
    case toolbox::SaveOutcome::Failed:
        MessageBox::Show(nullptr,
            QString("Your data could not be saved to %1, so the changes of this session are lost. Please check "
                    "that the folder can be written to and that the disk is not full.")
                .arg(Quoted(dataFile)),
            MessageBox::Icon::Stop);
        return;
    }
}

bool TriExtApp::RestoreRecovery()
{
    toolbox::RecoveryState state = recovery->Inspect();
    if (state == toolbox::RecoveryState::None)
        return false;
    if (state == toolbox::RecoveryState::Stale) {
        KeepRecoveryAside("stale", "it is older than the data file");
        return false;
    }
    if (!IsRead(recovery->Load(*config))) {
        config->Clear();
        KeepRecoveryAside("unreadable", "it could not be read");
        return false;
    }
    if (MessageBox::Show(nullptr, restoreQuestion, MessageBox::Icon::Question, MessageBox::Buttons::YesNo)
        == MessageBox::Answer::Yes) {
        toolbox::GlobalLog(__FILE__, __LINE__, toolbox::LogLevel::Info, "Restored the changes of the recovery file %s",
            recovery->GetPath());
        return true;
    }
    config->Clear();
    KeepRecoveryAside("declined", "the changes were not restored");
    return false;
}

void TriExtApp::KeepRecoveryAside(const char* reason, const char* why)
{
    std::unique_ptr<char[]> kept = recovery->KeepAside(reason);
    if (kept) {
        toolbox::GlobalLog(__FILE__, __LINE__, toolbox::LogLevel::Error,
            "The recovery file %s was not loaded, since %s; it has been kept as %s", recovery->GetPath(), why,
            kept.get());
    } else {
        toolbox::GlobalLog(__FILE__, __LINE__, toolbox::LogLevel::Error,
            "The recovery file %s was not loaded, since %s, and it could not be moved aside", recovery->GetPath(), why);
    }
}

void TriExtApp::SaveRecovery()
{
    if (!recovery)
        return;
    bool saved = recovery->Save(*config);
    // One record when saving starts to fail, not one per change.
    if (!saved && !recoverySaveFailing) {
        toolbox::GlobalLog(__FILE__, __LINE__, toolbox::LogLevel::Error, "The recovery file %s could not be written",
            recovery->GetPath());
    }
    recoverySaveFailing = !saved;
}

void TriExtApp::ReportAnotherInstance()
{
    MessageBox::Show(nullptr, "Ordovan is already running.", MessageBox::Icon::Information);
}

toolbox::ConfigSection& TriExtApp::GetConfig()
{
    return config->GetRootSection();
}

std::unique_ptr<toolbox::Path> TriExtApp::GetDataFolderPath() const
{
    return toolbox::DataFolder::Locate(productName, toolbox::FolderCreation::CreateMissing);
}

std::unique_ptr<toolbox::Path> TriExtApp::GetProgramFolderPath() const
{
    return toolbox::Path::CreateApplicationDirectoryPath();
}

bool TriExtApp::IsOnceActionDone(const char* name)
{
    toolbox::ConfigSection& actions = GetConfig().GetSection("Application").GetSection("OnceActions");
    if (!actions.GetBool(name, true))
        return true;
    actions.GetParameter(name).SetBool(false);
    return false;
}

} // namespace mfctriext
