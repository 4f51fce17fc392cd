#include "installer_globals.h"
#include "main_window.h"
#include "runtime/lifecycle.h"

int32_t StartInstaller() noexcept {
  rt::InitialiseRuntime();
  g_productNames = rt::TextArray();
  rt::RegisterEndRoutine(&ReleaseInstallerGlobals);
  rt::LoadWindow(MainWindowForm());
  rt::RunMessageLoop();
  return 0;
}
