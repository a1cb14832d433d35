#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "timeline/TimelineChart.h"
#include "timeline/TimelineLayout.h"

#include "dialogs/HouseholdPlanPrinter.h"

#include "dialogs/AllPagesPrintDialog.h"
#include "dialogs/PersonalPlanPrinter.h"
#include "dialogs/TimelinePainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

// The margins of the personal plan's printout, in 0.1 mm inside the
// printable area, so that the pages of one document line up.
constexpr double SideMargin = 150;
constexpr double UnitsPerInch = 254.0;
constexpr double HeadingPoints = 14.0;
constexpr double TimelinePoints = 9.0;
// The gap between the heading and the timeline, in lines of the heading.
constexpr double HeadingGapLines = 0.8;

QFont PrintFont(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

HouseholdPlanPrinter::HouseholdPlanPrinter(const CompletePlan& plan)
    : plan(plan)
{
}

void HouseholdPlanPrinter::Print(int copies, QPagedPaintDevice& device) const
{
    const QPageLayout::Orientation chosen = device.pageLayout().orientation();
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (copies >= 1 && painter.begin(&device)) {
        for (int copy = 0; copy < copies; ++copy) {
            if (copy > 0) {
                device.setPageOrientation(QPageLayout::Landscape);
                device.newPage();
            }
            DrawTimelinePage(painter, device);
            device.setPageOrientation(chosen);
            for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
                device.newPage();
                PersonalPlanPrinter(*personal).DrawCopy(painter, device);
            }
        }
        painter.end();
    }
    device.setPageOrientation(chosen);
}

void HouseholdPlanPrinter::DrawTimelinePage(QPainter& painter, QPagedPaintDevice& device) const
{
    const QRectF area = PersonalPlanPrinter::PrintableArea(device);
    const double margin = SideMargin * device.logicalDpiY() / UnitsPerInch;
    const QRectF page = area.adjusted(margin, margin, -margin, -margin);

    const QFont headingFont = PrintFont(HeadingPoints);
    const QFontMetricsF headingMetrics(headingFont, &device);
    painter.setFont(headingFont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(page.left(), page.top() + headingMetrics.ascent()),
        QString::asprintf("Household plan (%d minutes delay)", static_cast<int>(plan.GetTotalDelay())));

    const double top = page.top() + headingMetrics.height() * (1 + HeadingGapLines);
    const double height = page.bottom() - top;
    const TimelineChart chart(plan);
    const TimelinePainter timeline(PrintFont(TimelinePoints), TimelinePainter::PaperPalette(), &device);
    double scale = 1;
    const double naturalHeight = TimelineLayout(chart, timeline.MetricsFor(chart, page.width())).GetHeight();
    if (naturalHeight > height && height > 0)
        scale = height / naturalHeight;
    const TimelineLayout layout(chart, timeline.MetricsFor(chart, page.width() / scale));
    painter.save();
    painter.translate(page.left(), top);
    painter.scale(scale, scale);
    timeline.Paint(painter, layout);
    painter.restore();
}

void PrintHouseholdPlan(const CompletePlan& plan)
{
    QPrinter printer(QPrinter::HighResolution);
    // The copies go into the one job, each complete before the next.
    const int copies = AllPagesPrintDialog::AskForPrinter(printer, HouseholdPlanPrinter::DocumentName);
    if (copies > 0)
        HouseholdPlanPrinter(plan).Print(copies, printer);
}
