#pragma once

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
    // In the order given, which is the order of choosing.
    std::vector<ProfileChoice> profiles;

    // Fills `options` from the arguments after the program name; on a usage
    // error returns false with a one-line `error`.
    static bool Parse(int argc, const char* const* argv, PlanToolOptions& options, std::string& error);

    static const char* UsageText();
};
