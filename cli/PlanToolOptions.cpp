#include "cli/PlanToolOptions.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool ParseSeed(const char* text, std::uint32_t& seed)
{
    if (!*text || std::strlen(text) > 10)
        return false;
    std::uint64_t value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
        value = value * 10 + static_cast<std::uint64_t>(*c - '0');
    }
    if (value > 0xFFFFFFFFu)
        return false;
    seed = static_cast<std::uint32_t>(value);
    return true;
}

// Whole or decimal seconds, more than none and at most a day.
bool ParseSeconds(const char* text, std::chrono::milliseconds& limit)
{
    char* end = nullptr;
    double seconds = std::strtod(text, &end);
    if (end == text || *end || !(seconds > 0) || seconds > 86400)
        return false;
    limit = std::chrono::milliseconds(static_cast<long long>(seconds * 1000 + 0.5));
    return limit.count() > 0;
}

bool IsOption(const char* argument, const char* name)
{
    return std::strcmp(argument, name) == 0;
}

bool ParsePlanNumber(const char* text, int& number)
{
    std::uint32_t value = 0;
    if (!ParseSeed(text, value) || value < 1 || value > INT_MAX)
        return false;
    number = static_cast<int>(value);
    return true;
}

// The rules between the options that the single options cannot check.
bool CheckCombinations(const PlanToolOptions& options, bool planGiven, std::string& error)
{
    if (options.calendarFile && options.calendarFolder) {
        error = "choose either --ics or --ics-dir, not both";
        return false;
    }
    if (!options.ExportsCalendar() && (options.day || planGiven)) {
        error = "--date and --plan choose what --ics or --ics-dir export; give one of those";
        return false;
    }
    if (options.ExportsCalendar() && options.json) {
        error = "--json cannot be combined with --ics or --ics-dir";
        return false;
    }
    if (options.timeLimit && !options.best) {
        error = "--time-limit only goes with --best";
        return false;
    }
    if (options.best && options.seed) {
        error = "--seed cannot be combined with --best, which draws no random numbers";
        return false;
    }
    return true;
}

} // namespace

const char* PlanToolOptions::UsageText()
{
    return "Usage: ordovan-plan [--config FILE] [--seed N] [--json] --profile PERSON PROFILE"
           " [--profile PERSON PROFILE ...]\n"
           "       ordovan-plan [--config FILE] --best [--time-limit SECONDS] [--json] --profile PERSON PROFILE ...\n"
           "       ordovan-plan [--config FILE] [--seed N] (--ics FILE | --ics-dir FOLDER)\n"
           "                    [--date YYYY-MM-DD] [--plan N] --profile PERSON PROFILE ...\n"
           "       ordovan-plan [--config FILE] --list\n"
           "       ordovan-plan --help | --version\n"
           "\n"
           "Computes up to 20 plans for the chosen profiles (at most one per person) and\n"
           "prints them best first. Without --config it reads the data Ordovan uses.\n"
           "\n"
           "  --config FILE               read this configuration file instead\n"
           "  --profile PERSON PROFILE    choose a profile by the person's and its name\n"
           "  --seed N                    seed the search (0 to 4294967295) for a repeatable run\n"
           "  --best                      find the plans of least total delay, proving the best\n"
           "                              when time allows, or say why there is no plan\n"
           "  --time-limit SECONDS        stop --best after this time with the best found (default 10)\n"
           "  --json                      print the plans as one JSON document\n"
           "  --ics FILE                  write a plan as one iCalendar file for everyone,\n"
           "                              each event led by the person's name\n"
           "  --ics-dir FOLDER            write a plan as one iCalendar file per person,\n"
           "                              named after the person, into FOLDER\n"
           "  --date YYYY-MM-DD           the day the exported plan is for (default tomorrow)\n"
           "  --plan N                    export the N-th plan found (default 1)\n"
           "  --list                      list every person with its profiles and end times\n"
           "  --help                      print this text\n"
           "  --version                   print the version\n"
           "\n"
           "Exit status: 0 plans found, 1 no plan found (or no N-th plan to export),\n"
           "2 usage error, unreadable data or a calendar that cannot be written.\n";
}

bool PlanToolOptions::Parse(int argc, const char* const* argv, PlanToolOptions& options, std::string& error)
{
    bool list = false;
    bool planGiven = false;
    for (int i = 0; i < argc; ++i) {
        const char* argument = argv[i];
        int remaining = argc - i - 1;
        if (IsOption(argument, "--help")) {
            options.mode = Mode::Help;
            return true;
        } else if (IsOption(argument, "--version")) {
            options.mode = Mode::Version;
            return true;
        } else if (IsOption(argument, "--list")) {
            list = true;
        } else if (IsOption(argument, "--json")) {
            options.json = true;
        } else if (IsOption(argument, "--best")) {
            options.best = true;
        } else if (IsOption(argument, "--time-limit")) {
            std::chrono::milliseconds limit {};
            if (remaining < 1 || !ParseSeconds(argv[i + 1], limit)) {
                error = "--time-limit needs a number of seconds above 0, at most 86400";
                return false;
            }
            options.timeLimit = limit;
            ++i;
        } else if (IsOption(argument, "--config")) {
            if (remaining < 1) {
                error = "--config needs a file name";
                return false;
            }
            options.configFile = argv[++i];
        } else if (IsOption(argument, "--seed")) {
            std::uint32_t seed = 0;
            if (remaining < 1 || !ParseSeed(argv[i + 1], seed)) {
                error = "--seed needs a whole number from 0 to 4294967295";
                return false;
            }
            options.seed = seed;
            ++i;
        } else if (IsOption(argument, "--ics")) {
            if (remaining < 1) {
                error = "--ics needs a file name";
                return false;
            }
            options.calendarFile = argv[++i];
        } else if (IsOption(argument, "--ics-dir")) {
            if (remaining < 1) {
                error = "--ics-dir needs a folder";
                return false;
            }
            options.calendarFolder = argv[++i];
        } else if (IsOption(argument, "--date")) {
            options.day = remaining < 1 ? std::nullopt : CalendarDay::Parse(argv[i + 1]);
            if (!options.day) {
                error = "--date needs a day as YYYY-MM-DD, such as 2025-03-14";
                return false;
            }
            ++i;
        } else if (IsOption(argument, "--plan")) {
            if (remaining < 1 || !ParsePlanNumber(argv[i + 1], options.planNumber)) {
                error = "--plan needs a whole number of 1 or more";
                return false;
            }
            planGiven = true;
            ++i;
        } else if (IsOption(argument, "--profile")) {
            if (remaining < 2) {
                error = "--profile needs a person's name and a profile's name";
                return false;
            }
            options.profiles.push_back({ argv[i + 1], argv[i + 2] });
            i += 2;
        } else {
            error = std::string("unknown argument '") + argument + "'";
            return false;
        }
    }
    if (list) {
        if (!options.profiles.empty() || options.seed || options.json || options.ExportsCalendar() || options.day
            || planGiven || options.best || options.timeLimit) {
            error = "--list cannot be combined with --profile, --seed, --json, --best or a calendar export";
            return false;
        }
        options.mode = Mode::List;
        return true;
    }
    if (!CheckCombinations(options, planGiven, error))
        return false;
    if (options.profiles.empty()) {
        error = "choose at least one profile with --profile PERSON PROFILE, or use --list";
        return false;
    }
    return true;
}
