#pragma once

#include "storage/config_property.h"
#include "storage/text_encoding.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TiXmlElement;

namespace engine {

// Orders names by their UTF-16 code units whatever the width of wchar_t, so attributes come
// out of every build in the same order.
struct utf16_order {
    bool operator()(const std::wstring& left, const std::wstring& right) const;
};

// One element of a data file: a name, child elements in document order and attributes
// ordered by name. The element owns its children and properties.
class config_element {
public:
    config_element() = default;
    explicit config_element(std::wstring element_name) : name(std::move(element_name)) {}

    const std::wstring& get_name() const { return name; }
    void set_name(const std::wstring& element_name) { name = element_name; }

    // Appends an empty child; the reference stays valid while the child exists.
    config_element& add_child(const std::wstring& child_name);
    // The `index`-th child (0 for the first) whose name is exactly `child_name`, or null.
    config_element* find_child(const std::wstring& child_name, int index = 0);
    const config_element* find_child(const std::wstring& child_name, int index = 0) const;
    // Every child of that name, in document order.
    std::vector<const config_element*> children_named(const std::wstring& child_name) const;
    std::size_t child_count() const { return children.size(); }

    bool has_property(const std::wstring& property_name) const;
    // True when every one of the names is a property of this element.
    bool has_properties(std::initializer_list<const wchar_t*> property_names) const;
    // The property of that name, created empty when absent.
    config_property& property(const std::wstring& property_name);
    const config_property* find_property(const std::wstring& property_name) const;
    const std::map<std::wstring, config_property, utf16_order>& get_properties() const {
        return properties;
    }

    void clear_children() { children.clear(); }
    void clear_properties() { properties.clear(); }

    // Takes the element's name and attributes and, recursively, its child elements (other
    // nodes are passed over), decoding their text as `encoding` says. Adds to what this
    // element already holds.
    void load_from_xml(const TiXmlElement& source, TextEncoding encoding);
    // Writes the attributes in name order and appends the children in order to `target`.
    // The element's own name is not written: `target` keeps its own.
    void save_to_xml(TiXmlElement& target, TextEncoding encoding) const;

    // True when every character that save_to_xml writes fits one byte: attribute names and
    // values, and the names and contents of the children. The element's own name is left out,
    // since it is not written.
    bool content_fits_latin1() const;

private:
    std::wstring name;
    std::vector<std::unique_ptr<config_element>> children;
    std::map<std::wstring, config_property, utf16_order> properties;
};

} // namespace engine
