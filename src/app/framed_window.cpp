#include "framed_window.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

FramedWindow::FramedWindow(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

void FramedWindow::SetUpFrame(QLabel* caption, bool showBackground) {
  caption_ = caption;
  showBackground_ = showBackground;
  caption_->setProperty("caption", true);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->installEventFilter(this);
  // Enter belongs to the controls; no button is a dialog default.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
  setFixedSize(size());
  move(50, 50);  // every window is laid out at 50,50 of the screen
}

void FramedWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (showBackground_) {
    // A pale sea-green wash with fine diagonal lines.
    QLinearGradient wash(0, 0, width(), height());
    wash.setColorAt(0.0, QColor(214, 234, 236));
    wash.setColorAt(1.0, QColor(246, 251, 250));
    painter.fillRect(rect(), wash);
    painter.setPen(QColor(255, 255, 255, 110));
    for (int x = -height(); x < width(); x += 9) painter.drawLine(x, height(), x + height(), 0);
  } else {
    painter.fillRect(rect(), palette().window());
  }
  painter.setPen(QColor(63, 110, 125));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  QDialog::paintEvent(event);
}

bool FramedWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == caption_) {
    if (event->type() == QEvent::MouseButtonPress) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) dragOffset_ = mouse->globalPosition().toPoint() - pos();
    } else if (event->type() == QEvent::MouseMove) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->buttons() & Qt::LeftButton) move(mouse->globalPosition().toPoint() - dragOffset_);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ApplyApplicationLook() {
  QFont font("WenQuanYi Micro Hei");
  font.setPixelSize(12);
  QApplication::setFont(font);
  qApp->setStyleSheet(
      "QLabel[caption=\"true\"] { background: #3f6e7d; color: white; }"
      "QPushButton { padding: 0px; }"
      "QPlainTextEdit#显示编辑框 { background: rgb(230, 242, 242); }");
}
