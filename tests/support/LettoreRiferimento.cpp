#include "LettoreRiferimento.h"

#include "model/Codifica.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace {

bool Spazio(char c) { return c == ' ' || c == '\t'; }

// Parses the whole token as T; false when any of it is not part of the number.
template <typename T>
bool Converti(const std::string& token, T& valore) {
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

LettoreRiferimento::LettoreRiferimento(const std::string& contenuto) {
    std::istringstream ingresso(contenuto);
    std::string riga;
    while (::LeggiRiga(ingresso, riga)) righe_.push_back(Cp1252AUtf8(riga));
}

int LettoreRiferimento::NumeroRiga() const {
    const int totale = static_cast<int>(righe_.size());
    return riga_ < totale ? riga_ + 1 : totale;
}

const std::string& LettoreRiferimento::MotivoErrore() const {
    static const std::string nessuno;
    return errore_ ? *errore_ : nessuno;
}

void LettoreRiferimento::SegnalaErrore(const std::string& motivo) {
    if (!errore_) errore_ = motivo;
}

void LettoreRiferimento::SegnalaErroreRiga(const std::string& dettaglio) {
    SegnalaErrore("Riga " + std::to_string(NumeroRiga()) + ": " + dettaglio);
}

void LettoreRiferimento::FineInattesa() {
    SegnalaErrore("Il file termina prima del previsto (dopo la riga " +
                  std::to_string(righe_.size()) + ").");
}

bool LettoreRiferimento::ColonnaVuota(int riga, int colonna) const {
    const std::string& testo = righe_[riga];
    for (std::size_t c = colonna; c < testo.size(); ++c)
        if (!Spazio(testo[c])) return false;
    return true;
}

bool LettoreRiferimento::FineFile() const {
    if (errore_) return true;  // nothing more can be read
    const int totale = static_cast<int>(righe_.size());
    for (int r = riga_; r < totale; ++r)
        if (!ColonnaVuota(r, r == riga_ ? colonna_ : 0)) return false;
    return true;
}

// Moves to the first character of the next item, across blanks and line ends.
bool LettoreRiferimento::InizioElemento() {
    if (errore_) return false;
    const int totale = static_cast<int>(righe_.size());
    while (riga_ < totale) {
        const std::string& testo = righe_[riga_];
        while (colonna_ < static_cast<int>(testo.size()) && Spazio(testo[colonna_])) ++colonna_;
        if (colonna_ < static_cast<int>(testo.size())) return true;
        ++riga_;
        colonna_ = 0;
    }
    FineInattesa();
    return false;
}

// Blanks after an item and one comma that separates it from the next belong to it.
void LettoreRiferimento::DopoElemento() {
    const std::string& testo = righe_[riga_];
    while (colonna_ < static_cast<int>(testo.size()) && Spazio(testo[colonna_])) ++colonna_;
    if (colonna_ < static_cast<int>(testo.size()) && testo[colonna_] == ',') ++colonna_;
}

std::string LettoreRiferimento::ElementoNumerico() {
    if (!InizioElemento()) return {};
    const std::string& testo = righe_[riga_];
    const int inizio = colonna_;
    while (colonna_ < static_cast<int>(testo.size()) && !Spazio(testo[colonna_]) &&
           testo[colonna_] != ',')
        ++colonna_;
    std::string token = testo.substr(inizio, colonna_ - inizio);
    if (token.empty()) SegnalaErroreRiga("manca un valore numerico.");
    return token;
}

template <typename T>
T LettoreRiferimento::Numero() {
    const std::string token = ElementoNumerico();
    if (errore_) return T{};
    T valore{};
    if (!Converti(token, valore)) {
        SegnalaErroreRiga("\"" + token + "\" non è un numero valido.");
        return T{};
    }
    DopoElemento();
    return valore;
}

double LettoreRiferimento::LeggiNumero() { return Numero<double>(); }

float LettoreRiferimento::LeggiReale() { return Numero<float>(); }

// Integer fields take a decimal value as a whole number, halves to even.
double LettoreRiferimento::Intero(double minimo, double massimo) {
    const std::string token = ElementoNumerico();
    if (errore_) return 0.0;
    double valore = 0.0;
    if (!Converti(token, valore)) {
        SegnalaErroreRiga("\"" + token + "\" non è un numero valido.");
        return 0.0;
    }
    valore = std::nearbyint(valore);
    if (valore < minimo || valore > massimo) {
        SegnalaErroreRiga("il valore " + token + " è fuori dall'intervallo ammesso.");
        return 0.0;
    }
    DopoElemento();
    return valore;
}

int LettoreRiferimento::LeggiIntero16() { return static_cast<int>(Intero(-32768.0, 32767.0)); }

std::int32_t LettoreRiferimento::LeggiIntero32() {
    return static_cast<std::int32_t>(Intero(-2147483648.0, 2147483647.0));
}

std::string LettoreRiferimento::LeggiTesto() {
    if (!InizioElemento()) return {};
    const std::string& testo = righe_[riga_];
    std::string valore;
    if (testo[colonna_] == '"') {
        const std::size_t chiusura = testo.find('"', colonna_ + 1);
        const std::size_t fine = chiusura == std::string::npos ? testo.size() : chiusura;
        valore = testo.substr(colonna_ + 1, fine - colonna_ - 1);
        colonna_ = static_cast<int>(chiusura == std::string::npos ? fine : fine + 1);
    } else {
        std::size_t fine = testo.find(',', colonna_);
        if (fine == std::string::npos) fine = testo.size();
        valore = testo.substr(colonna_, fine - colonna_);
        while (!valore.empty() && Spazio(valore.back())) valore.pop_back();
        colonna_ = static_cast<int>(fine);
    }
    DopoElemento();
    return valore;
}

std::string LettoreRiferimento::LeggiCommento() {
    if (errore_ || riga_ >= static_cast<int>(righe_.size()) || ColonnaVuota(riga_, colonna_)) return {};
    return LeggiTesto();
}

std::string LettoreRiferimento::LeggiRiga() {
    if (errore_) return {};
    const int totale = static_cast<int>(righe_.size());
    if (riga_ < totale && colonna_ > 0 && colonna_ >= static_cast<int>(righe_[riga_].size())) {
        ++riga_;
        colonna_ = 0;
    }
    if (riga_ >= totale) {
        FineInattesa();
        return {};
    }
    std::string valore = righe_[riga_].substr(colonna_);
    ++riga_;
    colonna_ = 0;
    return valore;
}
