#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C in a terminal) into a call
// on the GUI thread, so that the program can end through its regular path
// and keep its data. A second signal that arrives before the program is gone
// ends it at once. One instance at a time; the destructor restores the
// default handling.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void()> onTermination);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    static void Handle(int signalNumber);
    void OnReadable();

    std::function<void()> onTermination;
    QSocketNotifier* notifier = nullptr;
};
