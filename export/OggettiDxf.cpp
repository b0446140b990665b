#include "export/OggettiDxf.h"

#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The nineteen drawn handles, named by what they hold.
enum Oggetto : int {
    DizGruppi,            // ACAD_GROUP
    DizLayout,            // ACAD_LAYOUT
    DizDetailViewStyle,   // ACAD_DETAILVIEWSTYLE
    DizMlineStyle,        // ACAD_MLINESTYLE
    DizPlotSettings,      // ACAD_PLOTSETTINGS
    DizPlotStyleName,     // ACAD_PLOTSTYLENAME, dictionary with default
    DizSectionViewStyle,  // ACAD_SECTIONVIEWSTYLE
    DizVariabili,         // AcDbVariableDictionary
    DizAppData,           // APPDATA
    DizDimOffset,         // DimOffsetDictionary
    StileMlinea,          // MLINESTYLE "STANDARD"
    VarDimAssoc,
    VarIndexCtl,
    VarSortEnts,
    VarDimRailAngle,
    VarDimRailFirstOffset,
    VarDimRailOffset,
    VarDimRailsEnabled,
    ProprietaDisegno,     // XRECORD "DWGPROPS"
    NumOggetti
};

constexpr const char* HndRadice = "C";

using Voci = std::vector<std::pair<const char*, std::string>>;

class Oggetti {
public:
    Oggetti(std::ostream& s, HandleDxf& handle) : s_(s), hnd_(handle) {
        for (std::string& h : h_) h = handle.NuovoHandle();
    }

    void Scrivi() {
        ScriviGruppo(s_, 0, "SECTION");
        ScriviGruppo(s_, 2, "OBJECTS");
        Radice();
        Dizionario(DizDetailViewStyle, {});
        Dizionario(DizGruppi, {});
        Dizionario(DizLayout, {{"Foglio 1", hnd_.HndLayoutFoglio}, {"Model", hnd_.HndLayoutModel}});
        Dizionario(DizMlineStyle, {{"STANDARD", h_[StileMlinea]}});
        Dizionario(DizPlotSettings, {});
        DizionarioStiliStampa();
        Dizionario(DizSectionViewStyle, {});
        Dizionario(DizVariabili, {{"DIMASSOC", h_[VarDimAssoc]},
                                  {"INDEXCTL", h_[VarIndexCtl]},
                                  {"SORTENTS", h_[VarSortEnts]}});
        Dizionario(DizAppData, {});
        Dizionario(DizDimOffset, {{"DIMRAILANGLE", h_[VarDimRailAngle]},
                                  {"DIMRAILFIRSTOFFSET", h_[VarDimRailFirstOffset]},
                                  {"DIMRAILOFFSET", h_[VarDimRailOffset]},
                                  {"DIMRAILSENABLED", h_[VarDimRailsEnabled]}});
        ProprietaDwg();
        Layout(hnd_.HndLayoutFoglio, "Foglio 1", 1, hnd_.HndPaperSpace);
        // The model space's own layout, so that a reader adds none of its own.
        Layout(hnd_.HndLayoutModel, "Model", 0, hnd_.HndModelSpace);
        StileMultilinea();
        ScriviGruppo(s_, 0, "ACDBPLACEHOLDER");
        ScriviGruppo(s_, 5, hnd_.HndPlaceholder);
        ScriviGruppo(s_, 330, h_[DizPlotStyleName]);
        VariabileDizionario(VarDimAssoc, DizVariabili, "1");
        VariabileDizionario(VarIndexCtl, DizVariabili, "0");
        VariabileDizionario(VarSortEnts, DizVariabili, "127");
        VariabileDizionario(VarDimRailAngle, DizDimOffset, "0.261799");
        VariabileDizionario(VarDimRailFirstOffset, DizDimOffset, "0.400000");
        VariabileDizionario(VarDimRailOffset, DizDimOffset, "0.250000");
        VariabileDizionario(VarDimRailsEnabled, DizDimOffset, "1");
        ScriviGruppo(s_, 0, "ENDSEC");
    }

private:
    void Voce(const char* nome, const std::string& handle) {
        ScriviGruppo(s_, 3, nome);
        ScriviGruppo(s_, 350, handle);
    }

    void Radice() {
        ScriviGruppo(s_, 0, "DICTIONARY");
        ScriviGruppo(s_, 5, HndRadice);
        ScriviGruppo(s_, 330, "0");
        ScriviGruppo(s_, 100, "AcDbDictionary");
        ScriviGruppo(s_, 281, Allinea6(1));
        Voce("ACAD_DETAILVIEWSTYLE", h_[DizDetailViewStyle]);
        Voce("ACAD_GROUP", h_[DizGruppi]);
        Voce("ACAD_LAYOUT", h_[DizLayout]);
        Voce("ACAD_MLINESTYLE", h_[DizMlineStyle]);
        Voce("ACAD_PLOTSETTINGS", h_[DizPlotSettings]);
        Voce("ACAD_PLOTSTYLENAME", h_[DizPlotStyleName]);
        Voce("ACAD_SECTIONVIEWSTYLE", h_[DizSectionViewStyle]);
        Voce("AcDbVariableDictionary", h_[DizVariabili]);
        Voce("APPDATA", h_[DizAppData]);
        Voce("DimOffsetDictionary", h_[DizDimOffset]);
        Voce("DWGPROPS", h_[ProprietaDisegno]);
    }

    void InizioDizionario(std::string_view codiceTipo, const char* tipo, Oggetto o) {
        ScriviGruppoCome(s_, codiceTipo, tipo);
        ScriviGruppo(s_, 5, h_[o]);
        ScriviGruppo(s_, 330, HndRadice);
        ScriviGruppo(s_, 100, "AcDbDictionary");
        ScriviGruppo(s_, 281, "1");
    }

    void Dizionario(Oggetto o, const Voci& voci) {
        // The plain dictionaries have always opened with a bare "0".
        InizioDizionario("0", "DICTIONARY", o);
        for (const auto& [nome, handle] : voci) Voce(nome, handle);
    }

    // Its one entry, "Normal", is also its default: the placeholder every layer names.
    void DizionarioStiliStampa() {
        InizioDizionario("  0", "ACDBDICTIONARYWDFLT", DizPlotStyleName);
        Voce("Normal", hnd_.HndPlaceholder);
        ScriviGruppo(s_, 100, "AcDbDictionaryWithDefault");
        ScriviGruppo(s_, 340, hnd_.HndPlaceholder);
    }

    void ProprietaDwg() {
        ScriviGruppo(s_, 0, "XRECORD");
        ScriviGruppo(s_, 5, h_[ProprietaDisegno]);
        ScriviGruppo(s_, 330, HndRadice);
        ScriviGruppo(s_, 100, "AcDbXrecord");
        ScriviGruppo(s_, 280, "1");
        ScriviGruppo(s_, 1, "DWGPROPS COOKIE");
        for (int codice : {2, 3, 4, 6, 7}) ScriviGruppo(s_, codice, "");
        ScriviGruppo(s_, 8, "Utente");
        ScriviGruppo(s_, 9, "");
        for (int codice = 300; codice <= 309; ++codice) ScriviGruppo(s_, codice, "=");
        ScriviGruppo(s_, 40, "0.0");
        ScriviGruppo(s_, 41, "2456345.661697002");
        ScriviGruppo(s_, 42, "2457793.718763808");
        ScriviGruppo(s_, 1, "");
        ScriviGruppo(s_, 90, "0");
    }

    void Punto(int codice, const char* x, const char* y, const char* z = nullptr) {
        ScriviGruppo(s_, codice, x);
        ScriviGruppo(s_, codice + 10, y);
        if (z) ScriviGruppo(s_, codice + 20, z);
    }

    void Layout(const std::string& handle, const char* nome, int ordine,
                const std::string& bloccoRecord) {
        ScriviGruppo(s_, 0, "LAYOUT");
        ScriviGruppo(s_, 5, handle);
        ScriviGruppo(s_, 330, h_[DizLayout]);
        ScriviGruppo(s_, 100, "AcDbPlotSettings");
        ScriviGruppo(s_, 1, "");
        ScriviGruppo(s_, 2, "none_device");
        ScriviGruppo(s_, 4, "");
        ScriviGruppo(s_, 6, "");
        for (int codice = 40; codice <= 49; ++codice) ScriviGruppo(s_, codice, "0.0");
        ScriviGruppo(s_, 140, "0.0");
        ScriviGruppo(s_, 141, "0.0");
        ScriviGruppo(s_, 142, "1.0");
        ScriviGruppo(s_, 143, "1.0");
        ScriviGruppo(s_, 70, "688");
        ScriviGruppo(s_, 72, "0");
        ScriviGruppo(s_, 73, "0");
        ScriviGruppo(s_, 74, "5");
        ScriviGruppo(s_, 7, "");
        ScriviGruppo(s_, 75, "16");
        ScriviGruppo(s_, 147, "1.0");
        ScriviGruppo(s_, 148, "0.0");
        ScriviGruppo(s_, 149, "0.0");
        ScriviGruppo(s_, 100, "AcDbLayout");
        ScriviGruppo(s_, 1, nome);
        ScriviGruppo(s_, 70, "1");
        ScriviGruppo(s_, 71, std::to_string(ordine));
        Punto(10, "0.0", "0.0");
        Punto(11, "0.0", "0.0");
        Punto(12, "0.0", "0.0", "0.0");
        Punto(14, "0.0", "0.0", "0.0");
        Punto(15, "0.0", "0.0", "0.0");
        ScriviGruppo(s_, 146, "0.0");
        Punto(13, "0.0", "0.0", "0.0");
        Punto(16, "1.0", "0.0", "0.0");
        Punto(17, "0.0", "1.0", "0.0");
        ScriviGruppo(s_, 76, "0");
        ScriviGruppo(s_, 330, bloccoRecord);
    }

    void StileMultilinea() {
        ScriviGruppo(s_, 0, "MLINESTYLE");
        ScriviGruppo(s_, 5, h_[StileMlinea]);
        ScriviGruppo(s_, 330, h_[DizMlineStyle]);
        ScriviGruppo(s_, 100, "AcDbMlineStyle");
        ScriviGruppo(s_, 2, "STANDARD");
        ScriviGruppo(s_, 70, "0");
        ScriviGruppo(s_, 3, "");
        ScriviGruppo(s_, 62, "256");
        ScriviGruppo(s_, 51, "90.0");
        ScriviGruppo(s_, 52, "90.0");
        ScriviGruppo(s_, 71, "2");
        for (const char* scostamento : {"0.5", "-0.5"}) {
            ScriviGruppo(s_, 49, scostamento);
            ScriviGruppo(s_, 62, "256");
            ScriviGruppo(s_, 6, "BYLAYER");
        }
    }

    void VariabileDizionario(Oggetto o, Oggetto dizionario, const char* valore) {
        ScriviGruppo(s_, 0, "DICTIONARYVAR");
        ScriviGruppo(s_, 5, h_[o]);
        ScriviGruppo(s_, 330, h_[dizionario]);
        ScriviGruppo(s_, 100, "DictionaryVariables");
        ScriviGruppo(s_, 280, "0");
        ScriviGruppo(s_, 1, valore);
    }

    std::ostream& s_;
    const HandleDxf& hnd_;
    std::array<std::string, NumOggetti> h_;
};

}  // namespace

void ScriviObjectsDXF(std::ostream& sezioni, HandleDxf& handle) {
    Oggetti(sezioni, handle).Scrivi();
}
