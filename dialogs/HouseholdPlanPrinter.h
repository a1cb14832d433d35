#pragma once

class CompletePlan;
class QPagedPaintDevice;
class QPainter;

// Prints a complete plan for the whole household as one document: a
// landscape page with a heading and the plan's timeline fitted to the page's
// width (and to its height when there are many rows), then every person's
// timetable exactly as the personal plan prints it, each from the top of a
// page in the orientation the user chose.
class HouseholdPlanPrinter {
public:
    static constexpr const char* DocumentName = "Household plan";

    explicit HouseholdPlanPrinter(const CompletePlan& plan);

    // Every copy in the one document, each beginning on a new page.
    void Print(int copies, QPagedPaintDevice& device) const;

    // The timeline page, on the painter's current page.
    void DrawTimelinePage(QPainter& painter, QPagedPaintDevice& device) const;

private:
    const CompletePlan& plan;
};

// Shows the print dialog (through the modal runner) and, when the user
// confirms, prints the household plan as one job.
void PrintHouseholdPlan(const CompletePlan& plan);
