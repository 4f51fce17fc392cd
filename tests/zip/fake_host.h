#pragma once
// A form runtime in miniature for the component's tests: it finds the one
// component, records every event and can answer false to stop.
#include <windows.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "zip_component.h"

namespace ziptest {

class FakeHost final : public zipc::ComponentHost {
 public:
  zipc::ZIP压缩* component = nullptr;
  std::vector<int> events;
  std::vector<zipc::EventRecord> records;
  std::optional<std::size_t> stopAtEvent;  // answer false to this event (0-based)
  std::function<void()> onEvent;           // runs inside the handler
  std::vector<std::pair<uint32_t, uint32_t>> destroyed;

  zipc::ZIP压缩* FindComponent(uint32_t windowId, uint32_t controlId) noexcept override {
    return component != nullptr && component->WindowId() == windowId && component->ControlId() == controlId ? component
                                                                                                            : nullptr;
  }
  int RaiseEvent(zipc::EventRecord& record) noexcept override {
    records.push_back(record);
    events.push_back(record.arguments[0]);
    if (onEvent) onEvent();
    if (stopAtEvent == events.size() - 1) {
      record.hasReturn = 1;
      record.returnValue = 0;
    }
    return 1;
  }
  void ComponentDestroyed(uint32_t windowId, uint32_t controlId) noexcept override {
    destroyed.emplace_back(windowId, controlId);
    component = nullptr;
  }
};

// The host handed over and one component on a hidden parent, for a test's life.
class HostedComponent {
 public:
  static constexpr uint32_t kWindowId = 7;
  static constexpr uint32_t kControlId = 3;

  HostedComponent() {
    (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, &host);
    parent = CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    host.component = zipc::ZIP压缩::Create(parent, 1, 2, 30, 40, 0, kWindowId, kControlId);
  }
  HostedComponent(const HostedComponent&) = delete;
  HostedComponent& operator=(const HostedComponent&) = delete;
  ~HostedComponent() {
    DestroyWindow(parent);
    (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, nullptr);
  }

  [[nodiscard]] int Unzip(const char* archive, const char* target) noexcept {
    return zipc::Unzip({kWindowId, kControlId}, archive, target);
  }

  FakeHost host;
  HWND parent = nullptr;
};

}  // namespace ziptest
