#pragma once

#include <QIcon>

// The small icons shared by every tree and list of the program, at fixed
// indices that the model and the dialogs refer to by number.
class ImageList {
public:
    static constexpr int Plan = 0;
    static constexpr int Folder = 1;
    static constexpr int Pause = 2;
    static constexpr int Person = 3;
    static constexpr int Profile = 4;
    static constexpr int Resource = 5;
    static constexpr int Task = 6;
    static constexpr int Count = 7;
    static constexpr int IconSize = 16;

    // A null icon for an index outside 0 to Count - 1.
    static QIcon GetIcon(int index);

    // Toolbar pictures and the program's own icon, outside the indexed list.
    static QIcon GetDeleteIcon();
    static QIcon GetAboutIcon();
    static QIcon GetBestPlansIcon();
    static QIcon GetUndoIcon();
    static QIcon GetRedoIcon();
    static QIcon GetApplicationIcon();
};
