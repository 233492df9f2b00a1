#include "framework/message_dialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "framework/dispatch.h"
#include "framework/plain_text_box.h"
#include "framework/qt_text.h"

namespace {
QMessageBox::Icon IconFor(std::int32_t code) {
  switch (code) {
    case MessageDialog::kNote:
      return QMessageBox::Information;
    case MessageDialog::kCaution:
      return QMessageBox::Warning;
    case MessageDialog::kStop:
      return QMessageBox::Critical;
    case MessageDialog::kQuestion:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}
}  // namespace

std::shared_ptr<MessageDialogButton> MessageDialog::ShowModal() {
  RequireMainThread();
  QMessageBox box;
  box.setWindowTitle(ToQString(Title));
  box.setIcon(IconFor(Icon));
  box.setText(ShownText(Message));
  box.setInformativeText(ShownText(Explanation));

  std::map<const QAbstractButton*, std::shared_ptr<MessageDialogButton>> buttons;
  auto add = [&](const std::shared_ptr<MessageDialogButton>& button, QMessageBox::ButtonRole role) -> QPushButton* {
    if (!button->Visible) return nullptr;
    QPushButton* shown = box.addButton(ToQString(button->Caption), role);
    buttons[shown] = button;
    return shown;
  };
  QPushButton* action = add(ActionButton, QMessageBox::AcceptRole);
  QPushButton* cancel = add(CancelButton, QMessageBox::RejectRole);
  add(AlternateActionButton, QMessageBox::ActionRole);
  if (action) box.setDefaultButton(action);
  box.setEscapeButton(cancel);

  MakePlainAndBounded(box);
  box.exec();
  const auto pressed = buttons.find(box.clickedButton());
  return pressed != buttons.end() ? pressed->second : CancelButton;
}
