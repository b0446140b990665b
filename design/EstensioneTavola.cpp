#include "design/EstensioneTavola.h"

#include "design/DisElementiVista.h"
#include "design/DisTavola.h"
#include "drawing/BersaglioSchermo.h"
#include "drawing/Primitive.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr float Margine = 20.0f;  // cm around the drawing

// A canvas that draws nothing and keeps the box of every stroke, in pixels.
class TelaEstensione final : public TelaSchermo {
public:
    float Larghezza() const override { return 0.0f; }
    float Altezza() const override { return 0.0f; }
    void Cancella(StratoTela) override {}
    void ImpostaColoreSfondo(int) override {}
    void ImpostaColorePrimoPiano(int) override {}
    void ImpostaStileTratto(StileTratto) override {}
    void ImpostaSpessoreTratto(int) override {}

    void Linea(StratoTela, float x1, float y1, float x2, float y2, int) override {
        Punto_(x1, y1);
        Punto_(x2, y2);
    }
    void Riquadro(StratoTela, float x1, float y1, float x2, float y2, int, bool) override {
        Punto_(x1, y1);
        Punto_(x2, y2);
    }
    void Cerchio(StratoTela, float xc, float yc, float r, int) override {
        Punto_(xc - r, yc - r);
        Punto_(xc + r, yc + r);
    }
    void Poligono(StratoTela, const std::vector<PuntoPixel>& punti, int) override {
        for (const PuntoPixel& p : punti) Punto_(static_cast<float>(p.X), static_cast<float>(p.Y));
    }
    // The corners of the text cell, turned about its top-left corner.
    void Testo(StratoTela, int x, int y, int altezza, int larghezza, int angoloGradi,
               const std::string& testo) override {
        // The screen target spaces the characters a little wider than their width.
        const float lungo = static_cast<float>(larghezza + 2) * static_cast<float>(NumeroCaratteri(testo));
        const float a = static_cast<float>(angoloGradi) * 3.14159265f / 180.0f;
        const float c = std::cos(a), s = std::sin(a);
        for (const auto& [dx, dy] : {std::pair{0.0f, 0.0f}, std::pair{lungo, 0.0f},
                                     std::pair{0.0f, static_cast<float>(altezza)},
                                     std::pair{lungo, static_cast<float>(altezza)}})
            Punto_(static_cast<float>(x) + dx * c + dy * s, static_cast<float>(y) - dx * s + dy * c);
    }

    bool Vuota() const { return xmin_ > xmax_; }
    float Xmin() const { return xmin_; }
    float Xmax() const { return xmax_; }
    float Ymin() const { return ymin_; }
    float Ymax() const { return ymax_; }

private:
    void Punto_(float x, float y) {
        xmin_ = std::min(xmin_, x);
        xmax_ = std::max(xmax_, x);
        ymin_ = std::min(ymin_, y);
        ymax_ = std::max(ymax_, y);
    }

    float xmin_ = std::numeric_limits<float>::max();
    float xmax_ = std::numeric_limits<float>::lowest();
    float ymin_ = std::numeric_limits<float>::max();
    float ymax_ = std::numeric_limits<float>::lowest();
};

// The box of what disegna draws, with a margin; none when it draws nothing.
template <typename Disegno>
std::optional<Rettangolo> Misura(Disegno disegna) {
    // One pixel a cm with the origin at the canvas corner: pixel (x, -y).
    Vista vista;
    vista.Scala = 1.0f;
    Impostazioni imp;
    ValoriDefault(imp);
    TelaEstensione tela;
    const BersaglioSchermo bersaglio(tela, StratoTela::Immagine, vista, imp, TuttiILayer());
    disegna(BersagliPassata{bersaglio, bersaglio});
    if (tela.Vuota()) return std::nullopt;
    return Rettangolo{XModello(vista, tela.Xmin()) - Margine, YModello(vista, tela.Ymax()) - Margine,
                      XModello(vista, tela.Xmax()) + Margine, YModello(vista, tela.Ymin()) + Margine};
}

}  // namespace

Rettangolo EstensioneTavola(const Parete& parete) {
    if (!parete.CaricataParete()) return parete.EstTavola;
    return Misura([&](const BersagliPassata& b) { DisTavola(parete, b); }).value_or(parete.EstTavola);
}

Rettangolo EstensionePianta(const Parete& parete, int vista) {
    const Rettangolo& pianta = parete.EstPianta;
    if (!parete.CaricataParete() || vista < 0 || vista > 3) return pianta;
    const std::optional<Rettangolo> disegno =
        Misura([&](const BersagliPassata& b) { DisPiantaConSezioni(parete, vista, b); });
    if (!disegno) return pianta;
    return {std::min(pianta.Xmin, disegno->Xmin), std::min(pianta.Ymin, disegno->Ymin),
            std::max(pianta.Xmax, disegno->Xmax), std::max(pianta.Ymax, disegno->Ymax)};
}
