#include "settings/arquivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace vantor {

bool ExisteArquivo(const std::string& caminho) {
    if (caminho.empty()) return false;
    std::error_code ec;
    return std::filesystem::symlink_status(caminho, ec).type() != std::filesystem::file_type::not_found && !ec;
}

std::string LeArquivo(const std::string& caminho, size_t limite) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(caminho, ec)) return "";
    const uintmax_t tamanho = std::filesystem::file_size(caminho, ec);
    std::ifstream in(caminho, std::ios::binary);
    if (ec || !in) return "";
    // Only as much memory as the file needs: the limit is a bound, not a buffer.
    std::string dados(static_cast<size_t>(std::min<uintmax_t>(tamanho, limite)), '\0');
    in.read(dados.data(), static_cast<std::streamsize>(dados.size()));
    dados.resize(static_cast<size_t>(in.gcount()));
    return dados;
}

namespace {

bool EscreveTudo(int fd, const std::string& texto) {
    size_t feito = 0;
    while (feito < texto.size()) {
        const ssize_t n = ::write(fd, texto.data() + feito, texto.size() - feito);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        feito += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool GravaArquivo(const std::string& caminho, const std::string& texto) {
    // The temporary file has a name of its own, made new and exclusive (O_EXCL never opens what lies at its name,
    // a planted link included), so that nothing left or planted beside the file is ever reused. The rename then
    // replaces the name itself, a link included, never what it points to.
    std::random_device acaso;
    std::string temporario;
    int fd = -1;
    for (int tentativa = 0; fd < 0 && tentativa < 16; ++tentativa) {
        char sufixo[16];
        std::snprintf(sufixo, sizeof sufixo, ".%08x.tmp", acaso());
        temporario = caminho + sufixo;
        fd = ::open(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    const bool ok = EscreveTudo(fd, texto) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) {
        ::unlink(temporario.c_str());
        return false;
    }
    if (std::rename(temporario.c_str(), caminho.c_str()) != 0) {
        ::unlink(temporario.c_str());
        return false;
    }
    // The rename itself reaches the disk only with its folder: after a power cut the new file is there, not the old.
    const size_t barra = caminho.rfind('/');
    const std::string pasta = barra == std::string::npos ? "." : barra == 0 ? "/" : caminho.substr(0, barra);
    const int dir = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) ::fsync(dir), ::close(dir);
    return true;
}

std::string Junta(const std::string& pasta, const std::string& nome) {
    if (pasta.empty()) return nome;
    if (pasta.back() == '/') return pasta + nome;
    return pasta + "/" + nome;
}

bool CriaPastas(const std::string& pasta) {
    std::error_code ec;
    std::filesystem::create_directories(pasta, ec);
    return std::filesystem::is_directory(pasta, ec);
}

TravaDePasta::~TravaDePasta() {
    if (fd_ >= 0) ::close(fd_);
}

TravaDePasta::Resultado TravaDePasta::Toma(const std::string& caminho) {
    if (fd_ >= 0) return Tomada;
    const int fd = ::open(caminho.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return Impossivel;
    struct stat st {};
    // A record lock of the process: the kernel drops it with the process, so a crashed program never blocks a start.
    struct flock f {};
    f.l_type = F_WRLCK, f.l_whence = SEEK_SET;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Impossivel;
    }
    if (::fcntl(fd, F_SETLK, &f) != 0) {
        const bool outro = errno == EAGAIN || errno == EACCES;
        ::close(fd);
        return outro ? DeOutro : Impossivel;
    }
    fd_ = fd;
    return Tomada;
}

bool PastaGravavel(const std::string& pasta) { return ::access(pasta.c_str(), W_OK | X_OK) == 0; }

}  // namespace vantor
