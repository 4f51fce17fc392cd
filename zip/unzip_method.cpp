// The Unzip method and the event raiser behind UnzipProgress.
#include <cstdint>
#include <string>

#include "extraction.h"
#include "runtime_requests.h"
#include "unzip_context.h"
#include "zip_component.h"

namespace zipc {
namespace {

// Whole percentage of entries done, computed in double precision and
// truncated: 29 of 100 gives 28.
int Percentage(uint32_t index, uint32_t count) noexcept {
  if (count == 0) return 0;
  // Stored, so that the x87 unit rounds each step to double as SSE would.
  const volatile double quotient = static_cast<double>(index) / static_cast<double>(count);
  const volatile double percentage = quotient * 100.0;
  return static_cast<int>(percentage);
}

void RaiseUnzipProgress(uint32_t index, uint32_t count, const std::string&, UnzipContext& context) noexcept {
  if (context.component == nullptr) return;
  const int percentage = Percentage(index, count);
  if (!IsWindow(context.componentWindow)) return;
  EventRecord record{};
  record.windowId = context.component->WindowId();
  record.controlId = context.component->ControlId();
  record.eventNumber = ZIP压缩::kUnzipProgressEvent;
  record.argumentCount = 1;
  record.arguments[0] = percentage;
  const int answer = RequestRaiseEvent(record);
  // The handler gave back false: stop after this entry.
  if (answer != 0 && record.hasReturn == 1 && record.returnValue == 0 && IsWindow(context.componentWindow)) {
    context.stopFlag = 1;
  }
}

}  // namespace

int Unzip(ComponentRef component, const char* archivePath, const char* targetFolder) noexcept {
  UnzipContext context;
  context.component = RequestFindComponent(component.windowId, component.controlId);
  if (context.component != nullptr) context.componentWindow = context.component->Window();
  if (archivePath == nullptr || targetFolder == nullptr) return -1;
  context.progress = RaiseUnzipProgress;
  return ExtractArchive(context, archivePath, targetFolder);
}

}  // namespace zipc
