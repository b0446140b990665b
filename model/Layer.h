#pragma once

// Indexes of the layer table, named after the default layer names
// ("ARM_INTEGR1", ...). The user may rename a layer; what it holds stays.
// Unscoped inside the namespace so that an index passes where the layer
// table and the primitives take an int.
namespace Layer {
enum Indice : int {
    ArmIntegr1 = 0,
    ArmIntegr2 = 1,
    PerimPilastri = 2,
    PilastriAcciaio = 3,
    PerimSetti = 4,
    PerimPareti = 5,
    ArmTaglio = 6,
    TraviEstradosso = 7,
    Quote = 8,              // dimensions
    PosIntegrativa = 9,
    ArmaturaSez = 10,       // bars of the sections and developed bars
    LineeSezioni = 11,
    TestoTitoli = 12,
    TestoArmTaglio = 13,
    TestoPilastri = 14,
    TestoSetti = 15,
    TestoSolette = 16,
    TestoTravi = 17,
    TestoQuote = 18,        // dimension texts
    TestoFerri = 19,        // bar labels
    ArmDiffusa1 = 20,       // distributed reinforcement, direction 1
    ArmDiffusa2 = 21,       // distributed reinforcement, direction 2
    Tratteggi = 22,         // hatching
    PerimSezioni = 23,
    PerimPilastriSup = 24,  // entry 2 repeated with the suffix "_SUP"
};
}  // namespace Layer
