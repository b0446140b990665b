#pragma once

#include <QDialog>

#include <span>
#include <string>

class InterfacciaFinestra;
class OspiteDialoghi;
class QTextEdit;
struct Sessione;

// The window "Computo": the bill of quantities shown through our RTF
// reader, "Salva computo" writing the built text itself (never the view's)
// and "Chiudi".
class FormComputo : public QDialog {
    Q_OBJECT
public:
    // fileRelazione is the run's proposed name; an empty one becomes
    // "ComputoParete.rtf" at the first save and stays so.
    FormComputo(std::string testoRtf, std::string& fileRelazione, OspiteDialoghi& dialoghi,
                QWidget* padre = nullptr);

    const std::string& TestoRtf() const { return testo_; }
    QTextEdit& Documento() const { return *documento_; }

    // "Salva computo": the save dialog, then the file; a failure is told.
    void SalvaComputo();

private:
    std::string testo_;
    std::string& fileRelazione_;
    OspiteDialoghi& dialoghi_;
    QTextEdit* documento_ = nullptr;
};

// The command "Computo": the bill of the open wall as it stands, unsaved
// edits included (its bar quantities are measured again).
void MostraComputo(QWidget* padre, Sessione& sessione, OspiteDialoghi& dialoghi);

// "Visualizza computo" of the export dialog: the bill of the chosen wall
// files, each read into a session of its own; the open wall stays as it is.
// The reader's messages reach finestra.
void MostraComputoPareti(QWidget* padre, std::span<const std::string> percorsi, Sessione& sessione,
                         InterfacciaFinestra& finestra, OspiteDialoghi& dialoghi);
