#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int handledSignals[] = { SIGTERM, SIGINT, SIGHUP };

// Written by the signal handler, which may only touch lock-free atomics and
// call async-signal-safe functions.
int wakeSockets[2] = { -1, -1 };
volatile std::sig_atomic_t terminating = 0;

void SetFlags(int socket)
{
    fcntl(socket, F_SETFL, fcntl(socket, F_GETFL) | O_NONBLOCK);
    fcntl(socket, F_SETFD, FD_CLOEXEC);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onTermination)
    : onTermination(std::move(onTermination))
{
    terminating = 0;
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, wakeSockets) != 0)
        return;
    SetFlags(wakeSockets[0]);
    SetFlags(wakeSockets[1]);
    notifier = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);

    struct sigaction action { };
    action.sa_handler = &TerminationSignals::Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : handledSignals)
        sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (int signalNumber : handledSignals)
        std::signal(signalNumber, SIG_DFL);
    delete notifier;
    notifier = nullptr;
    for (int& socket : wakeSockets) {
        if (socket >= 0)
            close(socket);
        socket = -1;
    }
}

void TerminationSignals::Handle(int signalNumber)
{
    if (terminating)
        _exit(128 + signalNumber);
    terminating = 1;
    char byte = static_cast<char>(signalNumber);
    ssize_t written = write(wakeSockets[0], &byte, 1);
    static_cast<void>(written);
}

void TerminationSignals::OnReadable()
{
    char buffer[16];
    while (read(wakeSockets[1], buffer, sizeof buffer) > 0) { }
    if (onTermination)
        onTermination();
}
