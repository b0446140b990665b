#pragma once

#include <optional>

// A value typed into a grid for a whole-number setting, to the nearest whole
// number (halves to even). No value when it does not fit the setting's
// 16-bit field, or is not a finite number.
[[nodiscard]] std::optional<int> Intero16Bit(float valore);
