#include "storage/group_file.h"

#include "app/diagnostic_log.h"
#include "model/data_model.h"
#include "storage/pattern_attributes.h"

#include <vector>

namespace {

constexpr wchar_t BAD_GROUP[] = L"Unable to load group, missing or invalid data.";

struct DefaultGroup {
    const wchar_t* name;
    int applies_to;
    std::vector<const wchar_t*> phrases;
};

} // namespace

bool read_groups(const engine::config_element& root, DataModel& model) {
    const engine::config_element* list = root.find_child(L"groups");
    if (list == nullptr) {
        log_message(L"Unable to load groups, invalid data file.");
        return false;
    }
    std::unordered_set<int> loaded_ids = group_ids(model);
    for (const engine::config_element* rule : list->children_named(L"rule")) {
        if (!rule->has_properties({L"id", L"name"})) {
            log_message(BAD_GROUP);
            continue;
        }
        const int id = rule->find_property(L"id")->get_int();
        if (loaded_ids.contains(id)) {
            log_message(L"Unable to load group, duplicate group id.");
            continue;
        }
        Group group(id);
        group.set_name(rule->find_property(L"name")->get_value());
        for (const engine::config_element* element : rule->children_named(L"pattern")) {
            Pattern pattern;
            if (read_pattern(*element, pattern))
                group.add_pattern(pattern);
            else
                log_message(BAD_GROUP);
        }
        if (group.pattern_count() == 0) {
            log_message(BAD_GROUP);
            continue;
        }
        model.add_group(group);
        loaded_ids.insert(id);
    }
    return true;
}

void write_groups(const DataModel& model, engine::config_element& root) {
    root.clear_children();
    root.clear_properties();
    engine::config_element& list = root.add_child(L"groups");
    for (int index = 0; index < model.group_count(); ++index) {
        const Group group = model.group(index);
        engine::config_element& rule = list.add_child(L"rule");
        rule.property(L"id").set_int(group.id());
        rule.property(L"name").set_value(group.name());
        for (const Pattern& pattern : group.patterns())
            write_pattern(pattern, rule.add_child(L"pattern"));
    }
}

void add_default_groups(DataModel& model, int first_id) {
    const DefaultGroup defaults[] = {
        {L"Web Browsers",
         Pattern::WINDOW_TITLE,
         {L"chrome", L"internet explorer", L"firefox", L"opera"}},
        {L"Graphics Programs", Pattern::WINDOW_TITLE, {L"paint", L"photoshop"}},
        {L"Media Players",
         Pattern::WINDOW_TITLE,
         {L"winamp", L"itunes", L"spotify", L"media player"}},
        {L"Explorer Windows", Pattern::IMAGE_NAME, {L"explorer.exe"}},
    };
    for (const DefaultGroup& entry : defaults) {
        Group group(first_id++);
        group.set_name(entry.name);
        for (const wchar_t* phrase : entry.phrases) {
            Pattern pattern;
            pattern.set_compare(Pattern::CONTAINS);
            pattern.set_applies_to(entry.applies_to);
            pattern.set_phrase(phrase);
            pattern.set_case_sensitive(false);
            group.add_pattern(pattern);
        }
        model.add_group(group);
    }
}

std::unordered_set<int> group_ids(const DataModel& model) {
    std::unordered_set<int> ids;
    for (int index = 0; index < model.group_count(); ++index)
        ids.insert(model.group(index).id());
    return ids;
}
