#include "export/ClassiDxf.h"
#include "export/HandleDxf.h"
#include "export/IntestazioneDxf.h"
#include "export/OggettiDxf.h"

#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<GruppoLetto> Header(HandleDxf& h) {
    std::ostringstream s;
    ScriviHeaderDXF(s, h);
    return LeggiGruppi(s.str());
}

// Every value group of one variable, as "code value".
std::vector<std::string> ValoriVariabile(const std::vector<GruppoLetto>& gruppi,
                                         const std::string& nome) {
    std::vector<std::string> valori;
    bool dentro = false;
    for (const auto& g : gruppi) {
        if (g.Codice == 9 || g.Codice == 0) dentro = g.Codice == 9 && g.Valore == nome;
        else if (dentro) valori.push_back(std::to_string(g.Codice) + " " + g.Valore);
    }
    return valori;
}

}  // namespace

TEST(HeaderDxf, TheVariablesInTheirOrder) {
    const std::vector<std::string> attesi = {
        "$ACADVER", "$ACADMAINTVER", "$DWGCODEPAGE", "$INSBASE", "$EXTMIN", "$EXTMAX", "$LIMMIN",
        "$LIMMAX", "$ORTHOMODE", "$REGENMODE", "$FILLMODE", "$QTEXTMODE", "$MIRRTEXT", "$LTSCALE",
        "$ATTMODE", "$TEXTSIZE", "$TRACEWID", "$TEXTSTYLE", "$CLAYER", "$CELTYPE", "$CECOLOR",
        "$CELTSCALE", "$DISPSILH", "$DIMSCALE", "$DIMASZ", "$DIMEXO", "$DIMDLI", "$DIMRND",
        "$DIMDLE", "$DIMEXE", "$DIMTP", "$DIMTM", "$DIMTXT", "$DIMCEN", "$DIMTSZ", "$DIMTOL",
        "$DIMLIM", "$DIMTIH", "$DIMTOH", "$DIMSE1", "$DIMSE2", "$DIMTAD", "$DIMZIN", "$DIMBLK",
        "$DIMASO", "$DIMSHO", "$DIMPOST", "$DIMAPOST", "$DIMALT", "$DIMALTD", "$DIMALTF",
        "$DIMLFAC", "$DIMTOFL", "$DIMTVP", "$DIMTIX", "$DIMSOXD", "$DIMSAH", "$DIMBLK1",
        "$DIMBLK2", "$DIMSTYLE", "$DIMCLRD", "$DIMCLRE", "$DIMCLRT", "$DIMTFAC", "$DIMGAP",
        "$DIMJUST", "$DIMSD1", "$DIMSD2", "$DIMTOLJ", "$DIMTZIN", "$DIMALTZ", "$DIMALTTZ",
        "$DIMUPT", "$DIMDEC", "$DIMTDEC", "$DIMALTU", "$DIMALTTD", "$DIMTXSTY", "$DIMAUNIT",
        "$DIMADEC", "$DIMALTRND", "$DIMAZIN", "$DIMDSEP", "$DIMATFIT", "$DIMFRAC", "$DIMLDRBLK",
        "$DIMLUNIT", "$DIMLWD", "$DIMLWE", "$DIMTMOVE", "$LUNITS", "$LUPREC", "$SKETCHINC",
        "$FILLETRAD", "$AUNITS", "$AUPREC", "$MENU", "$ELEVATION", "$PELEVATION", "$THICKNESS",
        "$LIMCHECK", "$CHAMFERA", "$CHAMFERB", "$CHAMFERC", "$CHAMFERD", "$SKPOLY", "$TDCREATE",
        "$TDUCREATE", "$TDUPDATE", "$TDUUPDATE", "$TDINDWG", "$TDUSRTIMER", "$USRTIMER",
        "$ANGBASE", "$ANGDIR", "$PDMODE", "$PDSIZE", "$PLINEWID", "$SPLFRAME", "$SPLINETYPE",
        "$SPLINESEGS", "$HANDSEED", "$SURFTAB1", "$SURFTAB2", "$SURFTYPE", "$SURFU", "$SURFV",
        "$UCSBASE", "$UCSNAME", "$UCSORG", "$UCSXDIR", "$UCSYDIR", "$UCSORTHOREF",
        "$UCSORTHOVIEW", "$UCSORGTOP", "$UCSORGBOTTOM", "$UCSORGLEFT", "$UCSORGRIGHT",
        "$UCSORGFRONT", "$UCSORGBACK", "$PUCSBASE", "$PUCSNAME", "$PUCSORG", "$PUCSXDIR",
        "$PUCSYDIR", "$PUCSORTHOREF", "$PUCSORTHOVIEW", "$PUCSORGTOP", "$PUCSORGBOTTOM",
        "$PUCSORGLEFT", "$PUCSORGRIGHT", "$PUCSORGFRONT", "$PUCSORGBACK", "$USERI1", "$USERI2",
        "$USERI3", "$USERI4", "$USERI5", "$USERR1", "$USERR2", "$USERR3", "$USERR4", "$USERR5",
        "$WORLDVIEW", "$SHADEDGE", "$SHADEDIF", "$TILEMODE", "$MAXACTVP", "$PINSBASE",
        "$PLIMCHECK", "$PEXTMIN", "$PEXTMAX", "$PLIMMIN", "$PLIMMAX", "$UNITMODE", "$VISRETAIN",
        "$PLINEGEN", "$PSLTSCALE", "$TREEDEPTH", "$CMLSTYLE", "$CMLJUST", "$CMLSCALE",
        "$PROXYGRAPHICS", "$MEASUREMENT", "$CELWEIGHT", "$ENDCAPS", "$JOINSTYLE", "$LWDISPLAY",
        "$INSUNITS", "$HYPERLINKBASE", "$STYLESHEET", "$XEDIT", "$CEPSNTYPE", "$PSTYLEMODE",
        "$FINGERPRINTGUID", "$VERSIONGUID", "$EXTNAMES", "$PSVPSCALE", "$OLESTARTUP"};
    ASSERT_EQ(attesi.size(), 199u);
    HandleDxf h;
    const auto gruppi = Header(h);
    EXPECT_EQ(ValoriDi(gruppi, 9), attesi);
    ASSERT_GE(gruppi.size(), 2u);
    EXPECT_EQ(gruppi[0].Valore, "SECTION");
    EXPECT_EQ(gruppi[1].Valore, "HEADER");
    EXPECT_EQ(gruppi.back().Codice, 0);
    EXPECT_EQ(gruppi.back().Valore, "ENDSEC");
}

// Each kind of value with the group codes the format prescribes for it.
TEST(HeaderDxf, ValuesAndTheirGroupCodes) {
    const struct {
        const char* nome;
        std::vector<std::string> valori;
    } casi[] = {
        {.nome = "$ACADVER", .valori = {"1 AC1015"}},
        {.nome = "$ACADMAINTVER", .valori = {"70     20"}},
        {.nome = "$DWGCODEPAGE", .valori = {"3 ANSI_1252"}},
        {.nome = "$EXTMIN", .valori = {"10 -98.37653478854026", "20 -1219.920873124147", "30 0.0"}},
        {.nome = "$LIMMAX", .valori = {"10 420.0", "20 297.0"}},
        {.nome = "$TEXTSTYLE", .valori = {"7 STANDARD"}},
        {.nome = "$CLAYER", .valori = {"8 QUOTE"}},
        {.nome = "$CELTYPE", .valori = {"6 ByLayer"}},
        {.nome = "$CECOLOR", .valori = {"62    256"}},
        {.nome = "$DIMBLK", .valori = {"1 _FRECCIAKORVAN"}},
        {.nome = "$DIMPOST", .valori = {"1 "}},
        {.nome = "$DIMSTYLE", .valori = {"2 SC50"}},
        {.nome = "$DIMLWD", .valori = {"70     -2"}},
        {.nome = "$TDINDWG", .valori = {"40 0.0162000810"}},
        {.nome = "$ANGBASE", .valori = {"50 0.0"}},
        {.nome = "$UCSYDIR", .valori = {"10 0.0", "20 1.0", "30 0.0"}},
        {.nome = "$PLIMMIN", .valori = {"10 0.0", "20 0.0"}},
        {.nome = "$TREEDEPTH", .valori = {"70   3020"}},
        {.nome = "$CELWEIGHT", .valori = {"370     -1"}},
        {.nome = "$JOINSTYLE", .valori = {"280      0"}},
        {.nome = "$XEDIT", .valori = {"290      1"}},
        {.nome = "$CEPSNTYPE", .valori = {"380      0"}},
        {.nome = "$VERSIONGUID", .valori = {"2 {50CCDE9C-BAF8-4722-A3D6-CF2A985BF43E}"}},
        {.nome = "$OLESTARTUP", .valori = {"290      0"}},
    };
    HandleDxf h;
    const auto gruppi = Header(h);
    for (const auto& c : casi) EXPECT_EQ(ValoriVariabile(gruppi, c.nome), c.valori) << c.nome;
}

TEST(HeaderDxf, SeedIsTheNextHandleAndTheOnlyOneDrawn) {
    HandleDxf h;
    for (int i = 0; i < 300; ++i) h.NuovoHandle();  // the rest of the file: "20" to "14B"
    const auto gruppi = Header(h);
    EXPECT_EQ(ValoriVariabile(gruppi, "$HANDSEED"), std::vector<std::string>{"5 14C"});
    EXPECT_EQ(ValoriDi(gruppi, 5).size(), 1u);
    EXPECT_EQ(h.NuovoHandle(), "14D");
}

TEST(ClassesDxf, TwelveFixedRecordsDrawingNoHandle) {
    std::ostringstream s;
    ScriviClassesDXF(s);
    const auto gruppi = LeggiGruppi(s.str());
    EXPECT_EQ(ValoriDi(gruppi, 1),
              (std::vector<std::string>{"ACDBDICTIONARYWDFLT", "ACDBPLACEHOLDER", "LAYOUT",
                                        "DICTIONARYVAR", "TABLESTYLE", "MATERIAL", "VISUALSTYLE",
                                        "DIMASSOC", "SORTENTSTABLE", "ACAD_EVALUATION_GRAPH",
                                        "ACAECUSTOBJ",
                                        "ACDB_DYNAMICBLOCKPURGEPREVENTER_VERSION"}));
    EXPECT_EQ(ValoriDi(gruppi, 90),
              (std::vector<std::string>{"        0", "        0", "        0", "        0",
                                        "     4095", "        0", "     4095", "        0",
                                        "        0", "    33921", "    33792", "    33921"}));
    // The association class names itself as the first of four fields in quotes.
    const std::string applicazione = ValoriDi(gruppi, 3).at(7);
    EXPECT_EQ(applicazione.rfind("\"AcDbDimAssoc|", 0), 0u);
    EXPECT_EQ(applicazione.back(), '"');
    EXPECT_EQ(std::count(applicazione.begin(), applicazione.end(), '|'), 3);
    EXPECT_EQ(ValoriDi(gruppi, 5).size(), 0u);
}

namespace {

// Every record of a section as its groups, split at group 0.
std::vector<std::vector<GruppoLetto>> Record(const std::vector<GruppoLetto>& gruppi) {
    std::vector<std::vector<GruppoLetto>> record;
    for (const auto& g : gruppi) {
        if (g.Codice == 0) record.emplace_back();
        if (!record.empty()) record.back().push_back(g);
    }
    return record;
}

}  // namespace

TEST(ObjectsDxf, NineteenHandlesDrawnFirstAndNamedByTheRootDictionary) {
    HandleDxf h;
    for (int i = 0; i < 0x40 - 0x20; ++i) h.NuovoHandle();  // the handles up to "3F" are taken
    std::ostringstream s;
    ScriviObjectsDXF(s, h);
    EXPECT_EQ(h.NuovoHandle(), "53") << "exactly nineteen handles are drawn";

    const auto gruppi = LeggiGruppi(s.str());
    const auto record = Record(gruppi);
    // H1 is "40", drawn first, ..., H19 is "52".
    std::map<std::string, std::string> radice;
    const auto& primo = record.at(1);
    EXPECT_EQ(primo.at(1).Valore, "C");
    for (size_t i = 0; i + 1 < primo.size(); ++i)
        if (primo[i].Codice == 3) radice[primo[i].Valore] = primo[i + 1].Valore;
    const std::map<std::string, std::string> attesa = {
        {"ACAD_GROUP", "40"},          {"ACAD_LAYOUT", "41"},       {"ACAD_DETAILVIEWSTYLE", "42"},
        {"ACAD_MLINESTYLE", "43"},     {"ACAD_PLOTSETTINGS", "44"}, {"ACAD_PLOTSTYLENAME", "45"},
        {"ACAD_SECTIONVIEWSTYLE", "46"}, {"AcDbVariableDictionary", "47"}, {"APPDATA", "48"},
        {"DimOffsetDictionary", "49"}, {"DWGPROPS", "52"}};
    EXPECT_EQ(radice, attesa);

    // Each record's own handle: every drawn one once, in the order of the records.
    std::vector<std::string> propri;
    std::vector<std::string> tipi;
    for (const auto& r : record) {
        tipi.push_back(r.at(0).Valore);
        for (const auto& g : r)
            if (g.Codice == 5) propri.push_back(g.Valore);
    }
    EXPECT_EQ(propri, (std::vector<std::string>{"C", "42", "40", "41", "43", "44", "45", "46",
                                                "47", "48", "49", "52", "1C", "1A", "4A", "F",
                                                "4B", "4C", "4D", "4E", "4F", "50", "51"}));
    EXPECT_EQ(tipi.front(), "SECTION");
    EXPECT_EQ(tipi.back(), "ENDSEC");
}

TEST(ObjectsDxf, LayoutsOfPaperAndModelSpace) {
    HandleDxf h;
    std::ostringstream s;
    ScriviObjectsDXF(s, h);
    const auto record = Record(LeggiGruppi(s.str()));
    struct Disposizione {
        std::string handle, proprietario, nome, ordine, bloccoRecord;
        bool operator==(const Disposizione&) const = default;
    };
    std::vector<Disposizione> trovate;
    std::vector<std::string> vociLayout;
    for (const auto& r : record) {
        if (r.at(0).Valore == "LAYOUT") {
            const auto nomi = ValoriDi(r, 1);
            const auto proprietari = ValoriDi(r, 330);
            trovate.push_back({ValoriDi(r, 5).at(0), proprietari.at(0), nomi.at(1),
                               ValoriDi(r, 71).at(0), proprietari.at(1)});
        }
        if (r.size() > 1 && r[1].Valore == "21")  // ACAD_LAYOUT, the second handle drawn
            for (size_t i = 0; i + 1 < r.size(); ++i)
                if (r[i].Codice == 3) vociLayout.push_back(r[i].Valore + " " + r[i + 1].Valore);
    }
    EXPECT_EQ(trovate, (std::vector<Disposizione>{{"1C", "21", "Foglio 1", "1", "1B"},
                                                  {"1A", "21", "Model", "0", "19"}}));
    EXPECT_EQ(vociLayout, (std::vector<std::string>{"Foglio 1 1C", "Model 1A"}));
}
