#include "model/ScritturaAtomica.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::error_code ErroreDiSistema() { return {errno, std::system_category()}; }

// A new file in the target's folder, removed on the way out unless it has
// been renamed over the target.
class FileTemporaneo {
public:
    FileTemporaneo() = default;
    FileTemporaneo(const FileTemporaneo&) = delete;
    FileTemporaneo& operator=(const FileTemporaneo&) = delete;
    ~FileTemporaneo() {
        if (fd_ >= 0) ::close(fd_);
        if (!percorso_.empty()) ::unlink(percorso_.c_str());
    }

    // A name no other file has; the permissions of the file it will replace,
    // else the usual ones of a new file.
    std::error_code Crea(const fs::path& destinazione, const fs::path& cartella) {
        static std::atomic<unsigned> contatore{0};
        for (int tentativo = 0; tentativo < 100; ++tentativo) {
            char nome[48];
            std::snprintf(nome, sizeof nome, ".korvane-%ld-%u.tmp", static_cast<long>(::getpid()),
                          contatore++);
            fs::path percorso = cartella / nome;
            fd_ = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                percorso_ = std::move(percorso);
                struct stat esistente {};
                if (::stat(destinazione.c_str(), &esistente) == 0 && S_ISREG(esistente.st_mode) &&
                    ::fchmod(fd_, esistente.st_mode & 07777) != 0)
                    return ErroreDiSistema();
                return {};
            }
            if (errno != EEXIST) return ErroreDiSistema();
        }
        return std::make_error_code(std::errc::file_exists);
    }

    std::error_code Scrivi(std::string_view contenuto) {
        while (!contenuto.empty()) {
            const ssize_t scritti = ::write(fd_, contenuto.data(), contenuto.size());
            if (scritti < 0) {
                if (errno == EINTR) continue;
                return ErroreDiSistema();
            }
            contenuto.remove_prefix(static_cast<std::size_t>(scritti));
        }
        return {};
    }

    // Flushes the file to the disk when asked and closes it; an error of
    // either is a failed write.
    std::error_code Chiudi(Persistenza persistenza) {
        const bool scaricato = persistenza == Persistenza::Sessione || ::fsync(fd_) == 0;
        std::error_code errore = scaricato ? std::error_code{} : ErroreDiSistema();
        if (::close(fd_) != 0 && !errore) errore = ErroreDiSistema();
        fd_ = -1;
        return errore;
    }

    std::error_code RinominaIn(const fs::path& destinazione) {
        if (::rename(percorso_.c_str(), destinazione.c_str()) != 0) return ErroreDiSistema();
        percorso_.clear();
        return {};
    }

private:
    int fd_ = -1;
    fs::path percorso_;
};

// Makes the rename itself survive a power cut. The new content is already in
// place, so a folder that cannot be flushed does not fail the write.
void ScaricaCartella(const fs::path& cartella) {
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::error_code Sostituisci(const fs::path& percorso, std::string_view contenuto,
                            Persistenza persistenza) {
    const fs::path cartella = percorso.has_parent_path() ? percorso.parent_path() : fs::path(".");
    FileTemporaneo nuovo;
    std::error_code errore = nuovo.Crea(percorso, cartella);
    if (!errore) errore = nuovo.Scrivi(contenuto);
    if (!errore) errore = nuovo.Chiudi(persistenza);
    if (!errore) errore = nuovo.RinominaIn(percorso);
    if (!errore && persistenza == Persistenza::Disco) ScaricaCartella(cartella);
    return errore;
}

}  // namespace

Esito ScriviFileAtomico(const fs::path& percorso, std::string_view contenuto,
                        Persistenza persistenza) {
    try {
        const std::error_code errore = Sostituisci(percorso, contenuto, persistenza);
        if (!errore) return Esito::Ok();
        return Esito::ErroreDiSistema(
            errore, "Impossibile scrivere il file " + percorso.string() + ".\n" + errore.message());
    } catch (...) {
        // Only memory can run out, for a name or the text, and always before
        // the rename: the target is untouched.
        return Esito::ErroreDiSistema(std::make_error_code(std::errc::not_enough_memory), {});
    }
}
