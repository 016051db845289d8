#include "storage/config_property.h"

#include <algorithm>
#include <climits>

namespace engine {

namespace {

bool is_c_space(wchar_t character) {
    return character == L' ' || (character >= L'\t' && character <= L'\r');
}

bool is_digit(wchar_t character) {
    return character >= L'0' && character <= L'9';
}

wchar_t ascii_upper(wchar_t character) {
    return character >= L'a' && character <= L'z' ? static_cast<wchar_t>(character - L'a' + L'A')
                                                  : character;
}

} // namespace

int config_property::get_int() const {
    std::size_t position = 0;
    while (position < value.size() && is_c_space(value[position]))
        ++position;
    bool negative = false;
    if (position < value.size() && (value[position] == L'+' || value[position] == L'-')) {
        negative = value[position] == L'-';
        ++position;
    }
    // Accumulate toward the sign's end of the range so that INT_MIN itself fits.
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; position < value.size() && is_digit(value[position]); ++position) {
        magnitude = std::min(limit, magnitude * 10 + (value[position] - L'0'));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void config_property::set_int(int number) {
    value = std::to_wstring(number);
}

bool config_property::get_bool() const {
    std::wstring upper = value;
    std::transform(upper.begin(), upper.end(), upper.begin(), ascii_upper);
    return upper == L"TRUE" || upper == L"1";
}

void config_property::set_bool(bool flag) {
    value = flag ? L"true" : L"false";
}

} // namespace engine
