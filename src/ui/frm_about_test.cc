// The About box on the headless window system: its layout and position, and how it closes.
#include "ui/frm_about.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/headless_window_system.h"

namespace quillon {
namespace {

TEST(AboutBoxTest, HasTheDesignedLayoutAndPosition) {
  struct Expected {
    const char* name;
    Rect bounds;
    double points;  // 0: the window's default font
    bool blue;
  };
  const std::vector<Expected> expected = {
      {"cmdOk", {1860, 2520, 855, 375}, 0, false},
      {"Label1", {300, 120, 3975, 315}, 9.75, false},
      {"Label2", {300, 600, 1515, 315}, 8.25, false},
      {"Label3", {1920, 600, 2355, 315}, 8.25, true},
      {"Label4", {300, 1020, 2175, 315}, 8.25, false},
      {"Label5", {300, 1260, 3195, 315}, 8.25, true},
  };
  HeadlessWindowSystem windows;
  bool checked = false;
  windows.SetShowHook([&](HeadlessWindow& w) {
    EXPECT_EQ(w.title(), "About Quillon");
    EXPECT_EQ(w.client_size().width, 4545);
    EXPECT_EQ(w.client_size().height, 3045);
    EXPECT_EQ(w.client_left(), 1365);
    EXPECT_EQ(w.client_top(), 1620);
    EXPECT_FALSE(w.icon().has_value());
    EXPECT_TRUE(w.menus().empty());
    std::vector<std::string> order;
    for (const Expected& e : expected) order.push_back(e.name);
    EXPECT_EQ(w.control_names(), order);
    for (const Expected& e : expected) {
      SCOPED_TRACE(e.name);
      const HeadlessControl& c = w.control(e.name);
      EXPECT_EQ(c.parent, "");
      EXPECT_EQ(c.bounds.left, e.bounds.left);
      EXPECT_EQ(c.bounds.top, e.bounds.top);
      EXPECT_EQ(c.bounds.width, e.bounds.width);
      EXPECT_EQ(c.bounds.height, e.bounds.height);
      EXPECT_FALSE(c.text.empty());
      if (e.points == 0) {
        EXPECT_TRUE(c.font.name.empty());
      } else {
        EXPECT_EQ(c.font.name, "Tahoma");
        EXPECT_DOUBLE_EQ(c.font.points, e.points);
      }
      ASSERT_EQ(c.color.has_value(), e.blue);
      if (e.blue) {
        EXPECT_EQ(c.color->red, 0);
        EXPECT_EQ(c.color->green, 0);
        EXPECT_EQ(c.color->blue, 255);
      }
    }
    EXPECT_EQ(w.control("cmdOk").kind, "button");
    EXPECT_EQ(w.control("cmdOk").text, "&Ok");
    EXPECT_EQ(w.control("Label4").text, "Check out Quillon at");
    EXPECT_EQ(w.control("Label1").text.find("Quillon"), 0u);
    checked = true;
    w.Press("cmdOk");
  });
  frmAbout(windows).Show();
  EXPECT_TRUE(checked);
}

TEST(AboutBoxTest, OkAndTheCloseControlCloseIt) {
  for (bool by_ok : {true, false}) {
    HeadlessWindowSystem windows;
    windows.SetShowHook([&](HeadlessWindow& w) {
      if (by_ok) {
        w.Press("cmdOk");
      } else {
        EXPECT_TRUE(w.Close());
      }
    });
    frmAbout(windows).Show();
    EXPECT_EQ(windows.journal(), (std::vector<std::string>{"load About Quillon",
                                                           "show About Quillon",
                                                           "unload About Quillon"}));
  }
}

}  // namespace
}  // namespace quillon
