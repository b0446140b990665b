#pragma once

struct Sessione;

// The twenty values the settings dialog copies when it opens and "&Annulla"
// writes back: laps, the reference values of new zones and ring beams (the
// open wall's DiamIntegrativa among them), the reserved values, the longest
// bar and the node tolerance. Nothing else is restored.
struct CopiaImpostazioni {
    int SovrappMin = 0, SovrappMax = 0, DiamIntegrativa = 0;
    float PassoMaxIntegrativa = 0.0f;
    int Riserva4 = 0;
    float Riserva5 = 0.0f, Riserva6 = 0.0f;
    int DiamStaffeCordolo = 0, DiamReggistaffa = 0;
    float LarghezzaCordolo = 0.0f, PassoStaffeCordolo = 0.0f;
    int Riserva10 = 0;
    float Riserva11 = 0.0f, Riserva12 = 0.0f;
    float LungMaxFerri = 0.0f;
    int Riserva30 = 0;
    float Riserva31 = 0.0f;
    int ModoTolleranza = 0;
    float TolleranzaPerc = 0.0f, TolleranzaFissa = 0.0f;

    [[nodiscard]] static CopiaImpostazioni Prendi(const Sessione& sessione);
    void Rimetti(Sessione& sessione) const;

    bool operator==(const CopiaImpostazioni&) const = default;
};
