#pragma once
// The numbered property interface, callable from any thread: a call made off
// the GUI thread is carried out there, synchronously, while the caller waits,
// in the order the calls are made.
#include <cstdint>
#include <string>
#include <variant>

#include "runtime/form.h"

namespace rt {

namespace prop {
// The same for the window and every control.
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
inline constexpr int kTag = 4;
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
inline constexpr int kMousePointer = 7;
// Labels and transparent labels.
inline constexpr int kCaption = 8;
// Progress bar: each value limited to 0 ... 32767.
inline constexpr int kMinimum = 11;
inline constexpr int kMaximum = 12;
inline constexpr int kPosition = 13;
// Picture button: picture data; an empty array removes the picture.
inline constexpr int kNormalPicture = 10;
inline constexpr int kHotPicture = 11;
inline constexpr int kPressedPicture = 12;
inline constexpr int kDisabledPicture = 13;
// Timer.
inline constexpr int kInterval = 8;
}  // namespace prop

// An integer (booleans as 0 / 1), a text, or picture data.
using PropertyValue = std::variant<int32_t, std::string, PictureData>;

enum class [[nodiscard]] PropertyStatus { ok, noSuchControl, noSuchProperty, wrongValueKind };

struct [[nodiscard]] PropertyRead {
  PropertyStatus status;
  PropertyValue value;
};

PropertyStatus WriteProperty(ControlRef control, int number, const PropertyValue& value) noexcept;
PropertyRead ReadProperty(ControlRef control, int number) noexcept;

// Reads that give 0 or an empty text when the property cannot be read.
[[nodiscard]] int32_t ReadIntProperty(ControlRef control, int number) noexcept;
[[nodiscard]] std::string ReadTextProperty(ControlRef control, int number) noexcept;

}  // namespace rt
