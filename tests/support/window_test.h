#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app_state.h"
#include "help_files.h"
#include "messages.h"
#include "recording_messages.h"

class QTimer;
class QWidget;

// The fixture of every window test: the program's directory (and so the
// settings file) and the temporary directory are fresh temporary folders,
// messages are recorded, the help viewer is recorded instead of started, and
// a modal window that the test did not announce with OnNextModal fails the
// test and is closed, so that no test hangs in a modal loop.
class WindowTest : public testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  // Runs `action` on the next modal window that opens; the action must close it.
  void OnNextModal(std::function<void(QWidget*)> action);
  // Whether an announced modal action is still waiting for its window.
  bool ModalPending() const { return static_cast<bool>(modalAction_); }

  std::filesystem::path ProgramDirectory() const { return programDirectory_.path().toStdString(); }
  std::filesystem::path TemporaryDirectory() const { return temporaryDirectory_.path().toStdString(); }
  std::filesystem::path SettingsPath() const { return ProgramDirectory() / "配置.ini"; }

  RecordingMessages messages;
  std::vector<std::filesystem::path> viewerStarts;
  std::uint64_t tickCount = 0x1000;

 private:
  void CheckForModalWindow();

  QTemporaryDir programDirectory_;
  QTemporaryDir temporaryDirectory_;
  std::unique_ptr<QTimer> watchdog_;
  std::function<void(QWidget*)> modalAction_;

 protected:
  HelpFiles helpFiles;
  AppState app;
};
