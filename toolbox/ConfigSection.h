#pragma once

#include "toolbox/PointeredList.h"

#include <cstdint>
#include <memory>

namespace toolbox {

class ConfigParameter;
class ConfigWriter;
template <typename T> class StringKeyHashMap;

// A named node of the configuration tree: typed parameters and subsections,
// each by a case-sensitive name, in two separate maps. It owns its name, its
// parameters and, recursively, its subsections. Every Get... creates what is
// missing, so a default read once stays in the tree.
class ConfigSection {
public:
    explicit ConfigSection(const char* name);
    ConfigSection(const ConfigSection&) = delete;
    ConfigSection& operator=(const ConfigSection&) = delete;
    ~ConfigSection();

    const char* GetName() const { return name.get(); }

    ConfigSection& GetSection(const char* name);
    ConfigParameter& GetParameter(const char* name);
    bool GetBool(const char* name, bool defaultValue);
    std::int32_t GetLong(const char* name, std::int32_t defaultValue);
    // The text stays owned by the parameter.
    const char* GetString(const char* name, const char* defaultValue);

    // Destroys the subsection with everything under it; nothing if absent.
    void RemoveSection(const char* name);
    void ClearParameters();
    void ClearSections();

    int GetSectionCount() const;
    int GetParameterCount() const;

    // New lists in map order, owned by the caller; they point at the
    // subsections (ConfigSection*) or at the names (const char*), which stay
    // owned by the tree.
    std::unique_ptr<PointeredList> GetSubsections() const;
    std::unique_ptr<PointeredList> GetSubsectionNames() const;
    std::unique_ptr<PointeredList> GetParameterNames() const;

    // The section's body at the given depth, names sorted case-insensitively
    // and stably; false after the first failed write, which is the last.
    bool Write(ConfigWriter& writer, int depth) const;

private:
    std::unique_ptr<char[]> name;
    std::unique_ptr<StringKeyHashMap<ConfigParameter>> parameters;
    std::unique_ptr<StringKeyHashMap<ConfigSection>> sections;
};

} // namespace toolbox
