#pragma once

#include "ui/ParagrafiRtf.h"

#include <QPlainTextEdit>

#include <optional>
#include <string>
#include <vector>

struct Sessione;

// The information panel ("RichTextBox1" of the side column): a read-only box
// that shows one rich-text document at a time. The window places it in the
// side column and calls InfoArm / InfoNodo / RichiestaNodo below.
// A plain-text box lays out only the lines in view, where a rich-text box
// lays out every changed line at once: a new zone renumbers the positions
// after it, so every later line of the summary changes on each change and
// each undo. Its layout draws the runs' fonts, sizes and colours but no
// paragraph alignment, tab stop or table, so the panel's texts use none of
// them (the default tab stops serve).
class PannelloInfo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PannelloInfo(QWidget* parent = nullptr);

    // Replaces the whole content with rtf (empty empties the panel). The
    // same text again changes nothing, so the reader keeps its place; a new
    // text starts at the top.
    void ImpostaRtf(const std::string& rtf);
    [[nodiscard]] const std::string& Rtf() const { return rtf_; }

private:
    std::string rtf_;
    // The paragraphs of rtf_, when it has no table: a new text rewrites only
    // the ones that differ, so that the box lays out only those.
    std::optional<std::vector<ParagrafoRtf>> paragrafi_;
};

// The summary of the reinforcement provided by the open wall.
void InfoArm(const Sessione& sessione, PannelloInfo& pannello);
// The area balance of node i, areas in the default locale's decimal
// separator. An index outside the nodes leaves the panel as it is.
void InfoNodo(const Sessione& sessione, PannelloInfo& pannello, int i);
// The prompt of the node-information mode.
void RichiestaNodo(PannelloInfo& pannello);
