#pragma once

// Triangle of three node indexes into Parete::Nodi.
struct Triangolo {
    int N1 = 0, N2 = 0, N3 = 0;

    bool operator==(const Triangolo&) const = default;
};
