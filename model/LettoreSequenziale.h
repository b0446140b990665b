#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads a sequential text file item by item, as the program's files are laid
// out: values separated by blanks or commas, text items running to a comma or
// to the end of the line, or whole lines. Lines end in CR LF or LF; the text
// is Windows-1252 on disk and comes out as UTF-8 (a file an editor saved as
// UTF-8 with its mark reads as the same file saved by us, or not at all:
// ContenutoInCp1252). Numbers take a point as decimal separator whatever the
// locale.
//
// A file that cannot be read as intended starts in error; a read past the
// end of the file, of a number that is not one or of a value out of its
// range puts the reader in error: the first reason is kept, in
// Italian, ready for a message box, and every later read gives 0 or an empty
// text. A file reader can so read on through its layout (counts read as 0
// end their loops) and ask InErrore before it acts on what it read.
class LettoreSequenziale {
public:
    // contenuto: the bytes of the file as stored on disk.
    explicit LettoreSequenziale(std::string contenuto);

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

    // True when nothing but blanks and empty lines is left, or after an error.
    bool FineFile() const;

    // 1-based number of the line the next item comes from (for messages).
    int NumeroRiga() const;

    [[nodiscard]] bool InErrore() const { return errore_.has_value(); }
    // The first reason; empty while no error.
    const std::string& MotivoErrore() const;
    // Puts the reader in error for a reason the caller found in what it read
    // (an element count too small, a value of the wrong sign); the first
    // reason stays.
    void SegnalaErrore(const std::string& motivo);
    // The same, prefixed with "Riga n: ".
    void SegnalaErroreRiga(const std::string& dettaglio);
    // The same for a value read earlier at line riga.
    void SegnalaErroreRiga(int riga, const std::string& dettaglio);

private:
    // Where a line lies in testo_, without its line end. Offsets rather than
    // views: a moved reader may move its text.
    struct Riga {
        std::size_t Inizio = 0;
        std::size_t Lunghezza = 0;
    };

    std::string testo_;  // the whole file, in UTF-8
    std::vector<Riga> righe_;
    int riga_ = 0;
    int colonna_ = 0;
    std::optional<std::string> errore_;

    std::string_view TestoRiga(int riga) const;
    bool ColonnaVuota(int riga, int colonna) const;
    // False, with the reader in error, at the end of the file.
    bool InizioElemento();
    void DopoElemento();
    // Empty, with the reader in error, when no number stands there; a view
    // into the current line.
    std::string_view ElementoNumerico();
    template <typename T>
    T Numero();
    double Intero(double minimo, double massimo);
    void FineInattesa();
};

// The version that the first line of a file declares: "VERSIONE" followed by
// its number, in any letter case, blanks around allowed. The number is the
// numeric value of the rest of the line, not rounded: "VERSIONE 1.4" is
// above 1, and "VERSIONE 1,5" reads 1. -1 when the line is no version line.
double VersioneDaRiga(const std::string& riga);
