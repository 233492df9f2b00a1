#include "framework/window.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <thread>

#include "framework/push_button.h"
#include "framework/text_area.h"

namespace {
// A window with a field and three buttons whose Open and Close events ask for their own accessor.
class ProbeWindow final : public Window {
 public:
  static const ClassRecord& ClassInfo() {
    static const ClassRecord record{U"ProbeWindow.ProbeWindow", &Window::ClassInfo(), {}, {}};
    return record;
  }
  const ClassRecord& Record() const override { return ClassInfo(); }

  static inline std::function<void(ProbeWindow&)> onOpen, onClose;
  Window* seenInOpen = nullptr;
  Window* seenInClose = nullptr;
  int opens = 0, closes = 0;

 protected:
  void Layout() override {
    SetProperties(*this, PropertyList().Int("Width", 200).Int("Height", 120).Text("Title", U"Probe").Bool("Resizeable", false).Bytes());
  }
  void CreateControls() override {
    AddControl(U"Field", New<TextArea>());
    for (const char* name : {"Go", "Stop", "Other"}) AddControl(FromLatin1(name), New<PushButton>());
    // Tab order differs from creation order on purpose.
    SetProperties(*ControlAs<TextArea>(U"Field"), PropertyList().Int("TabIndex", 3).Bytes());
    SetProperties(*ControlAs<PushButton>(U"Go"), PropertyList().Bool("Default", true).Int("TabIndex", 0).Bytes());
    SetProperties(*ControlAs<PushButton>(U"Stop"), PropertyList().Bool("Cancel", true).Int("TabIndex", 2).Bytes());
    SetProperties(*ControlAs<PushButton>(U"Other"), PropertyList().Int("TabIndex", 1).Bytes());
  }
  void Event_Open() override;
  void Event_Close() override;
};

std::shared_ptr<ProbeWindow> Probe() { return ImplicitInstance<ProbeWindow>(); }

void ProbeWindow::Event_Open() {
  ++opens;
  seenInOpen = Probe().get();
  if (onOpen) onOpen(*this);
}

void ProbeWindow::Event_Close() {
  ++closes;
  seenInClose = Probe().get();
  if (onClose) onClose(*this);
}

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& w : OpenWindows()) w->Close();
    ProbeWindow::onOpen = nullptr;
    ProbeWindow::onClose = nullptr;
  }
};
}  // namespace

TEST_F(WindowTest, implicitInstanceIsTheOpenWindowUntilItCloses) {
  auto first = Probe();
  EXPECT_EQ(Probe(), first);
  EXPECT_EQ(first->seenInOpen, first.get()) << "the accessor inside Open built a second window";
  EXPECT_EQ(first->opens, 1);
  EXPECT_TRUE(first->TopLevelWidget()->isVisible());
  EXPECT_EQ(first->Title(), U"Probe");

  first->Close();
  EXPECT_EQ(first->seenInClose, first.get()) << "the accessor inside Close built a new window";
  EXPECT_FALSE(first->IsOpen());
  EXPECT_EQ(OpenInstance<ProbeWindow>(), nullptr);
  EXPECT_TRUE(OpenWindows().empty());

  auto second = Probe();
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->IsOpen());
}

TEST_F(WindowTest, closeEventRunsOnceWhetherClosedTwiceFromCodeOrBox) {
  auto w = Probe();
  auto* widget = w->TopLevelWidget();
  widget->close();  // as the close box does
  w->Close();
  EXPECT_EQ(w->closes, 1);

  ProbeWindow::onClose = [](ProbeWindow& self) { self.Close(); };
  auto again = Probe();
  again->Close();
  EXPECT_EQ(again->closes, 1);
}

TEST_F(WindowTest, closeFromInsideOpenLeavesNoOpenWindow) {
  ProbeWindow::onOpen = [](ProbeWindow& self) { self.Close(); };
  auto w = Probe();
  EXPECT_EQ(w->closes, 1);
  EXPECT_FALSE(w->IsOpen());
  EXPECT_EQ(OpenInstance<ProbeWindow>(), nullptr);
  EXPECT_EQ(w->TopLevelWidget(), nullptr) << "a closed window keeps no widget on screen";
}

// Only the open-window list holds the window while its Close event uses it.
TEST_F(WindowTest, windowOutlivesItsOwnCloseEvent) {
  std::int32_t topInClose = -1;
  ProbeWindow::onClose = [&](ProbeWindow& self) {
    topInClose = self.Top();
    self.ControlAs<TextArea>(U"Field")->SetText(U"still here");
  };
  Probe()->SetTop(77);
  std::weak_ptr<ProbeWindow> weak = OpenInstance<ProbeWindow>();
  NotNil(OpenInstance<ProbeWindow>()).TopLevelWidget()->close();
  EXPECT_EQ(topInClose, 77);
  EXPECT_TRUE(weak.expired()) << "nothing should keep a closed window alive";
}

TEST_F(WindowTest, controlsAreFoundByNameWithTheirClassChecked) {
  auto w = Probe();
  EXPECT_NE(w->ControlAs<TextArea>(U"Field"), nullptr);
  EXPECT_EQ(w->ControlAs<PushButton>(U"Go")->Name(), U"Go");
  EXPECT_THROW(w->ControlAs<PushButton>(U"Field"), IllegalCastException);
  EXPECT_EQ(w->ControlByName(U"Missing"), nullptr);
  EXPECT_THROW(w->ControlAs<TextArea>(U"Missing"), NilObjectException);
}

TEST_F(WindowTest, membersOfNilOrClosedObjectsRaiseNilObjectException) {
  auto w = Probe();
  auto field = w->ControlAs<TextArea>(U"Field");
  w->Close();
  EXPECT_THROW(w->Top(), NilObjectException);
  EXPECT_THROW(w->SetLeft(3), NilObjectException);
  EXPECT_THROW(field->Text(), NilObjectException);
  EXPECT_THROW(field->SetText(U"x"), NilObjectException);
  std::shared_ptr<Window> nil;
  EXPECT_THROW(NotNil(nil).Show(), NilObjectException);
}

TEST_F(WindowTest, windowMembersOffTheMainThreadRaise) {
  auto w = Probe();
  int raised = 0;
  std::thread worker([&] {
    for (const auto& use : std::initializer_list<std::function<void()>>{
             [&] { w->Top(); }, [&] { w->SetLeft(5); }, [&] { w->Show(); }, [&] { w->Close(); }, [&] { w->Width(); },
             [&] { w->ControlByName(U"Field"); }, [&] { w->ControlAs<TextArea>(U"Field")->Text(); }, [&] { ProbeWindow window; }}) {
      try {
        use();
      } catch (const ThreadAccessingUIException&) {
        ++raised;
      }
    }
  });
  worker.join();
  EXPECT_EQ(raised, 8);
  EXPECT_TRUE(w->IsOpen());
}

TEST_F(WindowTest, returnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  auto w = Probe();
  std::string pressed;
  for (const char* name : {"Go", "Stop", "Other"}) {
    w->ControlAs<PushButton>(FromLatin1(name))->Action = [&pressed, name](PushButton&) { pressed += name; };
  }
  QWidget* other = w->ControlAs<PushButton>(U"Other")->Widget();
  QTest::keyClick(other, Qt::Key_Return);
  EXPECT_EQ(pressed, "Go");
  QTest::keyClick(other, Qt::Key_Escape);
  EXPECT_EQ(pressed, "GoStop");
  QTest::keyClick(other, Qt::Key_Enter);
  EXPECT_EQ(pressed, "GoStopGo");

  w->ControlAs<PushButton>(U"Go")->SetEnabled(false);
  QTest::keyClick(other, Qt::Key_Return);
  EXPECT_EQ(pressed, "GoStopGo") << "a disabled default button does not answer Return";
}

TEST_F(WindowTest, fixedSizeWindowHasNoResizeControls) {
  auto w = Probe();
  QWidget* top = w->TopLevelWidget();
  EXPECT_EQ(w->Width(), 200);
  EXPECT_EQ(w->Height(), 120);
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
  w->SetTop(140);
  w->SetLeft(33);
  EXPECT_EQ(w->Top(), 140);
  EXPECT_EQ(w->Left(), 33);
  EXPECT_EQ(top->geometry().topLeft(), QPoint(33, 140)) << "Top and Left are the client area's, not the frame's";
}

TEST_F(WindowTest, focusStartsAtTheLowestTabIndexAndTabFollowsTabIndex) {
  auto w = Probe();
  QWidget* top = w->TopLevelWidget();
  EXPECT_EQ(top->focusWidget(), w->ControlByName(U"Go")->Widget());
  for (const char* next : {"Other", "Stop", "Field", "Go"}) {
    QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(top->focusWidget(), w->ControlByName(FromLatin1(next))->Widget()) << next;
  }
}

// A handler that closes its own window may still reach it afterwards: Nil, not freed memory.
TEST_F(WindowTest, aButtonHandlerThatClosesItsWindowKeepsItUntilItReturns) {
  bool raised = false;
  {
    auto w = Probe();
    w->ControlAs<PushButton>(U"Other")->Action = [window = w.get(), &raised](PushButton&) {
      window->Close();
      try {
        window->Top();
      } catch (const NilObjectException&) {
        raised = true;
      }
    };
  }
  auto button = NotNil(OpenInstance<ProbeWindow>()).ControlAs<PushButton>(U"Other");
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_TRUE(raised);
  EXPECT_EQ(OpenInstance<ProbeWindow>(), nullptr);
}
