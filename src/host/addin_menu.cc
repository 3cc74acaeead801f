// The stand-in Add-Ins menu: its item collection, its items and their click connections.
#include "host/addin_menu.h"

#include <algorithm>
#include <map>

#include "runtime/run_error.h"

namespace quillon {

struct MenuItemState {
  std::string caption;
  // By connection number. The item does not keep its handlers alive: the add-in holds
  // the item, so a strong reference back would keep both alive for ever whenever the
  // add-in is released without a successful disconnect.
  std::map<int32_t, std::weak_ptr<AddInEventHandler>> handlers;
};

struct AddInsMenu::State {
  MemberHook hook;
  std::vector<std::shared_ptr<MenuItemState>> items;
  int32_t last_connection = 0;

  void Enter(HostMember member, const std::string& args = std::string()) {
    if (hook) hook(member, args);
  }
};

namespace {

class Item : public VBMenuItem {
 public:
  Item(std::shared_ptr<AddInsMenu::State> menu, std::shared_ptr<MenuItemState> item)
      : menu_(std::move(menu)), item_(std::move(item)) {}

  int32_t ConnectEvents(std::shared_ptr<AddInEventHandler> handler) override {
    menu_->Enter(HostMember::kConnectEvents);
    if (!handler) throw RuntimeError(kErrObjectRequired);
    const int32_t connection = ++menu_->last_connection;
    item_->handlers[connection] = std::move(handler);
    return connection;
  }

  // An unknown connection number is rejected as an invalid argument.
  void DisconnectEvents(int32_t& connection) override {
    menu_->Enter(HostMember::kDisconnectEvents, std::to_string(connection));
    if (item_->handlers.erase(connection) == 0) throw RuntimeError(kErrInvalidCall);
  }

  const std::shared_ptr<MenuItemState>& state() const { return item_; }

 private:
  std::shared_ptr<AddInsMenu::State> menu_;
  std::shared_ptr<MenuItemState> item_;
};

class Items : public VBMenuItems {
 public:
  explicit Items(std::shared_ptr<AddInsMenu::State> menu) : menu_(std::move(menu)) {}

  std::shared_ptr<VBMenuItem> Add(const std::string& caption) override {
    menu_->Enter(HostMember::kAdd, caption);
    auto item = std::make_shared<MenuItemState>();
    item->caption = caption;
    menu_->items.push_back(item);
    return std::make_shared<Item>(menu_, item);
  }

  // A missing item raises "Object variable not set" (91); an item that is not on
  // this menu (any more) is rejected as an invalid argument.
  void Remove(std::shared_ptr<VBMenuItem>& item) override {
    menu_->Enter(HostMember::kRemove);
    if (!item) throw RuntimeError(kErrObjectNotSet);
    auto* ours = dynamic_cast<Item*>(item.get());
    auto& items = menu_->items;
    auto found = ours ? std::find(items.begin(), items.end(), ours->state()) : items.end();
    if (found == items.end()) throw RuntimeError(kErrInvalidCall);
    items.erase(found);
  }

 private:
  std::shared_ptr<AddInsMenu::State> menu_;
};

}  // namespace

AddInsMenu::AddInsMenu(MemberHook hook) : state_(std::make_shared<State>()) {
  state_->hook = std::move(hook);
}

std::shared_ptr<VBMenuItems> AddInsMenu::MenuItems() {
  state_->Enter(HostMember::kMenuItems);
  return std::make_shared<Items>(state_);
}

std::vector<std::string> AddInsMenu::Captions() const {
  std::vector<std::string> captions;
  for (const auto& item : state_->items) captions.push_back(item->caption);
  return captions;
}

bool AddInsMenu::Click(size_t index) {
  if (index >= state_->items.size()) throw RuntimeError(kErrSubscriptOutOfRange);
  // A copy, so a handler may disconnect or remove the item while it runs.
  std::vector<std::shared_ptr<AddInEventHandler>> live;
  for (const auto& entry : state_->items[index]->handlers) {
    if (auto handler = entry.second.lock()) live.push_back(std::move(handler));
  }
  for (const auto& handler : live) handler->AfterClick();
  return !live.empty();
}

}  // namespace quillon
