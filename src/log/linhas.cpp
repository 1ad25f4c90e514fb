// The fight log: one time-stamped line per event, appended and closed at once.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "log/destino.h"
#include "settings/arquivos.h"

namespace vantor {

// Each line goes out in one write to a descriptor opened for appending, so a kill never splits it. A full disk or a
// file-size limit can still take only part of one: that part is cut off again, and the line and those after it
// stay to be written later. Synced before it closes, so a power cut keeps what the saved state says is written.
// Only into a regular file of that name: a link planted there is not followed and a FIFO is not waited on; the lines
// then wait, with the operator warned, as for a full disk.
size_t EscreveLinhas(const std::string& caminho, const std::vector<std::string>& linhas) {
    const int fd = ::open(caminho.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) return 0;
    struct stat tipo {};
    if (::fstat(fd, &tipo) != 0 || !S_ISREG(tipo.st_mode)) {
        ::close(fd);
        return 0;
    }
    size_t escritas = 0;
    for (const std::string& linha : linhas) {
        struct stat st {};
        const off_t antes = ::fstat(fd, &st) == 0 ? st.st_size : -1;
        size_t feito = 0;
        while (feito < linha.size()) {
            const ssize_t n = ::write(fd, linha.data() + feito, linha.size() - feito);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            feito += static_cast<size_t>(n);
        }
        if (feito == linha.size()) {
            ++escritas;
            continue;
        }
        if (feito > 0 && antes >= 0) (void)!::ftruncate(fd, antes);
        break;
    }
    if (escritas > 0) ::fdatasync(fd);
    ::close(fd);
    return escritas;
}

}  // namespace vantor
