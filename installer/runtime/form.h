#pragma once
// How a window is described to the runtime: a plain table of controls and a
// table of event bindings. The runtime builds the window from it in one go.
#include <windows.h>

#include <cstdint>
#include <span>
#include <variant>

namespace zipc {
class ComponentHost;
class ZIP压缩;
}  // namespace zipc

namespace rt {

// A window number and a control number; control 0 names the window itself.
struct ControlRef {
  uint32_t windowId;
  uint32_t controlId;
};
inline constexpr uint32_t kWindowItself = 0;

enum class ControlKind { pictureBox, label, transparentLabel, progressBar, pictureButton, timer, component };
enum class DisplayMode { topLeft, stretched, centred };
// Values of property 7.
enum MousePointer : int32_t { kPointerArrow = 0, kPointerHand = 1 };

// Marks a colour the system chooses (button face for a background).
inline constexpr COLORREF kSystemColour = CLR_INVALID;

// The bytes of a picture file (JPEG, icon, ...); empty means no picture.
using PictureData = std::span<const unsigned char>;

// A stored font; the character set, precisions and pitch are the system's.
struct FontDesc {
  int height = 0;
  int width = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The entries of a component kind that fills a component slot: its
// notification entry (request 1 hands over the host) and its create request.
struct ComponentKindEntries {
  int (*notify)(int request, zipc::ComponentHost* host) noexcept;
  zipc::ZIP压缩* (*create)(HWND parent, int left, int top, int width, int height, DWORD style, uint32_t windowId,
                           uint32_t controlId) noexcept;
};

struct ControlDesc {
  uint32_t id = 0;
  const char* name = "";
  ControlKind kind = ControlKind::label;
  uint32_t parentId = kWindowItself;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  const char* caption = "";
  COLORREF textColour = kSystemColour;
  COLORREF backColour = kSystemColour;
  const FontDesc* font = nullptr;  // null: the system's default GUI font
  bool border = false;             // a single-line frame
  DisplayMode displayMode = DisplayMode::topLeft;
  PictureData picture{};           // picture box, or a button's normal picture
  PictureData hotPicture{};
  PictureData pressedPicture{};
  PictureData disabledPicture{};
  int32_t pointer = kPointerArrow;
  int32_t rangeMaximum = 100;      // progress bar
  uint32_t interval = 0;           // timer, in milliseconds; 0 never fires
  const ComponentKindEntries* component = nullptr;  // component slot
};

// Handlers take no arguments, one (a component's event) or three (a mouse
// event: x, y, key state with 1 Ctrl, 2 Shift, 4 Alt).
using EventHandler = std::variant<void (*)(), void (*)(int32_t), void (*)(int32_t, int32_t, int32_t)>;

// Event numbers: 0 created (window) or clicked (button) or tick (timer);
// the component's own events from 1; the mouse events of every visible control:
inline constexpr int32_t kEventCreated = 0;
inline constexpr int32_t kEventClicked = 0;
inline constexpr int32_t kEventTimer = 0;
inline constexpr int32_t kEventMousePressed = -1;
inline constexpr int32_t kEventMouseReleased = -2;

struct EventBinding {
  uint32_t controlId;
  int32_t eventNumber;
  EventHandler handler;
};

struct WindowDesc {
  uint32_t id = 1;
  const char* title = "";
  int width = 0, height = 0;
  COLORREF backColour = kSystemColour;
  const char* iconResource = nullptr;  // the icon group serving as large and small icon
  std::span<const ControlDesc> controls;  // stacking order within a parent: first on top
  std::span<const EventBinding> events;
};

}  // namespace rt
