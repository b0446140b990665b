#include "model/ConfrontaDate.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

struct DataOra {
    int Anno = 0, Mese = 0, Giorno = 0, Ora = 0, Minuto = 0;
};

// Date part: before the first blank, points to slashes; time part: the last
// 8 characters, points to colons.
void NormalizzaPunti(std::string& testo) {
    if (testo.find('.') == std::string::npos) return;
    std::string data = testo.substr(0, testo.find(' '));
    std::string ora = testo.size() > 8 ? testo.substr(testo.size() - 8) : testo;
    std::replace(data.begin(), data.end(), '.', '/');
    std::replace(ora.begin(), ora.end(), '.', ':');
    testo = data + " " + ora;
}

// The whole-number fields of testo separated by separatore; no value when a
// field is empty, not all digits, or the count is outside minimo..massimo.
std::optional<std::vector<int>> Campi(std::string_view testo, char separatore, std::size_t minimo,
                                      std::size_t massimo) {
    std::vector<int> campi;
    for (;;) {
        const std::size_t fine = std::min(testo.find(separatore), testo.size());
        const std::string_view campo = testo.substr(0, fine);
        int valore = 0;
        const auto [ptr, errore] = std::from_chars(campo.data(), campo.data() + campo.size(), valore);
        if (campo.empty() || errore != std::errc() || ptr != campo.data() + campo.size() ||
            valore < 0)
            return std::nullopt;
        campi.push_back(valore);
        if (fine == testo.size()) break;
        testo.remove_prefix(fine + 1);
    }
    if (campi.size() < minimo || campi.size() > massimo) return std::nullopt;
    return campi;
}

std::optional<DataOra> LeggiDataOra(const std::string& testo) {
    const std::size_t spazio = testo.find(' ');
    if (spazio == std::string::npos) return std::nullopt;
    const auto data = Campi(std::string_view(testo).substr(0, spazio), '/', 3, 3);
    const auto ora = Campi(std::string_view(testo).substr(spazio + 1), ':', 2, 3);
    if (!data || !ora) return std::nullopt;
    DataOra d{(*data)[2], (*data)[1], (*data)[0], (*ora)[0], (*ora)[1]};
    const bool valida = d.Anno >= 1 && d.Mese >= 1 && d.Mese <= 12 && d.Giorno >= 1 &&
                        d.Giorno <= 31 && d.Ora <= 23 && d.Minuto <= 59 &&
                        (ora->size() < 3 || (*ora)[2] <= 59);
    if (!valida) return std::nullopt;
    return d;
}

}  // namespace

bool ConfrontaDate(std::string& data, std::string& dataFileSet) {
    NormalizzaPunti(dataFileSet);
    NormalizzaPunti(data);
    const std::optional<DataOra> a = LeggiDataOra(data);
    const std::optional<DataOra> b = LeggiDataOra(dataFileSet);
    if (!a || !b) return false;
    return a->Anno == b->Anno && a->Mese == b->Mese && a->Giorno == b->Giorno &&
           a->Minuto == b->Minuto && std::abs(a->Ora - b->Ora) <= 1;
}
