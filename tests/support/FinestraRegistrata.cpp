#include "FinestraRegistrata.h"

const char* NomeIcona(IconaMessaggio icona) {
    switch (icona) {
        case IconaMessaggio::Nessuna: return "nessuna";
        case IconaMessaggio::Esclamazione: return "esclamazione";
        case IconaMessaggio::Domanda: return "domanda";
        case IconaMessaggio::Informazione: return "informazione";
        case IconaMessaggio::Critica: return "critica";
    }
    return "?";
}

std::vector<std::string> FinestraRegistrata::Messaggi() const { return messaggi_; }

void FinestraRegistrata::Messaggio(const std::string& testo, const std::string& titolo,
                                   IconaMessaggio icona) {
    messaggi_.push_back(testo);
    Eventi.push_back("Messaggio[" + titolo + "|" + NomeIcona(icona) + "] " + testo);
}

bool FinestraRegistrata::Domanda(const std::string& testo, const std::string& titolo,
                                 IconaMessaggio icona) {
    bool risposta = false;
    if (!RisposteDomande.empty()) {
        risposta = RisposteDomande.front();
        RisposteDomande.pop_front();
    }
    Eventi.push_back("Domanda[" + titolo + "|" + NomeIcona(icona) + "] " + testo +
                     (risposta ? " -> Si" : " -> No"));
    return risposta;
}

Risposta FinestraRegistrata::DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                                IconaMessaggio icona) {
    Risposta risposta = Risposta::No;
    if (!RisposteAnnullabili.empty()) {
        risposta = RisposteAnnullabili.front();
        RisposteAnnullabili.pop_front();
    }
    const char* nome = risposta == Risposta::Si ? "Si" : risposta == Risposta::No ? "No" : "Annulla";
    Eventi.push_back("Domanda[" + titolo + "|" + NomeIcona(icona) + "] " + testo + " -> " + nome);
    return risposta;
}

void FinestraRegistrata::SelezionaLatoMeno() { Eventi.push_back("SelezionaLatoMeno"); }

void FinestraRegistrata::MostraPulsantiLato(bool visibili) {
    Eventi.push_back(std::string("PulsantiLato ") + (visibili ? "visibili" : "nascosti"));
}

void FinestraRegistrata::MostraEtichettaMagliaUnica(bool visibile) {
    Eventi.push_back(std::string("EtichettaMagliaUnica ") + (visibile ? "visibile" : "nascosta"));
}

void FinestraRegistrata::ImpostaTitolo(const std::string& titolo) {
    Eventi.push_back("Titolo " + titolo);
}

void FinestraRegistrata::CursoreAttesa(bool attesa) {
    Eventi.push_back(std::string("Cursore ") + (attesa ? "attesa" : "normale"));
}

void FinestraRegistrata::MostraCaricamento(const std::vector<std::string>& righe) {
    std::string testo = "Caricamento";
    for (const std::string& riga : righe) testo += " | " + riga;
    Eventi.push_back(testo);
}

std::optional<std::string> FinestraRegistrata::ScegliFileDaAprire(const std::string& titolo,
                                                                  const std::string& filtro) {
    Eventi.push_back("Apri[" + titolo + "] " + filtro);
    if (FileScelti.empty()) return std::nullopt;
    std::string scelto = FileScelti.front();
    FileScelti.pop_front();
    return scelto;
}

std::optional<std::string> FinestraRegistrata::ScegliFileDaSalvare(const std::string& titolo,
                                                                   const std::string& filtro,
                                                                   const std::string& nomeProposto) {
    Eventi.push_back("Salva[" + titolo + "] " + filtro + " " + nomeProposto);
    if (FileScelti.empty()) return std::nullopt;
    std::string scelto = FileScelti.front();
    FileScelti.pop_front();
    return scelto;
}

void FinestraRegistrata::PanelDiffusa() { Eventi.push_back("PanelDiffusa"); }
void FinestraRegistrata::AggiornaDopoModifica() { Eventi.push_back("AggiornaDopoModifica"); }
void FinestraRegistrata::MostraRiquadroScala(bool visibile) {
    Eventi.push_back(std::string("MostraRiquadroScala ") + (visibile ? "1" : "0"));
}
