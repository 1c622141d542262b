#include "help_files.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "gbk.h"

namespace {

// How many taken names are skipped before giving up.
constexpr int kNameAttempts = 10000;

std::string HexName(std::uint64_t number) {
  char name[32];
  std::snprintf(name, sizeof name, "%llX.tmp", static_cast<unsigned long long>(number));
  return name;
}

}  // namespace

HelpFiles::HelpFiles(std::filesystem::path temporaryDirectory, TickCount tickCount, Launcher launcher)
    : directory_(std::move(temporaryDirectory)), tickCount_(std::move(tickCount)), launcher_(std::move(launcher)) {}

std::optional<std::filesystem::path> HelpFiles::ShowHelpText(std::string_view text) {
  const std::string bytes = Utf8ToGbk(text);
  std::uint64_t number = tickCount_() + ++counter_;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt, ++number) {
    const std::filesystem::path path = directory_ / HexName(number);
    // "x": the file is created new, never opened when it already exists.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) return std::nullopt;
    launcher_(path);
    return path;
  }
  return std::nullopt;
}
