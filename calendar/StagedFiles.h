#pragma once

#include <string>
#include <vector>

// Files written all or not at all. Each staged text goes into a hidden
// temporary file beside its target; Commit renames them into place. Whatever
// is not committed, including every file after a failure, is removed when
// the set is destroyed, so no target is ever left half-written.
class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // False with a message naming the target when the text cannot be written.
    bool Stage(const std::string& target, const std::string& text, std::string& error);
    // Renames every staged file onto its target, replacing what was there.
    bool Commit(std::string& error);

private:
    struct Staged {
        std::string temporary;
        std::string target;
    };

    std::vector<Staged> staged;
};
