#include "model/ControlliImpostazioni.h"

#include "model/Numeri.h"

ValoriControlli ValoriDaImpostazioni(const Impostazioni& imp) {
    ValoriControlli c;
    for (int i = 0; i < RigheLayer; ++i) {
        c.Nomi[i] = imp.NomiLayer[i];
        c.Colori[i] = imp.ColoriSchermo[i];
        c.Visibili[i] = imp.LayerVisibili[i] != 0 ? 1 : 0;
    }
    for (int i = 0; i < NumGruppiOsnap; ++i) c.Osnap[i] = imp.OsnapQuote[i] != 0 ? 1 : 0;
    c.SfondoBianco = imp.SfondoBianco != 0 ? 1 : 0;
    c.ModoTolleranza = imp.ModoTolleranza != 0 ? 1 : 0;
    c.TolleranzaPerc = FormatoDec(imp.TolleranzaPerc, 2);
    c.TolleranzaFissa = FormatoDec(imp.TolleranzaFissa, 2);
    c.IconeGrandi = imp.IconeGrandi != 0 ? 1 : 0;
    return c;
}

void LeggiF(Impostazioni& imp, const ValoriControlli& c) {
    for (int i = 0; i < NumGruppiOsnap; ++i) imp.OsnapQuote[i] = c.Osnap[i];
    for (int i = 0; i < RigheLayer; ++i) {
        imp.ColoriSchermo[i] = c.Colori[i];
        imp.LayerVisibili[i] = c.Visibili[i];
    }
    imp.SfondoBianco = c.SfondoBianco;
    imp.ModoTolleranza = c.ModoTolleranza;
    imp.TolleranzaPerc = ValoreScritto(ValoreTesto(c.TolleranzaPerc), DecimaliTolleranze);
    imp.TolleranzaFissa = ValoreScritto(ValoreTesto(c.TolleranzaFissa), DecimaliTolleranze);
    imp.IconeGrandi = c.IconeGrandi;
}

void ColoriDefault(Impostazioni& imp, int sfondoBianco) {
    imp.SfondoBianco = sfondoBianco != 0 ? 1 : 0;
    ImpostaColoriVideo(imp);
}
