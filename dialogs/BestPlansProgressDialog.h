#pragma once

#include "app/triext/ForcableDialog.h"
#include "bestplans/SearchControl.h"

#include <QElapsedTimer>

#include <memory>

class BestPlanComputation;
class QLabel;
class QThread;
class QTimer;

// "Finding best plans": runs the search on a thread of its own from the
// moment it is made, so the window keeps repainting, and shows the time
// passed and the best total delay so far. Stop (also Escape and the close
// box) asks the search to end with the best found; the dialog ends with OK
// by itself once the search has returned, and not before.
class BestPlansProgressDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    // The computation must not be touched elsewhere until the dialog has
    // ended or been destroyed.
    explicit BestPlansProgressDialog(BestPlanComputation& computation, QWidget* parent = nullptr);
    ~BestPlansProgressDialog() override;

    QPushButton* GetStopButton() const { return GetCancelButton(); }
    QLabel* GetElapsedLabel() const { return elapsedLabel; }
    QLabel* GetBestDelayLabel() const { return bestDelayLabel; }
    bool IsSearchFinished() const { return searchFinished; }

    void reject() override;

private:
    void ShowProgress();
    void OnSearchFinished();

    SearchControl control;
    std::unique_ptr<QThread> worker;
    QElapsedTimer elapsed;
    QTimer* ticker;
    QLabel* elapsedLabel;
    QLabel* bestDelayLabel;
    bool searchFinished = false;
};
