#pragma once
// The handlers bound in the main window's event table.
#include <cstdint>

void OnMainWindowCreated() noexcept;
void OnCloseLabelReleased(int32_t x, int32_t y, int32_t keys) noexcept;
void OnCloseButtonClicked() noexcept;
