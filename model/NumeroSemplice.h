#pragma once

#include <string>

// A number shown without a fixed format (grid values, parts of the
// information texts): its shortest decimal text with a point, preceded by a
// blank when it is not negative (12 shows as " 12", 12.5 as " 12.5").
[[nodiscard]] std::string NumeroSemplice(float x);
[[nodiscard]] std::string NumeroSemplice(int x);
