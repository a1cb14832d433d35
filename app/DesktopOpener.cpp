#include "app/DesktopOpener.h"

#include <QDesktopServices>
#include <QDir>

namespace {
DesktopOpener::Handler handler;
}

void DesktopOpener::Open(const QUrl& url)
{
    // A missing file or browser is the desktop's to report; the program says nothing.
    if (handler)
        handler(url);
    else
        QDesktopServices::openUrl(url);
}

void DesktopOpener::OpenFile(const QString& folder, const QString& fileName)
{
    Open(QUrl::fromLocalFile(QDir(folder).filePath(fileName)));
}

void DesktopOpener::SetHandler(Handler newHandler)
{
    handler = std::move(newHandler);
}
