#include "ui/ParagrafiRtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

void Scrivi(QTextCursor& c, const ParagrafoRtf& paragrafo) {
    for (const CorsaRtf& corsa : paragrafo.corse) c.insertText(corsa.testo, corsa.formato);
}

// Joining and splitting paragraphs leaves the formats at the edges of the
// edit to Qt's rules; the paragraph takes its own where they differ.
void AllineaFormati(QTextDocument& documento, int n, const ParagrafoRtf& paragrafo) {
    QTextCursor c(documento.findBlockByNumber(n));
    if (c.blockFormat() != paragrafo.formato) c.setBlockFormat(paragrafo.formato);
    if (c.blockCharFormat() != paragrafo.formatoCaratteri) c.setBlockCharFormat(paragrafo.formatoCaratteri);
}

}  // namespace

bool RiscriviParagrafi(QTextDocument& documento, std::span<const ParagrafoRtf> vecchi,
                       std::span<const ParagrafoRtf> nuovi) {
    const int na = static_cast<int>(vecchi.size());
    const int nb = static_cast<int>(nuovi.size());
    if (documento.blockCount() != na) return false;
    int prima = 0;  // paragraphs equal at the start
    while (prima < std::min(na, nb) && vecchi[prima] == nuovi[prima]) ++prima;
    int dopo = 0;  // and at the end, apart from those
    while (dopo < std::min(na, nb) - prima && vecchi[na - 1 - dopo] == nuovi[nb - 1 - dopo]) ++dopo;
    const int tolti = na - prima - dopo;
    const int messi = nb - prima - dopo;
    if (tolti == 0 && messi == 0) return true;

    QTextCursor c(&documento);
    c.beginEditBlock();
    // One empty paragraph stands at index prima in place of the old ones.
    if (tolti > 0) {
        const QTextBlock ultimo = documento.findBlockByNumber(prima + tolti - 1);
        c.setPosition(documento.findBlockByNumber(prima).position());
        c.setPosition(ultimo.position() + ultimo.length() - 1, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    } else if (prima < na) {
        c.setPosition(documento.findBlockByNumber(prima).position());
        c.insertBlock();
        c.movePosition(QTextCursor::PreviousBlock);
    } else {
        c.movePosition(QTextCursor::End);
        c.insertBlock();
    }
    if (messi == 0) {
        // None in its place: joined to the paragraph after it, or to the one
        // before when it is the last.
        if (dopo > 0)
            c.deleteChar();
        else
            c.deletePreviousChar();
    } else {
        Scrivi(c, nuovi[prima]);
        for (int k = prima + 1; k < prima + messi; ++k) {
            c.insertBlock(nuovi[k].formato, nuovi[k].formatoCaratteri);
            Scrivi(c, nuovi[k]);
        }
    }
    for (int k = std::max(0, prima - 1); k <= std::min(nb - 1, prima + messi); ++k)
        AllineaFormati(documento, k, nuovi[k]);
    c.endEditBlock();
    return true;
}
