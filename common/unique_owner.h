#pragma once
// The one move-only owner template of the project: a handle and the traits
// that say which value is empty, which values are valid and how to close one.
// The ZIP component and the form runtime define their handle kinds over it.
#include <windows.h>

#include <utility>

namespace common {

template <class Handle, class Traits>
class UniqueOwner {
 public:
  UniqueOwner() noexcept = default;
  explicit UniqueOwner(Handle handle) noexcept : handle_(handle) {}
  UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueOwner(const UniqueOwner&) = delete;
  UniqueOwner& operator=(const UniqueOwner&) = delete;
  ~UniqueOwner() { reset(); }

  [[nodiscard]] Handle get() const noexcept { return handle_; }
  [[nodiscard]] explicit operator bool() const noexcept { return Traits::Valid(handle_); }
  [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Traits::Empty()); }
  void reset(Handle handle = Traits::Empty()) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (Traits::Valid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Empty();
};

// Kernel handles: CreateFile gives INVALID_HANDLE_VALUE, most others null.
struct KernelHandleTraits {
  static HANDLE Empty() noexcept { return nullptr; }
  static bool Valid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
using UniqueHandle = UniqueOwner<HANDLE, KernelHandleTraits>;

}  // namespace common
