// SelectProduct and the end routine over the product globals.
#include <gtest/gtest.h>

#include <cstdio>

#include "installer_globals.h"
#include "runtime/lifecycle.h"

namespace {

TEST(ProductSelection, ShippedBrandingSelectsProductI) {
  SelectProduct();
  EXPECT_EQ(g_productNames.Count(), 16);
  EXPECT_EQ(g_productNumber, 9);
  EXPECT_EQ(g_productName, "Lunetra Product I");
  EXPECT_EQ(g_productListText.substr(0, 18), "Lunetra Product A|");
  EXPECT_STREQ(kBrandFolder, "Lunetra软件\\");
}

TEST(ProductSelection, SeparatorsDecideTheNumbering) {
  struct Case {
    Branding branding;
    int32_t count;
    const char* name;
  };
  const Case cases[] = {
      {{"A|B|C|", 3}, 3, "C"},   // a trailing separator adds no name
      {{"A||B|C", 3}, 4, "B"},   // two side by side shift the later names by one
      {{"A||B|C", 2}, 4, ""},
      {{"软件A|软件B", 2}, 2, "软件B"},
  };
  for (const Case& c : cases) {
    SelectProduct(c.branding);
    EXPECT_EQ(g_productNames.Count(), c.count) << c.branding.productList;
    EXPECT_EQ(g_productName, c.name) << c.branding.productList;
  }
}

TEST(ProductSelection, ReleaseFreesTheGlobals) {
  SelectProduct();
  ReleaseInstallerGlobals();
  EXPECT_EQ(g_productNames.Count(), 0);
  EXPECT_TRUE(g_productName.empty());
  EXPECT_TRUE(g_productListText.empty());
}

void ReportToStderr(int32_t code, const char* message) noexcept { std::fprintf(stderr, "fatal %d: %s\n", code, message); }
void MarkEndRoutine() { std::fprintf(stderr, "end routine ran\n"); }

TEST(ProductSelectionDeathTest, NumberOutsideTheListIsFatalWithoutTheEndRoutine) {
  rt::ReplaceFatalErrorReporter(ReportToStderr);
  rt::RegisterEndRoutine(&MarkEndRoutine);
  for (const int32_t number : {0, 17, -1}) {
    const Branding branding{kBuildBranding.productList, number};
    // The end routine would print after the report; the pattern ends at the report.
    EXPECT_EXIT(SelectProduct(branding), testing::ExitedWithCode(-1), "^fatal 9: .*\n$") << number;
  }
  rt::RegisterEndRoutine(nullptr);
}

}  // namespace
