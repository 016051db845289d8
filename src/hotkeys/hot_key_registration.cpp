#include "hotkeys/hot_key_registration.h"

#include "hotkeys/key_names.h"

namespace {

constexpr std::uint32_t MODIFIER_ALT = 1;
constexpr std::uint32_t MODIFIER_CONTROL = 2;
constexpr std::uint32_t MODIFIER_SHIFT = 4;
constexpr std::uint32_t MODIFIER_WIN = 8;
// Held down, a combination is one press: a toggle would otherwise flip its group back and forth
// with the keyboard's repeat.
constexpr std::uint32_t MODIFIER_NO_REPEAT = 0x4000;

bool is_empty(const HotKey& hot_key) {
    return hot_key.key_code == UNSPECIFIED_KEY && !hot_key.mod_ctrl && !hot_key.mod_alt &&
           !hot_key.mod_shift && !hot_key.mod_win;
}

bool same_combination(const HotKey& a, const HotKey& b) {
    return a.mod_ctrl == b.mod_ctrl && a.mod_alt == b.mod_alt && a.mod_shift == b.mod_shift &&
           a.mod_win == b.mod_win && a.key_code == b.key_code;
}

bool other_hot_key_has_combination(const HotKey& candidate, const DataModel& model) {
    const auto clashes = [&candidate](const HotKey& other) {
        return other.id != candidate.id && same_combination(other, candidate);
    };
    for (int i = 0; i < model.hot_key_count(); ++i) {
        if (clashes(model.hot_key(i))) {
            return true;
        }
    }
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        if (clashes(model.event_hot_key(slot))) {
            return true;
        }
    }
    return false;
}

} // namespace

std::uint32_t modifier_flags(const HotKey& hot_key) {
    std::uint32_t flags = MODIFIER_NO_REPEAT;
    if (hot_key.mod_alt) {
        flags |= MODIFIER_ALT;
    }
    if (hot_key.mod_ctrl) {
        flags |= MODIFIER_CONTROL;
    }
    if (hot_key.mod_shift) {
        flags |= MODIFIER_SHIFT;
    }
    if (hot_key.mod_win) {
        flags |= MODIFIER_WIN;
    }
    return flags;
}

std::wstring refused_hot_key_text(const HotKey& hot_key) {
    return L"Unable to register global hot key: " + combination_text(hot_key) +
           L". This hot key combination may be in use on this system already, and may not be "
           L"duplicated.";
}

HotKeyRegistration::HotKeyRegistration(const DataModel& model, engine::hot_key_registrar& registrar,
                                       engine::warning_display& warnings)
    : model_(model), registrar_(registrar), warnings_(warnings) {}

HotKeyRegistration::~HotKeyRegistration() {
    unregister_hot_keys();
}

void HotKeyRegistration::register_hot_keys() {
    unregister_hot_keys();
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        register_hot_key(model_.event_hot_key(slot));
    }
    for (int i = 0; i < model_.hot_key_count(); ++i) {
        register_hot_key(model_.hot_key(i));
    }
}

void HotKeyRegistration::unregister_hot_keys() {
    for (const auto id : registered_ids_) {
        registrar_.unregister_hot_key(id);
    }
    registered_ids_.clear();
}

void HotKeyRegistration::register_hot_key(const HotKey& hot_key) {
    if (hot_key.key_code == UNSPECIFIED_KEY) {
        return;
    }
    if (registrar_.register_hot_key(hot_key.id, modifier_flags(hot_key), hot_key.key_code)) {
        registered_ids_.push_back(hot_key.id);
    } else {
        warnings_.show_warning(REFUSED_HOT_KEY_CAPTION, refused_hot_key_text(hot_key));
    }
}

HotKeyTestResult test_hot_key(const HotKey& candidate, const DataModel& model,
                              engine::hot_key_registrar& registrar) {
    if (is_empty(candidate)) {
        return {true, false};
    }
    if (other_hot_key_has_combination(candidate, model)) {
        return {false, true};
    }
    if (!registrar.register_hot_key(candidate.id, modifier_flags(candidate), candidate.key_code)) {
        return {false, false};
    }
    registrar.unregister_hot_key(candidate.id);
    return {true, false};
}
