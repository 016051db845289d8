#pragma once

#include <cstdint>

namespace engine {

// The system's global hot key service, bound to the main window: a combination registered
// under an id is held for the program until released, and presses arrive with that id.
class hot_key_registrar {
public:
    virtual ~hot_key_registrar() = default;

    // False when any application, this one included, already holds the combination.
    virtual bool register_hot_key(std::uint32_t id, std::uint32_t modifiers,
                                  std::uint32_t key_code) = 0;
    virtual void unregister_hot_key(std::uint32_t id) = 0;
};

} // namespace engine
