#pragma once

#include <string>

// Whether data (the wall file's date stored in its reinforcement file) and
// dataFileSet (the date of the wall file as just read) denote the same save
// of the wall file. Dates are "dd/MM/yyyy hh:mm:ss". Equal day, minute and an
// hour apart at most count as the same save (a change of daylight-saving
// time); the seconds are not compared. A text written with points
// ("08.12.2026 22.45.10") is rewritten in place with slashes and colons. A
// text that cannot be read as a date counts as a different save.
[[nodiscard]] bool ConfrontaDate(std::string& data, std::string& dataFileSet);
