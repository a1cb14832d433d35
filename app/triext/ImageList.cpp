#include "app/triext/ImageList.h"

#include <array>

// Outside any namespace, as the resource initialiser must be.
static void InitialiseResources()
{
    static bool initialised = false;
    if (!initialised) {
        Q_INIT_RESOURCE(ordovan);
        initialised = true;
    }
}

namespace {

QIcon LoadIcon(const char* name)
{
    InitialiseResources();
    return QIcon(QString(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace

QIcon ImageList::GetIcon(int index)
{
    static const std::array<const char*, Count> names { "plan", "folder", "pause", "person", "profile", "resource",
        "task" };
    if (index < 0 || index >= Count)
        return QIcon();
    return LoadIcon(names[index]);
}

QIcon ImageList::GetDeleteIcon()
{
    return LoadIcon("delete");
}

QIcon ImageList::GetAboutIcon()
{
    return LoadIcon("about");
}

QIcon ImageList::GetBestPlansIcon()
{
    return LoadIcon("bestplans");
}

QIcon ImageList::GetUndoIcon()
{
    return LoadIcon("undo");
}

QIcon ImageList::GetRedoIcon()
{
    return LoadIcon("redo");
}

QIcon ImageList::GetApplicationIcon()
{
    return LoadIcon("ordovan");
}
