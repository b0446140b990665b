#include "model/CartelleIstantanee.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::error_code ErroreDiSistema() { return {errno, std::system_category()}; }

template <typename T>
std::optional<T> Numero(std::string_view testo) {
    T valore{};
    const char* fine = testo.data() + testo.size();
    const auto [ptr, errore] = std::from_chars(testo.data(), fine, valore);
    if (testo.empty() || errore != std::errc() || ptr != fine) return std::nullopt;
    return valore;
}

// The start time of process pid in clock ticks after boot: field 22 of
// /proc/<pid>/stat, counted after the command name, which may itself hold
// blanks and brackets. With the process id it names one run of a program,
// since ids are used again.
std::optional<unsigned long long> AvvioProcesso(long pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string riga;
    if (!std::getline(file, riga)) return std::nullopt;
    const auto chiusa = riga.rfind(')');
    if (chiusa == std::string::npos) return std::nullopt;
    std::string_view resto = std::string_view(riga).substr(chiusa + 1);
    for (int campo = 3;; ++campo) {  // the state, field 3, follows the name
        const auto inizio = resto.find_first_not_of(' ');
        if (inizio == std::string_view::npos) return std::nullopt;
        resto.remove_prefix(inizio);
        const auto fine = resto.find(' ');
        if (campo == 22) return Numero<unsigned long long>(resto.substr(0, fine));
        if (fine == std::string_view::npos) return std::nullopt;
        resto.remove_prefix(fine);
    }
}

struct Proprietario {
    long pid = 0;
    unsigned long long avvio = 0;
};

// The program a private folder's name gives; nothing for any other name.
std::optional<Proprietario> ProprietarioDi(std::string_view nome) {
    const auto primo = nome.find('-');
    if (primo == std::string_view::npos) return std::nullopt;
    const auto secondo = nome.find('-', primo + 1);
    if (secondo == std::string_view::npos) return std::nullopt;
    const auto pid = Numero<long>(nome.substr(0, primo));
    const auto avvio = Numero<unsigned long long>(nome.substr(primo + 1, secondo - primo - 1));
    const auto n = Numero<unsigned>(nome.substr(secondo + 1));
    if (!pid || !avvio || !n || *pid <= 0) return std::nullopt;
    return Proprietario{*pid, *avvio};
}

bool InVita(const Proprietario& p) { return AvvioProcesso(p.pid) == p.avvio; }

// Made when missing. In a temporary folder shared by every user, a name that
// another user took first, or a link planted there, must not receive the
// snapshots nor have its content deleted.
std::error_code PreparaRadice(const fs::path& radice) {
    if (::mkdir(radice.c_str(), 0700) != 0 && errno != EEXIST) return ErroreDiSistema();
    struct stat info {};
    if (::lstat(radice.c_str(), &info) != 0) return ErroreDiSistema();
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return std::make_error_code(std::errc::permission_denied);
    return {};
}

}  // namespace

fs::path RadiceIstantanee(const std::string& scelta) {
    if (!scelta.empty()) return scelta;
    std::error_code errore;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && fs::path(runtime).is_absolute() && fs::is_directory(runtime, errore))
        return fs::path(runtime) / "korvane";
    fs::path temporanea = fs::temp_directory_path(errore);
    if (errore) temporanea = "/tmp";
    return temporanea / ("korvane-" + std::to_string(::geteuid()));
}

std::string NomeCartellaIstantanee(long pid, unsigned long long avvio, unsigned n) {
    return std::to_string(pid) + "-" + std::to_string(avvio) + "-" + std::to_string(n);
}

Esito CreaCartellaIstantanee(const fs::path& radice, std::string& cartella) {
    static std::atomic<unsigned> prossima{0};
    std::error_code errore = PreparaRadice(radice);
    if (!errore) {
        const long pid = ::getpid();
        const unsigned long long avvio = AvvioProcesso(pid).value_or(0);
        errore = std::make_error_code(std::errc::file_exists);
        for (int tentativo = 0; tentativo < 100; ++tentativo) {
            const fs::path percorso = radice / NomeCartellaIstantanee(pid, avvio, prossima++);
            if (::mkdir(percorso.c_str(), 0700) == 0) {
                cartella = percorso.string();
                return Esito::Ok();
            }
            if (errno != EEXIST) {
                errore = ErroreDiSistema();
                break;
            }
        }
    }
    return Esito::ErroreDiSistema(errore, "Impossibile creare una cartella in " + radice.string() +
                                              ".\n" + errore.message());
}

void CancellaCartellaIstantanee(const std::string& cartella) {
    if (cartella.empty()) return;
    std::error_code errore;  // a missing folder is no fault
    fs::remove_all(cartella, errore);
}

void RimuoviIstantaneeOrfane(const fs::path& radice) {
    if (!AvvioProcesso(::getpid()) || PreparaRadice(radice)) return;
    std::vector<fs::path> orfane;
    std::error_code errore;
    for (fs::directory_iterator voce(radice, errore), fine; !errore && voce != fine;
         voce.increment(errore)) {
        const auto proprietario = ProprietarioDi(voce->path().filename().string());
        if (proprietario && !InVita(*proprietario)) orfane.push_back(voce->path());
    }
    for (const fs::path& cartella : orfane) CancellaCartellaIstantanee(cartella.string());
}
