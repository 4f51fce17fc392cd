#pragma once
// The component's requests to the form runtime, through the host it was
// handed; each answers 0 (or null) until a host has been handed over.
#include <cstdint>

#include "component_host.h"

namespace zipc {

[[nodiscard]] ZIP压缩* RequestFindComponent(uint32_t windowId, uint32_t controlId) noexcept;
[[nodiscard]] int RequestRaiseEvent(EventRecord& record) noexcept;
void RequestComponentDestroyed(uint32_t windowId, uint32_t controlId) noexcept;

}  // namespace zipc
