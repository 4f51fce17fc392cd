#pragma once
// Move-only owners of system handles, and scoped GDI selections. Borrowed
// handles stay plain HWND / HDC / HANDLE.
#include <windows.h>
#include <objbase.h>

#include <utility>

#include "unique_owner.h"

namespace rt {

using common::UniqueHandle;
using common::UniqueOwner;

struct WindowTraits {
  static HWND Empty() noexcept { return nullptr; }
  static bool Valid(HWND h) noexcept { return h != nullptr; }
  static void Close(HWND h) noexcept { DestroyWindow(h); }
};
struct MemoryDcTraits {
  static HDC Empty() noexcept { return nullptr; }
  static bool Valid(HDC h) noexcept { return h != nullptr; }
  static void Close(HDC h) noexcept { DeleteDC(h); }
};
template <class Object>
struct GdiObjectTraits {
  static Object Empty() noexcept { return nullptr; }
  static bool Valid(Object h) noexcept { return h != nullptr; }
  static void Close(Object h) noexcept { DeleteObject(h); }
};
struct IconTraits {
  static HICON Empty() noexcept { return nullptr; }
  static bool Valid(HICON h) noexcept { return h != nullptr; }
  static void Close(HICON h) noexcept { DestroyIcon(h); }
};

using UniqueWindow = UniqueOwner<HWND, WindowTraits>;
using UniqueMemoryDc = UniqueOwner<HDC, MemoryDcTraits>;
using UniqueBitmap = UniqueOwner<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueOwner<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueOwner<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniqueIcon = UniqueOwner<HICON, IconTraits>;

// Selects an object into a DC and puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A COM interface pointer released when it goes.
template <class Interface>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    Reset();
    pointer_ = std::exchange(other.pointer_, nullptr);
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { Reset(); }

  [[nodiscard]] Interface* operator->() const noexcept { return pointer_; }
  [[nodiscard]] explicit operator bool() const noexcept { return pointer_ != nullptr; }
  // For the calls that hand out a new pointer.
  [[nodiscard]] void** Out() noexcept {
    Reset();
    return reinterpret_cast<void**>(&pointer_);
  }
  void Reset() noexcept {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace rt
