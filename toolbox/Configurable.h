#pragma once

namespace toolbox {

class ConfigSection;

// Which way a Configurable exchanges its state with its section.
enum class ConfigExchange { AfterLoad, BeforeSave };

// An object that keeps its state in a section of its own, the root's
// subsection named after the key it is registered under in the Config.
class Configurable {
public:
    virtual ~Configurable();
    // Called after every load and before every save. The result is ignored.
    virtual bool Configure(ConfigSection& section, ConfigExchange saving) = 0;
};

} // namespace toolbox
