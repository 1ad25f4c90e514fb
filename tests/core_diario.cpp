// The fight after a stop, offered back; saved states never used unless whole, ours, current and possible; the
// stopped event's lines; log lines a full disk refuses kept in order, with the operator warned.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <fstream>

#include "log/diario.h"
#include "luta.h"
#include "settings/arquivos.h"

namespace fs = std::filesystem;

namespace vantor::teste {
namespace {

// Round 1 at 0:52: points and penalties both ways, the clock running; the state it saved.
Diario Combate(Luta& l) {
    l.Teclas({tecla::Enter, tecla::F12, tecla::F12, tecla::F8, tecla::F5, tecla::F9, tecla::F9});
    l.Tick(8);
    Diario d;
    EXPECT_EQ(LeDiario(LeArquivo(l.v.CaminhoDiario()), l.v.Log().PastaLog, d), 0);
    return d;
}

// What the operator is asked and what the log says, running, declined, in a time-out (which runs on, as a rest does:
// neither has a pause), in a rest and in the rest before the golden round with a time-out called, which must not
// open the golden round.
TEST(Diario, AStoppedFightIsOfferedWithOkAsDefaultAndGoesOnInItsOwnLogOrANewOne) {
    const std::string continuada = "Luta continuada após uma interrupção; último estado salvo: 06/12/2026 14:03:35,45";
    for (const auto& [ok, descansa, minuto] : {std::tuple{true, false, false},
                                               {false, false, false},
                                               {true, false, true},
                                               {true, true, false},
                                               {true, true, true}}) {
        const std::string pergunta =
            descansa ? "Azul 0 x 0 Vermelho\nRound 2, 0:05" : "Azul 4 x 2 Vermelho\nRound 1, 0:52";
        const std::string round = descansa ? "Round 2, Faltando 5s, " : "Round 1, Faltando 52s, ";
        std::vector<std::string> ultimas{Luta::L("14:04:35", ok ? round + continuada : "Luta zerada")};
        if (ok && !descansa && !minuto) ultimas.push_back(Luta::L("14:04:35", round + "Pausa ligada. - Pausa"));
        SCOPED_TRACE(pergunta + (minuto ? " time-out" : ""));
        Luta l;
        if (descansa)
            l.Configura({.Rounds = int16_t(minuto ? 1 : 2), .Tempo = 5}), l.Tecla(tecla::Enter), l.Tick(8);
        else
            Combate(l);
        if (minuto) l.Tecla(tecla::Um);
        EXPECT_FALSE(l.v.Luta().EmGolden) << "the golden round opened in the rest";
        const std::string log = l.v.Log().ArquivoLog;
        const auto linhas = l.Log();
        // A new start a minute later on the same folders; the old record is dropped, as a kill drops it.
        l.plat.Avanca(60000);
        l.plat.respostaOkCancela = ok;
        Vantor depois(l.plat);
        depois.Form_Load();
        ASSERT_EQ(l.plat.perguntas.size(), 1u);
        EXPECT_TRUE(l.plat.okPadroes.back());
        EXPECT_EQ(l.plat.perguntas.back(),
                  "Continuar a luta interrompida?\n\n" + pergunta + "\n06/12/2026 14:03:35,45");
        EXPECT_EQ(depois.Log().ArquivoLog == log, ok);
        EXPECT_TRUE(!(descansa || minuto) || depois.Luta() == l.v.Luta()) << "a rest or a time-out comes back exact";
        EXPECT_EQ(depois.Tela().L_Msg.Caption, ok && !descansa && !minuto ? "Pausa" : ok ? "" : "[ENTER] Início");
        const auto agora = LinhasDe(depois.Log().ArquivoLog);
        ASSERT_GE(agora.size(), ultimas.size());
        EXPECT_EQ(std::vector(agora.end() - long(ultimas.size()), agora.end()), ultimas);
        EXPECT_TRUE(std::equal(linhas.begin(), linhas.end(), LinhasDe(log).begin()))
            << "the old lines stay as they were";
    }
}

TEST(Diario, ASavedStateTornForeignOfAnotherVersionOrImpossibleIsSetAsideAndLogged) {
    Luta base;
    const Diario d = Combate(base);
    const std::string caminho = base.v.CaminhoDiario(), bom = LeArquivo(caminho);
    const auto com = [&](const std::function<void(Diario&)>& muda) {
        Diario m = d;
        muda(m);
        return TextoDiario(m);
    };
    const std::string fora = base.pasta.Caminho() + "/fora.txt";
    const struct {
        std::string texto;
        int motivo;
    } casos[] = {
        {bom.substr(0, 20), txt::EstadoCortado},
        {bom.substr(0, bom.size() - 1), txt::EstadoCortado},
        {std::string(bom).replace(bom.find("Pontos_1=2"), 10, "Pontos_1=9"), txt::EstadoCortado},
        {"ok\n", txt::EstadoEstranho},
        {LeArquivo(base.v.Log().ArquivoLog), txt::EstadoEstranho},
        {std::string(bom).replace(0, 15, "Vantor estado 2"), txt::EstadoDeOutraVersao},
        {com([](Diario& m) { m.luta.Faltas[1] = 11; }), txt::EstadoImpossivel},
        {[&] {  // the pause's two copies disagree
             std::string t = bom.substr(0, bom.rfind("Fim="));
             char& ligada = t[t.find("PausaLigada=") + 12];
             ligada = ligada == '1' ? '0' : '1';
             return FechaDiario(t);
         }(),
         txt::EstadoImpossivel},
        {com([](Diario& m) { m.luta.ContaMinuto = 60; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.ajustes.Rounds = 0; }), txt::EstadoImpossivel},
        {com([](Diario& m) {
             m.luta.RoundsFeitos = {{3, txt::PorPontos, 1, 0}};
         }),
         txt::EstadoEstranho},  // no winner
        {com([](Diario& m) { m.luta.VencedorArbitro = 1, m.luta.MotivoArbitro = txt::Venceu; }), txt::EstadoImpossivel},
        {com([](Diario& m) { m.arquivoLog = "/etc/passwd"; }), txt::EstadoImpossivel},
        {com([&](Diario& m) {
             m.tamanhos = {{fora, 0}}, m.pendentes = {{fora, "x\r\n"}};
         }),
         txt::EstadoImpossivel},
        // Whole and possible, but the log went on past it (the cases above wrote there): a disk that took the
        // lines and refused the state.
        {bom, txt::EstadoSuperado},
        {"folder", txt::EstadoIlegivel},
        {"fifo", txt::EstadoIlegivel},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.substr(0, 40));
        Luta l;
        l.plat.temp = base.plat.temp;
        fs::remove_all(caminho), fs::remove_all(caminho + ".ignorado");
        if (c.texto == "folder") fs::create_directories(caminho + "/x");
        if (c.texto == "fifo") ::mkfifo(caminho.c_str(), 0644);
        ASSERT_TRUE(fs::exists(caminho) || GravaArquivo(caminho, c.texto));
        Vantor depois(l.plat);
        depois.Form_Load();
        const std::string ignorado = "Estado salvo ignorado: " + depois.Tabela().Traduz(c.motivo, 0);
        EXPECT_TRUE(l.plat.perguntas.empty());
        EXPECT_EQ(l.plat.avisos,
                  std::vector<std::string>{std::string(ignorado).append("\n").append(caminho) + ".ignorado"})
            << "the operator is told, not only the log";
        EXPECT_EQ(depois.Luta().PontosMarcados, (std::array<int16_t, 3>{}));
        EXPECT_EQ(LinhasDe(depois.Log().ArquivoLog).back(), Luta::L("14:03:27", ignorado));
        EXPECT_TRUE(LeArquivo(caminho + ".ignorado") == c.texto || fs::exists(caminho + ".ignorado/x") ||
                    fs::is_fifo(caminho + ".ignorado"))
            << "set aside, not lost";
        EXPECT_FALSE(fs::exists(fora));
    }
}

// The lines the stopped event had still to write: written once, after those of them the log already has.
TEST(Diario, TheLinesAStoppedEventHadStillToWriteGoInOnceWhateverPartTheLogHas) {
    for (size_t ja = 0; ja <= 3; ++ja) {
        Luta l;
        Diario d = Combate(l);
        const std::string log = l.v.Log().ArquivoLog, antes = LeArquivo(log);
        d.tamanhos = {{log, antes.size()}};
        std::string todas;
        for (const char* t : {"+1 Pontos Azul (Azul)", "+1 Pontos Vermelho (Vermelho)", "+1 Pontos Azul (Azul)"}) {
            d.pendentes.push_back({log, Luta::L("14:03:36", "Round 1, Faltando 52s, ") + t + "\r\n"});
            ASSERT_TRUE(d.pendentes.size() > ja || EscreveLinhas(log, {d.pendentes.back().linha}) == 1);
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
// every line, in order, as on a roomy disk, with the operator's warning (the fight not saved, lines waiting) while
// the disk was full and not after.
TEST(Diario, AFullDiskKeepsEveryLineInOrderWithTheOperatorWarnedUntilItTakesThemAgain) {
    // Three stretches of a fight, each ended by `fase` and some polls; the warning is noted before and after them.
    const auto luta = [](const std::string& temp, const std::function<void(int)>& fase) {
        FakePlataforma plat;
        plat.temp = temp, plat.pastaPrograma = temp;
        Vantor v(plat);
        v.Form_Load(), v.Form_KeyDown(tecla::Enter, 0);
        std::string avisos;
        // 0: no warning; 1: lines wait; S: the fight itself is not saved either.
        const auto aviso = [&v] {
            const Rotulo& c = v.Tela().L_AvisoLog;
            return !c.Visible ? '0' : c.Caption.find(v.Traduz(txt::LutaNaoSalva)) != std::string::npos ? 'S' : '1';
        };
        for (int f = 0; f < 3; ++f) {
            for (int i = 0; i < 150; ++i) {
                v.Form_KeyDown(std::array{tecla::F12, tecla::F8, tecla::F5, tecla::F6}[i % 4], 0);
                plat.Avanca(100), v.Timer_Joystick_Timer();
            }
            avisos += aviso();
            fase(f);
            for (int i = 0; i < 15; ++i) plat.Avanca(50), v.Timer_Joystick_Timer();
            avisos += aviso() + std::string(" ");
        }
        return avisos + LeArquivo(v.Log().ArquivoLog);
    };
    const PastaTemporaria larga;
    const std::string roomy = luta(larga.Caminho() + "/", [](int) {});
    ASSERT_TRUE(roomy.starts_with("00 00 00 "));

    const PastaTemporaria pasta;
    const auto [lido, estado] = NoFilho([&](int fd) {
        // Root gets a mount namespace of its own; anyone else one inside a user namespace.
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return 3;
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", pasta.Caminho().c_str(), "tmpfs", 0, "size=128k") != 0)
            return 3;
        const std::string enche = pasta.Caminho() + "/enche";
        const std::string relato = luta(pasta.Caminho() + "/", [&](int f) {
            std::ofstream o(f == 0 ? enche : "",
                            std::ios::binary);  // full from the first stretch's end to the second's
            for (const std::string bloco(4096, 'x'); o.write(bloco.data(), bloco.size());) {}
            if (f == 1) fs::remove(enche);
        });
        return ::write(fd, relato.data(), relato.size()) == ssize_t(relato.size()) ? 0 : 2;
    });
    ASSERT_TRUE(WIFEXITED(estado)) << estado;
    // A machine that lets no one mount (no privilege, no user namespaces) cannot run it: said, not failed.
    if (WEXITSTATUS(estado) == 3) GTEST_SKIP() << "no tmpfs can be mounted here, as root or in a user namespace";
    EXPECT_EQ(lido.substr(0, 9), "00 S0 00 ") << "the warning, before and after each stretch's end";
    EXPECT_EQ(lido.substr(9), roomy.substr(9)) << "the log is not the one a roomy disk holds";
}

}  // namespace
}  // namespace vantor::teste
