#pragma once

#include <string>

// A temporary folder that stands in for the user's home for one test: HOME
// points into it and XDG_DATA_HOME, XDG_CONFIG_HOME and the program file
// override are cleared. Everything is restored, and the folder removed, when
// the object goes.
class ScratchHome {
public:
    ScratchHome();
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;
    ~ScratchHome();

    // The scratch folder itself; HOME is its "home" subfolder.
    const std::string& GetRoot() const { return root; }
    std::string GetHome() const { return root + "/home"; }

    static void SetVariable(const char* name, const std::string& value);
    static void ClearVariable(const char* name);

    static void WriteFile(const std::string& fileName, const std::string& text);
    static std::string ReadFile(const std::string& fileName);
    static bool IsDirectory(const std::string& path);
    static bool Exists(const std::string& path);

private:
    struct Saved {
        const char* name;
        bool wasSet;
        std::string value;
    };

    std::string root;
    Saved saved[4];
};
