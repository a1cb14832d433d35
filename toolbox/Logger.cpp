#include "toolbox/Logger.h"

#include "toolbox/CommandLine.h"
#include "toolbox/Exception.h"
#include "toolbox/GlobalLog.h"
#include "toolbox/LogClock.h"
#include "toolbox/NewOwned.h"
#include "toolbox/Path.h"
#include "toolbox/String.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace toolbox {

namespace {

    // The separator, the level words and the record's layout below are what
    // stored logs and the tools that read them expect; they never change.
    const char separator[] = "\n-------------------------------------------------------------------------------\n";

    const char* const levelWords[] = { "Debug", "Info", "Warn", "Error", "Exception", "Fatal" };
    const char* const thresholdWords[] = { "debug", "info", "warn", "error", "exception", "fatal" };

    void Sink(void* context, const char* source, int line, LogLevel level, const char* format, va_list arguments)
    {
        static_cast<Logger*>(context)->LogFromVargs(source, line, level, format, arguments);
    }

    std::unique_ptr<Logger>& GlobalSlot()
    {
        static std::unique_ptr<Logger> global;
        return global;
    }

} // namespace

Logger::Logger()
    : clock(&LogClock::GetSystemClock())
{
    startTicks = clock->GetTickCount();
    std::unique_ptr<Path> documents;
    std::unique_ptr<Path> program = Path::CreateApplicationPath();
    if (program->GetLast())
        documents = Path::CreateDocumentsPath();
    SetFileName(*program, documents ? *documents : Path());
    CommandLine commandLine;
    commandLine.DeclareOption("/log", 1);
    commandLine.ParseProcessArguments();
    Start(commandLine);
}

Logger::Logger(int argumentCount, const char* const* argumentVector, const Path& programFile,
    const Path& documentsFolder, const LogClock* clock)
    : clock(clock ? clock : &LogClock::GetSystemClock())
{
    startTicks = this->clock->GetTickCount();
    SetFileName(programFile, documentsFolder);
    CommandLine commandLine;
    commandLine.DeclareOption("/log", 1);
    commandLine.Parse(argumentCount, argumentVector);
    Start(commandLine);
}

Logger::~Logger()
{
    Shutdown();
}

void Logger::SetFileName(const Path& programFile, const Path& documentsFolder)
{
    Path program(programFile);
    std::unique_ptr<String> name = program.PopLast();
    // Source name and line are the ones stored logs have always shown for this failure.
    if (!name)
        throw EIllegalArgument("__argv[0] contains an illegal program path", "toolbox::Logger::Logger", 39);
    Path::SetExtension(*name, "log");
    Path logFile(documentsFolder);
    logFile.Append(name->GetText());
    fileName = logFile.ToString();
}

void Logger::Start(const CommandLine& commandLine)
{
    ArrayList<String>* values = commandLine.GetOptionValues("/log");
    if (values && values->GetFirst()) {
        String word(*values->GetFirst());
        word.ToLower();
        threshold = GetThresholdForWord(word.GetText());
    }
    InstallGlobalLogSink(&Sink, this);
    try {
        Log("toolbox::Logger::Logger", 83, LogLevel::Info, "Logger initialized");
    } catch (...) {
        RemoveGlobalLogSink(this);
        CloseFile();
        throw;
    }
}

void Logger::Shutdown()
{
    if (!fileName)
        return;
    // Shutdown runs from the destructor and must not throw out of it: a
    // record that cannot be made is dropped like any other.
    try {
        Log("toolbox::Logger::~Logger", 90, LogLevel::Info, "Shutting down logger");
    } catch (...) {
    }
    RemoveGlobalLogSink(this);
    CloseFile();
    fileName.reset();
}

void Logger::Log(const char* source, int line, LogLevel level, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    LogFromVargs(source, line, level, format, arguments);
    va_end(arguments);
}

void Logger::LogFromVargs(const char* source, int line, LogLevel level, const char* format, va_list arguments)
{
    if (static_cast<int>(level) < threshold || !EnsureOpen())
        return;
    String message;
    message.FormatFromVargs(format ? format : "", arguments);

    std::time_t standardTime = clock->GetCalendarTime() + clock->GetStandardOffsetSeconds();
    struct tm broken { };
    gmtime_r(&standardTime, &broken);
    std::uint32_t elapsed = clock->GetTickCount() - startTicks;

    String record;
    // The layout of every record; stored logs are read by it.
    record.Format("[%04d-%02d-%02d %02d:%02d:%02d (T+%d.%03d)] %s (%s:%d) ", broken.tm_year + 1900, broken.tm_mon + 1,
        broken.tm_mday, broken.tm_hour, broken.tm_min, broken.tm_sec, static_cast<int>(elapsed / 1000),
        static_cast<int>(elapsed % 1000), GetLevelWord(static_cast<int>(level)), LastPathPart(source ? source : ""),
        line);
    record.Append(message.GetText());
    record.AppendChar('\n');
    std::fwrite(record.GetText(), 1, record.GetLength(), file);
    std::fflush(file);
}

bool Logger::EnsureOpen()
{
    if (file)
        return true;
    if (!fileName || fileName[0] == '\0')
        return false;
    int descriptor = open(fileName.get(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    // Another running instance holds the file: its records stay its own.
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        close(descriptor);
        return false;
    }
    file = fdopen(descriptor, "a");
    if (!file) {
        close(descriptor);
        return false;
    }
    std::fwrite(separator, 1, sizeof separator - 1, file);
    std::fflush(file);
    return true;
}

void Logger::CloseFile()
{
    if (!file)
        return;
    std::fflush(file);
    std::fclose(file);
    file = nullptr;
}

void Logger::StartGlobal()
{
    if (!GlobalSlot())
        GlobalSlot() = NewOwned<Logger>();
}

void Logger::ShutdownGlobal()
{
    GlobalSlot().reset();
}

Logger* Logger::GetGlobal()
{
    return GlobalSlot().get();
}

const char* Logger::GetLevelWord(int level)
{
    return level >= 1 && level <= 6 ? levelWords[level - 1] : "Unknown";
}

int Logger::GetThresholdForWord(const char* word)
{
    for (int i = 0; i < 6; ++i) {
        if (word && std::strcmp(word, thresholdWords[i]) == 0)
            return i + 1;
    }
    return static_cast<int>(LogLevel::Nothing);
}

} // namespace toolbox
