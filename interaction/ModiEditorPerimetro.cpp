#include "interaction/ModiEditorPerimetro.h"

#include "model/Sessione.h"

void ModiEditorPerimetro::Premi(ContestoTela& c, int pulsante, float x, float y) {
    const EsitoClickVertice esito =
        ClickVertice(c.sessione.stato, c.sessione.imp, c.vista, c.tela, pulsante, x, y);
    if (esito == EsitoClickVertice::Nulla) return;
    if (DopoClick) DopoClick(esito);
    c.porta.Ridisegna();
}

bool ModiEditorPerimetro::Muovi(ContestoTela& c, int pulsanti, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    if (stato.ModificaPoligono == 0 || stato.SnapGriglia == 0) return false;
    (void)AgganciaGriglia(stato, c.sessione.imp, c.vista, c.tela, x, y, pulsanti);
    return true;
}
