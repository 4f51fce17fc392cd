// The close "×" and the close button end the program at once, without asking.
#include "handlers.h"
#include "runtime/lifecycle.h"

void OnCloseLabelReleased(int32_t, int32_t, int32_t) noexcept { rt::EndProgram(0); }

void OnCloseButtonClicked() noexcept { rt::EndProgram(0); }
