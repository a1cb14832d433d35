#include "app/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {
DesktopOpener::Handler handler;
}

DesktopOpener::Outcome DesktopOpener::Open(const QUrl& url)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return Outcome::FileMissing;
    const bool taken = handler ? handler(url) : QDesktopServices::openUrl(url);
    return taken ? Outcome::Opened : Outcome::NoProgram;
}

void DesktopOpener::SetHandler(Handler newHandler)
{
    handler = std::move(newHandler);
}
