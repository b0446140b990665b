#include "model/StatoInterfaccia.h"

void StatoVistaDefault(StatoInterfaccia& stato) {
    stato.LatoCorrente = 0;
    stato.DirezioneCorrente = 0;
    stato.ModoVista = 0;
    stato.StatoVista = 0;
    stato.VistaCorrente = 0;
}
