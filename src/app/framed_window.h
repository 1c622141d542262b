#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;

// A frameless window whose caption label serves as its title bar: the window
// is dragged by the label. Every window but "数据配置" shows the program's
// background picture.
class FramedWindow : public QDialog {
 public:
  explicit FramedWindow(QWidget* parent = nullptr);

 protected:
  void SetUpFrame(QLabel* caption, bool showBackground);
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* caption_ = nullptr;
  bool showBackground_ = false;
  QPoint dragOffset_;
};

// The look shared by every window: the CJK font and the styles of the caption
// labels and the small frame buttons.
void ApplyApplicationLook();
