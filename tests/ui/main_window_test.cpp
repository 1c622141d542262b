#include "main_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QElapsedTimer>
#include <QTextCursor>

#include <cstdio>


#include "file_bytes.h"
#include "gbk.h"
#include "settings_window.h"
#include "ui_main_window.h"
#include "ui_settings_window.h"
#include "window_test.h"

namespace {

class MainWindowTest : public WindowTest {
 protected:
  MainWindowTest() : window(app) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  Ui::MainWindow& ui() { return window.Form(); }
  QString Display() { return ui().显示编辑框->toPlainText(); }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void Type(const QString& keys) { QTest::keyClicks(ui().显示编辑框, keys); }
  bool FocusRuleHolds() {
    const QTextCursor cursor = ui().显示编辑框->textCursor();
    return ui().显示编辑框->hasFocus() && cursor.atEnd() && !cursor.hasSelection();
  }

  MainWindow window;
};

TEST_F(MainWindowTest, StartsInRadixTenWithTheFileCreated) {
  EXPECT_EQ(Display(), "0");
  EXPECT_TRUE(ui().十进制单选框->isChecked());
  EXPECT_TRUE(ui().数字9按钮->isEnabled());
  EXPECT_TRUE(ui().小数点按钮->isEnabled());
  EXPECT_TRUE(ui().正弦按钮->isEnabled());
  EXPECT_FALSE(ui().数字A按钮->isEnabled());
  EXPECT_FALSE(ui().数字F按钮->isEnabled());
  EXPECT_TRUE(ui().平方按钮->isEnabled());
  EXPECT_TRUE(ui().显示编辑框->isReadOnly());
  EXPECT_TRUE(FocusRuleHolds());
  EXPECT_EQ(FileBytes(SettingsPath()), Utf8ToGbk("[配置]\r\n计算精度=3\r\n小数保留位数=5\r\n"));
  EXPECT_EQ(app.settings.小数保留位数, "5");
}

TEST_F(MainWindowTest, ButtonsEnterNumbersAndKeepTheFocusRule) {
  Click(ui().数字1按钮);
  Click(ui().小数点按钮);
  Click(ui().小数点按钮);
  Click(ui().数字5按钮);
  EXPECT_EQ(Display(), "1.5");
  EXPECT_TRUE(FocusRuleHolds());
  Click(ui().退格按钮);
  EXPECT_EQ(Display(), "1.");
  Click(ui().正负号按钮);
  EXPECT_EQ(Display(), "-1.");
  Click(ui().删除按钮);
  EXPECT_EQ(Display(), "0");
  EXPECT_TRUE(FocusRuleHolds());
}

TEST_F(MainWindowTest, TypedKeysGoThroughTheFilterAndNeverIntoTheBox) {
  Type("0");
  Type("5");
  EXPECT_EQ(Display(), "5");
  Type("a");  // not a digit of radix 10
  Type("x ");
  EXPECT_EQ(Display(), "5");
  Type("1.2.3");
  EXPECT_EQ(Display(), "51.23");
  QTest::keyClick(ui().显示编辑框, Qt::Key_Backspace);
  EXPECT_EQ(Display(), "51.2");
  EXPECT_TRUE(FocusRuleHolds());
}

TEST_F(MainWindowTest, OperatorKeyThenEscapeEmptiesFirstOperand) {
  Type("12");
  Type("+");
  Type("3");
  EXPECT_EQ(Display(), "3");
  QTest::keyClick(ui().显示编辑框, Qt::Key_Escape);
  EXPECT_EQ(Display(), "0");
  EXPECT_EQ(window.CalculatorLogic().State().firstOperand, "");
  EXPECT_TRUE(window.isVisible());  // Esc does not close the calculator
}

TEST_F(MainWindowTest, HelpButtonWritesANewFileEachTime) {
  Click(ui().帮助按钮);
  Click(ui().帮助按钮);
  ASSERT_EQ(viewerStarts.size(), 2u);
  EXPECT_NE(viewerStarts[0], viewerStarts[1]);
  EXPECT_EQ(FileBytes(viewerStarts[0]),
            Utf8ToGbk("青梧科学计算器是一款非常实用的科学计算器软件。\r\n"
                      "能完成16进制，10进制，8进制，2进制互相之间的转换。\r\n"
                      "能完成平方，立方，N次方的运算。\r\n"
                      "能正弦，余弦，正切，余切，求余，取整，取绝对值，角弧度转换等运算。\r\n"
                      "\r\n"
                      "同时能够进行算式解析，曲线拟合，联立方程，概要统计，微积分，复数运算\r\n"
                      "矩阵运算，傅立叶变换等常用计算器所没有的功能。\r\n"));
  EXPECT_EQ(FileBytes(viewerStarts[1]), FileBytes(viewerStarts[0]));
}

TEST_F(MainWindowTest, SettingsWindowOpensModallyAndBlocksTheCalculator) {
  OnNextModal([this](QWidget* modal) {
    auto* settingsWindow = dynamic_cast<SettingsWindow*>(modal);
    ASSERT_NE(settingsWindow, nullptr);
    EXPECT_EQ(settingsWindow->windowTitle(), "数据配置");
    // The main window takes no input meanwhile: a click through the window
    // system (not delivered straight to the widget) is blocked.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      ui().数字7按钮->mapTo(&window, QPoint(5, 5)));
    settingsWindow->Form().小数保留位数编辑框->setText("2");
    Click(settingsWindow->Form().确定按钮);
  });
  Click(ui().数据配置按钮);
  EXPECT_FALSE(ModalPending());
  EXPECT_EQ(Display(), "0");
  EXPECT_EQ(app.settings.小数保留位数, "2");
  EXPECT_EQ(messages.shown.back().text, "更新数据成功");
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_TRUE(FocusRuleHolds());

  // The same click reaches the calculator once the window is closed.
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, ui().数字7按钮->mapTo(&window, QPoint(5, 5)));
  EXPECT_EQ(Display(), "7");
}

TEST_F(MainWindowTest, MinimiseAndCloseButtons) {
  const std::string before = FileBytes(SettingsPath());
  Click(ui().最小化按钮);
  EXPECT_TRUE(window.isMinimized());
  window.showNormal();
  Click(ui().关闭按钮);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(FileBytes(SettingsPath()), before);
}

TEST_F(MainWindowTest, ButtonsAndKeysComputeQuotients) {
  Click(ui().数字1按钮);
  Click(ui().除按钮);
  Click(ui().数字3按钮);
  Click(ui().等号按钮);
  EXPECT_EQ(Display(), "0.33333");
  EXPECT_TRUE(FocusRuleHolds());
  Click(ui().删除按钮);
  Type("10/4");
  QTest::keyClick(ui().显示编辑框, Qt::Key_Return);
  EXPECT_EQ(Display(), "2.5");
  Click(ui().删除按钮);
  Type("7");
  Click(ui().整除按钮);
  Type("0=");
  EXPECT_EQ(Display(), "0");
  EXPECT_EQ(messages.shown, (std::vector<RecordingMessages::Message>{{"除数不能为零", MessageIcon::Warning}}));
}

TEST_F(MainWindowTest, RadioButtonsSwitchRadixKeysAndKeyboard) {
  Type("255");
  Click(ui().十六进制单选框);
  EXPECT_EQ(Display(), "FF");
  EXPECT_TRUE(ui().十六进制单选框->isChecked());
  EXPECT_TRUE(ui().数字A按钮->isEnabled());
  EXPECT_FALSE(ui().小数点按钮->isEnabled());
  EXPECT_FALSE(ui().正弦按钮->isEnabled());
  EXPECT_TRUE(ui().平方按钮->isEnabled());
  Type("a");
  Click(ui().数字B按钮);
  EXPECT_EQ(Display(), "FFAB");
  Click(ui().二进制单选框);
  EXPECT_EQ(Display(), "1111111110101011");
  EXPECT_FALSE(ui().数字2按钮->isEnabled());
  Type("2");
  EXPECT_EQ(Display(), "1111111110101011");
  EXPECT_TRUE(FocusRuleHolds());
}

TEST_F(MainWindowTest, RefusedRadixKeepsTheOldRadioButton) {
  Type("12.5");
  Click(ui().二进制单选框);
  EXPECT_TRUE(ui().十进制单选框->isChecked());
  EXPECT_FALSE(ui().二进制单选框->isChecked());
  EXPECT_EQ(Display(), "12.5");
  EXPECT_EQ(messages.shown,
            (std::vector<RecordingMessages::Message>{{"负数和小数不能转换成2进制的数值", MessageIcon::None}}));
  EXPECT_TRUE(ui().小数点按钮->isEnabled());
}

TEST_F(MainWindowTest, ScientificKeys) {
  Type("90");
  Click(ui().求正切按钮);
  EXPECT_EQ(Display(), "90");
  EXPECT_EQ(messages.shown, (std::vector<RecordingMessages::Message>{{"正切值不存在", MessageIcon::Warning}}));
  Click(ui().正弦按钮);
  EXPECT_EQ(Display(), "1");
  Click(ui().删除按钮);
  Type("1");
  Click(ui().角弧度按钮);
  EXPECT_EQ(Display(), "57.29577951308");
  Click(ui().删除按钮);
  Type("1.5");
  Click(ui().平方按钮);
  EXPECT_EQ(Display(), "2.25");
  EXPECT_TRUE(FocusRuleHolds());
}

TEST_F(MainWindowTest, MillionDigitPowerIsShownWhole) {
  Type("2");
  Click(ui().N次方按钮);
  Type("1000000");
  QElapsedTimer clock;
  clock.start();
  Click(ui().等号按钮);
  const QString result = Display();
  const qint64 elapsed = clock.elapsed();
  RecordProperty("click_to_text_ms", static_cast<int>(elapsed));
  std::printf("2 x^y 1000000: %lld ms from click to text\n", static_cast<long long>(elapsed));
  EXPECT_EQ(result.size(), 301030);
  EXPECT_TRUE(result.startsWith("9900656229"));
  Type("7");  // the window still takes keys
  EXPECT_TRUE(Display().endsWith("93767"));
}

TEST_F(MainWindowTest, WindowIsFramelessAndDraggedByItsCaption) {
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.size(), QSize(542, 390));
  const QPoint start = window.pos();
  QTest::mousePress(ui().标签1, Qt::LeftButton, {}, QPoint(100, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 25), ui().标签1->mapToGlobal(QPointF(130, 25)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ui().标签1, &move);
  QTest::mouseRelease(ui().标签1, Qt::LeftButton, {}, QPoint(130, 25));
  EXPECT_EQ(window.pos(), start + QPoint(30, 20));
}

}  // namespace
