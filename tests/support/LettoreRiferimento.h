#pragma once

// The sequential reader as it was before it read the file in one piece and
// parsed its items in place: the reference that the equivalence tests hold
// LettoreSequenziale to, item by item, message by message.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class LettoreRiferimento {
public:
    // contenuto: the bytes of the file as stored on disk.
    explicit LettoreRiferimento(const std::string& contenuto);

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

private:
    std::vector<std::string> righe_;
    int riga_ = 0;
    int colonna_ = 0;
    std::optional<std::string> errore_;

    bool ColonnaVuota(int riga, int colonna) const;
    // False, with the reader in error, at the end of the file.
    bool InizioElemento();
    void DopoElemento();
    // Empty, with the reader in error, when no number stands there.
    std::string ElementoNumerico();
    template <typename T>
    T Numero();
    double Intero(double minimo, double massimo);
    void FineInattesa();
};
