#include "engine/hidden_window_journal.h"

#include "app/diagnostic_log.h"
#include "app/file_system.h"

#include <algorithm>
#include <map>

HiddenWindowJournal::HiddenWindowJournal(std::wstring path, const engine::BootSession& session)
    : path_(std::move(path)), session_(session) {}

std::vector<HiddenWindowEntry> HiddenWindowJournal::take_entries() {
    entries_.clear();
    changed_ = true;
    ConfigFile file;
    std::vector<HiddenWindowEntry> entries;
    if (!file.load(path_) || !read_hidden_windows(file.root(), session_, entries)) {
        log_message(L"Unable to load hidden window list.");
    }
    return entries;
}

void HiddenWindowJournal::record_hidden(const HiddenWindowEntry& entry) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&entry](const auto& e) { return e.hwnd == entry.hwnd; });
    if (found == entries_.end()) {
        entries_.push_back(entry);
        changed_ = true;
    } else if (*found != entry) {
        *found = entry;
        changed_ = true;
    }
}

void HiddenWindowJournal::record_shown(WindowHandle window) {
    if (std::erase_if(entries_, [window](const auto& e) { return e.hwnd == window; }) > 0) {
        changed_ = true;
    }
}

void HiddenWindowJournal::keep_windows_of(const std::vector<WindowRecord>& records,
                                          const std::set<WindowHandle>& untitled) {
    if (entries_.empty()) {
        return;
    }
    std::map<WindowHandle, const std::wstring*> image_names;
    for (const auto& record : records) {
        image_names.try_emplace(record.hwnd, &record.image_name);
    }
    const auto gone = [&image_names, &untitled](const HiddenWindowEntry& entry) {
        const auto found = image_names.find(entry.hwnd);
        if (found == image_names.end()) {
            return !untitled.contains(entry.hwnd);
        }
        return *found->second != entry.image_name;
    };
    if (std::erase_if(entries_, gone) > 0) {
        changed_ = true;
    }
}

void HiddenWindowJournal::flush() {
    if (!changed_) {
        return;
    }
    write_hidden_windows(entries_, file_.root());
    // Entries are void after a restart of the system, so the file only has to outlive this
    // program, which the system's cache sees to; the flush to disk would be most of a hot
    // key's cost.
    if (write_file_atomically(path_, file_.to_document(), Durability::program_end)) {
        changed_ = false;
        failing_ = false;
        return;
    }
    // Every pass tries again; a folder that stays unwritable is told of once.
    if (!failing_) {
        log_path_message("Unable to save configuration: %s.", path_);
    }
    failing_ = true;
}
