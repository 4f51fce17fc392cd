// Component slot: the place a component kind (ZIP压缩) fills. The slot asks the
// kind to create its instance; the runtime answers the instance's requests
// as its host: find an instance, raise an event, an instance destroyed.
#include <algorithm>
#include <iterator>

#include "runtime/control_kinds.h"
#include "runtime/form_window.h"
#include "runtime/runtime_state.h"
#include "zip/component_host.h"

namespace rt {

namespace {
constexpr int kHandOverHost = 1;

class ComponentSlot final : public Control {
 public:
  ComponentSlot(FormWindow& form, const ControlDesc& desc) noexcept : Control(form, desc.id, desc.pointer), desc_(desc) {}

  bool Create(HWND parent) noexcept override;
  [[nodiscard]] zipc::ZIP压缩* Instance() const noexcept { return instance_; }
  void Forget() noexcept { instance_ = nullptr; }

 private:
  const ControlDesc& desc_;
  zipc::ZIP压缩* instance_ = nullptr;
};

ComponentSlot* SlotOf(uint32_t windowId, uint32_t controlId) noexcept {
  return dynamic_cast<ComponentSlot*>(FindControl({windowId, controlId}));
}

class RuntimeHost final : public zipc::ComponentHost {
 public:
  zipc::ZIP压缩* FindComponent(uint32_t windowId, uint32_t controlId) noexcept override {
    ComponentSlot* slot = SlotOf(windowId, controlId);
    return slot != nullptr ? slot->Instance() : nullptr;
  }

  // On the calling thread, whichever it is: the component's events come from the worker.
  int RaiseEvent(zipc::EventRecord& record) noexcept override {
    FormWindow* form = FindForm(record.windowId);
    const size_t count = std::min<size_t>(record.argumentCount, std::size(record.arguments));
    const bool bound = form != nullptr &&
                       form->Raise(record.controlId, static_cast<int32_t>(record.eventNumber),
                                   std::span<const int32_t>(record.arguments, count));
    // The handlers give back no value.
    record.hasReturn = 0;
    record.returnValue = 0;
    return bound ? 1 : 0;
  }

  void ComponentDestroyed(uint32_t windowId, uint32_t controlId) noexcept override {
    if (ComponentSlot* slot = SlotOf(windowId, controlId)) slot->Forget();
  }
};

bool ComponentSlot::Create(HWND parent) noexcept {
  const ComponentKindEntries* kind = desc_.component;
  if (kind == nullptr) return false;
  static RuntimeHost host;
  auto& handedOver = Runtime().componentKindsWithHost;
  if (std::find(handedOver.begin(), handedOver.end(), kind) == handedOver.end()) {
    kind->notify(kHandOverHost, &host);
    handedOver.push_back(kind);
  }
  // Never shown, whatever the form says.
  instance_ = kind->create(parent, desc_.left, desc_.top, desc_.width, desc_.height, WS_CHILD, form_.FormId(), Id());
  return instance_ != nullptr;
}
}  // namespace

std::unique_ptr<Control> MakeComponentSlot(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<ComponentSlot>(form, desc);
}

}  // namespace rt
