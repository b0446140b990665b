#pragma once

#include "model/Finestra.h"

#include <QMainWindow>

// The main window. It is the core's window interface.
class FinestraPrincipale : public QMainWindow, public InterfacciaFinestra {
    Q_OBJECT
public:
    explicit FinestraPrincipale(QWidget* parent = nullptr);

    void Messaggio(const std::string& testo, const std::string& titolo,
                   IconaMessaggio icona) override;
    bool Domanda(const std::string& testo, const std::string& titolo,
                 IconaMessaggio icona) override;
    void SelezionaLatoMeno() override;
    void MostraPulsantiLato(bool visibili) override;
    void MostraEtichettaMagliaUnica(bool visibile) override;
    void ImpostaTitolo(const std::string& titolo) override;
    void CursoreAttesa(bool attesa) override;
    void MostraCaricamento(const std::vector<std::string>& righe) override;
    std::optional<std::string> ScegliFileDaAprire(const std::string& titolo,
                                                  const std::string& filtro) override;
    std::optional<std::string> ScegliFileDaSalvare(const std::string& titolo,
                                                   const std::string& filtro,
                                                   const std::string& nomeProposto) override;
    void PanelDiffusa() override;
    void AggiornaDopoModifica() override;
    void MostraRiquadroScala(bool visibile) override;
};
