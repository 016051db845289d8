#pragma once

#include "hotkeys/hot_key_registrar.h"
#include "hotkeys/hot_key_registration_warning.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct Combination {
    std::uint32_t modifiers = 0;
    std::uint32_t key_code = 0;

    auto operator<=>(const Combination&) const = default;
};

// The system's hot key table: refuses a combination that another application holds or that
// the program itself already holds, as the system does.
class FakeHotKeyRegistrar final : public engine::hot_key_registrar {
public:
    std::set<Combination> held_elsewhere;
    std::map<std::uint32_t, Combination> held;
    std::vector<std::uint32_t> registration_attempts;

    bool register_hot_key(std::uint32_t id, std::uint32_t modifiers,
                          std::uint32_t key_code) override {
        registration_attempts.push_back(id);
        const Combination combination{modifiers, key_code};
        const bool held_here = std::any_of(held.begin(), held.end(), [&](const auto& entry) {
            return entry.second == combination;
        });
        if (held_elsewhere.contains(combination) || held.contains(id) || held_here) {
            return false;
        }
        held[id] = combination;
        return true;
    }
    void unregister_hot_key(std::uint32_t id) override { held.erase(id); }
};

class RecordingWarnings final : public engine::warning_display {
public:
    std::vector<std::pair<std::wstring, std::wstring>> shown;
    void show_warning(const std::wstring& caption, const std::wstring& text) override {
        shown.emplace_back(caption, text);
    }
};
