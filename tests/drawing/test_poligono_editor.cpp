#include "drawing/PoligonoEditor.h"
#include "model/Impostazioni.h"
#include "model/StatoInterfaccia.h"

#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int Giallo = Rgb(255, 255, 0);
constexpr int Rosso = Rgb(255, 0, 0);
constexpr int GrigioChiaro = Rgb(192, 192, 192);

// At 2 pixels per cm with the origin at the bottom-left corner of the
// 800 x 600 canvas, the three vertices (10, 10), (100, 10) and (100, 80)
// fall on the pixels (20, 580), (200, 580) and (200, 440). The pool holds
// them out of order, with a stray point, so that the list order shows.
struct Banco : BancoDisegno {
    StatoInterfaccia Stato;

    Banco() {
        Stato.ModificaPoligono = 1;
        Stato.PoolVertici = {{100, 80}, {999, 999}, {10, 10}, {100, 10}};
        Stato.OrdineVertici = {2, 3, 0};
        Stato.UltVerticeLista = 2;
        Stato.VerticeSelezionato = 1;
        Stato.Text1 = {"100", "10"};
    }

    void Disegna() { DisPoligEdit(Stato, Schermo()); }

    std::vector<TrattoTela> LineeDiColore(int colore) const {
        std::vector<TrattoTela> r;
        for (const TrattoTela& t : Tela.DiTipo("Linea"))
            if (t.Colore == colore) r.push_back(t);
        return r;
    }
};

using Segmento = std::array<float, 4>;

std::vector<Segmento> Estremi(const std::vector<TrattoTela>& tratti) {
    std::vector<Segmento> r;
    for (const TrattoTela& t : tratti)
        r.push_back({t.Valori[0], t.Valori[1], t.Valori[2], t.Valori[3]});
    return r;
}

Segmento QuadratoIn(float x, float y) { return {x - 2, y - 2, x + 2, y + 2}; }

}  // namespace

TEST(DisPoligEdit, TreVerticiConIlSecondoSelezionato) {
    Banco b;
    b.Disegna();

    const auto quadrati = b.Tela.DiTipo("Riquadro");
    ASSERT_EQ(quadrati.size(), 4u);  // three vertices and the typed position
    const std::array<int, 4> colori = {Rosso, Giallo, Rosso, Giallo};
    const std::array<Segmento, 4> posti = {QuadratoIn(20, 580), QuadratoIn(200, 580),
                                           QuadratoIn(200, 440), QuadratoIn(200, 580)};
    for (std::size_t i = 0; i < quadrati.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(quadrati[i].Colore, colori[i]);
        EXPECT_FALSE(quadrati[i].Pieno);
        EXPECT_EQ(quadrati[i].Strato, StratoTela::Immagine);
        EXPECT_EQ(Estremi({quadrati[i]})[0], posti[i]);
    }

    const auto numeri = b.Tela.DiTipo("Testo");
    ASSERT_EQ(numeri.size(), 3u);
    const std::array<std::string, 3> testi = {" 1", " 2", " 3"};
    const std::array<std::vector<float>, 3> celle = {std::vector<float>{20, 580, 24, 10, 0},
                                                     std::vector<float>{200, 580, 24, 10, 0},
                                                     std::vector<float>{200, 440, 24, 10, 0}};
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(numeri[i].Testo, testi[i]);
        EXPECT_EQ(numeri[i].Valori, celle[i]);
        EXPECT_EQ(numeri[i].Colore, colori[i]);
    }

    const auto lati = b.LineeDiColore(GrigioChiaro);
    EXPECT_EQ(Estremi(lati), (std::vector<Segmento>{
                                 {20, 580, 200, 580}, {200, 580, 200, 440}, {200, 440, 20, 580}}));
    for (const TrattoTela& t : lati) EXPECT_EQ(t.Stile, StileTratto::Punteggiato);
    EXPECT_TRUE(b.LineeDiColore(Giallo).empty());
    EXPECT_EQ(b.Tela.Tratti.size(), 10u);  // squares, numbers and sides only
    EXPECT_EQ(b.Tela.StileCorrente(), StileTratto::Continuo);
}

TEST(DisPoligEdit, PosizioneDigitataEAnteprima) {
    // The selected vertex 2 is on the pixel (200, 580); its neighbours are
    // vertex 3 (200, 440) and vertex 1 (20, 580).
    struct Caso {
        const char* nome;
        int selezionato;
        std::array<std::string, 2> testi;
        Segmento quadrato;
        std::vector<Segmento> anteprima;
    };
    const std::vector<Caso> casi = {
        {.nome = "sul vertice selezionato",
         .selezionato = 1,
         .testi = {"100", "10"},
         .quadrato = QuadratoIn(200, 580),
         .anteprima = {}},
        {.nome = "sulla sua riga di pixel",
         .selezionato = 1,
         .testi = {"50", "10"},
         .quadrato = QuadratoIn(100, 580),
         .anteprima = {}},
        {.nome = "sulla sua colonna, dopo l'arrotondamento e con la virgola",
         .selezionato = 1,
         .testi = {"100,2", "60"},
         .quadrato = QuadratoIn(200, 480),
         .anteprima = {}},
        {.nome = "fuori da riga e colonna",
         .selezionato = 1,
         .testi = {"50", "40"},
         .quadrato = QuadratoIn(100, 520),
         .anteprima = {{100, 520, 200, 440}, {100, 520, 20, 580}}},
        {.nome = "primo vertice: la seconda linea va all'ultimo",
         .selezionato = 0,
         .testi = {"50", "40"},
         .quadrato = QuadratoIn(100, 520),
         .anteprima = {{100, 520, 200, 580}, {100, 520, 200, 440}}},
        {.nome = "ultimo vertice: la prima linea torna al primo",
         .selezionato = 2,
         .testi = {"50", "40"},
         .quadrato = QuadratoIn(100, 520),
         .anteprima = {{100, 520, 20, 580}, {100, 520, 200, 580}}},
        {.nome = "caselle vuote: il punto (0, 0) del modello",
         .selezionato = 1,
         .testi = {"", ""},
         .quadrato = QuadratoIn(0, 600),
         .anteprima = {{0, 600, 200, 440}, {0, 600, 20, 580}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Stato.VerticeSelezionato = c.selezionato;
        b.Stato.Text1 = c.testi;
        b.Disegna();
        const auto quadrati = b.Tela.DiTipo("Riquadro");
        ASSERT_EQ(quadrati.size(), 4u);
        EXPECT_EQ(quadrati.back().Colore, Giallo);
        EXPECT_EQ(Estremi({quadrati.back()})[0], c.quadrato);
        const auto gialle = b.LineeDiColore(Giallo);
        EXPECT_EQ(Estremi(gialle), c.anteprima);
        for (const TrattoTela& t : gialle) EXPECT_EQ(t.Stile, StileTratto::Punteggiato);
        EXPECT_EQ(b.Tela.StileCorrente(), StileTratto::Continuo);
    }
}

TEST(DisPoligEdit, SenzaSelezioneSoloVerticiELati) {
    struct Caso {
        const char* nome;
        int selezionato;
        int ultimo;
        std::size_t vertici;
    };
    const std::vector<Caso> casi = {
        {.nome = "nessun vertice selezionato", .selezionato = -1, .ultimo = 2, .vertici = 3},
        {.nome = "indice oltre l'ultimo vertice", .selezionato = 3, .ultimo = 2, .vertici = 3},
        {.nome = "poligono vuoto", .selezionato = 0, .ultimo = -1, .vertici = 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Stato.VerticeSelezionato = c.selezionato;
        b.Stato.UltVerticeLista = c.ultimo;
        b.Stato.Text1 = {"50", "40"};
        b.Disegna();
        const auto quadrati = b.Tela.DiTipo("Riquadro");
        EXPECT_EQ(quadrati.size(), c.vertici);
        for (const TrattoTela& t : quadrati) EXPECT_EQ(t.Colore, Rosso);
        EXPECT_EQ(b.Tela.DiTipo("Testo").size(), c.vertici);
        EXPECT_EQ(b.LineeDiColore(GrigioChiaro).size(), c.vertici);
        EXPECT_TRUE(b.LineeDiColore(Giallo).empty());
    }
}

TEST(DisPoligEdit, ListaIncoerenteFinisceAlPrimoIndiceSenzaPunto) {
    struct Caso {
        const char* nome;
        std::vector<int> ordine;
        int ultimo;
        std::size_t vertici;
    };
    const std::vector<Caso> casi = {
        {.nome = "indice fuori dalla riserva", .ordine = {2, 3, 7}, .ultimo = 2, .vertici = 2},
        {.nome = "indice negativo", .ordine = {2, -1, 0}, .ultimo = 2, .vertici = 1},
        {.nome = "ultimo indice oltre la lista", .ordine = {2, 3}, .ultimo = 5, .vertici = 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Stato.OrdineVertici = c.ordine;
        b.Stato.UltVerticeLista = c.ultimo;
        b.Stato.VerticeSelezionato = -1;
        b.Disegna();
        EXPECT_EQ(b.Tela.DiTipo("Riquadro").size(), c.vertici);
        EXPECT_EQ(b.LineeDiColore(GrigioChiaro).size(), c.vertici);
    }
}

TEST(DisPoligEdit, GrigliaPrimaDeiVerticiSoloConLaCasella) {
    for (const int casella : {0, 1}) {
        SCOPED_TRACE(casella);
        Banco b;
        b.Imp.PassoGrigliaX = 100;
        b.Imp.PassoGrigliaY = 100;
        b.Stato.SnapGriglia = casella;
        b.Disegna();
        const auto punti = b.LineeDiColore(Rgb(128, 128, 128));
        // Window 0-400 x 0-300 cm: 5 columns by 4 rows.
        EXPECT_EQ(punti.size(), casella != 0 ? 20u : 0u);
        if (casella != 0) {
            EXPECT_EQ(b.Tela.Tratti.front().Colore, Rgb(128, 128, 128));
        }
    }
}
