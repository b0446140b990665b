#pragma once

#include <string>
#include <vector>

// Reinforcing-steel grade, strengths in kg/cm2.
struct ProprietaAcciaio {
    std::string Nome;
    double SigmaAmm = 0.0;        // allowable stress
    int AderenzaMigliorata = 0;   // -1 improved-bond bars, 0 smooth bars
    double Fyk = 0.0;             // characteristic yield strength
    double Ftk = 0.0;             // characteristic tensile strength
    double Allungamento = 0.0;    // elongation at failure, fraction
    double Es = 0.0;              // elastic modulus
    double G = 0.0;               // shear modulus
    double Nu = 0.0;              // Poisson's ratio
    double Alfa = 0.0;            // thermal expansion, per degree
    double PesoSpecifico = 0.0;   // kg/m3
};

// Concrete class, strengths in kg/cm2 (10 kg/cm2 taken as 1 MPa).
struct ProprietaCls {
    std::string Nome;
    std::string Esposizione;      // exposure classes the class is meant for
    double Rck = 0.0;             // characteristic cube strength
    double Fck = 0.0;             // characteristic cylinder strength, derived
    double Fctm = 0.0;            // mean tensile strength, derived
    double Ec = 0.0;              // elastic modulus, derived
    double G = 0.0;               // shear modulus, derived
    double PesoSpecifico = 0.0;   // kg/m3
    double FckClasse = 0.0;       // cylinder strength in the class name
};

constexpr int NumAcciai = 5;
constexpr int NumCalcestruzzi = 11;
// Slots of the name lists NomiAcciai and NomiCls.
constexpr int SlotNomiAcciai = 9;
constexpr int SlotNomiCls = 12;
// "B450C" and "C25/30".
constexpr int IndiceAcciaioDefault = 4;
constexpr int IndiceClsDefault = 4;

// The current grade and class are the settings' Acciaio and Calcestruzzo;
// these fill them in place.

// Makes grade i current. An index outside the table sets only the constants
// shared by every grade.
void DatiAcciaio(int i, ProprietaAcciaio& Acciaio);

// Makes class i current and derives its strengths. An index outside the table
// keeps the name and cube strength already there and derives again.
void DatiCalcestruzzo(int i, ProprietaCls& Calcestruzzo);

// Refill the name lists (resized to their slot count, unused slots empty).
// Each leaves the last grade or class current, as the table walk does.
void ElencoAcciai(std::vector<std::string>& NomiAcciai, ProprietaAcciaio& Acciaio);
void ElencoCalcestruzzi(std::vector<std::string>& NomiCls, ProprietaCls& Calcestruzzo);
