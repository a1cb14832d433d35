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
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

ScratchRun::ScratchRun()
    : restartShared(QCoreApplication::instance() != nullptr)
{
    TestApplication::Stop();
    EXPECT_TRUE(folder.isValid());
    for (const char* name : { "XDG_DATA_HOME", "HOME", "XDG_CONFIG_HOME" })
        savedEnvironment.push_back({ name, qgetenv(name) });
    qputenv("XDG_DATA_HOME", folder.filePath("data").toLocal8Bit());
    qputenv("HOME", folder.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
    QDir(folder.path()).mkpath("program");
    QDir(folder.path()).mkpath("home");
    QDir(folder.path()).mkpath("data/Quillfeather/Ordovan");
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

QString ScratchRun::DataFolder() const
{
    return folder.filePath("data/Quillfeather/Ordovan");
}

QString ScratchRun::DataFile() const
{
    return DataFolder() + "/ordovan.cfg";
}

QString ScratchRun::RecoveryFile() const
{
    return DataFile() + ".recovery";
}

void ScratchRun::WriteDataFile(const std::function<void(ModelBuilder&)>& build) const
{
    WriteConfigFile(DataFile(), build);
}

void ScratchRun::WriteConfigFile(const QString& path, const std::function<void(ModelBuilder&)>& build)
{
    PlanningModel model;
    ModelBuilder builder(model);
    build(builder);
    toolbox::Config config;
    config.GetRootSection().GetSection("Application").GetSection("OnceActions").GetParameter("FirstRun").SetBool(false);
    ModelStore::Save(model, config.GetRootSection());
    ASSERT_TRUE(config.SaveFile(path.toLocal8Bit().constData()));
    QFile::remove(path + ".old");
}

void ScratchRun::SetTimeAfterDataFile(const QString& path, int seconds) const
{
    QDateTime dataTime = QFileInfo(DataFile()).lastModified();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(dataTime.addSecs(seconds), QFileDevice::FileModificationTime));
}

std::unique_ptr<Ordovan> ScratchRun::Construct() const
{
    return std::make_unique<Ordovan>(
        TestApplication::GetArgumentCount(), TestApplication::GetArguments(), programFile.constData());
}

QStringList ScratchRun::FilesStartingWith(const QString& prefix) const
{
    return QDir(DataFolder()).entryList({ prefix + "*" }, QDir::Files, QDir::Name);
}

QByteArray ScratchRun::ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ScratchRun::WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
