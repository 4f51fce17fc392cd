#pragma once
// The seam between the ZIP component and the form runtime that carries it.
// The runtime implements ComponentHost and hands it to the component kind
// (ZipComponentKind::Notify with kHandOverHost); the component then sends its
// three requests through it. Tests fill it with a small fake.
#include <windows.h>

#include <cstdint>

namespace zipc {

class ZIP压缩;

// The block handed over with the raise-event request. The runtime reads the
// first five fields and writes the last two.
struct EventRecord {
  uint32_t windowId;
  uint32_t controlId;
  uint32_t eventNumber;
  uint32_t argumentCount;
  int32_t arguments[5];
  int32_t hasReturn;
  int32_t returnValue;
};
static_assert(sizeof(EventRecord) == 44, "the record's layout is fixed");

class ComponentHost {
 public:
  // Request numbers, as the runtime knows them.
  static constexpr int kFindComponent = 2007;
  static constexpr int kRaiseEvent = 2008;
  static constexpr int kComponentDestroyed = 2000;

  // 2007: the instance that the form's window id and control id name, or
  // null (the runtime reports its error then).
  [[nodiscard]] virtual ZIP压缩* FindComponent(uint32_t windowId, uint32_t controlId) noexcept = 0;
  // 2008: calls the bound handler synchronously on the calling thread;
  // nonzero when a handler was found and called.
  [[nodiscard]] virtual int RaiseEvent(EventRecord& record) noexcept = 0;
  // 2000: the instance's window has been destroyed.
  virtual void ComponentDestroyed(uint32_t windowId, uint32_t controlId) noexcept = 0;

 protected:
  ~ComponentHost() = default;
};

}  // namespace zipc
