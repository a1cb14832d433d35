#pragma once

#include "timeline/TimelineChart.h"
#include "timeline/TimelineMetrics.h"

#include <cstdint>
#include <vector>

// Where a timeline chart's rows, blocks and hour ticks go for given metrics.
// Time runs from left to right over the quarter hours around the chart's
// span; the labels keep the metrics' minimum spacing by labelling every half
// hour where there is room, else every hour, every second, third... hour as
// the width demands. Refers to the chart, which must
// outlive the layout.
class TimelineLayout {
public:
    struct Box {
        double left;
        double top;
        double width;
        double height;

        double Right() const { return left + width; }
        double Bottom() const { return top + height; }
        bool Contains(double x, double y) const { return x >= left && x <= Right() && y >= top && y <= Bottom(); }
    };

    struct PlacedBlock {
        int row;
        const TimelineChart::Block* block;
        Box box;
    };

    struct Tick {
        std::int64_t minute;
        double x;
    };

    TimelineLayout(const TimelineChart& chart, const TimelineMetrics& metrics);

    const TimelineChart& GetChart() const { return chart; }
    const TimelineMetrics& GetMetrics() const { return metrics; }

    std::int64_t GetFirstMinute() const { return firstMinute; }
    std::int64_t GetLastMinute() const { return lastMinute; }
    double GetPlotLeft() const { return metrics.labelWidth; }
    double GetPlotRight() const { return plotRight; }
    double GetHeight() const;
    double XOf(std::int64_t minute) const;

    // The whole row, names column included.
    Box RowBox(int row) const;
    const std::vector<PlacedBlock>& GetBlocks() const { return blocks; }
    // Labelled times (whole or half hours), and the finer unlabelled marks
    // between them.
    const std::vector<Tick>& GetHourTicks() const { return hourTicks; }
    const std::vector<Tick>& GetMinorTicks() const { return minorTicks; }
    std::int64_t GetMinutesPerLabel() const { return minutesPerLabel; }

    // The block under a point; a block narrower than `slop` on either side
    // is found within that distance, so that a task of no duration can be
    // pointed at. Null where there is none.
    const PlacedBlock* BlockAt(double x, double y, double slop = 0) const;

private:
    void ChooseSpan();
    void PlaceTicks();
    void PlaceBlocks();
    double RowTop(int row) const;

    const TimelineChart& chart;
    TimelineMetrics metrics;
    std::int64_t firstMinute = 0;
    std::int64_t lastMinute = 60;
    double plotRight = 1;
    std::int64_t minutesPerLabel = 60;
    std::vector<Tick> hourTicks;
    std::vector<Tick> minorTicks;
    std::vector<PlacedBlock> blocks;
};
