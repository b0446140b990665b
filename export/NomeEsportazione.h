#pragma once

#include <string>
#include <string_view>

// The file an export of one wall proposes: the wall file's folder and name
// with the export's extension ("/dati/P1.SET" and "DXF" give "/dati/P1.DXF";
// only the last extension changes, "A.B.SET" gives "A.B.DXF"). Empty when
// parete names no wall file (empty, or "ANONIMO" in any letter case).
[[nodiscard]] std::string FileEsportazioneDaParete(const std::string& parete,
                                                   std::string_view estensione);
