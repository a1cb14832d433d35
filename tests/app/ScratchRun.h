#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ModelBuilder;
class Ordovan;

// Runs of the program in folders of their own (data below a temporary
// XDG_DATA_HOME, home, program folder). The shared test application is
// stopped while it lives and started again when it goes, and the environment
// is restored. One may live inside another.
class ScratchRun {
public:
    ScratchRun();
    ~ScratchRun();

    QString DataFolder() const { return folder.filePath("data/Quillfeather/Ordovan"); }
    QString DataFile() const { return DataFolder() + "/ordovan.cfg"; }
    QString RecoveryFile() const { return DataFile() + ".recovery"; }
    const char* GetProgramFile() const { return programFile.constData(); }
    // The names in the data folder that start with `prefix`.
    QStringList FilesStartingWith(const QString& prefix) const;

    // The data file a regular exit writes for the model `build` makes, with
    // the first start behind it.
    void WriteDataFile(const std::function<void(ModelBuilder&)>& build) const;
    // An application object on these folders, not yet initialised.
    std::unique_ptr<Ordovan> Construct() const;

    static QByteArray ReadFile(const QString& path);

private:
    QTemporaryDir folder;
    QByteArray programFile;
    std::vector<std::pair<const char*, QByteArray>> savedEnvironment;
    bool restartShared = false;
};
