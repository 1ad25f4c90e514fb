// A whole scoreboard for scenario tests: fixed clock and locale, logs in a private folder,
// driven only through the handlers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/vantor.h"
#include "fake_plataforma.h"

namespace vantor::teste {

// A fresh folder under the system's temporary folder, removed at the end of the test.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::string& caminho() const { return caminho_; }

private:
    std::string caminho_;
};

// Lines of a log file; a line not ended by CR LF fails the test.
std::vector<std::string> LinhasDe(const std::string& arquivo);

class Luta {
public:
    // Settings applied by the configuration sequence (F1) before the first fight.
    struct Ajustes {
        int16_t Rounds = 1, Tempo = 60, Intervalo = 15, Regra = 2, Limite = 99, Diferenca = 99;
        bool MeiaFaltaGolden = false;
        std::string Azul = "", Vermelho = "";
    };

    explicit Luta(int16_t lingua = 0);

    // Runs the configuration sequence with a dialog that sets these values.
    void Configura(const Ajustes& a);
    void Tecla(int codigo, int mascara = 0);
    // One second of wall time, then one clock tick.
    void Tick(int n = 1);
    // The current fight's log.
    std::vector<std::string> Log() const { return LinhasDe(v.ArquivoLog); }
    // A log line as the fixed locale stamps it at hh:mm:ss of the fixed day, ",45" hundredths.
    static std::string L(const std::string& hms, const std::string& texto);

    PastaTemporaria pasta;
    FakePlataforma plat;
    Vantor v{plat};
};

}  // namespace vantor::teste
