#include "window_test.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>


WindowTest::WindowTest()
    : watchdog_(std::make_unique<QTimer>()),
      helpFiles(TemporaryDirectory(), [this] { return tickCount; },
                [this](const std::filesystem::path& path) { viewerStarts.push_back(path); }),
      app(ProgramDirectory(), messages, helpFiles) {
  QObject::connect(watchdog_.get(), &QTimer::timeout, [this] { CheckForModalWindow(); });
  watchdog_->start(10);
}

WindowTest::~WindowTest() {
  watchdog_->stop();
  EXPECT_FALSE(modalAction_) << "an announced modal window never opened";
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
}

void WindowTest::OnNextModal(std::function<void(QWidget*)> action) { modalAction_ = std::move(action); }

void WindowTest::CheckForModalWindow() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (modalAction_) {
    auto action = std::move(modalAction_);
    modalAction_ = nullptr;
    action(modal);
    return;
  }
  ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  else modal->close();
}
