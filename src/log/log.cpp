// The fight log: one time-stamped line per event, appended and closed at once.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "app/vantor.h"
#include "settings/arquivos.h"

namespace vantor {

// The whole line goes out in one write to a descriptor opened for appending, so a kill never splits
// it. A full disk or a file-size limit can still take only part of it: that part is cut off again, so
// a line is in the file whole or not at all.
void AnexaLinha(const std::string& caminho, const std::string& linha) {
    const int fd = ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    struct stat st {};
    const off_t antes = ::fstat(fd, &st) == 0 ? st.st_size : -1;
    size_t feito = 0;
    while (feito < linha.size()) {
        const ssize_t n = ::write(fd, linha.data() + feito, linha.size() - feito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        feito += static_cast<size_t>(n);
    }
    if (feito > 0 && feito < linha.size() && antes >= 0) (void)!::ftruncate(fd, antes);  // lost either way if it fails
    ::close(fd);
}

// Date, time and hundredths all from the same reading, so they can never disagree.
std::string Vantor::Carimbo() { return plat.Carimbo(plat.Agora()); }

void Vantor::GravaLog(const std::string& texto) {
    if (log_.PastaLog.empty()) {
        const std::string temp = plat.Ambiente("TEMP");
        // Installed and with no TEMP, the logs go to the user's data folder rather than where the menu started us.
        if (temp.empty() && Instalado()) {
            log_.PastaLog = Junta(PastaXdg(true), "LOG");
            CriaPastas(log_.PastaLog);
        } else {
            log_.PastaLog = temp + "LOG";
            ::mkdir(log_.PastaLog.c_str(), 0755);  // usually exists already
        }
        log_.PastaLog += "/LOG_";
    }
    if (log_.ArquivoLog.empty()) return;
    // One event, one line: a line break in a text must not forge lines of its own.
    std::string linha = Carimbo() + "\t" + texto;
    std::replace(linha.begin(), linha.end(), '\r', ' ');
    std::replace(linha.begin(), linha.end(), '\n', ' ');
    AnexaLinha(log_.ArquivoLog, linha + "\r\n");
}

std::string Vantor::LogR() const { return Traduz(txt::Round) + " " + std::to_string(luta_.RoundAtual) + ", "; }

std::string Vantor::LogT() const { return Traduz(txt::Faltando) + " " + std::to_string(luta_.TempoRestante) + "s, "; }

std::string Vantor::LogTR() const { return LogR() + LogT(); }

void Vantor::Sumula() {
    Pausar(true, "-", cor::Ciano, cor::Preto);
    plat.AbreSumula(log_.ArquivoLog, ajustes_.Lingua);
}

}  // namespace vantor
