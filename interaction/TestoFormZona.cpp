#include "interaction/TestoFormZona.h"

#include "export/FrammentiRtf.h"
#include "interaction/FormZonaDati.h"
#include "model/Numeri.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"

#include <cmath>

namespace {

std::string Nero(std::string_view t) { return RtfNero(t, 16, 0, 0); }

// The balance of one required area; the average line ends inside its red run.
std::string Bilancio(float d, bool chiudiInNero) {
    if (d > 0.0f) return "In eccesso: " + FormatoDec(d, 2) + " cmq/m)\\par ";
    if (chiudiInNero) return RtfRosso("Mancano: " + FormatoDec(-d, 1), 16, 0, 1) + " cmq/m)" + Nero("\\par ");
    return RtfRosso("Mancano: " + FormatoDec(-d, 1) + " cmq/m)\\par ", 16, 0, 1);
}

}  // namespace

std::string TestoFormZona(const DatiFormZona& dati, const Sessione& sessione) {
    const Parete& parete = sessione.parete;
    const StatoInterfaccia& stato = sessione.stato;
    const PosizioneArm& p = stato.PosCorrente;
    const float area = p.Passo > 0.0f ? AreaBarra(p.Diametro) * 100.0f / p.Passo : 0.0f;
    const BarreZona barre = BarreZonaDaMemorizzare(dati, sessione);
    const std::string lato = parete.MagliaUnica != 0 ? "" : (p.Tipo == 0 ? "lato +," : "lato -,");
    std::string t = RtfInizio() + Nero(" Info area:\\par ");
    t += Nero(" Armatura n." + NumeroSemplice(stato.IndiceCorrente + 1) + ", " + lato +
              (p.Direzione == 0 ? "dir.1" : "dir.2")) +
         "\\par ";
    t += " Ø" + NumeroSemplice(p.Diametro) + "/" + NumeroSemplice(p.Passo) + "   (" + FormatoDec(area, 2) +
         " cmq/m)  ";
    // The longest bar, to the 0.1 cm of the length field.
    if (barre.Numero >= 2)
        t += NumeroSemplice(barre.Numero) + " barre L = " + NumeroSemplice(Arrotonda(barre.Massima, 1)) +
             " cm\\par ";
    else
        t += RtfRosso("Errore: passo > larghezza!", 16, 0, 0) + Nero("\\par ");
    t += " Richiesta max: " + FormatoDec(stato.AreaRichiestaMax, 1) + " cmq/m  (" +
         Bilancio(area - stato.AreaRichiestaMax, true);
    t += " Richiesta media: " + FormatoDec(stato.AreaRichiestaMedia, 1) + " cmq/mq  (" +
         Bilancio(area - stato.AreaRichiestaMedia, false);
    return t + RtfFine();
}

std::string TestoFormCordolo(const Parete& parete, const StatoInterfaccia& stato) {
    const PosizioneArm& p = stato.PosCorrente;
    const float bracci = static_cast<float>(p.NumBracci);
    const float as = p.Passo > 0.0f && p.Larghezza + p.CopriferroCordolo != 0.0f
                         ? AreaBarra(p.Diametro) * bracci * (100.0f / p.Passo + 1.0f) * 100.0f /
                               (p.Larghezza + p.CopriferroCordolo)
                         : 0.0f;
    // The cover term alone is divided by the legs.
    const float s = p.NumBracci != 0 ? p.Larghezza + 2.0f * p.CopriferroCordolo / bracci : p.Larghezza;
    const float al = s > 0.0f ? AreaBarra(p.DiamCorrenti) * 100.0f / s : 0.0f;
    const float adir1 = std::fabs(al * std::cos(p.Angolo - parete.AngoloArm1));
    const float adir2 = std::fabs(al * std::cos(p.Angolo - (parete.AngoloArm1 + parete.AngoloArm2)));

    std::string t = RtfInizio() + Nero(" Area armature a taglio:\\par ");
    t += Nero(" Staffatura n." + NumeroSemplice(stato.IndiceCorrente + 1) + ", ") + "\\par ";
    t += " St.Ø" + NumeroSemplice(p.Diametro) + "/" + NumeroSemplice(p.Passo) + "   (" +
         NumeroSemplice(p.NumBracci) + " bracci )\\par ";
    t += " Area staffe = " + FormatoDec(as, 2) + " cmq/mq\\par ";
    t += " Richiesta max: " + FormatoDec(stato.AreaRichiestaMax, 1) + " cmq/mq\\par ";
    const float d = as - stato.AreaRichiestaMax;
    if (d > 0.0f)
        t += " In eccesso: " + FormatoDec(d, 2) + " cmq/mq";
    else
        t += RtfRosso(" Mancano: " + FormatoDec(-d, 1) + " cmq/mq", 16, 0, 1);
    t += "\\par\\par ";
    t += Nero(" Contributo ferri correnti: ") + NumeroSemplice(p.NumBracci) + " +" +
         NumeroSemplice(p.NumBracci) + " Ø" + std::to_string(p.DiamCorrenti) + "\\par ";
    if (adir1 > 0.00001f) t += " Area = " + FormatoDec(adir1, 2) + " cmq/m (lato + e lato - dir. 1)\\par ";
    if (adir2 > 0.00001f) t += " Area = " + FormatoDec(adir2, 2) + " cmq/m (lato + e lato - dir. 2)\\par ";
    return t + RtfFine();
}
