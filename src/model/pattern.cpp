#include "model/pattern.h"

#include <string_view>

namespace {

// Titles and image names reach the program as C strings, so text after a NUL never counts.
std::wstring_view up_to_nul(const std::wstring& text) {
    return std::wstring_view(text.c_str());
}

// Only the ASCII letters fold, whatever the platform's locale tables say about others.
std::wstring folded(const std::wstring& text) {
    std::wstring result = text;
    for (wchar_t& unit : result) {
        if (unit >= L'a' && unit <= L'z') {
            unit = static_cast<wchar_t>(unit - L'a' + L'A');
        }
    }
    return result;
}

bool matches_as_given(int compare, const std::wstring& phrase, const std::wstring& subject) {
    switch (compare) {
    case Pattern::STARTS_WITH:
        return wildcard_match(phrase + L"*", subject);
    case Pattern::CONTAINS:
        return up_to_nul(subject).find(up_to_nul(phrase)) != std::wstring_view::npos;
    case Pattern::ENDS_WITH:
        return wildcard_match(L"*" + phrase, subject);
    case Pattern::EXACTLY_MATCHES:
        return subject == phrase;
    case Pattern::EVERYTHING:
        return true;
    default:
        return false;
    }
}

const wchar_t* verb(int compare) {
    switch (compare) {
    case Pattern::STARTS_WITH:
        return L"start with";
    case Pattern::CONTAINS:
        return L"contain";
    case Pattern::ENDS_WITH:
        return L"end with";
    case Pattern::EXACTLY_MATCHES:
        return L"exactly match";
    default:
        return L"never match";
    }
}

} // namespace

bool wildcard_match(const std::wstring& wild_string, const std::wstring& text_string) {
    const std::wstring_view wild = up_to_nul(wild_string);
    const std::wstring_view text = up_to_nul(text_string);
    auto is_star = [&](std::size_t position) {
        return position < wild.size() && wild[position] == L'*';
    };
    auto accepts = [&](std::size_t wild_position, std::size_t text_position) {
        return wild_position < wild.size() &&
               (wild[wild_position] == text[text_position] || wild[wild_position] == L'?');
    };

    std::size_t w = 0;
    std::size_t t = 0;
    while (t < text.size() && !is_star(w)) {
        if (!accepts(w, t)) {
            return false;
        }
        ++w;
        ++t;
    }

    // From here on the wild string stands at a '*' whenever text remains, so the backtrack
    // point is set before it is first needed.
    std::size_t backtrack = 0;
    std::size_t resume = 0;
    while (t < text.size()) {
        if (is_star(w)) {
            if (++w == wild.size()) {
                return true;
            }
            backtrack = w;
            resume = t + 1;
        } else if (accepts(w, t)) {
            ++w;
            ++t;
        } else {
            w = backtrack;
            t = resume++;
        }
    }
    while (is_star(w)) {
        ++w;
    }
    return w == wild.size();
}

bool Pattern::matches(const std::wstring& subject) const {
    if (case_sensitive) {
        return matches_as_given(compare, phrase, subject);
    }
    return matches_as_given(compare, folded(phrase), folded(subject));
}

std::wstring Pattern::describe() const {
    std::wstring text = applies_to_image_name() ? L"Image names that " : L"Window titles that ";
    text += verb(compare);
    text += L" \"" + phrase + L"\"";
    if (case_sensitive) {
        text += L" (Case Sensitive)";
    }
    return text;
}
