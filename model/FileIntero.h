#pragma once

#include <optional>
#include <string>

// The bytes of the regular file percorso as stored on disk; nothing when it
// is not a regular file or cannot be read to the end.
[[nodiscard]] std::optional<std::string> LeggiFileIntero(const std::string& percorso);

// True when nothing is at percorso: the file, or a folder on its path, is
// gone (moved, renamed or deleted). False too when that cannot be told.
[[nodiscard]] bool FileScomparso(const std::string& percorso);
