#include "BancoModi.h"

#include "design/Modifica.h"
#include "model/Impostazioni.h"

BancoModi::BancoModi(Parete parete)
    : tela(800.0f, 600.0f),
      transitorio(tela, StratoTela::Transitorio, vista, sessione.imp),
      contesto{sessione, vista, tela, transitorio, finestra, servizi} {
    sessione.parete = std::move(parete);
    sessione.parete.CartellaLavoro = cartella.Percorso().string();
    ImpostaColoriVideo(sessione.imp);
    CodaGeometria(sessione.parete, sessione.stato);
    vista.Scala = 1.0f;
    vista.FinXmin = 0.0f;
    vista.FinYmin = 0.0f;
    vista.FinXmax = 800.0f;
    vista.FinYmax = 600.0f;
    vista.LarghezzaTela = 800.0f;
    vista.AltezzaTela = 600.0f;
}
