#include "storage/settings.h"

#include "app/file_system.h"

#include <algorithm>

namespace {

constexpr int DEFAULT_POSITION_X = 500;
constexpr int DEFAULT_POSITION_Y = 200;
constexpr int DEFAULT_WIDTH = 640;
constexpr int DEFAULT_HEIGHT = 800;
constexpr int SMALLEST_DEFAULT_SIZE = 400;
constexpr float SMALL_SCREEN_SHARE = 0.8f;

int default_extent(int screen_extent, int preferred) {
    if (screen_extent >= preferred)
        return preferred;
    return std::max(SMALLEST_DEFAULT_SIZE, static_cast<int>(screen_extent * SMALL_SCREEN_SHARE));
}

engine::config_element& child(engine::config_element& parent, const wchar_t* name) {
    engine::config_element* found = parent.find_child(name);
    return found != nullptr ? *found : parent.add_child(name);
}

void set_when_missing(engine::config_element& element, const wchar_t* name, int value) {
    if (!element.has_property(name))
        element.property(name).set_int(value);
}

} // namespace

Settings::Settings(ScreenSizeSource screen_size) : screen_size_(std::move(screen_size)) {}

bool Settings::load(const std::wstring& path) {
    path_ = path;
    if (file_.load(path)) {
        fill_in_defaults(false);
        return true;
    }
    fill_in_defaults(true);
    if (path_exists(path))
        set_aside_copy_ = set_unreadable_file_aside(path);
    return save();
}

bool Settings::save() const {
    const bool saved = file_.save(path_, !last_save_failed_);
    last_save_failed_ = !saved;
    return saved;
}

ScreenSize Settings::default_size() const {
    const ScreenSize screen = screen_size_();
    return {default_extent(screen.width, DEFAULT_WIDTH),
            default_extent(screen.height, DEFAULT_HEIGHT)};
}

// A loaded file keeps its own options; a new one starts with the update check on.
void Settings::fill_in_defaults(bool reset_options) {
    engine::config_element& window = child(file_.root(), L"window");
    engine::config_element& position = child(window, L"position");
    set_when_missing(position, L"x", DEFAULT_POSITION_X);
    set_when_missing(position, L"y", DEFAULT_POSITION_Y);

    engine::config_element& size = child(window, L"size");
    if (!size.has_properties({L"x", L"y"})) {
        const ScreenSize preferred = default_size();
        set_when_missing(size, L"x", preferred.width);
        set_when_missing(size, L"y", preferred.height);
    }
    if (!size.has_property(L"maximized"))
        size.property(L"maximized").set_bool(false);

    engine::config_element& options = child(file_.root(), L"options");
    if (reset_options || !options.has_property(L"build_number"))
        options.property(L"build_number").set_int(0);
    if (reset_options || !options.has_property(L"check_updates"))
        options.property(L"check_updates").set_bool(true);
}

const engine::config_property* Settings::find_value(const wchar_t* element, const wchar_t* inner,
                                                    const wchar_t* attribute) const {
    const engine::config_element* found = file_.root().find_child(element);
    if (found != nullptr && inner != nullptr)
        found = found->find_child(inner);
    return found != nullptr ? found->find_property(attribute) : nullptr;
}

engine::config_property& Settings::value(const wchar_t* element, const wchar_t* inner,
                                         const wchar_t* attribute) {
    engine::config_element* found = &child(file_.root(), element);
    if (inner != nullptr)
        found = &child(*found, inner);
    return found->property(attribute);
}

int Settings::position_x() const {
    const auto* stored = find_value(L"window", L"position", L"x");
    return stored != nullptr ? stored->get_int() : DEFAULT_POSITION_X;
}

int Settings::position_y() const {
    const auto* stored = find_value(L"window", L"position", L"y");
    return stored != nullptr ? stored->get_int() : DEFAULT_POSITION_Y;
}

int Settings::size_x() const {
    const auto* stored = find_value(L"window", L"size", L"x");
    return stored != nullptr ? stored->get_int() : default_size().width;
}

int Settings::size_y() const {
    const auto* stored = find_value(L"window", L"size", L"y");
    return stored != nullptr ? stored->get_int() : default_size().height;
}

bool Settings::maximized() const {
    const auto* stored = find_value(L"window", L"size", L"maximized");
    return stored != nullptr && stored->get_bool();
}

bool Settings::check_updates() const {
    const auto* stored = find_value(L"options", nullptr, L"check_updates");
    return stored == nullptr || stored->get_bool();
}

void Settings::set_position_x(int x) {
    value(L"window", L"position", L"x").set_int(x);
}
void Settings::set_position_y(int y) {
    value(L"window", L"position", L"y").set_int(y);
}
void Settings::set_size_x(int width) {
    value(L"window", L"size", L"x").set_int(width);
}
void Settings::set_size_y(int height) {
    value(L"window", L"size", L"y").set_int(height);
}
void Settings::set_maximized(bool flag) {
    value(L"window", L"size", L"maximized").set_bool(flag);
}

void Settings::set_check_updates(bool flag) {
    value(L"options", nullptr, L"check_updates").set_bool(flag);
}

std::optional<bool> Settings::start_at_sign_in() const {
    const auto* stored = find_value(L"options", nullptr, L"start_at_sign_in");
    return stored != nullptr ? std::optional<bool>(stored->get_bool()) : std::nullopt;
}

void Settings::set_start_at_sign_in(bool flag) {
    value(L"options", nullptr, L"start_at_sign_in").set_bool(flag);
}
