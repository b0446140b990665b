#include "ComandoEsterno.h"

#include "Fixture.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

bool UscitaComando::NonAvviato() const {
    return Codice == -1 || Codice == 126 || Codice == 127 ||
           Errori.find("No module named") != std::string::npos;
}

std::string UscitaComando::Descrizione(const std::string& chi) const {
    std::string testo = NonAvviato() ? chi + " non si avvia (codice " + std::to_string(Codice) + ")"
                                     : chi + " è terminato con codice " + std::to_string(Codice);
    testo += "\n--- uscita ---\n" + Uscita + "\n--- errori ---\n" + Errori;
    return testo;
}

UscitaComando EseguiComando(const std::string& comando) {
    UscitaComando esito;
    const CartellaTemporanea cartella;
    const std::filesystem::path errori = cartella.Percorso() / "errori.txt";
    FILE* processo = popen((comando + " 2>'" + errori.string() + "'").c_str(), "r");
    if (!processo) return esito;
    std::array<char, 4096> blocco{};
    size_t letti = 0;
    while ((letti = fread(blocco.data(), 1, blocco.size(), processo)) > 0)
        esito.Uscita.append(blocco.data(), letti);
    const int stato = pclose(processo);
    esito.Codice = stato == -1 ? -1 : WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
    if (std::filesystem::exists(errori)) esito.Errori = Contenuto(errori.string());
    return esito;
}
