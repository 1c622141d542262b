#include "settings_window.h"

#include <QRegularExpressionValidator>

#include <limits>

#include "app_state.h"
#include "number_text.h"
#include "ui_settings_window.h"

namespace {

bool AboveLargest(const QString& text) {
  return TextToNumber(text.toStdString()) - Settings::kLargest > 1e-7;
}

}  // namespace

SettingsWindow::SettingsWindow(AppState& app, QWidget* parent)
    : FramedWindow(parent), app_(app), ui_(std::make_unique<Ui::SettingsWindow>()) {
  ui_->setupUi(this);
  SetUpFrame(ui_->标签3, false);

  // The boxes take only what can form a whole number; the checks of 确定
  // still look at the whole text.
  for (QLineEdit* box : {ui_->计算精度编辑框, ui_->小数保留位数编辑框}) {
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]*"), box));
    box->setMaxLength(std::numeric_limits<int>::max());  // a hand-edited file is shown whole
  }

  const Settings inFile = app_.settingsFile.Load();
  ui_->计算精度编辑框->setText(QString::fromStdString(inFile.计算精度));
  ui_->小数保留位数编辑框->setText(QString::fromStdString(inFile.小数保留位数));

  connect(ui_->确定按钮, &QPushButton::clicked, this, &SettingsWindow::Confirm);
  connect(ui_->取消按钮, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->关闭按钮, &QPushButton::pressed, this, &QDialog::reject);
}

SettingsWindow::~SettingsWindow() = default;

bool SettingsWindow::ShowFirstRefusal(const QString& precision, const QString& places) {
  const auto refuse = [this](const char* message) {
    app_.messages.Show(message, MessageIcon::None);
    return true;
  };
  if (precision.isEmpty() || places.isEmpty()) {
    refuse("数据不能为空");
    (precision.isEmpty() ? ui_->计算精度编辑框 : ui_->小数保留位数编辑框)->setFocus();
    return true;
  }
  if (precision.contains('-')) return refuse("计算精度不能为负数");
  if (precision.contains('.')) return refuse("计算精度不能为小数");
  if (places.contains('-')) return refuse("小数保留位数不能为负数");
  if (places.contains('.')) return refuse("小数保留位数不能为小数");
  if (AboveLargest(precision)) return refuse("计算精度不能大于50");
  if (AboveLargest(places)) return refuse("小数保留位数不能大于50");
  if (!app_.settingsFile.SettingsFileExists()) return refuse("没有找到配置文件，请确认文件存在");
  return false;
}

void SettingsWindow::Confirm() {
  const QString precision = ui_->计算精度编辑框->text();
  const QString places = ui_->小数保留位数编辑框->text();
  if (ShowFirstRefusal(precision, places)) return;

  Settings accepted;
  accepted.计算精度 = precision.toStdString();
  accepted.小数保留位数 = places.toStdString();
  if (!app_.settingsFile.Save(accepted)) {
    app_.messages.Show("更新数据失败", MessageIcon::None);
    return;
  }
  app_.settings = accepted;
  app_.messages.Show("更新数据成功", MessageIcon::None);
  accept();
}
