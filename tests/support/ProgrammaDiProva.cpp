#include "ProgrammaDiProva.h"

#include "design/CaricaProgetto.h"
#include "design/Modifica.h"

#include "SessionePosizioni.h"

void PrintTo(const ZonaVista& z, std::ostream* os) { *os << z.diametro << "/" << z.passo; }

ProgrammaDiProva::ProgrammaDiProva(const std::filesystem::path& profilo,
                                   const std::filesystem::path& temporanea) {
    sessione.imp.CartellaUtente = profilo.string();
    sessione.imp.CartellaTemporanea = temporanea.string();
    vista.LarghezzaTela = 800.0f;
    vista.AltezzaTela = 600.0f;
}

Esito ProgrammaDiProva::Apri(const std::string& file) {
    return CaricaProgetto(sessione, file, vista, finestra);
}

void ProgrammaDiProva::AggiungiZona(int diametro, float passo) {
    Parete& p = sessione.parete;
    const float x = 20.0f + 65.0f * static_cast<float>(p.UltPosizione + 1);
    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
    PosizioneArm zona = ZonaRettangolare(0, 0, x, 50.0f, x + 50.0f, 250.0f);
    zona.Diametro = diametro;
    zona.Passo = passo;
    AccodaPosizione(p, zona, Riquadro(x, 50.0f, x + 50.0f, 250.0f));
    modifica.Conferma();
}

std::vector<ZonaVista> ProgrammaDiProva::Zone() const {
    std::vector<ZonaVista> zone;
    const Parete& p = sessione.parete;
    for (int i = 0; i <= p.UltPosizione; ++i)
        zone.push_back({p.Posizioni[i].Diametro, p.Posizioni[i].Passo});
    return zone;
}
