#include "runtime/properties.h"

#include "runtime/control.h"
#include "runtime/runtime_state.h"

namespace rt {

PropertyStatus WriteProperty(ControlRef control, int number, const PropertyValue& value) noexcept {
  PropertyStatus status = PropertyStatus::noSuchControl;
  auto write = [&]() noexcept {
    if (Control* target = FindControl(control)) status = target->Write(number, value);
  };
  OnGuiThread(write);
  return status;
}

PropertyRead ReadProperty(ControlRef control, int number) noexcept {
  PropertyRead read{PropertyStatus::noSuchControl, 0};
  auto fetch = [&]() noexcept {
    if (const Control* target = FindControl(control)) read = target->Read(number);
  };
  OnGuiThread(fetch);
  return read;
}

int32_t ReadIntProperty(ControlRef control, int number) noexcept {
  const PropertyRead read = ReadProperty(control, number);
  const int32_t* value = std::get_if<int32_t>(&read.value);
  return read.status == PropertyStatus::ok && value != nullptr ? *value : 0;
}

std::string ReadTextProperty(ControlRef control, int number) noexcept {
  PropertyRead read = ReadProperty(control, number);
  std::string* value = std::get_if<std::string>(&read.value);
  return read.status == PropertyStatus::ok && value != nullptr ? std::move(*value) : std::string();
}

}  // namespace rt
