#pragma once

#include <filesystem>

#include "help_files.h"
#include "messages.h"
#include "settings.h"
#include "settings_file.h"

// What lives from program start to program end and is shared by the windows:
// the settings and their file, and the message and help services.
struct AppState {
  AppState(const std::filesystem::path& programDirectory, Messages& messages, HelpFiles& helpFiles)
      : settingsFile(programDirectory), messages(messages), helpFiles(helpFiles) {}

  SettingsFile settingsFile;
  Settings settings;
  Messages& messages;
  HelpFiles& helpFiles;
};
