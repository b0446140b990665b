#include "ui/LettoreRtf.h"

#include "model/Codifica.h"
#include "ui/ParagrafiRtf.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>

#include <algorithm>
#include <cctype>
#include <compare>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double TwipPollice = 1440.0;
constexpr int TabPredefinito = 720;  // twips
constexpr int DimensionePredefinita = 24;  // half-points

enum class Destinazione { Testo, TabellaFont, TabellaColori, Salta };

// Character properties and the destination of one group.
struct StatoGruppo {
    Destinazione destinazione = Destinazione::Testo;
    int font = -1;  // -1: the default font
    int dimensione = DimensionePredefinita;
    int colore = -1;  // -1: the text colour of the box
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    auto operator<=>(const StatoGruppo&) const = default;
};

// Groups that hold no text of the document.
bool DestinazioneIgnorata(const std::string& parola) {
    return parola == "stylesheet" || parola == "info" || parola == "pict" ||
           parola == "header" || parola == "footer";
}

QString TestoDaByte(const std::string& byte) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8(QByteArrayView(byte.data(), static_cast<qsizetype>(byte.size())));
    if (!utf8.hasError()) return testo;
    return QString::fromStdString(Cp1252AUtf8(byte));
}

// Characters that insertText turns into a paragraph break: only a document
// read splits a run at them.
bool SpezzaParagrafo(const QString& testo) {
    return std::any_of(testo.begin(), testo.end(), [](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) ||
               c == QChar(0xFDD1);
    });
}

// Reads into the document of a cursor standing in its one empty paragraph,
// or into paragraphs alone, as long as the text has no table.
class Lettore {
public:
    Lettore(const QTextCursor& cursore, std::string_view rtf) : rtf_(rtf), cursore_(cursore) {}
    Lettore(std::vector<ParagrafoRtf>& paragrafi, std::string_view rtf)
        : rtf_(rtf), paragrafi_(&paragrafi) {
        paragrafi.assign(1, ParagrafoRtf{});
    }

    // False when paragraphs alone cannot carry the text.
    bool Leggi() {
        gruppi_.push_back({});
        while (pos_ < rtf_.size() && leggibile_) {
            const char c = rtf_[pos_++];
            switch (c) {
                case '{':
                    ScriviTesto();
                    gruppi_.push_back(gruppi_.back());
                    break;
                case '}':
                    ChiudiGruppo();
                    break;
                case '\\':
                    LeggiControllo();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    Carattere(c);
                    break;
            }
        }
        if (leggibile_) ScriviTesto();
        return leggibile_;
    }

private:
    StatoGruppo& Gruppo() { return gruppi_.back(); }

    void ChiudiGruppo() {
        ScriviTesto();
        if (Gruppo().destinazione == Destinazione::TabellaFont && !nomeFont_.empty())
            ChiudiFont();
        if (gruppi_.size() > 1) gruppi_.pop_back();
    }

    void Carattere(char c) {
        switch (Gruppo().destinazione) {
            case Destinazione::Salta:
                return;
            case Destinazione::TabellaFont:
                if (c == ';')
                    ChiudiFont();
                else
                    nomeFont_.push_back(c);
                return;
            case Destinazione::TabellaColori:
                if (c == ';') {
                    colori_.push_back(coloreInCorso_);
                    coloreInCorso_.reset();
                    formati_.clear();
                }
                return;
            case Destinazione::Testo:
                testo_.push_back(c);
                return;
        }
    }

    void ChiudiFont() {
        while (!nomeFont_.empty() && nomeFont_.front() == ' ') nomeFont_.erase(nomeFont_.begin());
        font_[fontInCorso_] = TestoDaByte(nomeFont_);
        nomeFont_.clear();
        formati_.clear();
    }

    void LeggiControllo() {
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            Simbolo(c);
            return;
        }
        std::string parola;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])))
            parola.push_back(rtf_[pos_++]);
        std::optional<int> parametro;
        std::string cifre;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') cifre.push_back(rtf_[pos_++]);
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_])))
            cifre.push_back(rtf_[pos_++]);
        if (!cifre.empty() && cifre != "-") parametro = std::stoi(cifre.substr(0, 10));
        // One space delimits the word and is not text.
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        Parola(parola, parametro);
    }

    void Simbolo(char c) {
        switch (c) {
            case '\'': {
                if (pos_ + 2 > rtf_.size()) return;
                const std::string esadecimale(rtf_.substr(pos_, 2));
                pos_ += 2;
                char* fine = nullptr;
                const long valore = std::strtol(esadecimale.c_str(), &fine, 16);
                if (fine != esadecimale.c_str() + 2) return;
                const std::string utf8 = Cp1252AUtf8(std::string(1, static_cast<char>(valore)));
                for (char b : utf8) Carattere(b);
                return;
            }
            case '*':
                Gruppo().destinazione = Destinazione::Salta;
                return;
            case '~':
                for (char b : std::string("\xC2\xA0")) Carattere(b);
                return;
            case '\r':
            case '\n':
                Paragrafo();
                return;
            case '\\':
            case '{':
            case '}':
                Carattere(c);
                return;
            default:  // \- optional hyphen, \_ and the rest
                return;
        }
    }

    void Parola(const std::string& parola, std::optional<int> n) {
        StatoGruppo& g = Gruppo();
        if (g.destinazione == Destinazione::Salta) return;
        const int valore = n.value_or(1);
        if (g.destinazione == Destinazione::TabellaColori) {
            if (!coloreInCorso_) coloreInCorso_ = QColor(0, 0, 0);
            if (parola == "red") coloreInCorso_->setRed(valore);
            else if (parola == "green") coloreInCorso_->setGreen(valore);
            else if (parola == "blue") coloreInCorso_->setBlue(valore);
            return;
        }
        if (g.destinazione == Destinazione::TabellaFont) {
            if (parola == "f") fontInCorso_ = valore;
            return;
        }
        if (parola == "fonttbl") {
            g.destinazione = Destinazione::TabellaFont;
        } else if (parola == "colortbl") {
            g.destinazione = Destinazione::TabellaColori;
        } else if (DestinazioneIgnorata(parola)) {
            g.destinazione = Destinazione::Salta;
        } else if (parola == "deff") {
            fontPredefinito_ = valore;
            formati_.clear();
        } else if (parola == "plain") {
            ScriviTesto();
            const Destinazione d = g.destinazione;
            g = StatoGruppo{};
            g.destinazione = d;
        } else if (parola == "f") {
            Formato([&] { g.font = valore; });
        } else if (parola == "fs") {
            Formato([&] { g.dimensione = valore; });
        } else if (parola == "cf") {
            Formato([&] { g.colore = valore; });
        } else if (parola == "b") {
            Formato([&] { g.grassetto = valore != 0; });
        } else if (parola == "i") {
            Formato([&] { g.corsivo = valore != 0; });
        } else if (parola == "ul") {
            Formato([&] { g.sottolineato = valore != 0; });
        } else if (parola == "ulnone") {
            Formato([&] { g.sottolineato = false; });
        } else if (parola == "par") {
            Paragrafo();
        } else if (parola == "line") {
            Carattere('\n');  // a line break inside the paragraph, see ScriviTesto
        } else if (parola == "tab") {
            Carattere('\t');
        } else if (parola == "pard") {
            ScriviTesto();
            FineTabella();
            tipoTab_ = QTextOption::LeftTab;
            ModificaParagrafo([](QTextBlockFormat& f) {
                f.setTabPositions({});
                f.setAlignment(Qt::AlignLeft);
            });
        } else if (parola == "tqr") {
            tipoTab_ = QTextOption::RightTab;
        } else if (parola == "tqc") {
            tipoTab_ = QTextOption::CenterTab;
        } else if (parola == "tx") {
            AggiungiTab(valore);
        } else if (parola == "ql" || parola == "qr" || parola == "qc" || parola == "qj") {
            const Qt::Alignment allinea = parola == "qr"   ? Qt::AlignRight
                                          : parola == "qc" ? Qt::AlignHCenter
                                          : parola == "qj" ? Qt::AlignJustify
                                                           : Qt::AlignLeft;
            ModificaParagrafo([&](QTextBlockFormat& f) { f.setAlignment(allinea); });
        } else if (parola == "u") {
            // A Unicode character, followed by one fallback character that is skipped.
            const QString carattere(QChar(static_cast<char16_t>(valore & 0xFFFF)));
            for (char b : carattere.toStdString()) Carattere(b);
            if (pos_ < rtf_.size() && rtf_[pos_] != '\\' && rtf_[pos_] != '{' && rtf_[pos_] != '}')
                ++pos_;
        } else if (parola == "trowd") {
            ScriviTesto();
            if (!rigaDefinita_) LasciaTabella();  // a new table after \pard
            bordiCelle_.clear();
            DefinisciRiga();
        } else if (parola == "intbl") {
            // A paragraph of the table after \pard: the last row definition
            // holds again.
            if (!bordiCelle_.empty()) DefinisciRiga();
        } else if (parola == "cellx") {
            bordiCelle_.push_back(valore);
        } else if (parola == "cell") {
            FineCella();
        } else if (parola == "row") {
            FineRiga();
        }
        // Any other word is skipped.
    }

    template <typename F>
    void Formato(F cambia) {
        ScriviTesto();
        cambia();
    }

    template <typename F>
    void ModificaParagrafo(F cambia) {
        ScriviTesto();
        if (paragrafi_ != nullptr) {
            cambia(paragrafi_->back().formato);
            return;
        }
        QTextBlockFormat formato = cursore_.blockFormat();
        cambia(formato);
        cursore_.setBlockFormat(formato);
    }

    void AggiungiTab(int twip) {
        const QTextOption::TabType tipo = tipoTab_;
        tipoTab_ = QTextOption::LeftTab;
        ModificaParagrafo([&](QTextBlockFormat& f) {
            QList<QTextOption::Tab> tab = f.tabPositions();
            tab.append(QTextOption::Tab(PixelDaTwip(twip), tipo));
            f.setTabPositions(tab);
        });
    }

    // One format for every run of the same properties: the document finds it
    // again without hashing its properties anew.
    const QTextCharFormat& FormatoCorrente() {
        auto [formato, nuovo] = formati_.try_emplace(Gruppo());
        if (nuovo) formato->second = FormatoDaStato(Gruppo());
        return formato->second;
    }

    QTextCharFormat FormatoDaStato(const StatoGruppo& g) const {
        QTextCharFormat f;
        auto font = font_.find(g.font);
        if (font == font_.end()) font = font_.find(fontPredefinito_);
        if (font != font_.end()) f.setFontFamilies({font->second});
        f.setFontPointSize(g.dimensione / 2.0);
        f.setFontWeight(g.grassetto ? QFont::Bold : QFont::Normal);
        f.setFontItalic(g.corsivo);
        f.setFontUnderline(g.sottolineato);
        if (g.colore >= 0 && g.colore < static_cast<int>(colori_.size()) && colori_[g.colore])
            f.setForeground(*colori_[g.colore]);
        return f;
    }

    // Text must go into a table cell when a row is defined, and leaves the
    // table when no row is.
    void PreparaPosizione() {
        if (rigaDefinita_ && !rigaAperta_) ApriRiga();
        if (rigaAperta_ && colonna_ >= tabella_->columns()) {
            // More cells than the row defined.
            tabella_->appendColumns(colonna_ - tabella_->columns() + 1);
            cursore_ = tabella_->cellAt(riga_, colonna_).firstCursorPosition();
        }
        if (!rigaDefinita_) LasciaTabella();
    }

    void ScriviTesto() {
        if (testo_.empty()) return;
        PreparaPosizione();
        QString testo = TestoDaByte(testo_);
        testo_.clear();
        testo.replace(QChar('\n'), QChar::LineSeparator);
        if (paragrafi_ == nullptr) {
            cursore_.insertText(testo, FormatoCorrente());
        } else if (SpezzaParagrafo(testo)) {
            leggibile_ = false;
        } else {
            paragrafi_->back().corse.push_back({std::move(testo), FormatoCorrente()});
        }
    }

    void Paragrafo() {
        ScriviTesto();
        PreparaPosizione();
        if (paragrafi_ == nullptr) {
            cursore_.insertBlock(cursore_.blockFormat(), FormatoCorrente());
            return;
        }
        ParagrafoRtf nuovo{
            .formato = paragrafi_->back().formato, .formatoCaratteri = FormatoCorrente(), .corse = {}};
        paragrafi_->push_back(std::move(nuovo));
    }

    void ApriRiga() {
        const int colonne = std::max<int>(1, static_cast<int>(bordiCelle_.size()));
        if (tabella_ == nullptr) {
            QTextTableFormat formato;
            formato.setCellPadding(PixelDaTwip(10));
            formato.setCellSpacing(0);
            formato.setBorderCollapse(true);
            formato.setBorder(1);
            QList<QTextLength> larghezze;
            int sinistra = 0;
            for (int bordo : bordiCelle_) {
                larghezze.append(QTextLength(QTextLength::FixedLength, PixelDaTwip(bordo - sinistra)));
                sinistra = bordo;
            }
            formato.setColumnWidthConstraints(larghezze);
            tabella_ = cursore_.insertTable(1, colonne, formato);
            riga_ = 0;
        } else {
            tabella_->appendRows(1);
            riga_ = tabella_->rows() - 1;
            if (tabella_->columns() < colonne)
                tabella_->appendColumns(colonne - tabella_->columns());
        }
        colonna_ = 0;
        rigaAperta_ = true;
        cursore_ = tabella_->cellAt(riga_, 0).firstCursorPosition();
    }

    void FineCella() {
        ScriviTesto();
        if (!rigaDefinita_) return;
        if (!rigaAperta_) ApriRiga();
        ++colonna_;
        if (colonna_ < tabella_->columns())
            cursore_ = tabella_->cellAt(riga_, colonna_).firstCursorPosition();
    }

    void FineRiga() {
        ScriviTesto();
        if (!rigaDefinita_) return;
        if (!rigaAperta_) ApriRiga();
        // The definition stays: rows that follow without \trowd inherit it.
        rigaAperta_ = false;
    }

    // Text goes into table cells from here, which only a document holds.
    void DefinisciRiga() {
        rigaDefinita_ = true;
        if (paragrafi_ != nullptr) leggibile_ = false;
    }

    // Text after \pard is outside the table, until \intbl or \trowd; the
    // table is left when such text comes, since \pard\intbl goes on with it.
    void FineTabella() { rigaDefinita_ = false; }

    void LasciaTabella() {
        if (tabella_ == nullptr) return;
        tabella_ = nullptr;
        rigaAperta_ = false;
        cursore_.movePosition(QTextCursor::End);
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    QTextCursor cursore_;
    std::vector<ParagrafoRtf>* paragrafi_ = nullptr;  // reading into paragraphs alone
    bool leggibile_ = true;
    std::vector<StatoGruppo> gruppi_;
    std::string testo_;  // bytes of the pending run

    std::map<int, QString> font_;
    int fontPredefinito_ = 0;
    int fontInCorso_ = 0;
    std::string nomeFont_;
    std::vector<std::optional<QColor>> colori_;
    std::optional<QColor> coloreInCorso_;
    std::map<StatoGruppo, QTextCharFormat> formati_;

    QTextOption::TabType tipoTab_ = QTextOption::LeftTab;

    std::vector<int> bordiCelle_;
    bool rigaDefinita_ = false;
    bool rigaAperta_ = false;
    QTextTable* tabella_ = nullptr;
    int riga_ = 0;
    int colonna_ = 0;
};

}  // namespace

double PixelDaTwip(double twip) {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const double dpi = schermo != nullptr ? schermo->logicalDotsPerInchX() : 96.0;
    return twip * dpi / TwipPollice;
}

void LeggiRtf(QTextDocument& documento, std::string_view rtf) {
    documento.setUndoRedoEnabled(false);
    // Setting the option lays the whole old text out again, even unchanged.
    QTextOption opzione = documento.defaultTextOption();
    if (opzione.tabStopDistance() != PixelDaTwip(TabPredefinito)) {
        opzione.setTabStopDistance(PixelDaTwip(TabPredefinito));
        documento.setDefaultTextOption(opzione);
    }
    QTextCursor blocco(&documento);
    blocco.beginEditBlock();
    blocco.select(QTextCursor::Document);
    blocco.removeSelectedText();
    blocco.setBlockFormat({});
    blocco.setBlockCharFormat({});
    Lettore(blocco, rtf).Leggi();
    blocco.endEditBlock();
}

std::optional<std::vector<ParagrafoRtf>> ParagrafiRtf(std::string_view rtf) {
    std::vector<ParagrafoRtf> paragrafi;
    if (!Lettore(paragrafi, rtf).Leggi()) return std::nullopt;
    return paragrafi;
}

void MostraRtf(QTextEdit& casella, std::string_view rtf) {
    casella.setReadOnly(true);
    LeggiRtf(*casella.document(), rtf);
    // A box scrolls to its cursor when shown: the text opens at its first line.
    casella.moveCursor(QTextCursor::Start);
}
