#include "timeline/TimelineLayout.h"

#include <algorithm>

namespace {

constexpr std::int64_t MinutesPerHour = 60;
// The span is rounded out to quarter hours: whole hours would waste up to two
// hours of width on nothing.
constexpr std::int64_t SpanRounding = 15;
// Label steps that read naturally on a clock; past a day, the step doubles.
constexpr std::int64_t LabelSteps[] = { 30, 60, 120, 180, 240, 360, 720, 1440 };
constexpr std::int64_t MinorSteps[] = { 15, 30, 60 };
// The finer marks may stand this much closer than the labels.
constexpr double MinorSpacingDivisor = 4;

std::int64_t FloorTo(std::int64_t minute, std::int64_t step)
{
    const std::int64_t quotient = minute / step;
    return (minute % step != 0 && minute < 0 ? quotient - 1 : quotient) * step;
}

std::int64_t CeilTo(std::int64_t minute, std::int64_t step)
{
    return -FloorTo(-minute, step);
}

} // namespace

TimelineLayout::TimelineLayout(const TimelineChart& chart, const TimelineMetrics& metrics)
    : chart(chart)
    , metrics(metrics)
{
    plotRight = std::max(metrics.labelWidth + 1, metrics.width - metrics.rightMargin);
    ChooseSpan();
    PlaceTicks();
    PlaceBlocks();
}

double TimelineLayout::GetHeight() const
{
    const int rowCount = static_cast<int>(chart.GetRows().size());
    return rowCount == 0 ? metrics.axisHeight : RowTop(rowCount - 1) + metrics.rowHeight;
}

double TimelineLayout::XOf(std::int64_t minute) const
{
    const double fraction = static_cast<double>(minute - firstMinute) / static_cast<double>(lastMinute - firstMinute);
    return GetPlotLeft() + fraction * (plotRight - GetPlotLeft());
}

TimelineLayout::Box TimelineLayout::RowBox(int row) const
{
    return { 0, RowTop(row), metrics.width, metrics.rowHeight };
}

const TimelineLayout::PlacedBlock* TimelineLayout::BlockAt(double x, double y, double slop) const
{
    for (const PlacedBlock& placed : blocks) {
        if (placed.box.Contains(x, y))
            return &placed;
    }
    for (const PlacedBlock& placed : blocks) {
        const double centre = placed.box.left + placed.box.width / 2;
        const double halfWidth = std::max(placed.box.width / 2, slop);
        if (y >= placed.box.top && y <= placed.box.Bottom() && x >= centre - halfWidth && x <= centre + halfWidth)
            return &placed;
    }
    return nullptr;
}

void TimelineLayout::ChooseSpan()
{
    firstMinute = FloorTo(chart.GetFirstMinute(), SpanRounding);
    lastMinute = std::max(CeilTo(chart.GetLastMinute(), SpanRounding), firstMinute + MinutesPerHour);
}

void TimelineLayout::PlaceTicks()
{
    const double pixelsPerMinute = (plotRight - GetPlotLeft()) / static_cast<double>(lastMinute - firstMinute);
    std::int64_t step = 0;
    for (std::int64_t candidate : LabelSteps) {
        step = candidate;
        if (candidate * pixelsPerMinute >= metrics.minimumTickSpacing)
            break;
    }
    while (step * pixelsPerMinute < metrics.minimumTickSpacing)
        step *= 2;
    minutesPerLabel = step;
    for (std::int64_t minute = CeilTo(firstMinute, step); minute <= lastMinute; minute += step)
        hourTicks.push_back({ minute, XOf(minute) });
    // A span of an hour always holds a whole hour; a short span narrow on the
    // screen gets that one labelled.
    if (hourTicks.empty())
        hourTicks.push_back({ CeilTo(firstMinute, MinutesPerHour), XOf(CeilTo(firstMinute, MinutesPerHour)) });

    for (std::int64_t minor : MinorSteps) {
        if (minor >= step || step % minor != 0
            || minor * pixelsPerMinute < metrics.minimumTickSpacing / MinorSpacingDivisor)
            continue;
        for (std::int64_t minute = CeilTo(firstMinute, minor); minute <= lastMinute; minute += minor) {
            if (minute % step != 0)
                minorTicks.push_back({ minute, XOf(minute) });
        }
        break;
    }
}

void TimelineLayout::PlaceBlocks()
{
    const auto& rows = chart.GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const double laneHeight = std::max(0.0, metrics.rowHeight - 2 * metrics.rowPadding) / rows[row].laneCount;
        for (const TimelineChart::Block& block : rows[row].blocks) {
            const double left = XOf(block.start);
            const double top = RowTop(row) + metrics.rowPadding + block.lane * laneHeight;
            blocks.push_back({ row, &block, { left, top, XOf(block.end) - left, laneHeight } });
        }
    }
}

double TimelineLayout::RowTop(int row) const
{
    const bool belowPersons = row >= chart.GetPersonRowCount();
    return metrics.axisHeight + row * metrics.rowHeight + (belowPersons ? metrics.sectionGap : 0);
}
