#pragma once

#include "export/ValoriDialogoDxf.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class InterfacciaFinestra;
class OspiteDialoghi;
class QCheckBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeView;
struct Sessione;

// The dialog "Disegno DXF": wall files chosen from a folder tree, the 24
// editable layers (name, colour swatch, "Disegna"), the print scale, the R12
// switch, the settings buttons, the export with its progress bar and the
// bill of the chosen walls. Every wall is read into a session of its own,
// so the open wall, its file name, history and view stay as they are.
class FormDxf : public QDialog {
    Q_OBJECT
public:
    FormDxf(Sessione& sessione, InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi,
            QWidget* padre = nullptr);

    // The folder whose "*.set" files (any letter case) the file list shows.
    void MostraCartella(const QString& cartella);
    QString Cartella() const;
    // Full paths of the folder's wall files, and of the chosen ones.
    std::vector<std::string> FileCartella() const;
    std::vector<std::string> FileScelti() const;
    // Selects the folder's files with these names (for "Aggiungi  >>").
    void SelezionaFile(const std::vector<std::string>& nomi);

    // The settings shown, and the values as the dialog holds them.
    void AggiornaFormDXF();
    ValoriDialogoDxf Valori() const;
    void ImpostaValori(const ValoriDialogoDxf& valori);
    // Takes the values over; a refused layer name is told and nothing is taken.
    bool Leggi();

    // "Genera File &DXF", "Visualizza computo", "?" and a swatch click.
    void NewSalvaDXF();
    void VisualizzaComputo();
    void GuidaStampa();
    void ScegliColore(int riga);

    int Avanzamento() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void AggiungiSelezionati();
    void AggiungiScelto(const QString& percorso);
    void MostraColore(int riga);
    void SalvaImpostazioni();
    void ImpostazioniDiDefault();

    Sessione& sessione_;
    InterfacciaFinestra& finestra_;
    OspiteDialoghi& dialoghi_;
    QFileSystemModel* cartelle_ = nullptr;
    QTreeView* albero_ = nullptr;
    bool scorsoDallUtente_ = false;  // the tree was scrolled by hand
    QListWidget* file_ = nullptr;
    QListWidget* scelti_ = nullptr;
    std::array<QLineEdit*, RigheLayerDxf> nomi_{};
    std::array<QPushButton*, RigheLayerDxf> campioni_{};
    std::array<QCheckBox*, RigheLayerDxf> disegna_{};
    std::array<int, RigheLayerDxf> colori_{};  // ColoriDialogo
    QLineEdit* scalaMm_ = nullptr;
    QLineEdit* scalaUnita_ = nullptr;
    QCheckBox* r12_ = nullptr;
    QProgressBar* barra_ = nullptr;
};

// The command "&Genera file DXF": the dialog, modal, through the host.
// Reader messages of the chosen walls reach finestra.
void MostraEsportazioneDxf(QWidget* padre, Sessione& sessione, InterfacciaFinestra& finestra,
                           OspiteDialoghi& dialoghi);
