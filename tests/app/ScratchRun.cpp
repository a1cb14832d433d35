#include "ScratchRun.h"

#include "model/ModelStore.h"
#include "model/PlanningModel.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ProcessInfo.h"

#include "app/Ordovan.h"

#include "ModelBuilder.h"
#include "TestApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

ScratchRun::ScratchRun()
    : restartShared(QCoreApplication::instance() != nullptr)
{
    TestApplication::Stop();
    for (const char* name : { "XDG_DATA_HOME", "HOME", "XDG_CONFIG_HOME" })
        savedEnvironment.push_back({ name, qgetenv(name) });
    qputenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit());
    qputenv("HOME", folder.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
    for (const char* path : { "program", "home", "data/Quillfeather/Ordovan" })
        QDir(folder.path()).mkpath(path);
    programFile = folder.filePath("program/ordovan").toLocal8Bit();
}

ScratchRun::~ScratchRun()
{
    toolbox::ProcessInfo::SetProgramFile(nullptr);
    for (auto& [name, value] : savedEnvironment) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    if (restartShared)
        TestApplication::Start();
}

QStringList ScratchRun::FilesStartingWith(const QString& prefix) const
{
    return QDir(DataFolder()).entryList({ prefix + "*" }, QDir::Files, QDir::Name);
}

void ScratchRun::WriteDataFile(const std::function<void(ModelBuilder&)>& build) const
{
    PlanningModel model;
    ModelBuilder builder(model);
    build(builder);
    toolbox::Config config;
    config.GetRootSection().GetSection("Application").GetSection("OnceActions").GetParameter("FirstRun").SetBool(false);
    ModelStore::Save(model, config.GetRootSection());
    config.SaveFile(DataFile().toLocal8Bit().constData());
    QFile::remove(DataFile() + ".old");
}

std::unique_ptr<Ordovan> ScratchRun::Construct() const
{
    return std::make_unique<Ordovan>(
        TestApplication::GetArgumentCount(), TestApplication::GetArguments(), programFile.constData());
}

QByteArray ScratchRun::ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
