#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/DataFolder.h"
#include "toolbox/Path.h"
#include "toolbox/ProcessInfo.h"

#include "app/triext/TriExtApp.h"

#include <cstdlib>
#include <ctime>

namespace mfctriext {

namespace {

    const char* const productName = "Ordovan";

} // namespace

TriExtApp::TriExtApp(int& argc, char** argv, const char* programFile)
    : QApplication(argc, argv)
{
    setApplicationName(productName);
    if (programFile)
        toolbox::ProcessInfo::SetProgramFile(programFile);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    config = std::make_unique<toolbox::Config>();
    std::unique_ptr<toolbox::Path> dataFolder = GetDataFolderPath();
    toolbox::ConfigStartup::LoadFromFolders(*config, *dataFolder, toolbox::UnreadableDataFile::Keep);
    firstRun = !IsOnceActionDone("FirstRun");
}

TriExtApp::~TriExtApp()
{
    // The one write of the file; a failure keeps the previous file and says nothing.
    std::unique_ptr<toolbox::Path> dataFolder = GetDataFolderPath();
    config->SaveToFolder(*dataFolder);
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
