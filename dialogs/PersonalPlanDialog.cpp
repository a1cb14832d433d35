#include "dialogs/PersonalPlanDialog.h"

#include "app/triext/ElidedTextToolTip.h"
#include "app/triext/ImageList.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/CalendarExportDialog.h"
#include "dialogs/PersonalPlanPrinter.h"
#include "dialogs/PersonalPlanTimetable.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TaskColumnWidth = 284;

QString RowText(const PersonalPlanTimetable::Row& row)
{
    const QString time = PersonalPlanTimetable::FormatTime(row.minute);
    if (row.kind == PersonalPlanTimetable::RowKind::Pause)
        return time + QStringLiteral(" Pause");
    return time + QLatin1Char(' ') + row.taskName;
}

// Rows in time order, rows of the same minute by their text. Text order
// alone would put "-00:30" before "-01:30".
void SortByTimeThenText(QList<PersonalPlanTimetable::Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const auto& left, const auto& right) {
        if (left.minute != right.minute)
            return left.minute < right.minute;
        return RowText(left) < RowText(right);
    });
}

} // namespace

PersonalPlanDialog::PersonalPlanDialog(const PersonalPlan& plan, QWidget* parent)
    : ForcableDialog(parent)
    , plan(plan)
    , timetable(new QTreeWidget(this))
    , printButton(new QPushButton(QStringLiteral("&Print"), this))
    , exportButton(new QPushButton(QStringLiteral("&Export to calendar..."), this))
{
    setWindowTitle(QStringLiteral("Personal plan"));
    timetable->setColumnCount(1);
    timetable->setHeaderLabels({ QStringLiteral("Task") });
    timetable->setHeaderHidden(true);
    timetable->setRootIsDecorated(false);
    timetable->setColumnWidth(0, TaskColumnWidth);
    timetable->setMinimumSize(DialogUnitsToPixels(204, 164));
    ElidedTextToolTip::ShowIn(*timetable);
    connect(printButton, &QPushButton::clicked, this, &PersonalPlanDialog::OnPrint);
    connect(exportButton, &QPushButton::clicked, this, &PersonalPlanDialog::OnExportToCalendar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(timetable, 1);
    layout->addLayout(CreateButtonRow({ printButton, exportButton, CreateOkButton(QStringLiteral("Close")) }));
    OnInitDialog();
}

void PersonalPlanDialog::DoDataExchange(Exchange direction)
{
    if (direction != Exchange::Load)
        return;
    timetable->clear();
    QList<PersonalPlanTimetable::Row> rows = PersonalPlanTimetable::RowsOf(plan);
    SortByTimeThenText(rows);
    for (const PersonalPlanTimetable::Row& row : rows) {
        auto* item = new QTreeWidgetItem(timetable, { RowText(row) });
        const bool pause = row.kind == PersonalPlanTimetable::RowKind::Pause;
        item->setIcon(0, ImageList::GetIcon(pause ? ImageList::Pause : ImageList::Task));
    }
}

void PersonalPlanDialog::OnInitDialog()
{
    ForcableDialog::OnInitDialog();
    setWindowTitle(QStringLiteral("Personal plan for ") + PersonalPlanTimetable::PersonNameOf(plan));
}

void PersonalPlanDialog::OnPrint()
{
    PrintPersonalPlan(plan);
}

void PersonalPlanDialog::OnExportToCalendar()
{
    CalendarExportDialog dialog(plan, this);
    ModalRunner::Run(dialog);
}
