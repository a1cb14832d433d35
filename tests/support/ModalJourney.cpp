#include "ModalJourney.h"

#include <QDialog>
#include <QTimer>

ModalJourney::ModalJourney() = default;

// Destroying the journey drops its pending step with it: a step never runs
// in a later test's event loop.
ModalJourney::~ModalJourney() = default;

void ModalJourney::AddStep(const char* dialogClass, Step step)
{
    steps.push_back({ QString::fromLatin1(dialogClass), std::move(step) });
    if (!armed)
        ArmNextStep();
}

void ModalJourney::ArmNextStep()
{
    armed = !steps.empty();
    if (armed)
        QTimer::singleShot(0, this, &ModalJourney::RunNextStep);
}

void ModalJourney::RunNextStep()
{
    armed = false;
    if (steps.empty())
        return;
    // A person acts once the dialog has become the active window; the
    // activation arrives from the window system a few turns after the show.
    QWidget* shown = QApplication::activeModalWidget();
    if (shown && !shown->isActiveWindow() && turnsWaited < maximumTurnsToWait) {
        ++turnsWaited;
        ArmNextStep();
        return;
    }
    turnsWaited = 0;
    if (WaitsForItsDialog())
        return;
    PendingStep step = std::move(steps.front());
    steps.pop_front();
    // The next step is armed first: a step that opens a nested dialog
    // returns only when that dialog's run is over, and the next step must
    // run inside it.
    ArmNextStep();
    QWidget* modal = QApplication::activeModalWidget();
    const QString found = modal ? QString::fromLatin1(modal->metaObject()->className()) : QStringLiteral("none");
    if (!modal || !step.run(*modal)) {
        problem
            = QStringLiteral("step %1 expected a modal %2, found %3").arg(stepsRun + 1).arg(step.dialogClass, found);
        steps.clear();
        EndOpenDialogs();
        return;
    }
    ++stepsRun;
}

bool ModalJourney::WaitsForItsDialog()
{
    const PendingStep& next = steps.front();
    QWidget* modal = QApplication::activeModalWidget();
    if (!next.waitsUntilShown || (modal && modal->inherits(next.dialogClass.toLatin1().constData()))) {
        waitingForDialog.invalidate();
        return false;
    }
    if (!waitingForDialog.isValid())
        waitingForDialog.start();
    if (waitingForDialog.hasExpired(longestWaitMilliseconds))
        return false;
    armed = true;
    QTimer::singleShot(10, this, &ModalJourney::RunNextStep);
    return true;
}

QString ModalJourney::GetProblem() const
{
    if (!problem.isEmpty())
        return problem;
    if (!steps.empty())
        return QStringLiteral("the modal run ended after %1 step(s); %2 step(s) never ran")
            .arg(stepsRun)
            .arg(steps.size());
    return QString();
}

void ModalJourney::EndOpenDialogs()
{
    // Bounded, in case a widget refuses to close.
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->done(QDialog::Rejected);
    }
}
