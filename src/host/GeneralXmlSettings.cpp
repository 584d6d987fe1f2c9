#include "host/GeneralXmlSettings.h"

#include "host/SafeFileWriter.h"

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr const char* kRoot = "GeneralSettings";
constexpr const char* kBlock = "OrderBookFilters";
constexpr const char* kFollowSelectedOrder = "FollowSelectedOrder";
// Far above any real settings file (every saved filter a megabyte long stays well below it), far
// below what would exhaust the terminal: the parser holds the whole file and its tree in memory.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

// Each 8-bit byte becomes the character with that code (0x00-0xFF), so any byte is kept.
std::string BytesToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// The reverse; characters above 0xFF (a hand-edited file) become '?', stray bytes stay as they are.
std::string Utf8ToBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    std::size_t length = u < 0x80 ? 1 : (u >> 5) == 0x6 ? 2 : (u >> 4) == 0xE ? 3 : (u >> 3) == 0x1E ? 4 : 0;
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (!valid) {
      out += text[i++];
      continue;
    }
    if (length == 1) {
      out += text[i];
    } else if (length == 2) {
      const unsigned code = ((u & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
      out += code <= 0xFF ? static_cast<char>(code) : '?';
    } else {
      out += '?';
    }
    i += length;
  }
  return out;
}

void WriteBlock(pugi::xml_node root, const char* variant, const OrderBookFilterSettings& block) {
  pugi::xml_node node = root.append_child(kBlock);
  node.append_attribute("variant") = variant;
  node.append_child("SaveFilter").text() = block.bSaveFilter ? "1" : "0";
  node.append_child("OpenWithSorting").text() = block.bOpenWithSorting ? "1" : "0";
  for (const auto& slot : OrderBookFilterSettings::kColumnSlots) {
    pugi::xml_node filter = node.append_child("Filter");
    filter.append_attribute("column") = slot.column;
    filter.text() = BytesToUtf8(block.*slot.text).c_str();
  }
  node.append_child("RangeStart").text() = BytesToUtf8(block.cRangeStart).c_str();
  node.append_child("RangeEnd").text() = BytesToUtf8(block.cRangeEnd).c_str();
}

void ReadBlock(pugi::xml_node node, OrderBookFilterSettings& block) {
  block = OrderBookFilterSettings();
  if (!node) return;
  block.bSaveFilter = node.child("SaveFilter").text().as_bool(false);
  block.bOpenWithSorting = node.child("OpenWithSorting").text().as_bool(false);
  for (pugi::xml_node filter : node.children("Filter")) {
    if (std::string* text = block.TextForColumn(filter.attribute("column").as_int(-1))) {
      *text = Utf8ToBytes(filter.text().get());
    }
  }
  block.cRangeStart = Utf8ToBytes(node.child("RangeStart").text().get());
  block.cRangeEnd = Utf8ToBytes(node.child("RangeEnd").text().get());
}

pugi::xml_node FindBlock(pugi::xml_node root, const char* variant) {
  return root.find_child_by_attribute(kBlock, "variant", variant);
}

// Keeps whitespace-only texts (a filter of one blank) and carriage returns as they were saved.
constexpr unsigned kParseFlags = (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_eol;

struct StringWriter final : pugi::xml_writer {
  std::string out;
  void write(const void* data, std::size_t size) override { out.append(static_cast<const char*>(data), size); }
};

}  // namespace

void GeneralXmlSettings::ResetToDefaults() {
  objPendingFilter = OrderBookFilterSettings();
  objGTDFilter = OrderBookFilterSettings();
  iFollowSelectedOrder = -1;
}

GeneralXmlSettings::Result GeneralXmlSettings::Load(const std::filesystem::path& path) {
  m_path = path;
  ResetToDefaults();
  bSettingsReady = true;
  m_bKeepFile = false;

  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    return {Status::Missing, "no settings file at " + path.string() + "; using defaults"};
  }
  // A directory or a device is no settings file: the parser would take its size for the file's
  // and ask for memory that does not exist, and opening a pipe waits for a writer that may never
  // come. Whatever is there stays untouched, by this load and by every later save.
  if (!std::filesystem::is_regular_file(path, ec)) {
    m_bKeepFile = true;
    return {Status::Corrupt, "the settings path " + path.string() + " is not a regular file; using defaults"};
  }
  if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size > kMaxFileBytes) {
    m_bKeepFile = true;
    return {Status::IoError, "the settings file " + path.string() + " is too large (" + std::to_string(size) +
                                 " bytes); using defaults"};
  }
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed = doc.load_file(path.c_str(), kParseFlags, pugi::encoding_utf8);
  if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error ||
      parsed.status == pugi::status_out_of_memory) {
    // The file may well hold the user's settings: writing the defaults over it would lose them.
    m_bKeepFile = true;
    return {Status::IoError, "cannot read " + path.string() + ": " + parsed.description()};
  }
  const pugi::xml_node root = doc.child(kRoot);
  if (!parsed || !root) {
    std::filesystem::path aside = path;
    aside += ".corrupt";
    std::filesystem::copy_file(path, aside, std::filesystem::copy_options::overwrite_existing, ec);
    std::string message = "corrupt settings file " + path.string() + " (" +
                          (parsed ? std::string("no ") + kRoot + " element" : std::string(parsed.description())) +
                          "); using defaults";
    if (!ec) message += "; the file was kept as " + aside.string();
    else m_bKeepFile = true;  // not kept aside: the next save must not erase it
    return {Status::Corrupt, message};
  }
  ReadBlock(FindBlock(root, "Pending"), objPendingFilter);
  ReadBlock(FindBlock(root, "GTD"), objGTDFilter);
  if (const pugi::xml_node follow = root.child(kFollowSelectedOrder)) {
    const std::string_view text = follow.text().get();
    if (text == "0" || text == "1") iFollowSelectedOrder = text == "1";
  }
  return {};
}

GeneralXmlSettings::Result GeneralXmlSettings::Save(const std::filesystem::path& path) const {
  if (path.empty()) return {Status::IoError, "no settings file chosen"};
  std::error_code ec;
  // Writing "in place" to a device or a pipe would report settings as saved that went nowhere, or
  // block on a pipe nobody reads.
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec))
    return {Status::IoError, "cannot write " + path.string() + ": not a regular file"};
  if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size > kMaxFileBytes)
    return {Status::IoError, "cannot write " + path.string() + ": the file there is too large to keep its settings"};
  // Start from the file as it is, so settings written by other parts of the host survive.
  pugi::xml_document doc;
  if (!std::filesystem::is_regular_file(path, ec) || !doc.load_file(path.c_str(), kParseFlags, pugi::encoding_utf8) ||
      !doc.child(kRoot)) {
    doc.reset();
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    doc.append_child(kRoot).append_attribute("version") = 1;
  }
  pugi::xml_node root = doc.child(kRoot);
  while (pugi::xml_node old = root.child(kBlock)) root.remove_child(old);
  WriteBlock(root, "Pending", objPendingFilter);
  WriteBlock(root, "GTD", objGTDFilter);
  root.remove_child(kFollowSelectedOrder);
  if (iFollowSelectedOrder >= 0) root.append_child(kFollowSelectedOrder).text() = iFollowSelectedOrder != 0 ? "1" : "0";

  StringWriter writer;
  doc.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);

  // Written beside the file and put in its place only when whole: a failed save keeps the old one.
  SafeFileWriter file;
  if (!file.Open(path.string()) || !file.Write(writer.out) || !file.Commit())
    return {Status::IoError, "cannot write " + path.string() + ": " + file.Reason()};
  return {};
}

GeneralXmlSettings::Result GeneralXmlSettings::SaveGeneralSettings() const {
  if (m_bKeepFile)
    return {Status::IoError, "not saved: " + m_path.string() + " could not be read at start and is left as it was"};
  return Save(m_path);
}
