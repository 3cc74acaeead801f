// The headless window system's own behaviour: console output, the modal show, unload
// handlers that cancel, disabled controls and the record of what happened.
#include "ui/headless_window_system.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(HeadlessWindowSystemTest, ConsoleModePrintsListLinesAndMessageLinesAsTheyCome) {
  std::ostringstream out;
  std::ostringstream err;
  HeadlessWindowSystem windows(&out, &err);
  auto window = windows.CreateWindow("W", {100, 100});
  ListBox& list = window->AddListBox("lst", {0, 0, 100, 100});
  std::vector<std::string> out_when_shown;
  windows.SetMessageHook([&](const ShownMessage&) { out_when_shown.push_back(out.str()); });
  list.AddItem("first");
  windows.Show("one\r\ntwo\r\n", MsgBoxIcon::kNone, "Quillon");
  list.AddItem("second\xE9");
  windows.Show("single", MsgBoxIcon::kInformation, "Quillon");
  EXPECT_EQ(out.str(), "first\nsecond\xE9\n");
  EXPECT_EQ(err.str(), "one\ntwo\n\nsingle\n");
  EXPECT_EQ(windows.message_count(), 2);
  EXPECT_EQ(out_when_shown, (std::vector<std::string>{"first\n", "first\nsecond\xE9\n"}));
}

TEST(HeadlessWindowSystemTest, ConsoleModeCanPrintTheListsOfOneWindowOnly) {
  std::ostringstream out;
  HeadlessWindowSystem windows(&out, nullptr);
  windows.PrintListsOnlyOf("Printed");
  auto printed = windows.CreateWindow("Printed", {100, 100});
  auto quiet = windows.CreateWindow("Quiet", {100, 100});
  printed->AddListBox("lst", {0, 0, 100, 100}).AddItem("shown");
  quiet->AddListBox("lst", {0, 0, 100, 100}).AddItem("kept back");
  EXPECT_EQ(out.str(), "shown\n");
  EXPECT_EQ(windows.journal(), (std::vector<std::string>{"list shown", "list kept back"}));
}

TEST(HeadlessWindowSystemTest, AClearedMenuLosesItsItemsAndTakesNewOnes) {
  HeadlessWindowSystem windows;
  auto window = windows.CreateWindow("W", {100, 100});
  std::vector<std::string> clicked;
  Menu& menu = window->AddMenu("mnu", "&M");
  menu.AddItem("mnuOld", "&Old", [&] { clicked.push_back("old"); });
  menu.AddItem("mnuOther", "O&ther", [&] { clicked.push_back("other"); });
  windows.SetShowHook([&](HeadlessWindow& w) {
    menu.Clear();
    EXPECT_TRUE(w.menus().at(0).items.empty());
    EXPECT_THROW(w.PressMenu("mnuOld"), std::out_of_range);
    menu.AddItem("mnuNew", "&New", [&] { clicked.push_back("new"); });
    w.PressMenu("mnuNew");
    w.Close();
  });
  window->ShowModal();
  auto& w = static_cast<HeadlessWindow&>(*window);
  ASSERT_EQ(w.menus().size(), 1u);
  EXPECT_EQ(w.menus()[0].caption, "&M");
  ASSERT_EQ(w.menus()[0].items.size(), 1u);
  EXPECT_EQ(w.menus()[0].items[0].caption, "&New");
  EXPECT_EQ(clicked, std::vector<std::string>{"new"});
}

TEST(HeadlessWindowSystemTest, AWindowLeftOpenAfterTheShowHookIsAnError) {
  HeadlessWindowSystem windows;
  auto window = windows.CreateWindow("W", {100, 100});
  EXPECT_THROW(window->ShowModal(), std::logic_error);
}

TEST(HeadlessWindowSystemTest, UnloadHandlersCanKeepTheWindowAndLearnTheMode) {
  HeadlessWindowSystem windows;
  auto window = windows.CreateWindow("W", {100, 100});
  std::vector<UnloadMode> modes;
  int16_t keep_on_unload = 1;
  window->SetQueryUnloadHandler([&](int16_t& cancel, UnloadMode mode) {
    modes.push_back(mode);
    cancel = modes.size() == 1 ? 1 : 0;
  });
  window->SetUnloadHandler([&](int16_t& cancel) { cancel = keep_on_unload--; });
  window->AddButton("cmd", {0, 0, 10, 10}, "&Go", [&] { window->Unload(); });
  windows.SetShowHook([&](HeadlessWindow& w) {
    EXPECT_FALSE(w.Close());  // refused by the query handler
    w.Press("cmd");           // refused by the unload handler
    EXPECT_TRUE(w.shown());
    EXPECT_EQ(windows.FindWindow("W"), &w);
    w.Press("cmd");
    EXPECT_FALSE(w.shown());
  });
  window->ShowModal();
  EXPECT_EQ(modes, (std::vector<UnloadMode>{UnloadMode::kCloseControl, UnloadMode::kCode,
                                            UnloadMode::kCode}));
  EXPECT_EQ(windows.FindWindow("W"), nullptr);
}

TEST(HeadlessWindowSystemTest, DisabledButtonsAndMenuItemsDoNothing) {
  HeadlessWindowSystem windows;
  auto window = windows.CreateWindow("W", {100, 100});
  int clicks = 0;
  MenuItem& item = window->AddMenu("mnu", "&M").AddItem("mnuGo", "&Go", [&] { ++clicks; });
  Button& button = window->AddButton("cmd", {0, 0, 10, 10}, "&Go", [&] { ++clicks; });
  windows.SetShowHook([&](HeadlessWindow& w) {
    button.SetEnabled(false);
    item.SetEnabled(false);
    w.Press("cmd");
    w.PressMenu("mnuGo");
    EXPECT_EQ(clicks, 0);
    button.SetEnabled(true);
    item.SetEnabled(true);
    w.Press("cmd");
    w.PressMenu("mnuGo");
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(w.Press("nothing"), std::out_of_range);
    w.Close();
  });
  window->ShowModal();
}

TEST(HeadlessWindowSystemTest, ClientPositionFollowsTheFrameMetrics) {
  HeadlessWindowSystem windows;
  windows.SetFrameMetrics({45, 300, 255});
  auto plain = windows.CreateWindow("P", {1000, 500});
  auto with_menu = windows.CreateWindow("M", {1000, 500});
  with_menu->AddMenu("mnu", "&M");
  plain->MoveClientArea(1365, 1620);
  auto& p = static_cast<HeadlessWindow&>(*plain);
  EXPECT_EQ(p.left(), 1320);
  EXPECT_EQ(p.top(), 1320);
  EXPECT_EQ(plain->OuterSize().width, 1090);
  EXPECT_EQ(plain->OuterSize().height, 845);
  EXPECT_EQ(with_menu->OuterSize().height, 1100);
}

}  // namespace
}  // namespace quillon
