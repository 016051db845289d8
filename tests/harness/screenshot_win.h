#pragma once

#include <string>

namespace harness {

// Saves the whole screen of the test display as <name>.bmp in the run's screenshot folder
// (HUSHCLOAK_SCREENSHOT_DIR_WINDOWS); the harness turns it into <name>.png when the run ends.
// Returns false when there is no such folder or the picture could not be written.
bool save_screenshot(const std::wstring& name);

} // namespace harness
