#include "planning/PersonalPlan.h"

#include "dialogs/PersonalPlanPrinter.h"

#include "dialogs/AllPagesPrintDialog.h"
#include "dialogs/PersonalPlanTimetable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

// Positions in 0.1 mm below the top of the printable area.
constexpr int LeftEdge = 150;
constexpr int FirstLineTop = 150;
constexpr int LinePitch = 60;
constexpr int TimetableGap = 50;
constexpr int EndGap = 100;
constexpr double UnitsPerInch = 254.0;
constexpr double MillimetresPerInch = 25.4;
constexpr double FontPoints = 14.0;

struct PrintedLine {
    QString text;
    int top;
};

QList<PrintedLine> LinesOf(const PersonalPlan& plan)
{
    QList<PrintedLine> lines;
    int n = 0;
    auto add = [&](const QString& text, int gap) {
        lines.append({ text, FirstLineTop + gap + LinePitch * n });
        ++n;
    };
    add(QStringLiteral("Personal plan for ") + PersonalPlanTimetable::PersonNameOf(plan), 0);
    add(QStringLiteral("for the profile '") + PersonalPlanTimetable::ProfileNameOf(plan) + QLatin1Char('\''), 0);
    for (const PersonalPlanTimetable::Row& row : PersonalPlanTimetable::RowsOf(plan)) {
        const QString what = row.kind == PersonalPlanTimetable::RowKind::Pause ? QStringLiteral("Pause") : row.taskName;
        add(PersonalPlanTimetable::FormatTime(row.minute) + QStringLiteral("  ") + what, TimetableGap);
    }
    add(PersonalPlanTimetable::FormatTime(plan.GetEndTime()) + QStringLiteral("  End"), EndGap);
    return lines;
}

QFont PrintFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(FontPoints);
    return font;
}

} // namespace

PersonalPlanPrinter::PersonalPlanPrinter(const PersonalPlan& plan)
    : plan(plan)
{
}

void PersonalPlanPrinter::PrintDocuments(
    int copies, const std::function<QPagedPaintDevice*(int copy)>& documentForCopy) const
{
    for (int copy = 0; copy < copies; ++copy) {
        QPagedPaintDevice* device = documentForCopy(copy);
        QPainter painter;
        if (!device || !painter.begin(device))
            continue;
        DrawCopy(painter, *device);
        painter.end();
    }
}

void PersonalPlanPrinter::PrintIntoOneDocument(int copies, QPagedPaintDevice& device) const
{
    QPainter painter;
    if (copies < 1 || !painter.begin(&device))
        return;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            device.newPage();
        DrawCopy(painter, device);
    }
    painter.end();
}

void PersonalPlanPrinter::DrawCopy(QPainter& painter, QPagedPaintDevice& device) const
{
    // Device pixels are the finest scale at hand: a font or a position in
    // whole 0.1 mm units would be rounded, and a y axis flipped for the
    // layout would mirror the glyphs.
    const QFont font = PrintFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const QRectF area = PrintableArea(device);
    const double pixelsPerUnit = device.logicalDpiY() / UnitsPerInch;
    const double left = area.left() + LeftEdge * pixelsPerUnit;

    int pageShift = 0;
    bool pageIsEmpty = true;
    for (const PrintedLine& line : LinesOf(plan)) {
        double top = area.top() + (line.top - pageShift) * pixelsPerUnit;
        if (!pageIsEmpty && top + metrics.height() > area.bottom()) {
            device.newPage();
            pageShift = line.top - FirstLineTop;
            top = area.top() + FirstLineTop * pixelsPerUnit;
        }
        painter.drawText(QPointF(left, top + metrics.ascent()), line.text);
        pageIsEmpty = false;
    }
}

QRectF PersonalPlanPrinter::PrintableArea(const QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    QRectF area = paper.marginsRemoved(margins);
    if (layout.mode() != QPageLayout::FullPageMode)
        area.moveTopLeft(QPointF(0, 0));
    const double pixelsPerMillimetre = device.logicalDpiY() / MillimetresPerInch;
    return QRectF(area.topLeft() * pixelsPerMillimetre, area.size() * pixelsPerMillimetre);
}

void PrintPersonalPlan(const PersonalPlan& plan)
{
    QPrinter printer(QPrinter::HighResolution);
    const int copies = AllPagesPrintDialog::AskForPrinter(printer, PersonalPlanPrinter::DocumentName);
    if (copies == 0)
        return;
    // Each copy is a job of its own, except in a file, which would be
    // overwritten by the next job.
    const PersonalPlanPrinter printing(plan);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printing.PrintIntoOneDocument(copies, printer);
    else
        printing.PrintDocuments(copies, [&printer](int) { return &printer; });
}
