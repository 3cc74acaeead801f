// Tests for the stand-in Add-Ins menu: items, click connections and clicks.
#include "host/addin_menu.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/run_error.h"
#include "testing/error_number.h"

namespace quillon {
namespace {

class CountingHandler : public AddInEventHandler {
 public:
  explicit CountingHandler(std::function<void()> on_click = nullptr) : on_click_(std::move(on_click)) {}
  void AfterClick() override {
    ++clicks;
    if (on_click_) on_click_();
  }
  int clicks = 0;

 private:
  std::function<void()> on_click_;
};

using testing::ErrorNumber;

TEST(AddInsMenuTest, ItemsKeepTheirOrderAndLeaveWhenRemoved) {
  AddInsMenu menu;
  auto items = menu.MenuItems();
  auto first = items->Add("Visual Data Manager...");
  auto second = items->Add("Quillon...");
  auto third = items->Add("Report Designer...");
  EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"Visual Data Manager...", "Quillon...", "Report Designer..."}));
  menu.MenuItems()->Remove(second);
  EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"Visual Data Manager...", "Report Designer..."}));
  EXPECT_EQ(ErrorNumber([&] { items->Remove(second); }), kErrInvalidCall) << "removed twice";
  std::shared_ptr<VBMenuItem> none;
  EXPECT_EQ(ErrorNumber([&] { items->Remove(none); }), kErrObjectNotSet);
}

TEST(AddInsMenuTest, ClicksReachConnectedHandlersOnly) {
  AddInsMenu menu;
  auto items = menu.MenuItems();
  auto other = items->Add("Other...");
  auto item = items->Add("Quillon...");
  auto handler = std::make_shared<CountingHandler>();
  int32_t connection = item->ConnectEvents(handler);
  EXPECT_NE(connection, 0);
  EXPECT_FALSE(menu.Click(0)) << "the other item has no handler";
  EXPECT_TRUE(menu.Click(1));
  EXPECT_TRUE(menu.Click(1));
  EXPECT_EQ(handler->clicks, 2);
  item->DisconnectEvents(connection);
  EXPECT_FALSE(menu.Click(1));
  EXPECT_EQ(handler->clicks, 2);
  EXPECT_EQ(ErrorNumber([&] { item->DisconnectEvents(connection); }), kErrInvalidCall);
  EXPECT_EQ(ErrorNumber([&] { menu.Click(2); }), kErrSubscriptOutOfRange);
  EXPECT_EQ(ErrorNumber([&] { item->ConnectEvents(nullptr); }), kErrObjectRequired);
}

TEST(AddInsMenuTest, AReleasedHandlerIsNotKeptAliveByItsItem) {
  AddInsMenu menu;
  auto item = menu.MenuItems()->Add("Quillon...");
  auto handler = std::make_shared<CountingHandler>();
  item->ConnectEvents(handler);
  std::weak_ptr<CountingHandler> watch = handler;
  handler.reset();
  EXPECT_TRUE(watch.expired());
  EXPECT_FALSE(menu.Click(0));
}

TEST(AddInsMenuTest, ConnectionNumbersAreNonzeroAndIncreasing) {
  AddInsMenu menu;
  auto items = menu.MenuItems();
  auto a = items->Add("A");
  auto b = items->Add("B");
  auto handler = std::make_shared<CountingHandler>();
  const int32_t first = a->ConnectEvents(handler);
  const int32_t second = b->ConnectEvents(handler);
  const int32_t third = a->ConnectEvents(handler);
  EXPECT_GT(first, 0);
  EXPECT_GT(second, first);
  EXPECT_GT(third, second);
  EXPECT_TRUE(menu.Click(0));
  EXPECT_EQ(handler->clicks, 2) << "both of item A's connections are called";
}

TEST(AddInsMenuTest, HandlerMayRemoveItsItemWhileClicked) {
  AddInsMenu menu;
  auto items = menu.MenuItems();
  auto item = items->Add("Quillon...");
  int32_t connection = 0;
  auto handler = std::make_shared<CountingHandler>([&] {
    item->DisconnectEvents(connection);
    items->Remove(item);
  });
  connection = item->ConnectEvents(handler);
  EXPECT_TRUE(menu.Click(0));
  EXPECT_TRUE(menu.Captions().empty());
}

TEST(AddInsMenuTest, HookSeesEveryMemberAndCanFailIt) {
  std::vector<std::string> seen;
  AddInsMenu menu([&](HostMember member, const std::string& args) {
    seen.push_back(std::string(MemberName(member)) + "/" + args);
    if (member == HostMember::kRemove) throw RuntimeError(kErrAutomation);
  });
  auto items = menu.MenuItems();
  auto item = items->Add("Quillon...");
  int32_t connection = item->ConnectEvents(std::make_shared<CountingHandler>());
  item->DisconnectEvents(connection);
  EXPECT_EQ(ErrorNumber([&] { items->Remove(item); }), kErrAutomation);
  EXPECT_EQ(menu.Captions(), (std::vector<std::string>{"Quillon..."})) << "a failed Remove removed the item";
  EXPECT_EQ(seen, (std::vector<std::string>{"MenuItems/", "Add/Quillon...", "ConnectEvents/",
                                            "DisconnectEvents/" + std::to_string(connection), "Remove/"}));
}

}  // namespace
}  // namespace quillon
