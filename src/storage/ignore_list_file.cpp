#include "storage/ignore_list_file.h"

#include "app/diagnostic_log.h"
#include "model/data_model.h"
#include "storage/pattern_attributes.h"

bool read_ignore_list(const engine::config_element& root, DataModel& model) {
    const engine::config_element* list = root.find_child(L"ignore_list");
    if (list == nullptr) {
        log_message(L"Unable to load ignore patterns, invalid data file.");
        return false;
    }
    for (const engine::config_element* rule : list->children_named(L"rule")) {
        Pattern pattern;
        if (read_pattern(*rule, pattern))
            model.add_ignore_pattern(pattern);
        else
            log_message(L"Unable to load ignore pattern, missing or invalid data.");
    }
    return true;
}

void write_ignore_list(const DataModel& model, engine::config_element& root) {
    root.clear_children();
    root.clear_properties();
    engine::config_element& list = root.add_child(L"ignore_list");
    for (const Pattern& pattern : model.ignore_patterns())
        write_pattern(pattern, list.add_child(L"rule"));
}

void add_default_ignore_patterns(DataModel& model) {
    for (const wchar_t* title : {L"Start", L"Program Manager"}) {
        Pattern pattern;
        pattern.set_compare(Pattern::EXACTLY_MATCHES);
        pattern.set_applies_to(Pattern::WINDOW_TITLE);
        pattern.set_phrase(title);
        pattern.set_case_sensitive(false);
        model.add_ignore_pattern(pattern);
    }
}
