#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxes::Show(const std::string& text, MessageIcon icon) {
  const QMessageBox::Icon boxIcon = icon == MessageIcon::Warning ? QMessageBox::Warning
                                    : icon == MessageIcon::Error ? QMessageBox::Critical
                                                                 : QMessageBox::NoIcon;
  QMessageBox box(boxIcon, QStringLiteral("信息："), QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}
