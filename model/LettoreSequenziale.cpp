#include "model/LettoreSequenziale.h"

#include "model/Codifica.h"
#include "model/FileIntero.h"
#include "model/Testo.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace {

bool Spazio(char c) { return c == ' ' || c == '\t'; }

// Parses the whole token as T; false when any of it is not part of the number.
template <typename T>
bool Converti(std::string_view token, T& valore) {
    const char* inizio = token.data();
    const char* fine = token.data() + token.size();
    if (inizio != fine && *inizio == '+') {
        ++inizio;
        if (inizio != fine && *inizio == '-') return false;
    }
    const auto [ptr, errore] = std::from_chars(inizio, fine, valore, std::chars_format::general);
    return errore == std::errc() && ptr == fine && std::isfinite(valore);
}

}  // namespace

// The conversion goes byte by byte and never makes a line end, so the whole
// file converts at once as its lines would one by one.
LettoreSequenziale::LettoreSequenziale(std::string contenuto) {
    ContenutoFile file = ContenutoInCp1252(std::move(contenuto));
    if (file.Errore) {
        errore_ = std::move(file.Errore);
        return;
    }
    testo_ = SoloAscii(file.Byte) ? std::move(file.Byte) : Cp1252AUtf8(file.Byte);
    // Lines as std::getline splits them: after every LF, with no empty line
    // after a final LF; one CR before the LF belongs to the line end.
    for (std::size_t inizio = 0; inizio < testo_.size();) {
        const std::size_t accapo = testo_.find('\n', inizio);
        const std::size_t fine = accapo == std::string::npos ? testo_.size() : accapo;
        std::size_t lunghezza = fine - inizio;
        if (lunghezza > 0 && testo_[fine - 1] == '\r') --lunghezza;
        righe_.push_back({inizio, lunghezza});
        inizio = fine + 1;
    }
}

std::optional<LettoreSequenziale> LettoreSequenziale::Apri(const std::string& percorso) {
    std::optional<std::string> contenuto = LeggiFileIntero(percorso);
    if (!contenuto) return std::nullopt;
    return LettoreSequenziale(std::move(*contenuto));
}

std::string_view LettoreSequenziale::TestoRiga(int riga) const {
    return std::string_view(testo_).substr(righe_[riga].Inizio, righe_[riga].Lunghezza);
}

int LettoreSequenziale::NumeroRiga() const {
    const int totale = static_cast<int>(righe_.size());
    return riga_ < totale ? riga_ + 1 : totale;
}

const std::string& LettoreSequenziale::MotivoErrore() const {
    static const std::string nessuno;
    return errore_ ? *errore_ : nessuno;
}

void LettoreSequenziale::SegnalaErrore(const std::string& motivo) {
    if (!errore_) errore_ = motivo;
}

void LettoreSequenziale::SegnalaErroreRiga(const std::string& dettaglio) {
    SegnalaErroreRiga(NumeroRiga(), dettaglio);
}

void LettoreSequenziale::SegnalaErroreRiga(int riga, const std::string& dettaglio) {
    SegnalaErrore("Riga " + std::to_string(riga) + ": " + dettaglio);
}

void LettoreSequenziale::FineInattesa() {
    SegnalaErrore("Il file termina prima del previsto (dopo la riga " +
                  std::to_string(righe_.size()) + ").");
}

bool LettoreSequenziale::ColonnaVuota(int riga, int colonna) const {
    const std::string_view testo = TestoRiga(riga);
    for (std::size_t c = colonna; c < testo.size(); ++c)
        if (!Spazio(testo[c])) return false;
    return true;
}

bool LettoreSequenziale::FineFile() const {
    if (errore_) return true;  // nothing more can be read
    const int totale = static_cast<int>(righe_.size());
    for (int r = riga_; r < totale; ++r)
        if (!ColonnaVuota(r, r == riga_ ? colonna_ : 0)) return false;
    return true;
}

// Moves to the first character of the next item, across blanks and line ends.
bool LettoreSequenziale::InizioElemento() {
    if (errore_) return false;
    const int totale = static_cast<int>(righe_.size());
    while (riga_ < totale) {
        const std::string_view testo = TestoRiga(riga_);
        while (colonna_ < static_cast<int>(testo.size()) && Spazio(testo[colonna_])) ++colonna_;
        if (colonna_ < static_cast<int>(testo.size())) return true;
        ++riga_;
        colonna_ = 0;
    }
    FineInattesa();
    return false;
}

// Blanks after an item and one comma that separates it from the next belong to it.
void LettoreSequenziale::DopoElemento() {
    const std::string_view testo = TestoRiga(riga_);
    while (colonna_ < static_cast<int>(testo.size()) && Spazio(testo[colonna_])) ++colonna_;
    if (colonna_ < static_cast<int>(testo.size()) && testo[colonna_] == ',') ++colonna_;
}

std::string_view LettoreSequenziale::ElementoNumerico() {
    if (!InizioElemento()) return {};
    const std::string_view testo = TestoRiga(riga_);
    const int inizio = colonna_;
    while (colonna_ < static_cast<int>(testo.size()) && !Spazio(testo[colonna_]) &&
           testo[colonna_] != ',')
        ++colonna_;
    const std::string_view token = testo.substr(inizio, colonna_ - inizio);
    if (token.empty()) SegnalaErroreRiga("manca un valore numerico.");
    return token;
}

template <typename T>
T LettoreSequenziale::Numero() {
    const std::string_view token = ElementoNumerico();
    if (errore_) return T{};
    T valore{};
    if (!Converti(token, valore)) {
        SegnalaErroreRiga("\"" + std::string(token) + "\" non è un numero valido.");
        return T{};
    }
    DopoElemento();
    return valore;
}

double LettoreSequenziale::LeggiNumero() { return Numero<double>(); }

float LettoreSequenziale::LeggiReale() { return Numero<float>(); }

// Integer fields take a decimal value as a whole number, halves to even.
double LettoreSequenziale::Intero(double minimo, double massimo) {
    const std::string_view token = ElementoNumerico();
    if (errore_) return 0.0;
    double valore = 0.0;
    if (!Converti(token, valore)) {
        SegnalaErroreRiga("\"" + std::string(token) + "\" non è un numero valido.");
        return 0.0;
    }
    valore = std::nearbyint(valore);
    if (valore < minimo || valore > massimo) {
        SegnalaErroreRiga("il valore " + std::string(token) +
                          " è fuori dall'intervallo ammesso.");
        return 0.0;
    }
    DopoElemento();
    return valore;
}

int LettoreSequenziale::LeggiIntero16() { return static_cast<int>(Intero(-32768.0, 32767.0)); }

std::int32_t LettoreSequenziale::LeggiIntero32() {
    return static_cast<std::int32_t>(Intero(-2147483648.0, 2147483647.0));
}

std::string LettoreSequenziale::LeggiTesto() {
    if (!InizioElemento()) return {};
    const std::string_view testo = TestoRiga(riga_);
    std::string_view valore;
    if (testo[colonna_] == '"') {
        const std::size_t chiusura = testo.find('"', colonna_ + 1);
        const std::size_t fine = chiusura == std::string_view::npos ? testo.size() : chiusura;
        valore = testo.substr(colonna_ + 1, fine - colonna_ - 1);
        colonna_ = static_cast<int>(chiusura == std::string_view::npos ? fine : fine + 1);
    } else {
        std::size_t fine = testo.find(',', colonna_);
        if (fine == std::string_view::npos) fine = testo.size();
        valore = testo.substr(colonna_, fine - colonna_);
        while (!valore.empty() && Spazio(valore.back())) valore.remove_suffix(1);
        colonna_ = static_cast<int>(fine);
    }
    DopoElemento();
    return std::string(valore);
}

std::string LettoreSequenziale::LeggiCommento() {
    if (errore_ || riga_ >= static_cast<int>(righe_.size()) || ColonnaVuota(riga_, colonna_)) return {};
    return LeggiTesto();
}

std::string LettoreSequenziale::LeggiRiga() {
    if (errore_) return {};
    const int totale = static_cast<int>(righe_.size());
    if (riga_ < totale && colonna_ > 0 &&
        colonna_ >= static_cast<int>(righe_[riga_].Lunghezza)) {
        ++riga_;
        colonna_ = 0;
    }
    if (riga_ >= totale) {
        FineInattesa();
        return {};
    }
    std::string valore(TestoRiga(riga_).substr(colonna_));
    ++riga_;
    colonna_ = 0;
    return valore;
}

double VersioneDaRiga(const std::string& riga) {
    const std::size_t inizio = riga.find_first_not_of(" \t");
    if (inizio == std::string::npos) return -1;
    const std::string testo =
        MaiuscoloAscii(riga.substr(inizio, riga.find_last_not_of(" \t") - inizio + 1));
    if (testo.compare(0, 8, "VERSIONE") != 0) return -1;
    // The leading number of the rest, with a point as decimal separator:
    // what follows it (a comma, text) is not part of it; no number reads 0.
    const std::size_t cifre = testo.find_first_not_of(" \t", 8);
    if (cifre == std::string::npos) return 0.0;
    const char* numero = testo.data() + cifre;
    if (*numero == '+') ++numero;
    double valore = 0.0;
    const auto [fine, errore] =
        std::from_chars(numero, testo.data() + testo.size(), valore, std::chars_format::general);
    return errore == std::errc() ? valore : 0.0;
}
