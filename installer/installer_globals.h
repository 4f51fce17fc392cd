#pragma once
// The program's global state: the branding's product list and the product
// this build installs. Written only by SelectProduct during the created
// event, before any worker exists; only read afterwards.
#include <cstdint>
#include <string>

#include "runtime/text.h"

extern rt::TextArray g_productNames;
extern int32_t g_productNumber;
extern std::string g_productName;
extern std::string g_productListText;

// What a build fixes: the product list and which of its names is installed.
struct Branding {
  const char* productList;
  int32_t productNumber;
};
extern const Branding kBuildBranding;
// The brand folder below the drive root, ending in a backslash.
extern const char* const kBrandFolder;

// Splits the product list and takes this build's product; a product number
// outside the list is a fatal run-time error.
void SelectProduct(const Branding& branding = kBuildBranding) noexcept;

// The end routine: frees the product globals.
void ReleaseInstallerGlobals() noexcept;

// The program's entry, on the GUI thread.
[[nodiscard]] int32_t StartInstaller() noexcept;
