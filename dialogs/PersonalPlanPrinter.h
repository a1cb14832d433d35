#pragma once

#include <QRectF>

#include <functional>

class PersonalPlan;
class QPagedPaintDevice;
class QPainter;

// Prints a personal plan's timetable: two headings, the timetable and a
// closing "End" line at the profile's end time, in "Arial" 14 pt. Positions
// are laid out in 0.1 mm with y growing upward from the top-left corner of
// the printable area, with the text's top-left corner at x = 150. A plan too
// long for one page continues on the next, 15 mm below its top.
class PersonalPlanPrinter {
public:
    static constexpr const char* DocumentName = "Personal plan";

    explicit PersonalPlanPrinter(const PersonalPlan& plan);

    // One document per copy: documentForCopy(i) gives the device that copy i
    // is printed on (a printer starts a new job for each).
    void PrintDocuments(int copies, const std::function<QPagedPaintDevice*(int copy)>& documentForCopy) const;

    // Every copy in one document, each beginning at the top of a new page;
    // for output to a file, where a job per copy would overwrite the file.
    void PrintIntoOneDocument(int copies, QPagedPaintDevice& device) const;

    // One copy, from the top of the painter's current page.
    void DrawCopy(QPainter& painter, QPagedPaintDevice& device) const;

    // The printable area in the painter's device coordinates: the page less
    // its margins, placed at the paper's corner in full-page mode and at the
    // painter's origin otherwise.
    static QRectF PrintableArea(const QPagedPaintDevice& device);

private:
    const PersonalPlan& plan;
};

// Shows the print dialog (through the modal runner) and, when the user
// confirms, prints one document named "Personal plan" per copy asked for.
void PrintPersonalPlan(const PersonalPlan& plan);
