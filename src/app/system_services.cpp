#include "system_services.h"

#include <QDir>
#include <QProcess>

#include <chrono>

HelpFiles SystemHelpFiles() {
  const auto tickCount = [] {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  };
  const auto openInViewer = [](const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    QProcess::startDetached("notepad.exe", {QString::fromStdWString(path.wstring())});
#else
    QProcess::startDetached("xdg-open", {QString::fromStdString(path.string())});
#endif
  };
  return HelpFiles(QDir::tempPath().toStdString(), tickCount, openInViewer);
}
