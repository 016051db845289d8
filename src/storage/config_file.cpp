#include "storage/config_file.h"

#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "storage/xml_shape_guard.h"

#include <tinyxml.h>

#include <vector>

namespace {

// The declaration is written exactly so for single-byte files, as it always has been.
constexpr char LATIN1_TEMPLATE[] =
    "<?xml version=\"1.0\"  standalone='no' >\n<settings>\n</settings>";
constexpr char UTF8_TEMPLATE[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"  standalone='no' >\n<settings>\n</settings>";

// In UTF-8 mode the parser copies a multi-byte character whole before looking at its bytes,
// so a lead byte just before the end would carry it past a single terminating NUL.
constexpr std::size_t TERMINATOR_PADDING = 8;

TiXmlEncoding parser_encoding(TextEncoding encoding) {
    return encoding == TextEncoding::utf8 ? TIXML_ENCODING_UTF8 : TIXML_ENCODING_LEGACY;
}

} // namespace

bool ConfigFile::load(const std::wstring& path) {
    FileBuffer buffer;
    const bool loaded = read_file(buffer, path, static_cast<std::uint32_t>(MAX_CONFIG_FILE_SIZE)) &&
                        load_from_memory(std::string_view(
                            reinterpret_cast<const char*>(buffer.data.data()), buffer.data.size()));
    if (!loaded)
        log_path_message("Unable to load configuration: %s", path);
    return loaded;
}

bool ConfigFile::load_from_memory(std::string_view stored) {
    if (stored.size() > MAX_CONFIG_FILE_SIZE)
        return false;
    std::string text(stored);
    // A file saved as "Unicode" is read as the same text in UTF-8, and saved so.
    if (starts_as_utf16(stored) && !utf16_to_utf8(stored, text))
        return false;
    const TextEncoding encoding = detect_encoding(text);
    // The parser lets a byte that is not UTF-8 swallow the quote after it, failing the file.
    if (encoding == TextEncoding::utf8)
        text = with_stray_bytes_as_characters(text);
    if (!is_within_parser_limits(text))
        return false;
    std::vector<char> terminated(text.begin(), text.end());
    terminated.resize(text.size() + TERMINATOR_PADDING, '\0');

    TiXmlDocument parsed;
    parsed.Parse(terminated.data(), nullptr, parser_encoding(encoding));
    const TiXmlElement* element = parsed.RootElement();
    if (parsed.Error() || element == nullptr)
        return false;
    root_.load_from_xml(*element, encoding);
    byte_order_mark_ = text.starts_with(UTF8_BYTE_ORDER_MARK);
    return true;
}

std::string ConfigFile::to_document() const {
    const TextEncoding encoding = byte_order_mark_ || !root_.content_fits_latin1()
                                      ? TextEncoding::utf8
                                      : TextEncoding::latin1;
    TiXmlDocument document;
    document.Parse(encoding == TextEncoding::utf8 ? UTF8_TEMPLATE : LATIN1_TEMPLATE, nullptr,
                   parser_encoding(encoding));
    root_.save_to_xml(*document.RootElement(), encoding);

    TiXmlPrinter printer;
    printer.SetIndent("    ");
    printer.SetLineBreak("\n");
    document.Accept(&printer);
    std::string bytes = byte_order_mark_ ? std::string(UTF8_BYTE_ORDER_MARK) : std::string();
    bytes.append(printer.CStr(), printer.Size());
    return bytes;
}

bool ConfigFile::save(const std::wstring& path, bool log_failure) const {
    if (write_file_atomically(path, to_document()))
        return true;
    if (log_failure)
        log_path_message("Unable to save configuration: %s.", path);
    return false;
}

std::wstring set_unreadable_file_aside(const std::wstring& path) {
    const std::wstring kept = set_file_aside(path);
    if (kept.empty())
        log_path_message("Unable to set the unreadable file aside: %s", path);
    else
        log_path_message("Unreadable file kept as: %s", kept);
    return kept;
}
