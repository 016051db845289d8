#include "storage/config_element.h"

#include <tinyxml.h>

#include <algorithm>
#include <utility>

namespace engine {

namespace {

// Where wchar_t is 32 bits, characters above U+FFFF would sort after U+E000 to U+FFFF by
// value; in UTF-16 they are surrogate pairs and sort before them.
char32_t utf16_sort_key(wchar_t character) {
    const auto value = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(character));
    if (sizeof(wchar_t) > 2 && value >= 0xE000 && value <= 0xFFFF)
        return value + 0x110000;
    return value;
}

} // namespace

bool utf16_order::operator()(const std::wstring& left, const std::wstring& right) const {
    return std::lexicographical_compare(
        left.begin(), left.end(), right.begin(), right.end(),
        [](wchar_t a, wchar_t b) { return utf16_sort_key(a) < utf16_sort_key(b); });
}

config_element& config_element::add_child(const std::wstring& child_name) {
    children.push_back(std::make_unique<config_element>(child_name));
    return *children.back();
}

config_element* config_element::find_child(const std::wstring& child_name, int index) {
    return const_cast<config_element*>(std::as_const(*this).find_child(child_name, index));
}

const config_element* config_element::find_child(const std::wstring& child_name, int index) const {
    for (const auto& child : children) {
        if (child->name == child_name && index-- == 0)
            return child.get();
    }
    return nullptr;
}

std::vector<const config_element*>
config_element::children_named(const std::wstring& child_name) const {
    std::vector<const config_element*> matching;
    for (const auto& child : children) {
        if (child->name == child_name)
            matching.push_back(child.get());
    }
    return matching;
}

bool config_element::has_property(const std::wstring& property_name) const {
    return properties.contains(property_name);
}

bool config_element::has_properties(std::initializer_list<const wchar_t*> property_names) const {
    return std::all_of(
        property_names.begin(), property_names.end(),
        [this](const wchar_t* property_name) { return has_property(property_name); });
}

config_property& config_element::property(const std::wstring& property_name) {
    return properties[property_name];
}

const config_property* config_element::find_property(const std::wstring& property_name) const {
    const auto found = properties.find(property_name);
    return found == properties.end() ? nullptr : &found->second;
}

void config_element::load_from_xml(const TiXmlElement& source, TextEncoding encoding) {
    name = decode_text(source.ValueStr(), encoding);
    for (const TiXmlAttribute* attribute = source.FirstAttribute(); attribute != nullptr;
         attribute = attribute->Next()) {
        property(decode_text(attribute->NameTStr(), encoding))
            .set_value(decode_text(attribute->ValueStr(), encoding));
    }
    for (const TiXmlElement* child = source.FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
        add_child(std::wstring()).load_from_xml(*child, encoding);
    }
}

void config_element::save_to_xml(TiXmlElement& target, TextEncoding encoding) const {
    for (const auto& [property_name, value] : properties) {
        target.SetAttribute(encode_text(property_name, encoding),
                            encode_text(value.get_value(), encoding));
    }
    for (const auto& child : children) {
        auto element = std::make_unique<TiXmlElement>(encode_text(child->name, encoding));
        child->save_to_xml(*element, encoding);
        target.LinkEndChild(element.release());
    }
}

bool config_element::content_fits_latin1() const {
    const auto property_fits = [](const auto& entry) {
        return ::fits_latin1(entry.first) && ::fits_latin1(entry.second.get_value());
    };
    const auto child_fits = [](const auto& child) {
        return ::fits_latin1(child->name) && child->content_fits_latin1();
    };
    return std::all_of(properties.begin(), properties.end(), property_fits) &&
           std::all_of(children.begin(), children.end(), child_fits);
}

} // namespace engine
