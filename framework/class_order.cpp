#include "framework/class_order.h"

#include "framework/application.h"
#include "framework/check_box.h"
#include "framework/http_socket.h"
#include "framework/label.h"
#include "framework/progress_bar.h"
#include "framework/push_button.h"
#include "framework/text_area.h"
#include "framework/window.h"

void RuntimeInitClasses() {
  BuildClassRecords({&Application::ClassInfo, &MenuItem::ClassInfo, &MenuBar::ClassInfo, &AppleMenuItem::ClassInfo, &Window::ClassInfo,
                     &Control::ClassInfo, &RectControl::ClassInfo, &TextArea::ClassInfo, &PushButton::ClassInfo, &Label::ClassInfo,
                     &CheckBox::ClassInfo, &ProgressBar::ClassInfo, &HTTPSocket::ClassInfo});
}
