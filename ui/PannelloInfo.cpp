#include "ui/PannelloInfo.h"

#include "export/TestoInfoArm.h"
#include "export/TestoInfoNodo.h"
#include "model/Sessione.h"
#include "ui/LettoreRtf.h"

#include <QLocale>
#include <QScrollBar>

PannelloInfo::PannelloInfo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
}

void PannelloInfo::ImpostaRtf(const std::string& rtf) {
    if (rtf == rtf_) return;
    rtf_ = rtf;
    std::optional<std::vector<ParagrafoRtf>> paragrafi = ParagrafiRtf(rtf_);
    if (!paragrafi || !paragrafi_ || !RiscriviParagrafi(*document(), *paragrafi_, *paragrafi))
        LeggiRtf(*document(), rtf_);
    paragrafi_ = std::move(paragrafi);
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

void InfoArm(const Sessione& sessione, PannelloInfo& pannello) {
    pannello.ImpostaRtf(TestoInfoArm(sessione.parete));
}

void InfoNodo(const Sessione& sessione, PannelloInfo& pannello, int i) {
    const std::string separatore = QLocale().decimalPoint().toStdString();
    if (const auto testo = TestoInfoNodo(sessione.parete, sessione.stato, i, separatore))
        pannello.ImpostaRtf(*testo);
}

void RichiestaNodo(PannelloInfo& pannello) { pannello.ImpostaRtf(TestoSceltaNodo()); }
