#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A file that does not hold what its reader expects: the text says what and
// where, in Italian, ready for a message box.
class ErroreLettura : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a sequential text file item by item, as the program's files are laid
// out: values separated by blanks or commas, text items running to a comma or
// to the end of the line, or whole lines. Lines end in CR LF or LF; the text
// is Windows-1252 on disk and comes out as UTF-8. Numbers take a point as
// decimal separator whatever the locale. Every read past the end of the file
// or of a number that is not one throws ErroreLettura.
class LettoreSequenziale {
public:
    // contenuto: the bytes of the file as stored on disk.
    explicit LettoreSequenziale(const std::string& contenuto);

    // No value when the file cannot be opened.
    static std::optional<LettoreSequenziale> Apri(const std::string& percorso);

    // The rest of the current line, or the next line when the items before
    // have used the current one up.
    std::string LeggiRiga();

    // One text item: leading blanks skipped, up to a comma or the end of the
    // line; a text in double quotes runs to the closing quote.
    std::string LeggiTesto();

    // What stands after the last value of a line up to a comma or the end of
    // the line; empty when the line ends with its values, so a value line
    // without a comment never swallows the next line.
    std::string LeggiCommento();

    double LeggiNumero();
    float LeggiReale();           // 32-bit float
    int LeggiIntero16();          // must fit 16 bits
    std::int32_t LeggiIntero32(); // must fit 32 bits

    // True when nothing but blanks and empty lines is left.
    bool FineFile() const;

    // 1-based number of the line the next item comes from (for messages).
    int NumeroRiga() const;

private:
    std::vector<std::string> righe_;
    int riga_ = 0;
    int colonna_ = 0;

    bool ColonnaVuota(int riga, int colonna) const;
    void InizioElemento();
    void DopoElemento();
    std::string ElementoNumerico();
    double Intero(double minimo, double massimo);
    [[noreturn]] void Errore(const std::string& dettaglio) const;
};

// The version that the first line of a file declares: "VERSIONE" followed by
// its number, in any letter case, blanks around allowed. -1 when the line is
// no version line; a number beyond 16 bits counts as the largest.
int VersioneDaRiga(const std::string& riga);
