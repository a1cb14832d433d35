#pragma once

// The sizes a timeline is laid out with, in the units of whatever it is drawn
// on (pixels of a widget, device units of a printed page). The drawing side
// measures them from its font.
struct TimelineMetrics {
    double width = 0;
    // The column of person and resource names on the left.
    double labelWidth = 0;
    double rightMargin = 0;
    // The hour labels above the rows.
    double axisHeight = 0;
    double rowHeight = 0;
    // Inside a row, above and below its blocks.
    double rowPadding = 0;
    // Between the persons' rows and the resources' rows.
    double sectionGap = 0;
    // The widest hour label plus the space wanted between two labels.
    double minimumTickSpacing = 0;
};
