// The DIMENSION entity and its anonymous block.

#include "export/FlussoEntitaDxf.h"

#include "drawing/Primitive.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Angoli.h"
#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"

#include <cmath>
#include <utility>

namespace {


struct PuntoDxf {
    float x = 0.0f, y = 0.0f;
};

std::string Dec8(float v) { return FormatoDec(v, 8); }

// Measure rounded to n decimals, ties to the even digit, as a 32-bit float.
float MisuraArrotondata(float misura, int decimali) {
    const float fattore = std::pow(10.0f, static_cast<float>(decimali));
    return std::nearbyint(misura * fattore) / fattore;
}

// Writes the block records of one dimension, each with a new handle and the
// block record as owner.
class BloccoQuota {
public:
    BloccoQuota(std::ostream& uscita, HandleDxf& handle, std::string proprietario)
        : uscita_(uscita), handle_(handle), proprietario_(std::move(proprietario)) {}

    void Inizio(const std::string& layer, const std::string& nome) {
        Record("BLOCK", layer);
        Gruppo(100, "AcDbBlockBegin");
        Gruppo(2, nome);
        Gruppo(70, "     1");
        Gruppo(10, "0.0");
        Gruppo(20, "0.0");
        Gruppo(30, "0.0");
        Gruppo(3, nome);
        Gruppo(1, "");
    }

    void Linea(const std::string& layer, PuntoDxf a, PuntoDxf b) {
        Record("LINE", layer);
        DaBlocco();
        Gruppo(100, "AcDbLine");
        Punto(10, a);
        Gruppo(11, Dec8(b.x));
        Gruppo(21, Dec8(b.y));
        Gruppo(31, "0.0");
    }

    void Inserimento(const std::string& layer, const std::string& freccia, PuntoDxf p, float e,
                     float rotazione) {
        Record("INSERT", layer);
        DaBlocco();
        Gruppo(100, "AcDbBlockReference");
        Gruppo(2, freccia);
        Punto(10, p);
        Gruppo(41, Dec8(e));
        Gruppo(42, Dec8(e));
        Gruppo(43, Dec8(e));
        Gruppo(50, Dec8(rotazione));
    }

    void TestoMultiriga(const std::string& layer, PuntoDxf t, float altezza, float angolo,
                        int attacco, const std::string& testo) {
        Record("MTEXT", layer);
        Gruppo(62, "     0");
        Gruppo(100, "AcDbMText");
        Punto(10, t);
        Gruppo(40, Dec8(altezza));
        Gruppo(41, "0.0");
        Gruppo(50, Dec8(angolo));
        Gruppo(71, Allinea6(attacco));
        Gruppo(72, "     1");
        Gruppo(1, testo);
        Gruppo(73, "     1");
        Gruppo(44, "1.0");
        Gruppo(1001, "ACAD");
        Gruppo(1000, "MTEXTBEGIN");
        Gruppo(1070, "    73");
        Gruppo(1070, "     1");
        Gruppo(1070, "    44");
        Gruppo(1040, "1.0");
        Gruppo(1070, "    74");
        Gruppo(1070, "     0");
        Gruppo(1000, "MTEXTEND");
    }

    void PuntoDefinizione(PuntoDxf p) {
        Record("POINT", "DEFPOINTS");
        Gruppo(62, "    0");
        Gruppo(100, "AcDbPoint");
        Punto(10, p);
    }

    void Fine() {
        Record("ENDBLK", "0");
        Gruppo(100, "AcDbBlockEnd");
    }

private:
    void Gruppo(int codice, const std::string& valore) { ScriviGruppo(uscita_, codice, valore); }
    void Punto(int codice, PuntoDxf p) {
        Gruppo(codice, Dec8(p.x));
        Gruppo(codice + 10, Dec8(p.y));
        Gruppo(codice + 20, "0.0");
    }
    void Record(const char* tipo, const std::string& layer) {
        Gruppo(0, tipo);
        Gruppo(5, handle_.NuovoHandle());
        Gruppo(330, proprietario_);
        Gruppo(100, "AcDbEntity");
        Gruppo(8, layer);
    }
    // Colour and line weight "by block".
    void DaBlocco() {
        Gruppo(62, "     0");
        Gruppo(370, "    -2");
    }

    std::ostream& uscita_;
    HandleDxf& handle_;
    std::string proprietario_;
};

}  // namespace

void FlussoEntitaDxf::DxfQuota(int layerQuota, int layerTesto, int decimali, float altezzaTesto,
                               float fattoreFreccia, int tipoFreccia, float x1, float y1, float x2,
                               float y2, float x3, float y3, float x4, float y4, int divisore,
                               const std::string& stile) {
    const float misura =
        MisuraArrotondata(Distanza(x1, y1, x2, y2) / static_cast<float>(divisore), decimali);
    if (misura < 0.0001f) return;

    const std::string& nomeLayerQuota = imp_.NomiLayer.at(layerQuota);
    const std::string& nomeLayerTesto = imp_.NomiLayer.at(layerTesto);
    const std::string freccia = tipoFreccia < 1 ? "_FRECCIAKORVAN" : "_None";
    const float k = imp_.ScalaTestiDxf;

    auto dxf = [this](float x, float y) {
        return PuntoDxf{DxfX(x, stato_, imp_), DxfY(y, stato_, imp_)};
    };
    PuntoDxf p0 = dxf(x1, y1), p1 = dxf(x2, y2), q0 = dxf(x3, y3), q1 = dxf(x4, y4);

    // The dimension always runs left to right, or bottom to top.
    float a;
    if (std::fabs(p1.x - p0.x) > 0.001f) {
        if (p0.x > p1.x) {
            std::swap(p0, p1);
            std::swap(q0, q1);
        }
        a = std::atan((p1.y - p0.y) / (p1.x - p0.x));
    } else {
        a = MezzoPiGrecoFloat;
        if (p0.y > p1.y) {
            std::swap(p0, p1);
            std::swap(q0, q1);
        }
    }
    const bool allineata = std::fabs(Distanza(p0.x, p0.y, q0.x, q0.y) -
                                     Distanza(p1.x, p1.y, q1.x, q1.y)) < 0.0001f;

    const std::optional<std::string> nome = handle_.NomeBloccoQuota();
    if (!nome) return;  // the export refuses the drawing as a whole
    const std::string& nomeBlocco = *nome;
    const std::string handleQuota = handle_.NuovoHandle();
    const std::string handleRecord = handle_.NuovoHandle();
    handle_.HandleBlocchiD.resize(handle_.NumBlocchiD);
    handle_.HandleBlocchiD.back() = handleRecord;

    const float e = k * fattoreFreccia;
    const float ca = std::cos(a), sa = std::sin(a);
    // Converted with the full constant: a float one puts about one angle in
    // seven one unit off in the last place.
    const float gradi = static_cast<float>(a * RadiantiInGradi);
    float gradiOpposti = gradi + 180.0f;
    if (gradiOpposti >= 360.0f) gradiOpposti -= 360.0f;

    BloccoQuota blocco(blocchi_, handle_, handleRecord);
    blocco.Inizio(nomeLayerQuota, nomeBlocco);
    if (tipoFreccia < 1)
        blocco.Linea(nomeLayerQuota, {p0.x + e * ca, p0.y + e * sa}, {p1.x - e * ca, p1.y - e * sa});
    blocco.Inserimento(nomeLayerQuota, freccia, p0, e, gradiOpposti);
    blocco.Inserimento(nomeLayerQuota, freccia, p1, e, gradi);

    const PuntoDxf medio{(p0.x + p1.x) / 2.0f, (p0.y + p1.y) / 2.0f};
    PuntoDxf t = medio;
    std::string testo;
    int attacco;
    if (tipoFreccia < 1) {
        const float frazione = misura - std::trunc(misura);
        testo = FormatoDec(misura, (frazione >= 0.1f && frazione <= 0.9f) ? decimali : 0);
        // Lift the text clear of a line too short to hold it.
        const float lunghezzaDisegnata = imp_.ScalaDxf * misura * static_cast<float>(divisore);
        const float d = lunghezzaDisegnata < altezzaTesto * static_cast<float>(NumeroCaratteri(testo))
                            ? 18.0f * k
                            : 4.0f * k;
        t = {medio.x - d * sa, medio.y + d * ca};
        attacco = 8;
    } else {
        testo = FormatoDec(misura, 0);
        attacco = 5;
    }
    blocco.TestoMultiriga(nomeLayerTesto, t, altezzaTesto, gradi, attacco, testo);
    blocco.PuntoDefinizione(q0);
    blocco.PuntoDefinizione(q1);
    blocco.PuntoDefinizione(p1);
    blocco.Fine();

    auto g = [this](int codice, const std::string& valore) { ScriviGruppo(entita_, codice, valore); };
    g(0, "DIMENSION");
    g(5, handleQuota);
    g(330, handle_.HndModelSpace);
    g(100, "AcDbEntity");
    g(8, nomeLayerQuota);
    g(100, "AcDbDimension");
    g(2, nomeBlocco);
    g(10, Dec8(p1.x)); g(20, Dec8(p1.y)); g(30, "0.0");
    g(11, Dec8(t.x)); g(21, Dec8(t.y)); g(31, "0.0");
    g(70, Allinea6((allineata ? 1 : 0) + 32));
    g(71, "     5");
    g(3, stile);
    g(100, "AcDbAlignedDimension");
    g(13, Dec8(q0.x)); g(23, Dec8(q0.y)); g(33, "0.0");
    g(14, Dec8(q1.x)); g(24, Dec8(q1.y)); g(34, "0.0");
    if (!allineata) g(100, "AcDbRotatedDimension");
}
