#pragma once

#include <QString>

#include <optional>

class OspiteDialoghi;
class QWidget;

// A save dialog through the host that behaves as the program's own: the
// proposed name (with its folder, or in cartella when it has none), the
// extension added to a name typed without one, and the question before an
// existing file is replaced. No value when cancelled or not confirmed.
std::optional<QString> FileDaSalvareConConferma(QWidget* padre, OspiteDialoghi& dialoghi,
                                                const QString& titolo, const QString& filtro,
                                                const QString& proposto, const QString& cartella,
                                                const QString& estensione);
