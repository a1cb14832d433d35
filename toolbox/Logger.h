#pragma once

#include "toolbox/LogLevel.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace toolbox {

class CommandLine;
class LogClock;
class Path;

// Writes dated, levelled records to "<program name>.log" in the documents
// folder. The file is opened, with a separator line, on the first record
// that passes the threshold ("/log" on the command line, default Error) and
// stays open, exclusively locked, until shutdown; while another process
// holds the lock, records are dropped. A logger installs itself as the
// library's log sink (GlobalLog) while it lives.
class Logger {
public:
    // The process's own arguments, program file and documents folder.
    Logger();
    // Chosen arguments (argument 0 is ignored; the program file is given),
    // program file and folder; a null clock means the system clock.
    Logger(int argumentCount, const char* const* argumentVector, const Path& programFile, const Path& documentsFolder,
        const LogClock* clock = nullptr);
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;
    ~Logger();

    void Log(const char* source, int line, LogLevel level, const char* format, ...)
        __attribute__((format(printf, 5, 6)));
    void LogFromVargs(const char* source, int line, LogLevel level, const char* format, va_list arguments);

    int GetThreshold() const { return threshold; }
    // The full path of the log file; null after shutdown.
    const char* GetFileName() const { return fileName.get(); }
    bool IsFileOpen() const { return file != nullptr; }

    // Closes the file and stops writing; the destructor does it when it has
    // not been done.
    void Shutdown();

    // The program's one logger. Messages before StartGlobal and after
    // ShutdownGlobal are dropped.
    static void StartGlobal();
    static void ShutdownGlobal();
    static Logger* GetGlobal();

    // The word written for a level, "Unknown" outside 1 to 6.
    static const char* GetLevelWord(int level);
    // The threshold a "/log" word selects (case-sensitive; the caller lowers it).
    static int GetThresholdForWord(const char* word);

private:
    void SetFileName(const Path& programFile, const Path& documentsFolder);
    void Start(const CommandLine& commandLine);
    bool EnsureOpen();
    void CloseFile();

    std::FILE* file = nullptr;
    std::unique_ptr<char[]> fileName;
    int threshold = static_cast<int>(LogLevel::Error);
    std::uint32_t startTicks = 0;
    const LogClock* clock;
};

} // namespace toolbox
