#include "installer_globals.h"

#include "runtime/lifecycle.h"

rt::TextArray g_productNames;
int32_t g_productNumber = 0;
std::string g_productName;
std::string g_productListText;

// The branding, fixed when the program is built.
const Branding kBuildBranding{INSTALLER_PRODUCT_LIST, INSTALLER_PRODUCT_NUMBER};
const char* const kBrandFolder = INSTALLER_BRAND_FOLDER;

namespace {
// Frees the text's storage, not only its contents.
void Free(std::string& text) noexcept { std::string().swap(text); }
}  // namespace

void SelectProduct(const Branding& branding) noexcept {
  g_productNumber = branding.productNumber;
  g_productListText = branding.productList;
  rt::TextArray names = rt::SplitText(g_productListText, '|');
  g_productNames = std::move(names);
  if (!g_productNames.InRange(g_productNumber)) {
    rt::FatalRuntimeError(rt::fatal::kIndexOutOfRange, "产品编号超出产品列表范围");
  }
  g_productName = g_productNames.At(g_productNumber);
}

void ReleaseInstallerGlobals() noexcept {
  g_productNames.Clear();
  Free(g_productName);
  Free(g_productListText);
}
