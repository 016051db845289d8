#pragma once

#include "hotkeys/hot_key_registrar.h"
#include "hotkeys/hot_key_registration_warning.h"
#include "model/data_model.h"
#include "model/hot_key.h"

#include <cstdint>
#include <string>
#include <vector>

// The system's modifier flags for a hot key: Alt 1, Control 2, Shift 4, Windows key 8, and
// always no-repeat (0x4000).
std::uint32_t modifier_flags(const HotKey& hot_key);

inline constexpr const wchar_t* REFUSED_HOT_KEY_CAPTION = L"Hot Key Error";
// What the user is told when the system refuses the hot key's combination.
std::wstring refused_hot_key_text(const HotKey& hot_key);

// Holds the model's hot keys with the system: the five program-wide ones first, then the
// group hot keys, each under its id. Whatever is held is released on destruction.
class HotKeyRegistration {
public:
    HotKeyRegistration(const DataModel& model, engine::hot_key_registrar& registrar,
                       engine::warning_display& warnings);
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;
    ~HotKeyRegistration();

    // Releases everything, then registers every hot key that has a key. Each combination the
    // system refuses is reported to the user once; the others are still registered.
    void register_hot_keys();
    void unregister_hot_keys();
    // The ids held with the system now, in registration order.
    const std::vector<std::uint32_t>& registered_ids() const { return registered_ids_; }

private:
    void register_hot_key(const HotKey& hot_key);

    const DataModel& model_;
    engine::hot_key_registrar& registrar_;
    engine::warning_display& warnings_;
    std::vector<std::uint32_t> registered_ids_;
};

struct HotKeyTestResult {
    bool usable = false;
    // Set when another hot key of the model already has the combination; when a hot key is
    // not usable and not in use, another application holds the combination.
    bool in_use = false;

    bool operator==(const HotKeyTestResult&) const = default;
};

// Whether an editor may accept `candidate`: a hot key without modifiers and key always; else
// when no other hot key of the model has its combination (the candidate's own id is skipped,
// so an unchanged hot key passes) and the system lets the program register it. The test
// registration is released at once.
HotKeyTestResult test_hot_key(const HotKey& candidate, const DataModel& model,
                              engine::hot_key_registrar& registrar);
