#include "ini_file.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "gbk.h"

namespace {

// The bytes of a regular file; nothing for a directory, a device (which might
// never end) or a file that cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return std::move(bytes).str();
}

// One line of the file as offsets: its text is [begin, textEnd), its line end
// ("\r\n", "\n" or nothing for a last line without one) is [textEnd, end).
struct LineSpan {
  std::size_t begin = 0;
  std::size_t textEnd = 0;
  std::size_t end = 0;
};

// Walks the lines of a buffer without copying them.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool Next(LineSpan& line, std::string_view& text) {
    if (position_ >= bytes_.size()) return false;
    const std::size_t newline = bytes_.find('\n', position_);
    line.begin = position_;
    line.end = newline == std::string_view::npos ? bytes_.size() : newline + 1;
    line.textEnd = newline == std::string_view::npos ? bytes_.size() : newline;
    if (newline != std::string_view::npos && line.textEnd > line.begin && bytes_[line.textEnd - 1] == '\r')
      --line.textEnd;
    text = bytes_.substr(line.begin, line.textEnd - line.begin);
    position_ = line.end;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Whether two GBK names are equal when ASCII letters are compared without
// regard to case; both bytes of a double-byte character are compared exactly
// (its second byte may look like a letter).
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x >= 0x81 && x <= 0xFE) {
      if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (fold(x) != fold(y)) {
      return false;
    }
  }
  return true;
}

// The name of a section header line "[name]", or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(0, equals));
}

std::string_view ValueOf(std::string_view line) {
  std::string_view value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

struct KeyLocation {
  bool sectionFound = false;
  std::optional<LineSpan> key;  // the key's line
  LineSpan lastContent;         // the section's last non-blank line, where a new key follows
};

// The first matching key of the first matching section.
KeyLocation Locate(std::string_view bytes, std::string_view section, std::string_view key) {
  KeyLocation location;
  LineReader reader(bytes);
  LineSpan line;
  std::string_view text;
  while (reader.Next(line, text)) {
    if (const auto name = SectionName(text)) {
      if (location.sectionFound) break;
      if (SameName(*name, section)) {
        location.sectionFound = true;
        location.lastContent = line;
      }
      continue;
    }
    if (!location.sectionFound) continue;
    if (!Trim(text).empty()) location.lastContent = line;
    if (const auto name = KeyName(text); name && SameName(*name, key)) {
      location.key = line;
      break;
    }
  }
  return location;
}

}  // namespace

std::string IniFile::Read(std::string_view section, std::string_view key) const {
  const std::optional<std::string> bytes = ReadBytes(path_);
  if (!bytes) return {};
  const KeyLocation location = Locate(*bytes, Utf8ToGbk(section), Utf8ToGbk(key));
  if (!location.key) return {};
  const std::string_view line(bytes->data() + location.key->begin, location.key->textEnd - location.key->begin);
  return GbkToUtf8(ValueOf(line));
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
  std::error_code error;
  const bool exists = std::filesystem::exists(path_, error);
  const std::optional<std::string> read = exists ? ReadBytes(path_) : std::string();
  if (!read) return false;
  const std::string_view bytes = *read;

  const std::string gbkSection = Utf8ToGbk(section);
  const std::string gbkKey = Utf8ToGbk(key);
  const std::string keyLine = gbkKey + "=" + Utf8ToGbk(value);
  const KeyLocation location = Locate(bytes, gbkSection, gbkKey);

  std::string output;
  if (location.key) {
    output.append(bytes.substr(0, location.key->begin)).append(keyLine).append(bytes.substr(location.key->textEnd));
  } else if (location.sectionFound) {
    const LineSpan& last = location.lastContent;
    output.append(bytes.substr(0, last.end));
    if (last.end == last.textEnd) output += "\r\n";
    output.append(keyLine).append("\r\n").append(bytes.substr(last.end));
  } else {
    output.append(bytes);
    if (!bytes.empty() && bytes.back() != '\n') output += "\r\n";
    output.append("[").append(gbkSection).append("]\r\n").append(keyLine).append("\r\n");
  }

  std::ofstream file(path_, std::ios::binary | std::ios::trunc);
  file.write(output.data(), static_cast<std::streamsize>(output.size()));
  file.close();
  return !file.fail();
}

bool FileExistsAndIsNotDirectory(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
