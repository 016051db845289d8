#pragma once

#include <cstdint>

namespace engine {

// The logon session and the start of the running system, which together tell whether window
// handles written down earlier can still name the same windows: after a restart or in another
// session they name nothing, or something else.
struct BootSession {
    std::uint32_t session_id = 0;
    // When the system started, in seconds on the wall clock.
    std::int64_t boot_time = 0;

    bool operator==(const BootSession&) const = default;
};

// The start time is worked out from the wall clock and the time since start, so two readings
// in the same boot differ by rounding and by clock corrections; a restart cannot come this
// close to the start it follows, with a whole run of this program in between.
inline constexpr std::int64_t BOOT_TIME_TOLERANCE_SECONDS = 60;

inline bool same_boot(const BootSession& earlier, const BootSession& now) {
    const std::int64_t difference = now.boot_time - earlier.boot_time;
    return earlier.session_id == now.session_id && difference >= -BOOT_TIME_TOLERANCE_SECONDS &&
           difference <= BOOT_TIME_TOLERANCE_SECONDS;
}

} // namespace engine
