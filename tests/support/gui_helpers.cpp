#include "tests/support/gui_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

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
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start();
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

QStringList VisibleTexts(QWidget* root) {
  QStringList texts;
  for (auto* label : root->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) texts << label->text();
  }
  return texts;
}

LoopGuard::LoopGuard(int timeoutMs) : timer_(std::make_unique<QTimer>()) {
  timer_->setSingleShot(true);
  QObject::connect(timer_.get(), &QTimer::timeout, [] { QApplication::exit(99); });
  timer_->start(timeoutMs);
}

LoopGuard::~LoopGuard() = default;

TempConfigHome::TempConfigHome() : previous_(qgetenv("XDG_CONFIG_HOME")), hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
  qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
}

TempConfigHome::~TempConfigHome() {
  if (hadPrevious_) qputenv("XDG_CONFIG_HOME", previous_);
  else qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace testing_support
