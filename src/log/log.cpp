// The fight log: one time-stamped line per event, appended and closed at once.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/texto.h"
#include "app/vantor.h"

namespace vantor {

namespace {

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

}  // namespace

std::string Vantor::Carimbo() {
    // Date, time and hundredths all from the same reading, so they can never disagree.
    const Momento m = plat.Agora();
    return plat.DataHoraCurta(m) + plat.SeparadorDecimal() + DoisDigitos(m.milissegundo / 10);
}

void Vantor::GravaLog(const std::string& texto) {
    if (PastaLog.empty()) {
        PastaLog = plat.Ambiente("TEMP") + "LOG";
        ::mkdir(PastaLog.c_str(), 0755);  // usually exists already
        PastaLog += "/LOG_";
    }
    if (ArquivoLog.empty()) return;
    AnexaLinha(ArquivoLog, Carimbo() + "\t" + texto + "\r\n");
}

std::string Vantor::LogR() const { return Traduz(21) + " " + std::to_string(RoundAtual) + ", "; }

std::string Vantor::LogT() const { return Traduz(35) + " " + std::to_string(TempoRestante) + "s, "; }

std::string Vantor::LogTR() const { return LogR() + LogT(); }

void Vantor::Sumula() {
    Pausar(true, "-", RGB(0, 255, 255), RGB(0, 0, 0));
    plat.AbreEditor(ArquivoLog);
}

}  // namespace vantor
