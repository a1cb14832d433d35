#include "model/ModelStore.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ProcessInfo.h"

#include "ScratchProgram.h"

#include "TestApplication.h"
#include "app/Ordovan.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

ScratchProgram::ScratchProgram()
{
    TestApplication::Stop();
    for (const char* name : { "XDG_DATA_HOME", "HOME", "XDG_CONFIG_HOME" })
        savedEnvironment.push_back({ name, qgetenv(name) });
    qputenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit());
    qputenv("HOME", folder.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
    QDir(folder.path()).mkpath("program");
    QDir(folder.path()).mkpath("home");
    SetProgramName(programName);
}

ScratchProgram::~ScratchProgram()
{
    toolbox::ProcessInfo::SetProgramFile(nullptr);
    for (auto& [name, value] : savedEnvironment) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    TestApplication::Start();
}

QString ScratchProgram::DataFolder() const
{
    return folder.filePath("data/Quillfeather/Ordovan");
}

QString ScratchProgram::DataFile() const
{
    return DataFolder() + "/" + programName + ".cfg";
}

QStringList ScratchProgram::FilesBesideDataFile(const QString& prefix) const
{
    return QDir(DataFolder()).entryList({ prefix + "*" }, QDir::Files, QDir::Name);
}

QString ScratchProgram::DefaultsFile() const
{
    return folder.filePath("program/" + programName + ".cfg");
}

QString ScratchProgram::LogFile() const
{
    return folder.filePath("home/Documents/" + programName + ".log");
}

void ScratchProgram::SetProgramName(const QString& name)
{
    programName = name;
    programFile = folder.filePath("program/" + name).toLocal8Bit();
}

void ScratchProgram::WriteDataFile(const PlanningModel& model) const
{
    toolbox::Config config;
    ModelStore::Save(model, config.GetRootSection());
    config.GetRootSection().GetSection("Application").GetSection("OnceActions").GetParameter("FirstRun").SetBool(false);
    QDir().mkpath(QFileInfo(DataFile()).path());
    config.SaveFile(DataFile().toLocal8Bit().constData());
}

bool ScratchProgram::Run(const std::function<void(Ordovan&)>& whileRunning, const std::function<void()>& beforeStart)
{
    auto application = std::make_unique<Ordovan>(
        TestApplication::GetArgumentCount(), TestApplication::GetArguments(), programFile.constData());
    if (beforeStart)
        beforeStart();
    bool started = application->InitInstance();
    if (started && whileRunning)
        whileRunning(*application);
    application.reset();
    return started;
}
