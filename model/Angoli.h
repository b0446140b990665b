#pragma once

// Angle conversions. Degrees unless the name says radians.

constexpr double GradiInRadianti = 0.0174532925199433;
constexpr double RadiantiInGradi = 57.2957795130823;

// The angle reduced to [0, 180): a direction and its opposite are the same.
float NormalizzaAngolo180(float a);

float GradiRad(float a);
float RadGradi(float a);

// An angle of the wall file, measured the other way round in degrees, as
// radians in the model's sense: (180 - a) brought into [0, 360).
float RadSupplementare(float a);
