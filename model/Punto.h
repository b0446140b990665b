#pragma once

// Plane point in cm, relative to the wall origin. Stored as float because the
// wall file and every derived polygon keep 32-bit precision.
struct Punto {
    float X = 0.0f;
    float Y = 0.0f;

    bool operator==(const Punto&) const = default;
};

// Point with a tag used while clipping one polygon against another:
// -1 inside the other polygon, -99 outside, 0 or more an index into it.
struct Vertice {
    float X = 0.0f;
    float Y = 0.0f;
    int Marca = 0;

    bool operator==(const Vertice&) const = default;
};

// Axis-aligned box: the extents of a view or of a set of points.
struct Rettangolo {
    float Xmin = 0.0f;
    float Ymin = 0.0f;
    float Xmax = 0.0f;
    float Ymax = 0.0f;

    bool operator==(const Rettangolo&) const = default;
};
