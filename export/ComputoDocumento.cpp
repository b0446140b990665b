#include "export/ComputoDocumento.h"

#include "export/ComputoQuantita.h"
#include "export/ComputoTabelle.h"
#include "export/FrammentiRtf.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <algorithm>

namespace {

constexpr int No = 0;
constexpr int Si = -1;

std::string RigheTotali(float peso, float volume) {
    return "Peso totale dei ferri = " + FormatoDec(peso, 1) + " kg\\par " +
           "Volume calcestruzzo = " + FormatoDec(volume, 1) + " mc\\par " +
           RigaIncidenza(peso, volume);
}

}  // namespace

DocumentoComputo IniziaComputo() {
    DocumentoComputo doc;
    doc.TestoComputo = RtfInizio() + RtfTabCentro(2);
    for (float cm : {5.0f, 7.5f, 10.5f, 13.0f, 15.0f, 17.0f}) doc.TestoComputo += RtfTabDestra(cm);
    doc.TestoComputo += "\\qj";
    return doc;
}

void CopuRTF(const Parete& parete, DocumentoComputo& doc) {
    float peso = parete.PesoDir1Meno + parete.PesoDir2Meno;
    if (parete.MagliaUnica == 0) peso = peso + parete.PesoDir1Piu + parete.PesoDir2Piu;

    std::string& t = doc.TestoComputo;
    t += RtfNero("Parete in c.a. n." + InteroConSegno(parete.NumeroParete), 24, No, Si) + "\\par ";
    t += RtfNero("Armatura diffusa:", 20, No, No) + "\\par ";
    t += TabellaDiffusa(parete);
    if (parete.UltPosizione >= 0) {
        t += "\\par Armatura integrativa:\\par ";
        t += TabellaPosizioni(parete, peso);
        const auto begin = parete.Posizioni.begin();
        if (std::any_of(begin, begin + parete.UltPosizione + 1,
                        [](const PosizioneArm& p) { return p.Tipo == Cordolo; })) {
            t += "\\par Cordoli, ferri correnti:\\par ";
            t += TabellaCorrentiCordoli(parete, peso);
            t += "\\par Cordoli, staffe:\\par ";
            t += TabellaStaffeCordoli(parete, peso);
        }
    }
    const float volume = VolumeCalcestruzzo(parete);
    t += "\\par " + RigheTotali(peso, volume);

    doc.PesoTotale += peso;
    doc.VolumeTotale += volume;
    ++doc.PareteComputate;
}

void AggiungiRiepilogo(DocumentoComputo& doc) {
    doc.TestoComputo += RtfNero("Riepilogo:", 18, No, Si) + RtfNero("\\par ", 18, No, No);
    doc.TestoComputo += "Pareti c.a. computate: " + InteroConSegno(doc.PareteComputate) + "\\par ";
    doc.TestoComputo += RigheTotali(doc.PesoTotale, doc.VolumeTotale);
}

std::string ChiudiComputo(DocumentoComputo doc) { return std::move(doc.TestoComputo) + RtfFine(); }
