#include "cli/PlanToolOptions.h"

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

bool IsOption(const char* argument, const char* name)
{
    return std::strcmp(argument, name) == 0;
}

} // namespace

const char* PlanToolOptions::UsageText()
{
    return "Usage: ordovan-plan [--config FILE] [--seed N] [--json] --profile PERSON PROFILE"
           " [--profile PERSON PROFILE ...]\n"
           "       ordovan-plan [--config FILE] --list\n"
           "       ordovan-plan --help | --version\n"
           "\n"
           "Computes up to 20 plans for the chosen profiles (at most one per person) and\n"
           "prints them best first. Without --config it reads the data Ordovan uses.\n"
           "\n"
           "  --config FILE               read this configuration file instead\n"
           "  --profile PERSON PROFILE    choose a profile by the person's and its name\n"
           "  --seed N                    seed the search (0 to 4294967295) for a repeatable run\n"
           "  --json                      print the plans as one JSON document\n"
           "  --list                      list every person with its profiles and end times\n"
           "  --help                      print this text\n"
           "  --version                   print the version\n"
           "\n"
           "Exit status: 0 plans found, 1 no plan found, 2 usage error or unreadable data.\n";
}

bool PlanToolOptions::Parse(int argc, const char* const* argv, PlanToolOptions& options, std::string& error)
{
    bool list = false;
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
        if (!options.profiles.empty() || options.seed || options.json) {
            error = "--list cannot be combined with --profile, --seed or --json";
            return false;
        }
        options.mode = Mode::List;
        return true;
    }
    if (options.profiles.empty()) {
        error = "choose at least one profile with --profile PERSON PROFILE, or use --list";
        return false;
    }
    return true;
}
