#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QWidget>

#include <deque>
#include <functional>

// Drives modal dialogs from inside their own exec(), as a person does: each
// step waits for one turn of the running event loop, finds the dialog that is
// modal at that moment and acts on it. A dialog whose modal run ended early
// (say, because it hid itself) leaves the remaining steps unrun, which
// IsComplete() reports. When a step finds no dialog of its kind, every open
// modal dialog is ended, so that a failing test cannot hang.
//
//     ModalJourney journey;
//     journey.Then<TaskDialog>([](TaskDialog& dialog) { ... click Add ... })
//            .Then<TaskDialog>([](TaskDialog& dialog) { ... click Close ... });
//     editor.EditTask(task);              // runs exec(); the steps run inside it
//     EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem();
class ModalJourney : public QObject {
public:
    ModalJourney();
    ~ModalJourney() override;
    ModalJourney(const ModalJourney&) = delete;
    ModalJourney& operator=(const ModalJourney&) = delete;

    template <typename Dialog, typename Step> ModalJourney& Then(Step step)
    {
        AddStep(Dialog::staticMetaObject.className(), [step](QWidget& modal) {
            auto* dialog = qobject_cast<Dialog*>(&modal);
            if (!dialog)
                return false;
            step(*dialog);
            return true;
        });
        return *this;
    }

    // Like Then, for a dialog that opens only after work that takes a while,
    // such as a search on another thread: the step waits for it, for half a
    // minute at most, while the dialog before it stays open.
    template <typename Dialog, typename Step> ModalJourney& ThenOnceShown(Step step)
    {
        Then<Dialog>(step);
        steps.back().waitsUntilShown = true;
        return *this;
    }

    bool IsComplete() const { return steps.empty() && problem.isEmpty(); }
    QString GetProblem() const;
    int GetStepsRun() const { return stepsRun; }

    // Ends every modal dialog that is open, innermost first.
    static void EndOpenDialogs();

private:
    using Step = std::function<bool(QWidget& modal)>;
    struct PendingStep {
        QString dialogClass;
        Step run;
        bool waitsUntilShown = false;
    };

    void AddStep(const char* dialogClass, Step step);
    void ArmNextStep();
    void RunNextStep();
    // Whether the next step is still waiting for its dialog to open.
    bool WaitsForItsDialog();

    std::deque<PendingStep> steps;
    bool armed = false;
    int stepsRun = 0;
    int turnsWaited = 0;
    static constexpr int maximumTurnsToWait = 100;
    static constexpr int longestWaitMilliseconds = 30000;
    QElapsedTimer waitingForDialog;
    QString problem;
};
