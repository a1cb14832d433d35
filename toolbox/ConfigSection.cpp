#include "toolbox/ConfigSection.h"

#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigText.h"
#include "toolbox/ConfigWriter.h"
#include "toolbox/NewOwned.h"
#include "toolbox/StringKeyHashMap.h"

namespace toolbox {

namespace {

    std::unique_ptr<PointeredList> SortedNames(std::unique_ptr<PointeredList> names)
    {
        names->Sort(&PointeredList::CompareStringsIgnoringCase);
        return names;
    }

    bool WriteParameterLine(ConfigWriter& writer, int depth, const char* name, const ConfigParameter& parameter)
    {
        return ConfigWriter::WriteIndent(writer, depth) && writer.WriteChar('<')
            && ConfigWriter::WriteEscaped(writer, name) && writer.WriteChar('>') && parameter.Write(writer)
            && writer.WriteString("</>\r\n");
    }

} // namespace

ConfigSection::ConfigSection(const char* name)
    : name(CopyText(name))
    , parameters(std::make_unique<StringKeyHashMap<ConfigParameter>>())
    , sections(std::make_unique<StringKeyHashMap<ConfigSection>>())
{
}

ConfigSection::~ConfigSection() = default;

ConfigSection& ConfigSection::GetSection(const char* sectionName)
{
    if (ConfigSection* found = sections->Get(sectionName))
        return *found;
    return PutOwned(*sections, sectionName, std::make_unique<ConfigSection>(sectionName));
}

ConfigParameter& ConfigSection::GetParameter(const char* parameterName)
{
    if (ConfigParameter* found = parameters->Get(parameterName))
        return *found;
    return PutOwned(*parameters, parameterName, std::make_unique<ConfigParameter>());
}

bool ConfigSection::GetBool(const char* parameterName, bool defaultValue)
{
    if (ConfigParameter* found = parameters->Get(parameterName))
        return found->AsBool();
    ConfigParameter& created = GetParameter(parameterName);
    created.SetBool(defaultValue);
    return created.AsBool();
}

std::int32_t ConfigSection::GetLong(const char* parameterName, std::int32_t defaultValue)
{
    if (ConfigParameter* found = parameters->Get(parameterName))
        return found->AsLong();
    ConfigParameter& created = GetParameter(parameterName);
    created.SetLong(defaultValue);
    return created.AsLong();
}

const char* ConfigSection::GetString(const char* parameterName, const char* defaultValue)
{
    if (ConfigParameter* found = parameters->Get(parameterName))
        return found->AsString();
    // Built completely before it is inserted, so a failing copy of the
    // default leaves no half-made parameter behind.
    auto created = std::make_unique<ConfigParameter>();
    created->SetString(defaultValue);
    return PutOwned(*parameters, parameterName, std::move(created)).AsString();
}

void ConfigSection::RemoveSection(const char* sectionName)
{
    sections->Remove(sectionName);
}

void ConfigSection::ClearParameters()
{
    parameters->Clear();
}

void ConfigSection::ClearSections()
{
    sections->Clear();
}

int ConfigSection::GetSectionCount() const
{
    return sections->GetCount();
}

int ConfigSection::GetParameterCount() const
{
    return parameters->GetCount();
}

std::unique_ptr<PointeredList> ConfigSection::GetSubsections() const
{
    return sections->ListValues();
}

std::unique_ptr<PointeredList> ConfigSection::GetSubsectionNames() const
{
    return sections->ListKeys();
}

std::unique_ptr<PointeredList> ConfigSection::GetParameterNames() const
{
    return parameters->ListKeys();
}

bool ConfigSection::Write(ConfigWriter& writer, int depth) const
{
    std::unique_ptr<PointeredList> sectionNames = SortedNames(GetSubsectionNames());
    std::unique_ptr<PointeredList> parameterNames = SortedNames(GetParameterNames());
    for (PointeredListItem* item : *parameterNames) {
        const char* parameterName = static_cast<const char*>(item->GetPointer());
        if (!WriteParameterLine(writer, depth, parameterName, *parameters->Get(parameterName)))
            return false;
    }
    if (parameterNames->GetCount() > 0 && sectionNames->GetCount() > 0 && !writer.WriteString("\r\n"))
        return false;
    bool first = true;
    for (PointeredListItem* item : *sectionNames) {
        const char* sectionName = static_cast<const char*>(item->GetPointer());
        if (!first && !writer.WriteString("\r\n"))
            return false;
        first = false;
        bool written = ConfigWriter::WriteIndent(writer, depth) && writer.WriteChar('<')
            && ConfigWriter::WriteEscaped(writer, sectionName) && writer.WriteString(">\r\n")
            && sections->Get(sectionName)->Write(writer, depth + 1) && ConfigWriter::WriteIndent(writer, depth)
            && writer.WriteString("</") && ConfigWriter::WriteEscaped(writer, sectionName)
            && writer.WriteString(">\r\n");
        if (!written)
            return false;
    }
    return true;
}

} // namespace toolbox
