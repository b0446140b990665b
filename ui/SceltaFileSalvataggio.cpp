#include "ui/SceltaFileSalvataggio.h"

#include "model/Finestra.h"
#include "ui/OspiteDialoghi.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> FileDaSalvareConConferma(QWidget* padre, OspiteDialoghi& dialoghi,
                                                const QString& titolo, const QString& filtro,
                                                const QString& proposto, const QString& cartella,
                                                const QString& estensione) {
    QString nome = proposto;
    if (!cartella.isEmpty() && QFileInfo(proposto).isRelative())
        nome = QDir(cartella).filePath(proposto);
    auto scelto = dialoghi.FileDaSalvare(padre, titolo, filtro, nome);
    if (!scelto) return std::nullopt;
    QString file = *scelto;
    const QFileInfo info(file);
    // "*.DXF" typed back as a name is no name.
    if (info.fileName().isEmpty() || info.fileName().startsWith('*')) return std::nullopt;
    if (info.suffix().isEmpty()) file += '.' + estensione;
    if (QFileInfo::exists(file) &&
        !dialoghi.Domanda(padre, QStringLiteral("%1 esiste gi\u00e0.\nSostituirlo?").arg(file), titolo,
                          IconaMessaggio::Esclamazione))
        return std::nullopt;
    return file;
}
