#include "framework/menu_item.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"

namespace {
std::shared_ptr<MenuItem> Item(const char* name, const char* text = "") {
  auto item = std::make_shared<MenuItem>();
  item->SetName(FromLatin1(name));
  item->SetText(FromLatin1(text));
  return item;
}
}  // namespace

TEST(MenuItem, childFindsDirectChildrenOnlyAndLookupSearchesTheTree) {
  MenuBar bar;
  auto edit = Item("EditMenu", "&Edit");
  bar.Append(edit);
  edit->Append(Item("EditCopy", "&Copy"));
  edit->Append(Item("UntitledMenu1", "-"));
  bar.Append(Item("HelpMenu"));

  EXPECT_EQ(bar.Child(U"EditMenu"), edit);
  EXPECT_EQ(bar.Child(U"EditCopy"), nullptr) << "a grandchild is not a child";
  EXPECT_EQ(bar.Child(U"Nothing"), nullptr);
  ASSERT_NE(bar.Lookup(U"EditCopy"), nullptr);
  EXPECT_EQ(bar.Lookup(U"EditCopy")->Text(), U"&Copy");
  EXPECT_EQ(bar.Lookup(U"HelpMenu"), bar.Item(1));
  EXPECT_EQ(bar.Lookup(U"Nothing"), nullptr);
  EXPECT_TRUE(bar.Lookup(U"UntitledMenu1")->IsSeparator());
  EXPECT_FALSE(edit->IsSeparator());
  EXPECT_THROW(bar.Append(nullptr), NilObjectException);
  EXPECT_THROW(bar.Item(2), OutOfBoundsException);
}

TEST(MenuItem, designShortcutsBecomeControlShortcuts) {
  EXPECT_EQ(PlatformShortcut(U"Cmd+X"), U"Ctrl+X");
  EXPECT_EQ(PlatformShortcut(U"Cmd+Shift+Z"), U"Ctrl+Shift+Z");
  EXPECT_EQ(PlatformShortcut(U""), U"");
  EXPECT_EQ(PlatformShortcut(U"F1"), U"F1");
}
