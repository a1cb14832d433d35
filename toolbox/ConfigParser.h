#pragma once

namespace toolbox {

class ConfigSection;

// Reads the configuration file's text into a section. Tags open and close
// sections; a value text between an opening tag and its closing tag turns
// the tag into a parameter of the enclosing section.
class ConfigParser {
public:
    // Deeper nesting is refused: no file the program writes comes near it,
    // and destroying or writing a tree that deep would exhaust the stack.
    static constexpr int maximumDepth = 1000;

    // Adds what the text holds to `root`; false at the first fault (a closing
    // tag or a value at the top level, a closing name that does not match,
    // sections left open, nesting beyond maximumDepth). The caller discards
    // the tree after a failure.
    static bool Parse(ConfigSection& root, const char* text);
};

} // namespace toolbox
