#pragma once

#include "ui/ParagrafiRtf.h"

#include <optional>
#include <string_view>
#include <vector>

class QTextDocument;
class QTextEdit;

// Our own reader of the rich text that the program writes (the information
// panel, the zone and ring-beam texts, the bill of quantities): it replaces
// the document's content with the text of rtf and its formats. It reads
// font and colour tables, runs (\plain, \b, \i, \ul, \f, \fs, \cf),
// paragraphs with their alignment and tab stops (\tqr, \tqc, \tx; default
// tabs every 720 twips), \tab, \line and tables (\trowd, \cellx, \cell,
// \row; a row without its own \trowd inherits the last definition, which
// holds until \pard and again from \intbl). One space after a control word is its delimiter; \'hh is a
// Windows-1252 byte, other text is UTF-8 as inside the program (a byte that
// is not UTF-8 is read as Windows-1252); a font missing from the table is
// the default font; unknown control words and {\* } groups are skipped.
void LeggiRtf(QTextDocument& documento, std::string_view rtf);

// The paragraphs that LeggiRtf writes for rtf, read without a document;
// nothing when rtf holds a table or a character that breaks a run into
// paragraphs, which only a document read gives.
[[nodiscard]] std::optional<std::vector<ParagrafoRtf>> ParagrafiRtf(std::string_view rtf);

// LeggiRtf into a text box that the user can read but not edit, shown from
// its first line.
void MostraRtf(QTextEdit& casella, std::string_view rtf);

// Twips in the document's units (pixels at the screen's logical resolution).
[[nodiscard]] double PixelDaTwip(double twip);
