#pragma once

#include "model/Finestra.h"

// The window as a batch run's reader sees it: messages and questions reach
// the user, while the face buttons, the single-mesh label, the title, the
// panels and the redraw stay those of the open wall.
class FinestraLotto : public InterfacciaFinestra {
public:
    explicit FinestraLotto(InterfacciaFinestra& finestra) : finestra_(finestra) {}

    void Messaggio(const std::string& testo, const std::string& titolo,
                   IconaMessaggio icona) override;
    bool Domanda(const std::string& testo, const std::string& titolo,
                 IconaMessaggio icona) override;
    Risposta DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                IconaMessaggio icona) override;
    void SelezionaLatoMeno() override {}
    void MostraPulsantiLato(bool) override {}
    void MostraEtichettaMagliaUnica(bool) override {}
    void ImpostaTitolo(const std::string&) override {}
    void CursoreAttesa(bool) override {}
    void MostraCaricamento(const std::vector<std::string>&) override {}
    std::optional<std::string> ScegliFileDaAprire(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ScegliFileDaSalvare(const std::string&, const std::string&,
                                                   const std::string&) override {
        return std::nullopt;
    }
    void PanelDiffusa() override {}
    void AggiornaDopoModifica() override {}
    void MostraRiquadroScala(bool) override {}

private:
    InterfacciaFinestra& finestra_;
};
