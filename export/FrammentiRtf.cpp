#include "export/FrammentiRtf.h"

#include <charconv>

namespace {

// The twips of one centimetre in the tab stops (not 567).
constexpr float TwipCentimetro = 568.0f;

enum class ColoreRtf : int { Nero = 0, Rosso = 1, Blu = 2, Grigio = 3 };

// Shortest decimal text with a point, whatever the locale.
std::string Numero(float x) {
    char buffer[32];
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return std::string(buffer, fine);
}

// Every run starts from "\plain", so bold and underline never carry over.
// Font 3 is not in the header's table: the runs show in the default font.
std::string Corsa(ColoreRtf colore, std::string_view testo, int dimensione, int sottolineato,
                  int grassetto) {
    std::string r = "\\plain\\f3\\fs" + std::to_string(dimensione) + "\\cf" +
                    std::to_string(static_cast<int>(colore));
    r += grassetto != 0 ? "\\b" : "\\b0";
    r += sottolineato != 0 ? "\\ul " : " ";
    r += testo;
    return r;
}

}  // namespace

std::string RtfNero(std::string_view testo, int dimensione, int sottolineato, int grassetto) {
    return Corsa(ColoreRtf::Nero, testo, dimensione, sottolineato, grassetto);
}

std::string RtfRosso(std::string_view testo, int dimensione, int sottolineato, int grassetto) {
    return Corsa(ColoreRtf::Rosso, testo, dimensione, sottolineato, grassetto);
}

std::string RtfBlu(std::string_view testo, int dimensione, int sottolineato, int grassetto) {
    return Corsa(ColoreRtf::Blu, testo, dimensione, sottolineato, grassetto);
}

std::string RtfGrigio(std::string_view testo, int dimensione, int sottolineato, int grassetto) {
    return Corsa(ColoreRtf::Grigio, testo, dimensione, sottolineato, grassetto);
}

std::string RtfInizio() {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
           "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
           "\\red126\\green126\\blue126;\\red255\\green192\\blue0;}";
}

std::string RtfFine() { return "\\par }"; }

std::string RtfTabDestra(float cm) { return "\\tqr\\tx" + Numero(cm * TwipCentimetro); }

std::string RtfTabCentro(float cm) { return "\\tqc\\tx" + Numero(cm * TwipCentimetro); }

std::string RtfRiga() {
    return "\\trowd\\trgaph10\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 "
           "\\trbrdrb\\brdrs\\brdrw10 \\trbrdrr\\brdrs\\brdrw10 ";
}

std::string RtfCella(int bordoDestro) {
    return "\\clbrdrl\\brdrw5\\brdrs\\clbrdrt\\brdrw5\\brdrs\\clbrdrr\\brdrw5\\brdrs"
           "\\clbrdrb\\brdrw5\\brdrs \\cellx" +
           std::to_string(bordoDestro);
}
