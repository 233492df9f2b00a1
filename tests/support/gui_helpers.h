#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

class QWidget;

namespace testing_support {

// Runs the event loop until pred holds or timeoutMs passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 5000);
void ProcessEvents();

// Answers the next application-modal dialog: once one is active, calls answer on it.
// The answer runs from a timer inside the dialog's own event loop, so exec() returns.
void AnswerNextModal(std::function<void(QWidget* modal)> answer);
// Presses the dialog button whose text (mnemonics removed) equals buttonText.
void PressModalButton(const QString& buttonText);

// Ends an event loop that would otherwise hang the test, with a status (99) no test expects.
class LoopGuard {
 public:
  explicit LoopGuard(int timeoutMs = 5000);

 private:
  QTimer timer_;
};

// A fresh XDG_CONFIG_HOME for one test; restores the previous value when destroyed.
class TempConfigHome {
 public:
  TempConfigHome();
  ~TempConfigHome();
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  std::optional<QByteArray> previous_;
};

}  // namespace testing_support
