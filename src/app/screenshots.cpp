// Renders every window to a PNG file on the offscreen platform, so that the
// user interface can be looked at without a display.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

#include "app_state.h"
#include "framed_window.h"
#include "main_window.h"
#include "settings_window.h"

namespace {

class SilentMessages : public Messages {
 public:
  void Show(const std::string&, MessageIcon) override {}
};

void Save(QWidget& window, const QDir& directory, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString path = directory.filePath(name + ".png");
  if (!window.grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  window.hide();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ApplyApplicationLook();
  const QDir directory(argc > 1 ? argv[1] : "screenshots");
  QDir().mkpath(directory.path());

  QTemporaryDir programDirectory;
  SilentMessages messages;
  HelpFiles helpFiles(programDirectory.path().toStdString(), [] { return 0; }, [](const auto&) {});
  AppState app(programDirectory.path().toStdString(), messages, helpFiles);

  MainWindow mainWindow(app);
  Save(mainWindow, directory, "main_window");
  SettingsWindow settingsWindow(app);
  Save(settingsWindow, directory, "settings_window");
  return 0;
}
