#pragma once

#include <QApplication>

#include <memory>

namespace toolbox {
class Config;
class ConfigSection;
class FileLock;
class Path;
class RecoveryFile;
struct SaveReport;
} // namespace toolbox

namespace mfctriext {

// The framework extension layer of the application object: it owns the
// configuration store, loads it from the per-user data folder when it is
// constructed (falling back to the defaults beside the program file) and
// saves it, once, when it is destroyed. The data file is locked for the
// whole run, so that a second run neither reads nor writes it, and the
// program's logger lives from before the load to after the save.
// While it runs, the application writes the store to the recovery file
// after every change; a recovery file that a run left behind is offered at
// the next start.
class TriExtApp : public QApplication {
    Q_OBJECT
public:
    // `programFile` names the running program file when it is not the
    // process's own (tests pass a file in a folder of their own); it decides
    // the configuration file's name and where the defaults and documents lie.
    TriExtApp(int& argc, char** argv, const char* programFile = nullptr);
    ~TriExtApp() override;

    // The root section of the configuration store; never null.
    toolbox::ConfigSection& GetConfig();
    // The per-user data folder, created if missing; the program file's
    // folder when it cannot be had.
    std::unique_ptr<toolbox::Path> GetDataFolderPath() const;
    // The folder that holds the program file.
    std::unique_ptr<toolbox::Path> GetProgramFolderPath() const;

    // False the first time it is asked for `name` in the life of the
    // configuration file, true from then on.
    bool IsOnceActionDone(const char* name);
    bool IsFirstRun() const { return firstRun; }

    // Another run of the program holds the data file: this one has loaded
    // nothing and saves nothing.
    bool IsAnotherInstanceRunning() const { return anotherInstance; }
    // Tells the user that the program is already running.
    static void ReportAnotherInstance();

    // Writes the whole store to the recovery file beside the data file;
    // nothing when another run holds the data file.
    void SaveRecovery();

private:
    void Load();
    // Offers the changes a run left in the recovery file; true when the
    // store now holds them.
    bool RestoreRecovery();
    void KeepRecoveryAside(const char* reason, const char* why);
    void SaveAtExit();
    static void ReportSave(const toolbox::SaveReport& report, const char* dataFile);

    bool ownsLogger = false;
    std::unique_ptr<toolbox::Config> config;
    std::unique_ptr<toolbox::FileLock> dataFileLock;
    std::unique_ptr<toolbox::RecoveryFile> recovery;
    bool recoverySaveFailing = false;
    std::unique_ptr<char[]> unreadableLeftInPlace;
    bool anotherInstance = false;
    bool firstRun = false;
};

} // namespace mfctriext
