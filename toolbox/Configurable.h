#pragma once

namespace toolbox {

class ConfigSection;

// An object that keeps its state in a section of its own, the root's
// subsection named after the key it is registered under in the Config.
class Configurable {
public:
    virtual ~Configurable();
    // Called after every load with saving false and before every save with
    // saving true. The result is ignored.
    virtual bool Configure(ConfigSection& section, bool saving) = 0;
};

} // namespace toolbox
