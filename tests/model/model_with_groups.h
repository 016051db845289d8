#pragma once

#include "model/data_model.h"

#include <initializer_list>

// A model holding only empty groups with these ids, for records that must name an existing group.
inline DataModel model_with_groups(std::initializer_list<int> ids) {
    DataModel model;
    for (int id : ids)
        model.add_group(Group(id));
    return model;
}
