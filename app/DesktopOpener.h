#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens files and web addresses through the desktop. Like every route to
// the outside world it has a seam, so that tests see what would be opened
// instead of starting a browser.
class DesktopOpener {
public:
    enum class Outcome { Opened, FileMissing, NoProgram };

    // A local file that does not exist is not handed to the desktop.
    static Outcome Open(const QUrl& url);

    // Answers whether a program took the address.
    using Handler = std::function<bool(const QUrl& url)>;
    // For tests: null restores the desktop.
    static void SetHandler(Handler handler);
};
