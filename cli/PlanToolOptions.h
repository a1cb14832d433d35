#pragma once

#include "calendar/CalendarDay.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line of ordovan-plan asks for.
struct PlanToolOptions {
    enum class Mode { Plan, List, Help, Version };

    struct ProfileChoice {
        std::string person;
        std::string profile;
    };

    Mode mode = Mode::Plan;
    std::optional<std::string> configFile;
    std::optional<std::uint32_t> seed;
    bool json = false;
    // The search for the least total delay instead of the random one.
    bool best = false;
    std::optional<std::chrono::milliseconds> timeLimit;
    // In the order given, which is the order of choosing.
    std::vector<ProfileChoice> profiles;
    // Export one plan as a calendar instead of printing the plans: into one
    // file for the household, or into a folder with a file per person.
    std::optional<std::string> calendarFile;
    std::optional<std::string> calendarFolder;
    // The day the exported plan is for; tomorrow when not given.
    std::optional<CalendarDay> day;
    // Which plan to export, counted from 1 in the printed order.
    int planNumber = 1;

    bool ExportsCalendar() const { return calendarFile || calendarFolder; }

    // Fills `options` from the arguments after the program name; on a usage
    // error returns false with a one-line `error`.
    static bool Parse(int argc, const char* const* argv, PlanToolOptions& options, std::string& error);

    static const char* UsageText();
};
