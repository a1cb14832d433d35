#include "ConfigTestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

ConfigTestFolder::ConfigTestFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ordovan-config-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no scratch folder");
    folder = pattern;
}

ConfigTestFolder::~ConfigTestFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

bool FileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
