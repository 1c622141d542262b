#pragma once

#include <array>
#include <memory>

#include "calculator.h"
#include "calculator_view.h"
#include "framed_window.h"

namespace Ui {
class MainWindow;
}
class QPushButton;
struct AppState;

// "青梧科学计算器": forwards every click and typed character to the
// calculator and shows what it asks for.
class MainWindow : public FramedWindow, public CalculatorView {
 public:
  explicit MainWindow(AppState& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  Ui::MainWindow& Form() { return *ui_; }
  const Calculator& CalculatorLogic() const { return calculator_; }

  std::string DisplayText() const override;
  void SetDisplayText(const std::string& text) override;
  void SetKeyEnabled(RadixKey key, bool enabled) override;
  void SetCheckedRadix(int radix) override;
  void FocusDisplay() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ConnectButtons();
  void OpenSettingsWindow();
  // Shows the window modally over the calculator; the calculator gets the
  // keyboard back when it closes.
  void OpenModal(QDialog& window);

  AppState& app_;
  std::unique_ptr<Ui::MainWindow> ui_;
  Calculator calculator_;
  std::array<QPushButton*, kRadixKeyCount> keyButtons_{};
};
