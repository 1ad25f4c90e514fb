// Saving the fight: the record on the tests' fixed-clock platform runs a long round, and every clock tick (which
// changes the clock, so saves the whole fight with a synced write and a rename) is timed, the save included; then
// the same with a judge's press line waiting at each tick, so a log line is written and synced too. The folder is
// the logs' folder the program would use: `--pasta` names one on the disk in question (the default is a new one in
// the system's temporary folder).
#include <cstdio>
#include <string>
#include <vector>

#include "app/vantor.h"
#include "fake_plataforma.h"
#include "medidas.h"
#include "settings/arquivos.h"

using namespace vantor;
using namespace vantor::bench;

int main(int argc, char** argv) {
    const long ticks = std::max(100L, Opcao(argc, argv, "--ticks", 3000));
    PastaTemporaria propria;
    const std::string pasta = OpcaoTexto(argc, argv, "--pasta", propria.Caminho());
    teste::FakePlataforma plat;
    plat.temp = pasta + "/", plat.pastaPrograma = pasta;
    Vantor v(plat);
    v.Form_Load();
    Ajustes a = v.Config();
    a.Tempo = a.TempoInicial = 30000;  // one round outlasts the run
    v.ConfirmaConfiguracao(a);
    EstadoLuta nova = v.Luta();  // the fight the new settings begin
    nova.TempoRestante = a.Tempo;
    v.RestauraLuta(nova);
    v.Form_KeyDown(tecla::Enter, 0);
    std::printf("bench_diario: %ld clock ticks, each saving the fight (synced write, rename), in %s\n", ticks,
                pasta.c_str());

    for (const bool comLinha : {false, true}) {
        std::vector<double> ms;
        for (long i = 0; i < ticks; ++i) {
            plat.Avanca(1000);
            const Instante t0 = Relogio::now();
            if (comLinha)
                v.Form_KeyDown(i % 2 ? tecla::F11 : tecla::F12, 0);  // a point given or taken back, and its line
            else
                v.Timer_Luta_Timer();
            ms.push_back(Ms(Relogio::now() - t0));
        }
        const std::string nome = comLinha ? "point key with its log line, saved" : "tick saved";
        Informa(nome + ", p50", Mediana(ms), "ms");
        Figura(nome + ", p99", Percentil(ms, 99), "ms", 2.0);
        Informa(nome + ", max", Percentil(ms, 100), "ms");
    }
    Informa("saved state's size", double(LeArquivo(v.CaminhoDiario()).size()) / 1024.0, "kB");
    if (v.Tela().L_AvisoLog.Visible) std::printf("  %s\n", v.Tela().L_AvisoLog.Caption.c_str());
    return 0;
}
