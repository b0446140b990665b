#pragma once

#include <string>

struct Parete;

// The bill of quantities being assembled: the RTF text and the totals of the
// walls reported so far.
struct DocumentoComputo {
    std::string TestoComputo;
    float PesoTotale = 0.0f;    // kg
    float VolumeTotale = 0.0f;  // m3
    int PareteComputate = 0;    // walls whose sections the totals cover

    bool operator==(const DocumentoComputo&) const = default;
};

// The document header with its tab stops and justified paragraphs; no wall yet.
[[nodiscard]] DocumentoComputo IniziaComputo();

// Appends the section of one wall, whose quantities must be current (the
// lengths and weights of the layers and LungTotale of every position), and
// adds its weight and volume to the totals.
void CopuRTF(const Parete& parete, DocumentoComputo& doc);

// Appends the summary of several walls: the count of walls reported and the totals.
void AggiungiRiepilogo(DocumentoComputo& doc);

// The finished RTF text.
[[nodiscard]] std::string ChiudiComputo(DocumentoComputo doc);
