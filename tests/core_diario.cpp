// The fight after a stop: taken back, held, in its own log, when the operator says so; a new one otherwise; a saved
// state that is torn, foreign, of another version or impossible never used; log lines a full disk refuses kept in
// order, with the operator warned, until it takes them.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/texto.h"
#include "log/diario.h"
#include "luta.h"
#include "settings/arquivos.h"

namespace fs = std::filesystem;

namespace vantor::teste {
namespace {

// Round 1 at 0:52: points and penalties both ways and a judge-free fight, the clock running.
void Combate(Luta& l) {
    l.Teclas({tecla::Enter, tecla::F12, tecla::F12, tecla::F8, tecla::F5, tecla::F9, tecla::F9});
    l.Tick(8);
}

TEST(Diario, AStoppedFightComesBackHeldInItsOwnLogOnlyWhenStartedAndWanted) {
    const struct {
        const char* nome;
        std::function<void(Luta&)> antes;
        bool ok;
        bool pergunta, continua;
        const char* ultimas;  // the texts of the last lines of the log in use after the start, '|' between lines
    } casos[] = {
        {"running", Combate, true, true, true,
         "Round 1, Faltando 52s, Luta continuada após uma interrupção; último estado salvo: 06/12/2026 14:03:35,45|"
         "Round 1, Faltando 52s, Pausa ligada. - Pausa"},
        {"declined", Combate, false, true, false, "Luta zerada"},
        {"paused", [](Luta& l) { Combate(l), l.Tecla(tecla::Espaco); }, true, true, true,
         "Round 1, Faltando 52s, Luta continuada após uma interrupção; último estado salvo: 06/12/2026 14:03:35,45"},
        {"resting",
         [](Luta& l) {
             l.Configura({.Rounds = 2, .Tempo = 5});
             l.Tecla(tecla::Enter), l.Tick(8);
         },
         true, true, true,
         "Round 2, Faltando 5s, Luta continuada após uma interrupção; último estado salvo: 06/12/2026 14:03:35,45"},
        {"reset", [](Luta& l) { Combate(l), l.Tecla(tecla::Esc); }, true, false, false, "Luta zerada"},
        {"never started", [](Luta&) {}, true, false, false, "Luta zerada"},
        {"Alt+F4", [](Luta& l) { Combate(l), l.Tecla(tecla::F4, tecla::Alt); }, true, true, true, nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Luta l;
        c.antes(l);
        const EstadoLuta parado = l.v.Luta();
        const Ajustes ajustes = l.v.Config();
        const std::string log = l.v.Log().ArquivoLog;
        const auto linhas = l.Log();
        // A new start a minute later, on the same folders: the old record is simply dropped, as a kill drops it.
        l.plat.Avanca(60000);
        l.plat.respostaOkCancela = c.ok;
        const size_t antes = l.plat.perguntas.size();
        Vantor depois(l.plat);
        depois.Form_Load();
        ASSERT_EQ(l.plat.perguntas.size(), antes + (c.pergunta ? 1 : 0));
        if (c.pergunta) {
            EXPECT_TRUE(l.plat.okPadroes.back()) << "OK must be the default";
            // What the operator is asked about: the fight, its score, its clock and when it was saved.
            const std::string resumo = "Continuar a luta interrompida?\n\nAzul " + std::to_string(parado.PontosMarcados[1] + parado.Faltas[2]) +
                                       " x " + std::to_string(parado.PontosMarcados[2] + parado.Faltas[1]) +
                                       " Vermelho\nRound " + std::to_string(parado.RoundAtual) + ", 0:" +
                                       DoisDigitos(parado.TempoRestante) + "\n06/12/2026 14:03:35,45";
            EXPECT_EQ(l.plat.perguntas.back(), resumo);
        }
        EXPECT_EQ(depois.Log().ArquivoLog == log, c.continua);
        if (!c.continua) {
            EXPECT_FALSE(depois.Luta().LutaIniciada);
            EXPECT_EQ(depois.Luta().PontosMarcados, (std::array<int16_t, 3>{}));
            EXPECT_EQ(LinhasDe(log), linhas) << "the old log is left as it was";
        } else {
            EstadoLuta esperado = parado;
            if (parado.ContaIntervalo < 0) esperado.Pausado = esperado.PausaLigada = true;
            EXPECT_EQ(depois.Luta(), esperado);
            EXPECT_EQ(depois.Config(), ajustes);
            const std::string mensagem = depois.tela().L_Msg.Caption;
            EXPECT_EQ(mensagem, parado.ContaIntervalo < 0 ? "Pausa" : "");
        }
        const auto agora = LinhasDe(depois.Log().ArquivoLog);
        if (c.ultimas) {
            std::string ultimas;
            const size_t n = size_t(std::count(c.ultimas, c.ultimas + std::strlen(c.ultimas), '|') + 1);
            ASSERT_GE(agora.size(), n);
            for (size_t i = agora.size() - n; i < agora.size(); ++i)
                ultimas += (ultimas.empty() ? "" : "|") + agora[i].substr(agora[i].find('\t') + 1);
            EXPECT_EQ(ultimas, c.ultimas);
        }
        if (c.continua) {
            EXPECT_EQ(std::vector(agora.begin(), agora.begin() + long(linhas.size())), linhas);
        }
        // Continued or not, the next start finds the fight as this one left it.
        depois.Form_KeyDown(tecla::Esc, 0);
        Vantor terceiro(l.plat);
        const size_t perguntas = l.plat.perguntas.size();
        terceiro.Form_Load();
        EXPECT_EQ(l.plat.perguntas.size(), perguntas + (depois.Luta().LutaIniciada ? 1 : 0));
    }
}

TEST(Diario, ASavedStateTornForeignOfAnotherVersionOrImpossibleIsSetAsideAndLogged) {
    Luta base;
    Combate(base);
    base.v.Guarda();
    const std::string caminho = base.v.CaminhoDiario(), bom = LeArquivo(caminho);
    Diario d;
    ASSERT_EQ(LeDiario(bom, base.v.Log().PastaLog, d), 0);
    const auto com = [&](const std::function<void(Diario&)>& muda) {
        Diario m = d;
        muda(m);
        return TextoDiario(m);
    };
    const std::string fora = base.pasta.caminho() + "/fora.txt";
    const struct {
        std::string texto;
        int motivo;
    } casos[] = {
        {bom.substr(0, 20), txt::EstadoCortado},
        {bom.substr(0, bom.size() / 2), txt::EstadoCortado},
        {bom.substr(0, bom.size() - 1), txt::EstadoCortado},
        {std::string(bom).replace(bom.find("Pontos_1=2"), 10, "Pontos_1=9"), txt::EstadoCortado},
        {"ok\n", txt::EstadoEstranho},
        {LeArquivo(base.v.Log().ArquivoLog), txt::EstadoEstranho},
        {std::string("\0\xff\x01", 3), txt::EstadoEstranho},
        {std::string(bom).replace(0, 15, "Vantor estado 2"), txt::EstadoDeOutraVersao},
        {com([](Diario& m) { m.luta.Faltas[1] = 11; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.luta.Pausado = !m.luta.PausaLigada; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.luta.EmGolden = true; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.luta.ContaMinuto = 60; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.ajustes.Rounds = 0; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.arquivoLog = "/etc/passwd"; }), txt::EstadoImpossivel},
        {com([&](Diario& m) {
             m.tamanhos = {{fora, 0}};
             m.pendentes = {{fora, "written anywhere\r\n"}};
         }),
         txt::EstadoImpossivel},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.substr(0, 40));
        Luta l;
        l.plat.temp = base.plat.temp;
        ASSERT_TRUE(GravaArquivo(caminho, c.texto));
        Vantor depois(l.plat);
        depois.Form_Load();
        EXPECT_TRUE(l.plat.perguntas.empty());
        EXPECT_FALSE(depois.Luta().LutaIniciada);
        EXPECT_EQ(depois.Luta().PontosMarcados, (std::array<int16_t, 3>{}));
        const auto linhas = LinhasDe(depois.Log().ArquivoLog);
        ASSERT_FALSE(linhas.empty());
        EXPECT_EQ(linhas.back().substr(linhas.back().find('\t') + 1),
                  "Estado salvo ignorado: " + depois.Tabela().Traduz(c.motivo, 0));
        EXPECT_EQ(LeArquivo(caminho + ".ignorado"), c.texto) << "set aside, not lost";
        EXPECT_FALSE(fs::exists(fora));
        fs::remove(depois.Log().ArquivoLog);
    }
}

// The lines the stopped event had still to write: written once, after those of them the log already has.
TEST(Diario, TheLinesAStoppedEventHadStillToWriteGoInOnceWhateverPartTheLogHas) {
    for (size_t ja = 0; ja <= 3; ++ja) {
        Luta l;
        Combate(l);
        l.v.Guarda();
        const std::string log = l.v.Log().ArquivoLog, antes = LeArquivo(log);
        Diario d;
        ASSERT_EQ(LeDiario(LeArquivo(l.v.CaminhoDiario()), l.v.Log().PastaLog, d), 0);
        d.tamanhos = {{log, antes.size()}};
        std::string todas;
        for (const char* t : {"+1 Pontos Azul (Azul)", "+1 Pontos Vermelho (Vermelho)", "+1 Pontos Azul (Azul)"}) {
            d.pendentes.push_back({log, Luta::L("14:03:36", "Round 1, Faltando 52s, ") + t + "\r\n"});
            if (d.pendentes.size() <= ja) ASSERT_TRUE(EscreveLinhas(log, {d.pendentes.back().linha}) == 1);
            todas += d.pendentes.back().linha;
        }
        ASSERT_TRUE(GravaArquivo(l.v.CaminhoDiario(), TextoDiario(d)));
        l.plat.respostaOkCancela = false;
        Vantor depois(l.plat);
        depois.Form_Load();
        EXPECT_EQ(LeArquivo(log), antes + todas) << ja << " of them were in the log";
    }
}

// A fight's log on a small tmpfs that fills up and is freed again, in a child with a mount namespace of its own:
// every line, in order, as on a roomy disk, with the operator's warning while the disk was full and not after.
TEST(Diario, AFullDiskKeepsEveryLineInOrderWithTheOperatorWarnedUntilItTakesThemAgain) {
    // Three stretches of a fight, each ended by `fase` and some polls; the warning is noted before and after them.
    const auto luta = [](const std::string& temp, const std::function<void(int)>& fase) {
        FakePlataforma plat;
        plat.temp = temp, plat.pastaPrograma = temp;
        Vantor v(plat);
        v.Form_Load();
        v.Form_KeyDown(tecla::Enter, 0);
        std::string avisos;
        for (int f = 0; f < 3; ++f) {
            for (int i = 0; i < 150; ++i) {
                v.Form_KeyDown(std::array{tecla::F12, tecla::F8, tecla::F5, tecla::F6}[i % 4], 0);
                plat.Avanca(100);
                v.Timer_Joystick_Timer();
            }
            avisos += v.tela().L_AvisoLog.Visible ? "1" : "0";
            fase(f);
            for (int i = 0; i < 15; ++i) plat.Avanca(50), v.Timer_Joystick_Timer();
            avisos += v.tela().L_AvisoLog.Visible ? "1 " : "0 ";
        }
        return avisos + LeArquivo(v.Log().ArquivoLog);
    };
    const PastaTemporaria larga;
    const std::string roomy = luta(larga.caminho() + "/", [](int) {});
    ASSERT_TRUE(roomy.starts_with("00 00 00 "));

    const PastaTemporaria pasta;
    int canal[2];
    ASSERT_EQ(::pipe(canal), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Root gets a mount namespace of its own; anyone else one inside a user namespace.
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(3);
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", pasta.caminho().c_str(), "tmpfs", 0, "size=128k") != 0)
            ::_exit(3);
        const std::string enche = pasta.caminho() + "/enche";
        const std::string relato = luta(pasta.caminho() + "/", [&](int f) {
            if (f == 0) {  // full, from the end of the first stretch to the end of the second
                std::ofstream o(enche, std::ios::binary);
                for (const std::string bloco(4096, 'x'); o.write(bloco.data(), bloco.size());) {}
            } else if (f == 1) {
                fs::remove(enche);
            }
        });
        (void)!::write(canal[1], relato.data(), relato.size());
        ::_exit(0);
    }
    ::close(canal[1]);
    std::string lido;
    char b[4096];
    for (ssize_t n; (n = ::read(canal[0], b, sizeof b)) > 0;) lido.append(b, size_t(n));
    ::close(canal[0]);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado)) << estado;
    ASSERT_NE(WEXITSTATUS(estado), 3) << "no tmpfs could be mounted here";
    EXPECT_EQ(lido.substr(0, 9), "00 10 00 ") << "the warning, before and after each stretch's end";
    EXPECT_EQ(lido.substr(9), roomy.substr(9)) << "the log is not the one a roomy disk holds";
}

}  // namespace
}  // namespace vantor::teste
