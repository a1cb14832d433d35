#pragma once

#include "toolbox/Path.h"
#include "toolbox/String.h"

namespace toolbox {

// Finds the per-user folders the desktop's conventions name: application
// data in $XDG_DATA_HOME, else ~/.local/share; documents as XDG_DOCUMENTS_DIR
// in user-dirs.dirs under $XDG_CONFIG_HOME (else ~/.config), else ~/Documents.
// Only the text is found; whether the folder exists is not asked.
class UserFolderLocator {
public:
    static bool Locate(SpecialFolder folder, String& text);

    // The value of `key` in the text of a user-dirs.dirs file, with "$HOME"
    // at its start replaced by `home`; false when the key is missing or its
    // value is neither absolute nor below $HOME.
    static bool FindUserDirectory(const char* fileText, const char* key, const char* home, String& text);
};

} // namespace toolbox
