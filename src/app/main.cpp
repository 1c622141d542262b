#include <QApplication>
#include <QDir>

#include "app_state.h"
#include "framed_window.h"
#include "main_window.h"
#include "message_boxes.h"
#include "system_services.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ApplyApplicationLook();

  MessageBoxes messages;
  HelpFiles helpFiles = SystemHelpFiles();
  AppState app(QCoreApplication::applicationDirPath().toStdString(), messages, helpFiles);

  MainWindow window(app);
  window.show();
  return application.exec();
}
