#pragma once

#include <memory>

#include "framed_window.h"

namespace Ui {
class SettingsWindow;
}
struct AppState;

// "数据配置": edits the two settings. Opens with the file's values; 确定
// checks both boxes, writes the file and replaces the settings in memory.
class SettingsWindow : public FramedWindow {
 public:
  SettingsWindow(AppState& app, QWidget* parent = nullptr);
  ~SettingsWindow() override;

  Ui::SettingsWindow& Form() { return *ui_; }

 private:
  void Confirm();
  // Shows the message of the first check the two boxes fail; false when all pass.
  bool ShowFirstRefusal(const QString& precision, const QString& places);

  AppState& app_;
  std::unique_ptr<Ui::SettingsWindow> ui_;
};
