#pragma once

#include <QString>
#include <QTextFormat>

#include <span>
#include <vector>

class QTextDocument;

// One run of text as the reader inserts it, with its format.
struct CorsaRtf {
    QString testo;
    QTextCharFormat formato;
    bool operator==(const CorsaRtf&) const = default;
};

// One paragraph of a text without tables, as the reader writes it: its
// formats and its runs in the order they are inserted.
struct ParagrafoRtf {
    QTextBlockFormat formato;
    QTextCharFormat formatoCaratteri;  // of the paragraph itself, for text typed into it
    std::vector<CorsaRtf> corse;
    bool operator==(const ParagrafoRtf&) const = default;
};

// documento holds vecchi as LeggiRtf wrote them; it is left as LeggiRtf would
// leave it for the text of nuovi, by rewriting in one edit only the
// paragraphs between the ones equal at the start and at the end, so that a
// box showing it lays out and shapes only those. False, with documento
// untouched, when it does not hold as many paragraphs as vecchi.
[[nodiscard]] bool RiscriviParagrafi(QTextDocument& documento, std::span<const ParagrafoRtf> vecchi,
                                     std::span<const ParagrafoRtf> nuovi);
