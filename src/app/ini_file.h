#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// One INI file read and written a key at a time, as the Windows private-profile
// functions do: sections "[name]" and lines "key=value", names compared without
// regard to the case of ASCII letters, blanks around names and values ignored.
// The file holds GBK bytes; the names and values of this interface are UTF-8.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& Path() const { return path_; }

  // The value of the key, or the empty text when the file, the section or the
  // key is missing or the file cannot be read.
  std::string Read(std::string_view section, std::string_view key) const;

  // Sets the key, creating the file, the section and the key as needed and
  // keeping every other line as it was. False when the file cannot be written.
  bool Write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::filesystem::path path_;
};

// True when the path names an entry that is not a directory.
bool FileExistsAndIsNotDirectory(const std::filesystem::path& path);
