#pragma once

#include "ui/AzioniFinestra.h"

#include <functional>
#include <string>
#include <vector>

// Recording fake of the window's actions: every call becomes one line of
// Eventi; the design dialog answers ProgettaScelto.
class AzioniRegistrate : public AzioniFinestra {
public:
    std::vector<std::string> Eventi;
    bool ProgettaScelto = false;
    // What the export dialog does to the model while it is open.
    std::function<void()> DuranteDxf;

    void Ridisegna() override { Eventi.push_back("Ridisegna"); }
    void AggiornaVisualizzazione() override { Eventi.push_back("AggiornaVisualizzazione"); }
    void SelezionaLato(int i) override { Eventi.push_back("Lato " + std::to_string(i)); }
    void SelezionaDirezione(int i) override { Eventi.push_back("Direzione " + std::to_string(i)); }
    void ImpostaPrompt(const std::string& t) override { Eventi.push_back("Prompt " + t); }
    void AnnullaEvidenziazione() override { Eventi.push_back("AnnullaEvidenziazione"); }
    void InfoArm() override { Eventi.push_back("InfoArm"); }
    void MostraTestoInformazioni(const std::string& t) override { Eventi.push_back("Testo " + t); }
    void MostraPannelloIntervallo() override { Eventi.push_back("PannelloIntervallo"); }
    void MostraEditorPerimetro(int p) override { Eventi.push_back("Editor " + std::to_string(p)); }
    void ChiudiEditorPerimetro() override { Eventi.push_back("ChiudiEditor"); }
    void MostraComputo() override { Eventi.push_back("Computo"); }
    void MostraEsportazioneDxf() override {
        Eventi.push_back("Dxf");
        if (DuranteDxf) DuranteDxf();
    }
    void MostraInformazioniProgramma() override { Eventi.push_back("Informazioni"); }
    void MostraImpostazioni() override { Eventi.push_back("Impostazioni"); }
    bool MostraParametriProgetto() override {
        Eventi.push_back("Progetto");
        return ProgettaScelto;
    }
    void Esci() override { Eventi.push_back("Esci"); }
};
