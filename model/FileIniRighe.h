#pragma once

#include "model/Impostazioni.h"

// The lines of the settings file after its version line, in file order, for
// the writer and the reader alone: one description keeps the two in step.
// Campi receives each value (Intero 16-bit, Lungo 32-bit, Reale with its
// decimals, Lunghezza a Reale that is a length in cm, with its name, Nome a
// whole line), FineRiga after the values of a line, and
// answers Dalla(v): whether the file holds the lines that version v added.
// Imp and Stato are Impostazioni and StatoInterfaccia, const for the writer.
template <typename Campi, typename Imp, typename Stato>
void PercorriRigheIni(Campi& c, Imp& imp, Stato& stato) {
    for (int i = 0; i < NumLayer; ++i) {
        c.Nome(imp.NomiLayer[i]);
        c.Intero(imp.ColoriLayer[i]);
        c.FineRiga();
        c.Lungo(imp.ColoriSchermo[i]);
        c.FineRiga();
    }
    for (auto& gruppo : imp.OsnapQuote) {
        c.Intero(gruppo);
        c.FineRiga();
    }
    c.Intero(imp.DiamMaxPiu);
    c.Intero(imp.DiamMaxMeno);
    c.Intero(imp.DiamMinPiu);
    c.Intero(imp.DiamMinMeno);
    c.FineRiga();
    c.Intero(imp.PassoMaxPiu);
    c.Intero(imp.PassoMaxMeno);
    c.Intero(imp.PassoMinPiu);
    c.Intero(imp.PassoMinMeno);
    c.FineRiga();
    c.Intero(imp.ModoProgetto);
    c.Intero(imp.CoperturaMin);
    c.FineRiga();
    c.Reale(imp.Riserva5, 3);
    c.Reale(imp.Riserva6, 3);
    c.FineRiga();
    c.Intero(imp.Riserva4);
    c.Lunghezza(imp.LarghezzaCordolo, 3, "larghezza del cordolo");
    c.Intero(imp.DiamReggistaffa);
    c.Intero(imp.DiamStaffeCordolo);
    c.Intero(imp.Riserva10);
    c.FineRiga();
    c.Reale(imp.Riserva11, 3);
    c.Lunghezza(imp.PassoStaffeCordolo, DecimaliPassiImpostazioni, "passo delle staffe del cordolo");
    c.Reale(imp.Riserva12, 3);
    c.Lunghezza(imp.PassoMaxIntegrativa, DecimaliPassiImpostazioni, "passo massimo dell'armatura integrativa");
    c.FineRiga();
    c.Intero(imp.IndiceCls);
    c.Intero(imp.IndiceAcciaio);
    c.Intero(imp.SovrappMin);
    c.Intero(imp.SovrappMax);
    c.Lunghezza(imp.LungMaxFerri, DecimaliLungMaxFerri, "lunghezza massima dei ferri");
    c.FineRiga();
    c.Intero(imp.DecimaliQuote);
    c.Intero(imp.QuoteInMetri);
    c.Intero(stato.StatoVista);
    c.Intero(stato.VistaCorrente);
    c.FineRiga();

    if (!c.Dalla(2)) return;
    c.Reale(imp.ScalaUnita, DecimaliScalaDxf);
    c.Reale(imp.ScalaMm, DecimaliScalaDxf);
    c.FineRiga();
    if (!c.Dalla(3)) return;
    c.Intero(imp.Riserva30);
    c.Reale(imp.Riserva31, 3);
    c.Intero(imp.RiservaIni);
    c.FineRiga();
    if (!c.Dalla(4)) return;
    c.Intero(imp.ModoTolleranza);
    c.Reale(imp.TolleranzaPerc, DecimaliTolleranze);
    c.Reale(imp.TolleranzaFissa, DecimaliTolleranze);
    c.FineRiga();
    if (!c.Dalla(5)) return;
    c.Intero(imp.DescrizioneCompleta);
    c.FineRiga();
    if (!c.Dalla(6)) return;
    c.Intero(imp.IconeGrandi);
    c.FineRiga();
    if (!c.Dalla(7)) return;
    c.Intero(imp.IndicaLato);
    c.FineRiga();
}
