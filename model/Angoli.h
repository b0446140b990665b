#pragma once

// Angle conversions. Degrees unless the name says radians.

// Pi as each computation was written with it. Results depend on the last
// digits, so the values stay apart.

// Angles of segments and vectors in double: 15 significant digits, all that
// a double gives back unchanged through decimal text.
inline constexpr double PiGrecoAngoli = 3.14159265358979;
inline constexpr double DuePiGrecoAngoli = 6.28318530717959;
inline constexpr double MezzoPiGrecoAngoli = 1.5707963267949;
inline constexpr double TrePiMezziAngoli = 4.71238898038469;
// The angle between the two bar directions brought into [0, 2 pi): the
// double nearest 2 pi, to the 17 digits that name it exactly.
inline constexpr double DuePiGrecoDirezioni = 6.2831853071795898;
// Bar cross-sections: 10 significant digits, already more than the float
// area keeps.
inline constexpr double PiGrecoAreaBarra = 3.141592654;
// Turning a steep text to read upwards: 9 significant digits, already more
// than the float angle it is added to keeps.
inline constexpr double PiGrecoTesti = 3.14159265;
// A vertical angle held in a float: pi / 2 rounded to float.
inline constexpr float MezzoPiGrecoFloat = 1.5707964f;

// Degree and radian factors, to 15 significant digits like the angles in double.
inline constexpr double GradiInRadianti = 0.0174532925199433;
inline constexpr double RadiantiInGradi = 57.2957795130823;

// The angle reduced to [0, 180): a direction and its opposite are the same.
float NormalizzaAngolo180(float a);

float GradiRad(float a);
float RadGradi(float a);

// An angle of the wall file, measured the other way round in degrees, as
// radians in the model's sense: (180 - a) brought into [0, 360).
float RadSupplementare(float a);
