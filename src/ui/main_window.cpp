#include "main_window.h"

#include <QKeyEvent>
#include <QTextCursor>

#include "app_state.h"
#include "settings_window.h"
#include "ui_main_window.h"

namespace {

constexpr const char* kHelpText =
    "青梧科学计算器是一款非常实用的科学计算器软件。\r\n"
    "能完成16进制，10进制，8进制，2进制互相之间的转换。\r\n"
    "能完成平方，立方，N次方的运算。\r\n"
    "能正弦，余弦，正切，余切，求余，取整，取绝对值，角弧度转换等运算。\r\n"
    "\r\n"
    "同时能够进行算式解析，曲线拟合，联立方程，概要统计，微积分，复数运算\r\n"
    "矩阵运算，傅立叶变换等常用计算器所没有的功能。\r\n";

// The character code a key press gives the display, or 0 for keys that do
// not type (arrows, modifiers) and for copying, which the display handles itself.
char32_t TypedCode(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll)) return 0;
  switch (key.key()) {
    case Qt::Key_Backspace: return Calculator::kBackspaceCode;
    case Qt::Key_Escape: return Calculator::kEscapeCode;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Calculator::kEnterCode;
    default: break;
  }
  const QString text = key.text();
  return text.isEmpty() ? 0 : text.toUcs4().value(0);
}

}  // namespace

MainWindow::MainWindow(AppState& app, QWidget* parent)
    : FramedWindow(parent), app_(app), ui_(std::make_unique<Ui::MainWindow>()),
      calculator_(*this, app.settings, app.messages) {
  ui_->setupUi(this);
  SetUpFrame(ui_->标签1, true);
  ui_->显示编辑框->setReadOnly(true);
  ui_->显示编辑框->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  ui_->显示编辑框->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Long results are one run of digits: breaking anywhere spares the search
  // for word boundaries, which stalls on a million-digit line.
  ui_->显示编辑框->setWordWrapMode(QTextOption::WrapAnywhere);
  ui_->显示编辑框->installEventFilter(this);
  // The keyboard focus stays in the display; clicks on keys do not take it.
  for (QAbstractButton* button : findChildren<QAbstractButton*>()) button->setFocusPolicy(Qt::NoFocus);
  for (QLabel* separator : {ui_->标签2, ui_->标签3}) separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  keyButtons_ = {ui_->数字0按钮, ui_->数字1按钮, ui_->数字2按钮, ui_->数字3按钮, ui_->数字4按钮,
                 ui_->数字5按钮, ui_->数字6按钮, ui_->数字7按钮, ui_->数字8按钮, ui_->数字9按钮,
                 ui_->数字A按钮, ui_->数字B按钮, ui_->数字C按钮, ui_->数字D按钮, ui_->数字E按钮,
                 ui_->数字F按钮, ui_->小数点按钮, ui_->正负号按钮, ui_->求余按钮, ui_->正弦按钮,
                 ui_->余弦按钮, ui_->求正切按钮, ui_->求余切按钮, ui_->取绝对值按钮, ui_->取整按钮,
                 ui_->角弧度按钮};
  ConnectButtons();

  app_.settingsFile.CreateWithDefaultsIfMissing();
  app_.settings = app_.settingsFile.Load();
  calculator_.Start();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectButtons() {
  for (int key = static_cast<int>(RadixKey::Digit0); key <= static_cast<int>(RadixKey::DigitF); ++key) {
    const char digit = static_cast<char>(key < 10 ? '0' + key : 'A' + key - 10);
    connect(keyButtons_[key], &QPushButton::clicked, this, [this, digit] { calculator_.Digit(digit); });
  }
  const auto on = [this](QAbstractButton* button, auto handler) {
    connect(button, &QAbstractButton::clicked, this, handler);
  };
  on(ui_->小数点按钮, [this] { calculator_.DecimalPoint(); });
  on(ui_->退格按钮, [this] { calculator_.Backspace(); });
  on(ui_->清除按钮, [this] { calculator_.ClearEntry(); });
  on(ui_->删除按钮, [this] { calculator_.ClearAll(); });
  on(ui_->正负号按钮, [this] { calculator_.ChangeSign(); });
  on(ui_->加按钮, [this] { calculator_.OperatorPressed(BinaryOperator::加); });
  on(ui_->减按钮, [this] { calculator_.OperatorPressed(BinaryOperator::减); });
  on(ui_->乘按钮, [this] { calculator_.OperatorPressed(BinaryOperator::乘); });
  on(ui_->除按钮, [this] { calculator_.OperatorPressed(BinaryOperator::除); });
  on(ui_->整除按钮, [this] { calculator_.OperatorPressed(BinaryOperator::整除); });
  on(ui_->求余按钮, [this] { calculator_.OperatorPressed(BinaryOperator::求余); });
  on(ui_->N次方按钮, [this] { calculator_.OperatorPressed(BinaryOperator::N次方); });
  on(ui_->等号按钮, [this] { calculator_.Evaluate(); });

  on(ui_->十六进制单选框, [this] { calculator_.SwitchRadix(16); });
  on(ui_->十进制单选框, [this] { calculator_.SwitchRadix(10); });
  on(ui_->八进制单选框, [this] { calculator_.SwitchRadix(8); });
  on(ui_->二进制单选框, [this] { calculator_.SwitchRadix(2); });

  on(ui_->正弦按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Sin); });
  on(ui_->余弦按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Cos); });
  on(ui_->求正切按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Tan); });
  on(ui_->求余切按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Cotan); });
  on(ui_->取绝对值按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Abs); });
  on(ui_->取整按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Int); });
  on(ui_->平方按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Square); });
  on(ui_->立方按钮, [this] { calculator_.ApplyFunction(UnaryFunction::Cube); });
  on(ui_->角弧度按钮, [this] { calculator_.ConvertAngle(); });

  on(ui_->帮助按钮, [this] { app_.helpFiles.ShowHelpText(kHelpText); });
  on(ui_->最小化按钮, [this] { showMinimized(); });
  on(ui_->关闭按钮, [this] { close(); });
  on(ui_->数据配置按钮, [this] { OpenSettingsWindow(); });

  // The tool windows are not part of this build yet.
  for (QPushButton* button : {ui_->算式解析按钮, ui_->曲线拟合按钮, ui_->联立方程按钮, ui_->概要统计按钮,
                              ui_->微积分按钮, ui_->复数运算按钮, ui_->矩阵运算按钮, ui_->傅立叶变换按钮})
    button->setEnabled(false);
}

void MainWindow::OpenSettingsWindow() {
  SettingsWindow window(app_, this);
  OpenModal(window);
}

void MainWindow::OpenModal(QDialog& window) {
  window.exec();
  activateWindow();
  FocusDisplay();
}

std::string MainWindow::DisplayText() const { return ui_->显示编辑框->toPlainText().toStdString(); }

void MainWindow::SetDisplayText(const std::string& text) {
  ui_->显示编辑框->setPlainText(QString::fromStdString(text));
}

void MainWindow::SetKeyEnabled(RadixKey key, bool enabled) {
  keyButtons_[static_cast<int>(key)]->setEnabled(enabled);
}

void MainWindow::SetCheckedRadix(int radix) {
  QRadioButton* checked = radix == 16  ? ui_->十六进制单选框
                          : radix == 8 ? ui_->八进制单选框
                          : radix == 2 ? ui_->二进制单选框
                                       : ui_->十进制单选框;
  checked->setChecked(true);
}

void MainWindow::FocusDisplay() {
  ui_->显示编辑框->setFocus();
  ui_->显示编辑框->moveCursor(QTextCursor::End);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->显示编辑框 && event->type() == QEvent::KeyPress) {
    const char32_t code = TypedCode(*static_cast<QKeyEvent*>(event));
    if (code == 0) return false;
    calculator_.KeyTyped(code);
    return true;
  }
  return FramedWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // Esc clears the entry; it never closes the calculator
  FramedWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FocusDisplay();
  FramedWindow::changeEvent(event);
}
