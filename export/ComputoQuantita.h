#pragma once

#include <string>

struct Parete;
struct PosizioneArm;

// The quantities the bill of quantities reports beyond those the bar layouts
// measure: weights of the positions and ring beams, stirrups, the wall's net
// area and concrete volume. Every value is a float, as reported.

// Weight, kg, of the bars of an additional zone: LungTotale of its diameter.
[[nodiscard]] float PesoPosizione(const PosizioneArm& pos);
// Weight, kg, of the four longitudinal bars of a ring beam, each LungTotale long.
[[nodiscard]] float PesoCorrentiCordolo(const PosizioneArm& pos);

// Stirrups of a ring beam: their count along LungTotale (rounded down; none
// when the spacing is not positive), the length of one (cm) and their weight (kg).
struct StaffeCordolo {
    int Numero = 0;
    float Lunghezza = 0.0f;
    float Peso = 0.0f;

    bool operator==(const StaffeCordolo&) const = default;
};
[[nodiscard]] StaffeCordolo Staffe(const PosizioneArm& pos, const Parete& parete);

// Area, m2, enclosed by the outer reinforcement perimeter less the openings,
// whatever the orientation of each polygon.
[[nodiscard]] float AreaNetta(const Parete& parete);
// Concrete volume, m3: thickness times the net area.
[[nodiscard]] float VolumeCalcestruzzo(const Parete& parete);

// The line "Incidenza = ... kg/mc" with its paragraph end; "n.d." when there
// is no volume to divide by.
[[nodiscard]] std::string RigaIncidenza(float peso, float volume);
