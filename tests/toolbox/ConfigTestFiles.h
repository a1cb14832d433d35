#pragma once

#include <string>

// A fresh folder below the system's temporary folder for one test, removed
// with everything in it when the object goes.
class ConfigTestFolder {
public:
    ConfigTestFolder();
    ConfigTestFolder(const ConfigTestFolder&) = delete;
    ConfigTestFolder& operator=(const ConfigTestFolder&) = delete;
    ~ConfigTestFolder();

    std::string File(const std::string& name) const { return folder + "/" + name; }
    const std::string& GetPath() const { return folder; }

private:
    std::string folder;
};

bool FileExists(const std::string& path);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
