// The main window's icon: a well-formed 32 × 32 XPM in 16 colours, a figure on grey.
#include "ui/icon.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

namespace quillon {
namespace {

TEST(IconTest, IsA32By32ImageIn16ColoursOfAFigureOnGrey) {
  const char* const* xpm = QuillonIcon().xpm;
  ASSERT_NE(xpm, nullptr);
  std::istringstream header(xpm[0]);
  int width = 0, height = 0, colours = 0, chars = 0;
  header >> width >> height >> colours >> chars;
  ASSERT_EQ(width, 32);
  ASSERT_EQ(height, 32);
  ASSERT_EQ(colours, 16);
  ASSERT_EQ(chars, 1);

  std::map<char, std::string> palette;
  std::set<std::string> values;
  for (int i = 1; i <= colours; ++i) {
    const std::string line = xpm[i];
    ASSERT_EQ(line.substr(1, 3), " c ") << line;
    palette[line[0]] = line.substr(4);
    values.insert(line.substr(4));
  }
  EXPECT_EQ(palette.size(), 16u);
  EXPECT_EQ(values.size(), 16u);

  std::map<std::string, int> counts;
  for (int row = 0; row < height; ++row) {
    const std::string pixels = xpm[1 + colours + row];
    ASSERT_EQ(pixels.size(), 32u) << "row " << row;
    for (char p : pixels) {
      ASSERT_EQ(palette.count(p), 1u) << "row " << row;
      ++counts[palette[p]];
    }
  }
  const int grey = counts["#C0C0C0"];
  EXPECT_GT(grey, 32 * 32 / 2);  // the square
  EXPECT_GT(32 * 32 - grey - 4 * 31, 100);  // the figure, beyond the bevel
}

}  // namespace
}  // namespace quillon
