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

// Runs of the program in folders of their own: the data folder below a
// temporary XDG_DATA_HOME, a home folder and a program folder. It stops the
// shared test application while it lives and starts it again when it goes,
// restoring the environment it changed. One may live inside another.
class ScratchRun {
public:
    ScratchRun();
    ScratchRun(const ScratchRun&) = delete;
    ScratchRun& operator=(const ScratchRun&) = delete;
    ~ScratchRun();

    QString DataFile() const;
    QString RecoveryFile() const;
    QString DataFolder() const;
    const char* GetProgramFile() const { return programFile.constData(); }

    // A data file holding the model `build` makes, written as a regular exit
    // writes it, with the first start already behind it (no About box).
    void WriteDataFile(const std::function<void(ModelBuilder&)>& build) const;
    // The same configuration written to another file, such as the recovery
    // file a run leaves when it is killed.
    static void WriteConfigFile(const QString& path, const std::function<void(ModelBuilder&)>& build);
    // Moves the file's modification time `seconds` away from the data file's.
    void SetTimeAfterDataFile(const QString& path, int seconds) const;

    // An application object on these folders, not yet initialised.
    std::unique_ptr<Ordovan> Construct() const;

    // The file names in the data folder that start with `prefix`.
    QStringList FilesStartingWith(const QString& prefix) const;

    static QByteArray ReadFile(const QString& path);
    static void WriteFile(const QString& path, const QByteArray& bytes);

private:
    QTemporaryDir folder;
    QByteArray programFile;
    std::vector<std::pair<const char*, QByteArray>> savedEnvironment;
    // Only the run that stopped the shared application starts it again.
    bool restartShared = false;
};
