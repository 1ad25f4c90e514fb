// A whole scoreboard for tests: fixed clock and locale, logs in a private folder, driven through the handlers.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/vantor.h"
#include "fake_plataforma.h"

namespace vantor::teste {

// A fresh folder under the system's temporary folder, removed at the end of the test.
struct PastaTemporaria {
    PastaTemporaria();
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    const std::string& Caminho() const { return caminho_; }
    std::string caminho_;
};

// A fresh working folder for as long as this lives; the button file lives in the working folder.
struct NaPasta : PastaTemporaria {
    std::filesystem::path antes = std::filesystem::current_path();
    NaPasta() { std::filesystem::current_path(Caminho()); }
    ~NaPasta() { std::filesystem::current_path(antes); }
};

// The desktop's applications under `pasta`, one editor for plain text or none; set before GIO first reads them.
void DesktopCom(const std::string& pasta, bool editor);

// Lines of a log file; a line not ended by CR LF fails the test.
std::vector<std::string> LinhasDe(const std::string& arquivo);
// The lines of a file of cases in tests/casos, without blank lines and '#' comments.
std::vector<std::string> Casos(const std::string& nome);
// Compares a fight's log with its expected file in tests/casos; a missing one is written from this run, and fails.
void ConfereLog(const std::vector<std::string>& log, const std::string& nome);

// Changes a copy of the fight state (RestauraLuta: the board is refreshed) or of the settings (DefineAjustes).
template <typename F>
void Cena(Vantor& v, F muda) {
    if constexpr (std::is_invocable_v<F, EstadoLuta&>) {
        EstadoLuta l = v.Luta();
        muda(l);
        v.RestauraLuta(l);
    } else {
        Ajustes a = v.Config();
        muda(a);
        v.DefineAjustes(a);
    }
}

// Runs `filho` in a child process with a pipe to write on; what it wrote and how it ended.
template <typename F>
std::pair<std::string, int> NoFilho(F filho) {
    int canal[2], estado = 0;
    if (::pipe(canal) != 0) return {"", -1};
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(filho(canal[1]));
    ::close(canal[1]);
    std::string lido;
    char b[256];
    for (ssize_t n; (n = ::read(canal[0], b, sizeof b)) > 0;) lido.append(b, size_t(n));
    ::close(canal[0]), ::waitpid(pid, &estado, 0);
    return {lido, estado};
}

struct Luta {
    // Settings the configuration sequence (F1) puts in place before the next fight.
    struct Ajustes {
        int16_t Rounds = 1, Tempo = 60, Intervalo = 15, Regra = regra::Wtf2017, Diferenca = kSemLimite;
        std::string Azul = "", Vermelho = "";  // empty: the language's default
    };

    // The board scaled to a screen of `tela` pixels.
    explicit Luta(int16_t lingua = lingua::Portugues, std::pair<int, int> tela = {640, 480});
    // Runs the configuration sequence with a dialog that sets these values.
    void Configura(const Ajustes& a);
    void Tecla(int codigo, int mascara = 0) { v.Form_KeyDown(codigo, mascara); }
    void Teclas(std::initializer_list<int> codigos) {
        for (int c : codigos) v.Form_KeyDown(c, 0);
    }
    // One second of wall time, then one clock tick.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) plat.Avanca(1000), v.Timer_Luta_Timer();
    }
    // `ms` of wall time with the table's timers run as the window runs them: each counts its interval from its last
    // start, the one it was at when first seen here or any later one the core made.
    void Passa(int ms);
    // The log as it stands once the last event is saved (a test may have called an operation directly).
    std::vector<std::string> Log() { return v.EsperaDisco(), LinhasDe(v.Log().ArquivoLog); }
    // A log line as the fixed locale stamps it at hh:mm:ss of the fixed day, ",45" hundredths.
    static std::string L(const std::string& hms, const std::string& texto) {
        return "06/12/2026 " + hms + ",45\t" + texto;
    }

    PastaTemporaria pasta;
    FakePlataforma plat;
    Vantor v{plat};

private:
    long agora_ = 0;
    std::map<const Timer*, std::pair<unsigned, long>> prazos_;  // starts seen, next deadline
};

}  // namespace vantor::teste
