#include "model/ScrittoreSequenziale.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

struct CasoRiga {
    const char* nome;
    std::function<void(ScrittoreSequenziale&)> scrivi;
    const char* atteso;
};

// A failing row names itself in the test output.
void PrintTo(const CasoRiga& c, std::ostream* os) { *os << c.nome; }

class RigheScritte : public ::testing::TestWithParam<CasoRiga> {};

TEST_P(RigheScritte, ValoriNelleZoneDiStampa) {
    ScrittoreSequenziale file;
    GetParam().scrivi(file);
    EXPECT_EQ(file.Contenuto(), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, RigheScritte,
    ::testing::Values(
        CasoRiga{.nome = "InteroConSegnoEBiancoFinale",
                 .scrivi = [](auto& f) { f.Intero(7); f.FineRiga(); },
                 .atteso = " 7 \r\n"},
        CasoRiga{.nome = "NegativoSenzaBiancoIniziale",
                 .scrivi = [](auto& f) { f.Intero(-1); f.FineRiga(); },
                 .atteso = "-1 \r\n"},
        CasoRiga{.nome = "SecondoValoreInColonna15",
                 .scrivi = [](auto& f) { f.Intero(28); f.Intero(6); f.FineRiga(); },
                 .atteso = " 28            6 \r\n"},
        CasoRiga{.nome = "RealiSenzaBianchi",
                 .scrivi = [](auto& f) { f.Reale(50.0f, 3); f.Reale(-0.5f, 5); f.FineRiga(); },
                 .atteso = "50.000        -0.50000\r\n"},
        // A value 13 wide still leaves one blank before column 15.
        CasoRiga{.nome = "TrediciCaratteriPoiColonna15",
                 .scrivi = [](auto& f) { f.Intero(12345678901); f.Intero(1); f.FineRiga(); },
                 .atteso = " 12345678901   1 \r\n"},
        // A value that fills its zone pushes the next to column 29.
        CasoRiga{.nome = "ZonaPienaPoiColonna29",
                 .scrivi = [](auto& f) { f.Intero(123456789012); f.Intero(1); f.FineRiga(); },
                 .atteso = " 123456789012                1 \r\n"},
        CasoRiga{.nome = "QuintoValoreInColonna57",
                 .scrivi = [](auto& f) {
                     for (int i = 0; i < 5; ++i) f.Intero(i);
                     f.FineRiga();
                 },
                 .atteso = " 0             1             2             3             4 \r\n"},
        CasoRiga{.nome = "RigaDiTestoInWindows1252",
                 .scrivi = [](auto& f) { f.Riga("FERRI Ø"); f.Riga(""); },
                 .atteso = "FERRI \xD8\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
