#include "ui/SelezioneVistaQt.h"

#include "interaction/SelezioneVista.h"
#include "model/Sessione.h"
#include "ui/SelettoriVista.h"

#include <QLineEdit>

namespace {

void Chiama(const std::function<void()>& azione) {
    if (azione) azione();
}

}  // namespace

SelezioneVistaQt::SelezioneVistaQt(Sessione& sessione, SelettoriVista& selettori,
                                   PannelloScala& scala, AzioniVista azioni)
    : sessione_(sessione), selettori_(selettori), scala_(scala), azioni_(std::move(azioni)) {
    selettori_.ClicLato = [this](int i) { Option1_Click(i); };
    selettori_.ClicDirezione = [this](int i) { Option2_Click(i); };
    scala_.ClicComando = [this](int i) { Command1_Click(i); };
}

void SelezioneVistaQt::AggiornaVisulalizzazione() {
    DerivaStatoVista(sessione_.stato, sessione_.parete);
    Chiama(azioni_.InfoArm);
    Chiama(azioni_.AdattaFinestra);
    Chiama(azioni_.Ridisegna);
    if (MappaConScala(sessione_.stato)) MostraScala();
}

void SelezioneVistaQt::Option1_Click(int indice) {
    sessione_.stato.LatoCorrente = indice;
    selettori_.SelezionaLato(indice);
    AggiornaVisulalizzazione();
}

void SelezioneVistaQt::Option2_Click(int indice) {
    sessione_.stato.DirezioneCorrente = indice;
    selettori_.SelezionaDirezione(indice);
    AggiornaVisulalizzazione();
}

void SelezioneVistaQt::Command1_Click(int indice) {
    StatoInterfaccia& stato = sessione_.stato;
    if (indice == 0) {
        ScalaDefault(stato, sessione_.parete);
        MostraScala();
    } else {
        const TestiScalaRifiutati rifiutati =
            ApplicaScala(stato, scala_.Text1(0)->text().toStdString(),
                         scala_.Text1(1)->text().toStdString());
        if (rifiutati.Min) scala_.Text1(1)->setText(QString::fromStdString(*rifiutati.Min));
        if (rifiutati.Max) scala_.Text1(0)->setText(QString::fromStdString(*rifiutati.Max));
    }
    Chiama(azioni_.Ridisegna);
}

void SelezioneVistaQt::SeguiDati() {
    SeguiDatiScala(sessione_.stato, sessione_.parete);
    if (MappaConScala(sessione_.stato)) MostraScala();
}

void SelezioneVistaQt::MostraScala() {
    const TestiScala testi = TestiRiquadroScala(sessione_.stato, sessione_.parete);
    scala_.Text1(0)->setText(QString::fromStdString(testi.Max));
    scala_.Text1(1)->setText(QString::fromStdString(testi.Min));
}
