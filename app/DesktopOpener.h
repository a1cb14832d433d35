#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens files and web addresses through the desktop. Like every route to
// the outside world it has a seam, so that tests see what would be opened
// instead of starting a browser.
class DesktopOpener {
public:
    static void Open(const QUrl& url);
    // A local file given by its folder and its name.
    static void OpenFile(const QString& folder, const QString& fileName);

    using Handler = std::function<void(const QUrl& url)>;
    // For tests: null restores the desktop.
    static void SetHandler(Handler handler);
};
