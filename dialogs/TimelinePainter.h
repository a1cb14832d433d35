#pragma once

#include "timeline/TimelineLayout.h"
#include "timeline/TimelineMetrics.h"

#include <QFont>
#include <QPalette>

class PersonalPlan;
class QPaintDevice;
class QPainter;

// Draws a laid-out timeline chart from the painter's origin: names on the
// left, hour labels above, a block per execution labelled with its task (and
// its times where they fit), the profile's end time marked on each person's
// row, and below them the resources' rows, each block there naming who holds
// the resource. One person's blocks have one colour in every row. Colours
// follow the palette, so that dark themes read as well as light ones; the
// window and the printout draw through here alike.
class TimelinePainter {
public:
    // `device` is what the font is measured for (the widget or the printer).
    TimelinePainter(const QFont& font, const QPalette& palette, const QPaintDevice* device);

    TimelineMetrics MetricsFor(const TimelineChart& chart, double width) const;

    // `highlighted`, when it is one of the chart's personal plans, gets its
    // row marked as the one the user picked.
    void Paint(QPainter& painter, const TimelineLayout& layout, const PersonalPlan* highlighted = nullptr) const;

    // The fill of the blocks of the person in the chart's row `personRow`.
    static QColor BlockColour(int personRow, const QPalette& palette);
    // "hh:mm–hh:mm" for a block.
    static QString SpanText(const TimelineChart::Block& block);
    // A palette for paper: black on white, whatever the screen's theme.
    static QPalette PaperPalette();

private:
    void PaintBackground(QPainter& painter, const TimelineLayout& layout, const PersonalPlan* highlighted) const;
    void PaintAxis(QPainter& painter, const TimelineLayout& layout) const;
    void PaintRowNames(QPainter& painter, const TimelineLayout& layout) const;
    void PaintBlock(QPainter& painter, const TimelineLayout& layout, const TimelineLayout::PlacedBlock& placed) const;
    void PaintBlockText(QPainter& painter, const QRectF& box, const QString& name, const QString& span) const;
    void PaintEndTimes(QPainter& painter, const TimelineLayout& layout) const;
    QColor EndTimeColour() const;
    bool IsDark() const;

    QFont font;
    QPalette palette;
    const QPaintDevice* device;
};
