#pragma once

#include <array>
#include <string_view>

// Ids of the program commands. Each is base x 1000 + offset, base 1 with the
// 16 x 16 icons and 2 with the 24 x 24 ones, so that the id is also the tag
// of the command's icon. Set once at start-up by InizializzaIdComandi.
struct IdComandi {
    int IdApri = 0, IdSalva = 0, IdEsci = 0, IdAnnulla = 0, IdRipeti = 0;
    int IdZoom = 0, IdVistaPrecedente = 0, IdVistaTotale = 0, IdAvvicina = 0, IdAllontana = 0;
    int IdTrascina = 0, IdImpostazioni = 0, IdProgetto = 0;
    int IdDisponiIntegrative = 0, IdMappaCalcolo = 0, IdEccedenza = 0;
    int IdVisDiffusa = 0, IdVisIntegrativa = 0, IdAnteprimaTavola = 0;
    int IdInserisciIntegrativa = 0, IdCopiaMultiplaOpposto = 0, IdCopiaArmatura = 0;
    int IdCopiaOpposto = 0, IdSpostaArmatura = 0, IdCancellaIntegrativa = 0, IdInfoNodi = 0;
    int IdModificaPerimetro = 0, IdSezioneOrizz = 0, IdSezioneVert = 0, IdSpostaSezione = 0;
    int IdCancellaSezione = 0, IdSpostaEtichetta = 0;
    int IdQuotaOrizz = 0, IdQuotaVert = 0, IdQuotaAllineata = 0, IdCancellaQuota = 0;
    int IdQuotaturaContinua = 0, IdSpostaQuota = 0, IdVisibilitaQuota = 0, IdQuotaturaAutomatica = 0;
    int IdComputo = 0, IdInserisciSolaio = 0, IdInserisciParete = 0, IdModificaSolaio = 0;
    int IdCancellaSolaio = 0;

    bool operator==(const IdComandi&) const = default;
};

// Ids that do not depend on the icon size; no icon carries them.
namespace IdFisso {
enum : int {
    MenuFile = 1,            // popup "&File"
    Informazioni = 1025,     // "&Informazioni su..."
    GeneraDxf = 1039,        // "&Genera file DXF"
    PerimetroEsterno = 1065, // "Modifica perimetro esterno"
    PerimetroInterno = 1066, // "Modifica perimetro interno"
    PrimoRecente = 2031,     // recent-file items 2031 to 2034
};
}

// One program command: its offset, its variable, its caption and the keys of
// its icon in the small and in the large image list.
struct ComandoProgramma {
    int Offset;
    int IdComandi::*Variabile;
    std::string_view Titolo;
    std::string_view IconaPiccola;
    std::string_view IconaGrande;
};

inline constexpr int NumComandiProgramma = 45;

// The 45 program commands in offset order.
const std::array<ComandoProgramma, NumComandiProgramma>& TabellaComandi();

// Sets every id from the base: 1 for the small icons, 2 for the large ones.
void InizializzaIdComandi(IdComandi& ids, int base);
