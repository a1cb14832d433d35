#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <utility>
#include <vector>

class Ordovan;
class PlanningModel;

// A program file and a data folder of their own below a temporary folder,
// so that the application objects of a test start, run and save without
// touching the user's files. While it lives the shared test application is
// stopped, since only one application object may exist at a time.
class ScratchProgram {
public:
    ScratchProgram();
    ~ScratchProgram();
    ScratchProgram(const ScratchProgram&) = delete;
    ScratchProgram& operator=(const ScratchProgram&) = delete;

    QString DataFolder() const;
    QString DataFile() const;
    QString RecoveryFile() const { return DataFile() + ".recovery"; }
    // The names of the files beside the data file that start with `prefix`.
    QStringList FilesBesideDataFile(const QString& prefix) const;
    const char* GetProgramFile() const { return programFile.constData(); }
    // The defaults file beside the program file.
    QString DefaultsFile() const;
    // The log file in the documents folder.
    QString LogFile() const;
    // Names the program file, and so the data, defaults and log files, of
    // the runs that follow ("ordovan" until then).
    void SetProgramName(const QString& name);
    QString FilePath(const QString& name) const { return folder.filePath(name); }

    // Stores `model` as the data file of a program that has started before,
    // so that no first-run About box interrupts the run.
    void WriteDataFile(const PlanningModel& model) const;

    // One run of the program: construction, what the test does before
    // InitInstance (the application object exists then), InitInstance, what
    // the test does while it runs, and destruction with its save. False when
    // InitInstance refused to start.
    bool Run(const std::function<void(Ordovan&)>& whileRunning = {}, const std::function<void()>& beforeStart = {});

private:
    QTemporaryDir folder;
    QString programName = "ordovan";
    QByteArray programFile;
    std::vector<std::pair<const char*, QByteArray>> savedEnvironment;
};
