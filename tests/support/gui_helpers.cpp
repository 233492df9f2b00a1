#include "tests/support/gui_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

namespace testing_support {

bool WaitUntil(const std::function<bool()>& pred, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!pred()) {
    if (clock.elapsed() > timeoutMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void AnswerNextModal(std::function<void(QWidget* modal)> answer) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start(10);
}

void PressModalButton(const QString& buttonText) {
  AnswerNextModal([buttonText](QWidget* modal) {
    for (auto* button : modal->findChildren<QAbstractButton*>()) {
      if (button->text().remove(QLatin1Char('&')) == buttonText) {
        button->click();
        return;
      }
    }
    qWarning("no dialog button %s", qPrintable(buttonText));
    if (auto* any = modal->findChild<QAbstractButton*>()) any->click();
  });
}

LoopGuard::LoopGuard(int timeoutMs) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [] { QApplication::exit(99); });
  timer_.start(timeoutMs);
}

TempConfigHome::TempConfigHome() {
  if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) previous_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

TempConfigHome::~TempConfigHome() { previous_ ? qputenv("XDG_CONFIG_HOME", *previous_) : qunsetenv("XDG_CONFIG_HOME"); }

}  // namespace testing_support
