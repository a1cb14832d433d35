#include "toolbox/Config.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigParser.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigText.h"
#include "toolbox/Configurable.h"
#include "toolbox/SafeSave.h"
#include "toolbox/StringKeyHashMap.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <sys/stat.h>

namespace toolbox {

namespace {

    enum class ReadResult { Missing, Unreadable, Read };

    // Whether nothing at all lies at the path: a link that leads nowhere or
    // a file that cannot be opened is there all the same.
    bool NothingThere(const char* path, int openError)
    {
        struct stat status;
        return (openError == ENOENT || openError == ENOTDIR) && ::lstat(path, &status) != 0;
    }

    // The whole file with a NUL appended. A file that opens but cannot be read
    // as a regular file (a folder, for one) counts as unreadable.
    ReadResult ReadWholeFile(const char* path, std::unique_ptr<char[]>& text)
    {
        std::FILE* file = std::fopen(path, "rb");
        if (!file)
            return NothingThere(path, errno) ? ReadResult::Missing : ReadResult::Unreadable;
        struct stat status;
        long size = -1;
        bool regular = ::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode);
        if (regular && std::fseek(file, 0, SEEK_END) == 0)
            size = std::ftell(file);
        if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
            std::fclose(file);
            return ReadResult::Unreadable;
        }
        text.reset(new (std::nothrow) char[static_cast<std::size_t>(size) + 1]);
        if (!text) {
            std::fclose(file);
            throw EOutOfMemory();
        }
        std::size_t read = std::fread(text.get(), 1, static_cast<std::size_t>(size), file);
        bool failed = std::ferror(file) != 0;
        std::fclose(file);
        if (failed)
            return ReadResult::Unreadable;
        text[read] = '\0';
        return ReadResult::Read;
    }

} // namespace

Config::Config()
    : configurables(std::make_unique<StringKeyHashMap<Configurable>>())
    , root(std::make_unique<ConfigSection>("Root"))
{
}

Config::~Config()
{
    configurables->ClearKeysOnly();
}

bool Config::LoadFile(const char* path)
{
    ConfigFileLoad result = LoadFileReporting(path);
    return result == ConfigFileLoad::Loaded || result == ConfigFileLoad::LoadedOld;
}

ConfigFileLoad Config::LoadFileReporting(const char* path)
{
    ConfigFileState state = LoadOnly(path);
    if (state == ConfigFileState::Loaded)
        return ConfigFileLoad::Loaded;
    if (state == ConfigFileState::Unparsable)
        return ConfigFileLoad::Unparsable;
    state = LoadOnly(JoinText(path, ".old").get());
    if (state == ConfigFileState::Loaded)
        return ConfigFileLoad::LoadedOld;
    if (state == ConfigFileState::Unparsable)
        return ConfigFileLoad::UnparsableOld;
    return ConfigFileLoad::NotOpened;
}

ConfigFileState Config::LoadOnly(const char* path)
{
    std::unique_ptr<char[]> text;
    ReadResult read = ReadWholeFile(path, text);
    if (read == ReadResult::Missing)
        return ConfigFileState::Missing;
    if (read == ReadResult::Unreadable)
        return ConfigFileState::Unreadable;
    return Parse(text.get()) ? ConfigFileState::Loaded : ConfigFileState::Unparsable;
}

bool Config::Parse(const char* text)
{
    Clear();
    if (!ConfigParser::Parse(*root, text)) {
        Clear();
        return false;
    }
    ExchangeWithConfigurables(ConfigExchange::AfterLoad);
    return true;
}

bool Config::SaveFile(const char* path)
{
    ConfigFileSystem fileSystem;
    return SaveFile(path, fileSystem);
}

bool Config::SaveFile(const char* path, ConfigFileSystem& fileSystem)
{
    return SaveFileReporting(path, fileSystem).outcome != SaveOutcome::Failed;
}

SaveReport Config::SaveFileReporting(const char* path, ConfigFileSystem& fileSystem)
{
    ExchangeWithConfigurables(ConfigExchange::BeforeSave);
    return SafeSave(fileSystem).Save(path, [this](Writer& writer) { return WriteTo(writer); });
}

bool Config::WriteTo(Writer& writer) const
{
    return root->Write(writer, 0);
}

void Config::Clear()
{
    root->ClearParameters();
    root->ClearSections();
}

void Config::RegisterConfigurable(const char* name, Configurable& object)
{
    // Take first: Put would delete an object registered under the name.
    configurables->Take(name);
    configurables->Put(name, &object);
}

void Config::UnregisterConfigurable(const char* name)
{
    configurables->Take(name);
}

void Config::ExchangeWithConfigurables(ConfigExchange saving)
{
    std::unique_ptr<PointeredList> names = configurables->ListKeys();
    for (PointeredListItem* item : *names) {
        const char* name = static_cast<const char*>(item->GetPointer());
        ConfigSection& section = root->GetSection(name);
        if (Configurable* object = configurables->Get(name))
            object->Configure(section, saving);
    }
}

} // namespace toolbox
