#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

// Help texts are written to a fresh file in the temporary directory and opened
// in the system's text viewer, without waiting for it. The files are never
// removed; failures are not reported.
class HelpFiles {
 public:
  using Launcher = std::function<void(const std::filesystem::path&)>;
  using TickCount = std::function<std::uint64_t()>;

  HelpFiles(std::filesystem::path temporaryDirectory, TickCount tickCount, Launcher launcher);

  // Writes the text (UTF-8 with CR LF line ends) as GBK bytes to a new file
  // named by a hexadecimal number and ".tmp", and starts the viewer on it.
  // The number starts at the tick count plus a counter that grows with every
  // request and goes up until the name is free. Returns the file written, or
  // nothing when no file could be written (then no viewer is started).
  std::optional<std::filesystem::path> ShowHelpText(std::string_view text);

 private:
  std::filesystem::path directory_;
  TickCount tickCount_;
  Launcher launcher_;
  std::uint64_t counter_ = 0;
};
