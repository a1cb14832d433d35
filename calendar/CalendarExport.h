#pragma once

#include "calendar/CalendarDay.h"

#include <ctime>
#include <string>
#include <vector>

class CompletePlan;
class PersonalPlan;

// Writes plans placed on one day as iCalendar files: the whole household
// into one file (each summary led by the person's name), each person into a
// file of its own in a folder, or one person's plan alone. Files are written
// completely or not at all.
class CalendarExport {
public:
    struct Outcome {
        bool written = false;
        // Why nothing was written, naming the file or folder.
        std::string error;
        // The files written, in the order of the personal plans.
        std::vector<std::string> files;
        int eventCount = 0;
    };

    explicit CalendarExport(CalendarDay day, std::time_t stamp = std::time(nullptr));

    Outcome WriteHousehold(const CompletePlan& plan, const std::string& file) const;
    // Creates the folder when it is missing.
    Outcome WritePerPerson(const CompletePlan& plan, const std::string& folder) const;
    Outcome WritePerson(const PersonalPlan& plan, const std::string& file) const;

    // The file name of each personal plan's calendar: the person's name made
    // safe for a file name, with " (2)", " (3)"... for repeated names.
    static std::vector<std::string> PersonFileNames(const CompletePlan& plan);

private:
    CalendarDay day;
    std::time_t stamp;
};
