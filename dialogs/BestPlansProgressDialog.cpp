#include "bestplans/BestPlanComputation.h"

#include "dialogs/BestPlansProgressDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int RefreshMilliseconds = 100;

} // namespace

BestPlansProgressDialog::BestPlansProgressDialog(BestPlanComputation& computation, QWidget* parent)
    : ForcableDialog(parent)
    , ticker(new QTimer(this))
    , elapsedLabel(new QLabel(this))
    , bestDelayLabel(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Finding best plans"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Searching for the plans with the least total delay."), this));
    layout->addWidget(elapsedLabel);
    layout->addWidget(bestDelayLabel);
    layout->addLayout(CreateButtonRow({ CreateCancelButton(QStringLiteral("&Stop")) }));
    setMinimumWidth(DialogUnitsToPixels(200, 0).width());

    connect(ticker, &QTimer::timeout, this, &BestPlansProgressDialog::ShowProgress);
    ticker->start(RefreshMilliseconds);
    elapsed.start();
    ShowProgress();
    worker.reset(QThread::create([&computation, this] { computation.Run(control); }));
    // Emitted on the worker thread, so delivered through the event loop of this one.
    connect(worker.get(), &QThread::finished, this, &BestPlansProgressDialog::OnSearchFinished);
    worker->start();
    OnInitDialog();
}

BestPlansProgressDialog::~BestPlansProgressDialog()
{
    control.RequestStop();
    worker->wait();
}

void BestPlansProgressDialog::reject()
{
    control.RequestStop();
    GetStopButton()->setEnabled(false);
    GetStopButton()->setText(QStringLiteral("Stopping..."));
}

void BestPlansProgressDialog::ShowProgress()
{
    elapsedLabel->setText(QStringLiteral("Time passed: %1 seconds").arg(elapsed.elapsed() / 1000));
    std::optional<std::int64_t> best = control.GetBestDelay();
    if (!best) {
        bestDelayLabel->setText(QStringLiteral("No plan found yet."));
        return;
    }
    QString minutes = QString::number(static_cast<qlonglong>(*best));
    if (!control.IsBestProven())
        bestDelayLabel->setText(QStringLiteral("Best total delay so far: %1 minutes").arg(minutes));
    else if (searchFinished)
        bestDelayLabel->setText(QStringLiteral("Least total delay: %1 minutes (proven).").arg(minutes));
    else
        bestDelayLabel->setText(
            QStringLiteral("Least total delay: %1 minutes (proven); listing further plans.").arg(minutes));
}

void BestPlansProgressDialog::OnSearchFinished()
{
    searchFinished = true;
    ticker->stop();
    ShowProgress();
    accept();
}
