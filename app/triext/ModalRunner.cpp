#include "app/triext/ModalRunner.h"

#include <QDialog>

#include <deque>

namespace {
std::deque<ModalRunner::Handler> pendingHandlers;
}

int ModalRunner::Run(QDialog& dialog)
{
    if (pendingHandlers.empty())
        return dialog.exec();
    Handler handler = std::move(pendingHandlers.front());
    pendingHandlers.pop_front();
    return handler(dialog);
}

void ModalRunner::SetNextHandler(Handler handler)
{
    pendingHandlers.push_back(std::move(handler));
}

bool ModalRunner::HasPendingHandlers()
{
    return !pendingHandlers.empty();
}

void ModalRunner::ClearHandlers()
{
    pendingHandlers.clear();
}
