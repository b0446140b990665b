#include "model/CampoNumerico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

TEST(ValoreCampo, StoresWhatTheFileWritesWithinTheLimits) {
    struct Caso {
        const char* nome;
        CampoNumerico campo;
        float digitato;
        std::optional<float> memorizzato;  // nothing: refused
    };
    const float infinito = std::numeric_limits<float>::infinity();
    const Caso casi[] = {
        // 2.005 as a float is 2.00500011: written "2.01".
        {.nome = "spacing with 2 decimals", .campo = CampoLunghezza(2, 2.0f), .digitato = 2.005f,
         .memorizzato = 2.01f},
        {.nome = "at the lower limit", .campo = CampoLunghezza(2, 2.0f), .digitato = 2.0f, .memorizzato = 2.0f},
        {.nome = "below it although written as it", .campo = CampoLunghezza(2, 2.0f), .digitato = 1.999f,
         .memorizzato = std::nullopt},
        {.nome = "a spacing the file would write as 0", .campo = CampoLunghezza(2, 0.001f),
         .digitato = 0.004f, .memorizzato = std::nullopt},
        {.nome = "at the length range", .campo = CampoLunghezza(1), .digitato = 100000.0f,
         .memorizzato = 100000.0f},
        {.nome = "past the length range", .campo = CampoLunghezza(1), .digitato = 100000.01f,
         .memorizzato = std::nullopt},
        {.nome = "a negative length", .campo = CampoLunghezza(3), .digitato = -0.5f, .memorizzato = std::nullopt},
        {.nome = "a coordinate at the range", .campo = CampoCoordinata(1), .digitato = -100000.0f,
         .memorizzato = -100000.0f},
        {.nome = "a coordinate of 1e9", .campo = CampoCoordinata(1), .digitato = 1e9f,
         .memorizzato = std::nullopt},
        {.nome = "a coordinate kept as typed", .campo = CampoCoordinata(SenzaFile), .digitato = 12.34567f,
         .memorizzato = 12.34567f},
        {.nome = "whole, a half to even", .campo = CampoIntero(6.0f), .digitato = 12.5f, .memorizzato = 12.0f},
        {.nome = "whole, 13.5 to 14", .campo = CampoIntero(6.0f), .digitato = 13.5f, .memorizzato = 14.0f},
        {.nome = "whole, within 16 bits", .campo = CampoIntero(6.0f), .digitato = 32767.4f,
         .memorizzato = 32767.0f},
        {.nome = "whole, rounding past 16 bits", .campo = CampoIntero(6.0f), .digitato = 32767.5f,
         .memorizzato = std::nullopt},
        {.nome = "whole, below its limit", .campo = CampoIntero(6.0f), .digitato = 5.9f,
         .memorizzato = std::nullopt},
        {.nome = "whole, no lower limit", .campo = CampoIntero(-SenzaLimite, 200.0f), .digitato = -32768.0f,
         .memorizzato = -32768.0f},
        {.nome = "infinite", .campo = CampoLunghezza(3, 0.0f, SenzaLimite), .digitato = infinito,
         .memorizzato = std::nullopt},
        {.nome = "not a number", .campo = CampoCoordinata(3), .digitato = std::nanf(""),
         .memorizzato = std::nullopt},
    };
    for (const Caso& c : casi) EXPECT_EQ(ValoreCampo(c.campo, c.digitato), c.memorizzato) << c.nome;
}

TEST(PuntiAmmessi, EveryCoordinateWithinTheRange) {
    EXPECT_TRUE(PuntiAmmessi(std::vector<Punto>{}));
    EXPECT_TRUE(PuntiAmmessi(std::vector<Punto>{{-100000, 100000}, {0, 0}}));
    EXPECT_FALSE(PuntiAmmessi(std::vector<Punto>{{0, 0}, {0, 100000.01f}}));
    EXPECT_FALSE(PuntiAmmessi(std::vector<Punto>{{-1e20f, 0}}));
}

}  // namespace
