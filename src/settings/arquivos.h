// Whole-file helpers for the settings and button files.
#pragma once

#include <string>

namespace vantor {

// True when an entry of that exact name exists (file or folder).
bool ExisteArquivo(const std::string& caminho);

// The content of a regular file, at most its first `limite` bytes (no settings or button file comes near the
// default; a huge file in their place must not fill the memory); "" when it is missing or cannot be read.
std::string LeArquivo(const std::string& caminho, size_t limite = size_t{1} << 20);

// Replaces the file with `texto` through a temporary file, synced, and a rename, synced in its folder, so that a
// crash, a power cut or a full disk leaves either the old file or the new one. Returns false when the new file
// could not be written whole; the old file is then untouched.
bool GravaArquivo(const std::string& caminho, const std::string& texto);

// `pasta` joined to `nome` with this platform's separator.
std::string Junta(const std::string& pasta, const std::string& nome);

// Creates a folder and the folders above it that are missing; false when it is still not there.
bool CriaPastas(const std::string& pasta);

// A lock on one file, held until it is destroyed or the process ends, however it ends (the system lets it go):
// one program per logs folder.
class TravaDePasta {
public:
    enum Resultado { Tomada, DeOutro, Impossivel };
    TravaDePasta() = default;
    ~TravaDePasta();
    TravaDePasta(const TravaDePasta&) = delete;
    TravaDePasta& operator=(const TravaDePasta&) = delete;
    // Another process's lock is never waited for; a link or a non-regular file at `caminho` makes it Impossivel.
    Resultado Toma(const std::string& caminho);

private:
    int fd_ = -1;
};

// True when files can be created in `pasta` (a read-only file system counts for every user, root too).
bool PastaGravavel(const std::string& pasta);

}  // namespace vantor
