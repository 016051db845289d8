#pragma once

#include <string>

namespace engine {

// The text of one attribute of a data file, with typed reading and writing. Integers are
// decimal text, booleans "true" or "false".
class config_property {
public:
    std::wstring get_value() const { return value; }
    void set_value(const std::wstring& text) { value = text; }

    // Leading white space, an optional sign, then decimal digits up to the first other
    // character; 0 without digits. A value beyond the range of int is held at its nearest end.
    int get_int() const;
    void set_int(int number);

    // True for "true" and "1", false for "false", "0" and anything else; letter case does not
    // matter.
    bool get_bool() const;
    void set_bool(bool flag);

private:
    std::wstring value;
};

} // namespace engine
