#include "ini_file.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "gbk.h"

namespace {

// One line of the file: its text without the line end, and the line end as it
// stood ("\r\n", "\n" or nothing for a last line without one).
struct Line {
  std::string text;
  std::string end;
};

// The bytes of a regular file; nothing for a directory, a device (which might
// never end) or a file that cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return std::move(bytes).str();
}

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t newline = bytes.find('\n', start);
    const std::size_t stop = newline == std::string::npos ? bytes.size() : newline;
    Line line{bytes.substr(start, stop - start), newline == std::string::npos ? "" : "\n"};
    if (!line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.end.insert(0, "\r");
    }
    lines.push_back(std::move(line));
    start = stop + 1;
  }
  return lines;
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Lower-cases the ASCII letters of a GBK text, leaving both bytes of every
// double-byte character alone (their second byte may look like a letter).
std::string FoldCase(std::string_view gbk) {
  std::string folded(gbk);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 0x81 && byte <= 0xFE) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return folded;
}

// The folded name of a section header line, or nothing when the line is not one.
std::optional<std::string> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return FoldCase(Trim(trimmed.substr(1, close - 1)));
}

// The folded key of a "key=value" line, or nothing.
std::optional<std::string> KeyName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return FoldCase(Trim(line.substr(0, equals)));
}

std::string_view ValueOf(std::string_view line) {
  std::string_view value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

struct KeyLocation {
  std::optional<std::size_t> section;   // index of the section header line
  std::optional<std::size_t> key;       // index of the key's line
  std::size_t lastContentOfSection = 0; // index after which a new key goes
};

KeyLocation Locate(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
  KeyLocation location;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i].text)) {
      if (location.section) break;
      if (*name == section) location.section = location.lastContentOfSection = i;
      continue;
    }
    if (!location.section) continue;
    if (!Trim(lines[i].text).empty()) location.lastContentOfSection = i;
    if (KeyName(lines[i].text) == key) {
      location.key = i;
      break;
    }
  }
  return location;
}

}  // namespace

std::string IniFile::Read(std::string_view section, std::string_view key) const {
  const std::optional<std::string> bytes = ReadBytes(path_);
  if (!bytes) return {};
  const std::vector<Line> lines = SplitLines(*bytes);
  const KeyLocation location = Locate(lines, FoldCase(Utf8ToGbk(section)), FoldCase(Utf8ToGbk(key)));
  if (!location.key) return {};
  return GbkToUtf8(ValueOf(lines[*location.key].text));
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
  std::error_code error;
  const bool exists = std::filesystem::exists(path_, error);
  const std::optional<std::string> bytes = exists ? ReadBytes(path_) : std::string();
  if (!bytes) return false;

  const std::string gbkSection = Utf8ToGbk(section);
  const std::string gbkKey = Utf8ToGbk(key);
  const std::string keyLine = gbkKey + "=" + Utf8ToGbk(value);
  std::vector<Line> lines = SplitLines(*bytes);
  const KeyLocation location = Locate(lines, FoldCase(gbkSection), FoldCase(gbkKey));
  if (location.key) {
    lines[*location.key].text = keyLine;
  } else if (location.section) {
    Line& previous = lines[location.lastContentOfSection];
    if (previous.end.empty()) previous.end = "\r\n";
    lines.insert(lines.begin() + location.lastContentOfSection + 1, Line{keyLine, "\r\n"});
  } else {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
    lines.push_back(Line{"[" + gbkSection + "]", "\r\n"});
    lines.push_back(Line{keyLine, "\r\n"});
  }

  std::string output;
  for (const Line& line : lines) output += line.text + line.end;
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
