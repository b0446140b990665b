#pragma once

#include "model/Finestra.h"

#include <deque>
#include <string>
#include <vector>

// Recording fake of the main window: every call becomes one line of Eventi,
// questions are answered from RisposteDomande (No when the script is empty),
// questions that can be cancelled from RisposteAnnullabili (No when empty),
// file dialogs from FileScelti (cancel when empty).
class FinestraRegistrata : public InterfacciaFinestra {
public:
    std::vector<std::string> Eventi;
    std::deque<bool> RisposteDomande;
    std::deque<Risposta> RisposteAnnullabili;
    std::deque<std::string> FileScelti;

    // The texts of the message boxes shown, in order.
    std::vector<std::string> Messaggi() const;

    void Messaggio(const std::string& testo, const std::string& titolo,
                   IconaMessaggio icona) override;
    bool Domanda(const std::string& testo, const std::string& titolo,
                 IconaMessaggio icona) override;
    Risposta DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                IconaMessaggio icona) override;
    void SelezionaLatoMeno() override;
    void MostraPulsantiLato(bool visibili) override;
    void MostraEtichettaMagliaUnica(bool visibile) override;
    void ImpostaTitolo(const std::string& titolo) override;
    void CursoreAttesa(bool attesa) override;
    void MostraCaricamento(const std::vector<std::string>& righe) override;
    std::optional<std::string> ScegliFileDaAprire(const std::string& titolo,
                                                  const std::string& filtro) override;
    std::optional<std::string> ScegliFileDaSalvare(const std::string& titolo,
                                                   const std::string& filtro,
                                                   const std::string& nomeProposto) override;
    void PanelDiffusa() override;
    void AggiornaDopoModifica() override;
    void MostraRiquadroScala(bool visibile) override;

private:
    std::vector<std::string> messaggi_;
};

const char* NomeIcona(IconaMessaggio icona);
