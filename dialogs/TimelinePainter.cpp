#include "model/Resource.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include "dialogs/TimelinePainter.h"

#include "app/triext/NameText.h"
#include "dialogs/PersonalPlanTimetable.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

// Proportions of the font's line height.
constexpr double RowLines = 2.6;
constexpr double RowPaddingLines = 0.2;
constexpr double AxisLines = 1.5;
constexpr double SectionGapLines = 0.6;
constexpr double TextPaddingLines = 0.3;
// The names column takes at most this share of the width.
constexpr double MostLabelShare = 0.3;
// Rounding of measured text widths must not elide a name that fits.
constexpr double MeasuringSlack = 1;
constexpr double GoldenAngle = 137.508;

QString RowName(const TimelineChart::Row& row)
{
    if (row.plan)
        return PersonalPlanTimetable::PersonNameOf(*row.plan);
    return NameText::ToDisplay(row.resource ? row.resource->GetName() : nullptr);
}

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QRectF ToRect(const TimelineLayout::Box& box)
{
    return QRectF(box.left, box.top, box.width, box.height);
}

} // namespace

TimelinePainter::TimelinePainter(const QFont& font, const QPalette& palette, const QPaintDevice* device)
    : font(font)
    , palette(palette)
    , device(device)
{
}

TimelineMetrics TimelinePainter::MetricsFor(const TimelineChart& chart, double width) const
{
    const QFontMetricsF metrics(font, device);
    const double line = metrics.height();
    const double padding = line * TextPaddingLines;
    double widestName = 0;
    for (const TimelineChart::Row& row : chart.GetRows())
        widestName = std::max(widestName, metrics.horizontalAdvance(RowName(row)));

    TimelineMetrics sizes;
    sizes.width = width;
    sizes.labelWidth = std::min(widestName + 2 * padding + MeasuringSlack, width * MostLabelShare);
    sizes.rightMargin = metrics.horizontalAdvance(QStringLiteral("00:00")) / 2 + padding;
    sizes.axisHeight = line * AxisLines;
    sizes.rowHeight = line * RowLines;
    sizes.rowPadding = line * RowPaddingLines;
    sizes.sectionGap = line * SectionGapLines;
    sizes.minimumTickSpacing = metrics.horizontalAdvance(QStringLiteral("-00:00")) + 2 * line;
    return sizes;
}

void TimelinePainter::Paint(QPainter& painter, const TimelineLayout& layout, const PersonalPlan* highlighted) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    PaintBackground(painter, layout, highlighted);
    PaintAxis(painter, layout);
    PaintRowNames(painter, layout);
    for (const TimelineLayout::PlacedBlock& placed : layout.GetBlocks())
        PaintBlock(painter, layout, placed);
    PaintEndTimes(painter, layout);
    painter.restore();
}

QColor TimelinePainter::BlockColour(int personRow, const QPalette& palette)
{
    const int hue = static_cast<int>(std::max(personRow, 0) * GoldenAngle) % 360;
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    return dark ? QColor::fromHsl(hue, 110, 80) : QColor::fromHsl(hue, 150, 208);
}

QString TimelinePainter::SpanText(const TimelineChart::Block& block)
{
    return PersonalPlanTimetable::FormatTime(static_cast<std::int32_t>(block.start)) + QChar(0x2013)
        + PersonalPlanTimetable::FormatTime(static_cast<std::int32_t>(block.end));
}

QPalette TimelinePainter::PaperPalette()
{
    QPalette paper(QColor(Qt::white));
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::AlternateBase, QColor(244, 244, 244));
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::WindowText, Qt::black);
    paper.setColor(QPalette::Mid, QColor(150, 150, 150));
    return paper;
}

void TimelinePainter::PaintBackground(
    QPainter& painter, const TimelineLayout& layout, const PersonalPlan* highlighted) const
{
    painter.fillRect(QRectF(0, 0, layout.GetMetrics().width, layout.GetHeight()), palette.color(QPalette::Base));
    const auto& rows = layout.GetChart().GetRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const QRectF box = ToRect(layout.RowBox(row));
        if (highlighted && rows[row].plan == highlighted)
            painter.fillRect(box, WithAlpha(palette.color(QPalette::Highlight), 60));
        else if (row % 2 == 1)
            painter.fillRect(box, palette.color(QPalette::AlternateBase));
    }
    const int personRows = layout.GetChart().GetPersonRowCount();
    if (personRows > 0 && personRows < static_cast<int>(rows.size())) {
        const double y = (layout.RowBox(personRows - 1).Bottom() + layout.RowBox(personRows).top) / 2;
        painter.setPen(QPen(palette.color(QPalette::Mid), 0));
        painter.drawLine(QPointF(0, y), QPointF(layout.GetMetrics().width, y));
    }
}

void TimelinePainter::PaintAxis(QPainter& painter, const TimelineLayout& layout) const
{
    const double top = layout.GetMetrics().axisHeight;
    const double bottom = layout.GetHeight();
    painter.setPen(QPen(WithAlpha(palette.color(QPalette::Mid), 90), 0, Qt::DotLine));
    for (const TimelineLayout::Tick& tick : layout.GetMinorTicks())
        painter.drawLine(QPointF(tick.x, top), QPointF(tick.x, bottom));
    painter.setPen(QPen(palette.color(QPalette::Mid), 0));
    for (const TimelineLayout::Tick& tick : layout.GetHourTicks())
        painter.drawLine(QPointF(tick.x, top * 0.8), QPointF(tick.x, bottom));

    painter.setPen(palette.color(QPalette::Text));
    const double labelWidth = layout.GetMetrics().minimumTickSpacing;
    for (const TimelineLayout::Tick& tick : layout.GetHourTicks()) {
        const QRectF box(tick.x - labelWidth / 2, 0, labelWidth, top * 0.8);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter,
            PersonalPlanTimetable::FormatTime(static_cast<std::int32_t>(tick.minute)));
    }
}

void TimelinePainter::PaintRowNames(QPainter& painter, const TimelineLayout& layout) const
{
    const QFontMetricsF metrics(font, device);
    const double padding = metrics.height() * TextPaddingLines;
    const double width = layout.GetMetrics().labelWidth - 2 * padding;
    const auto& rows = layout.GetChart().GetRows();
    painter.setPen(palette.color(QPalette::Text));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const TimelineLayout::Box box = layout.RowBox(row);
        const QString name = metrics.elidedText(RowName(rows[row]), Qt::ElideRight, width);
        painter.drawText(QRectF(padding, box.top, width, box.height), Qt::AlignLeft | Qt::AlignVCenter, name);
    }
}

void TimelinePainter::PaintBlock(
    QPainter& painter, const TimelineLayout& layout, const TimelineLayout::PlacedBlock& placed) const
{
    const TimelineChart& chart = layout.GetChart();
    const TimelineChart::Block& block = *placed.block;
    const QColor fill = BlockColour(chart.RowOf(block.owner), palette);
    // A task of no duration still shows as a thin mark.
    QRectF box = ToRect(placed.box);
    if (box.width() < 2)
        box.adjust(-1, 0, 1, 0);
    painter.setPen(QPen(IsDark() ? fill.lighter(150) : fill.darker(140), 0));
    painter.setBrush(fill);
    const double radius = std::min(3.0, box.width() / 4);
    painter.drawRoundedRect(box, radius, radius);

    const bool personRow = chart.GetRows()[placed.row].kind == TimelineChart::RowKind::Person;
    const QString name = personRow ? NameText::ToDisplay(block.execution->GetTask()->GetName())
                                   : PersonalPlanTimetable::PersonNameOf(*block.owner);
    PaintBlockText(painter, box, name, SpanText(block));
}

void TimelinePainter::PaintBlockText(
    QPainter& painter, const QRectF& box, const QString& name, const QString& span) const
{
    const QFontMetricsF metrics(font, device);
    const double padding = metrics.averageCharWidth() * TextPaddingLines * 2;
    const QRectF inner = box.adjusted(padding, 0, -padding, 0);
    if (inner.width() <= 0)
        return;
    painter.setPen(palette.color(QPalette::Text));
    const double nameWidth = metrics.horizontalAdvance(name);
    const double spanWidth = metrics.horizontalAdvance(span);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    if (inner.height() >= 2 * metrics.height() && std::max(nameWidth, spanWidth) <= inner.width()) {
        const double top = inner.center().y() - metrics.height();
        painter.drawText(QRectF(inner.left(), top, inner.width(), metrics.height()), left, name);
        painter.drawText(QRectF(inner.left(), top + metrics.height(), inner.width(), metrics.height()), left, span);
        return;
    }
    const QString oneLine = name + QStringLiteral("  ") + span;
    if (metrics.horizontalAdvance(oneLine) <= inner.width()) {
        painter.drawText(inner, left, oneLine);
        return;
    }
    const QString elided = metrics.elidedText(name, Qt::ElideRight, inner.width());
    // A lone ellipsis tells nothing; the tooltip names the task.
    if (elided.size() > 1)
        painter.drawText(inner, left, elided);
}

void TimelinePainter::PaintEndTimes(QPainter& painter, const TimelineLayout& layout) const
{
    const QColor colour = EndTimeColour();
    const auto& rows = layout.GetChart().GetRows();
    for (int row = 0; row < layout.GetChart().GetPersonRowCount(); ++row) {
        const TimelineLayout::Box box = layout.RowBox(row);
        const double x = layout.XOf(rows[row].plan->GetEndTime());
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, box.top + 1), QPointF(x, box.Bottom() - 1));
        const double flag = layout.GetMetrics().rowPadding * 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(
            QPolygonF({ QPointF(x, box.top + 1), QPointF(x - flag, box.top + 1), QPointF(x, box.top + 1 + flag) }));
    }
}

QColor TimelinePainter::EndTimeColour() const
{
    return IsDark() ? QColor(255, 120, 110) : QColor(200, 30, 30);
}

bool TimelinePainter::IsDark() const
{
    return palette.color(QPalette::Base).lightness() < 128;
}
