// Crashes, full disks, unwritable places and long random sessions: the fight goes on and no file is torn.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include "luta.h"
#include "scoring/satura.h"
#include "settings/arquivos.h"

namespace vantor::teste {
namespace {

namespace fs = std::filesystem;

// "" when the log file is whole: empty or CR LF at its very end, and every line stamped.
std::string ProblemaNoLog(const std::string& arquivo, std::vector<std::string>* linhas = nullptr) {
    const std::string texto = LeArquivo(arquivo);
    if (!texto.empty() && !texto.ends_with("\r\n")) return arquivo + ": partial last line";
    for (size_t inicio = 0, fim; inicio < texto.size(); inicio = fim + 2) {
        fim = texto.find("\r\n", inicio);
        const std::string linha = texto.substr(inicio, fim - inicio);
        static const std::string kCarimbo = "99/99/9999 99:99:99,99\t";
        bool ok = linha.size() >= kCarimbo.size() && linha.find('\n') == std::string::npos;
        for (size_t i = 0; ok && i < kCarimbo.size(); ++i)
            ok = kCarimbo[i] == '9' ? std::isdigit(static_cast<unsigned char>(linha[i])) != 0 : linha[i] == kCarimbo[i];
        if (!ok) return arquivo + ": torn line \"" + linha + "\"";
        if (linhas) linhas->push_back(linha);
    }
    return "";
}

std::string ProblemasNosLogs(const std::string& pasta) {
    std::string problemas;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(pasta, ec)) problemas += ProblemaNoLog(e.path().string());
    return problemas;
}

// Runs `f` in a forked child, so that its limits, signals and folder stay its own; returns what it returned.
std::string EmFilho(const std::function<std::string()>& f) {
    int canal[2];
    if (::pipe(canal) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(canal[0]);
        const std::string r = f();
        if (::write(canal[1], r.data(), r.size()) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(canal[1]);
    std::string r;
    char buf[4096];
    for (ssize_t n; (n = ::read(canal[0], buf, sizeof buf)) > 0;) r.append(buf, static_cast<size_t>(n));
    ::close(canal[0]);
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? r : r + " [the child died]";
}

void Escreve(const std::string& caminho, const std::string& bytes) { std::ofstream(caminho, std::ios::binary) << bytes; }

// A short fight; what the scoreboard shows at its end.
std::string LutaCurta(Vantor& v, FakePlataforma& plat) {
    v.Form_Load();
    for (int k : {tecla::Enter, tecla::F12, tecla::F12, tecla::F8, tecla::F5, tecla::F12, tecla::F9, tecla::F9})
        v.Form_KeyDown(k, 0);
    for (int i = 0; i < 5; ++i, plat.Avanca(1000)) v.Timer_Luta_Timer();
    v.Form_KeyDown(tecla::Espaco, 0);
    return v.tela.L_Pontos[1].Caption + ":" + v.tela.L_Pontos[2].Caption + " " + v.tela.L_Tempo.Caption + " " +
           v.tela.L_Msg.Caption;
}
constexpr const char* kFimDaLutaCurta = "5:2 0:55 Pausa";

// Both settings files, in one of their two known contents.
bool GravaVersao(Vantor& v, long i) {
    v.Som[1] = i % 2 ? "b.wav" : "a.wav";
    v.MapaBotoes.fill(i % 2 ? 6 : 5);
    return v.GravaConfig() && v.GravaBotoes();
}

// A scoreboard whose files live in `pasta`, the current folder (where the button file is).
struct Placar {
    explicit Placar(const std::string& pasta) {
        plat.temp = pasta + "/";
        plat.pastaPrograma = pasta;
        v.Form_Load();
    }
    FakePlataforma plat;
    Vantor v{plat};
};

TEST(Robustez, KilledAtRandomMomentsLeavesWholeLogLinesAndOldOrNewSettings) {
    auto* gravacoes = static_cast<long*>(
        ::mmap(nullptr, sizeof(long), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(gravacoes, MAP_FAILED);
    *gravacoes = 0;
    const auto antes = fs::current_path();
    std::mt19937 sorte(20261206);
    for (int tentativa = 0; tentativa < 24; ++tentativa) {
        PastaTemporaria pasta;
        fs::current_path(pasta.caminho());
        std::string ini[2], botoes[2];
        for (long i : {1, 0}) {
            Placar p(pasta.caminho());
            ASSERT_TRUE(GravaVersao(p.v, i));
            ini[i] = LeArquivo("vantor.ini");
            botoes[i] = LeArquivo("botoes.cfg");
        }
        int pronto[2];
        ASSERT_EQ(::pipe(pronto), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            Placar p(pasta.caminho());
            p.plat.numSlots = 1;
            const int teclas[] = {tecla::Enter, tecla::F12, tecla::F8, tecla::F5, tecla::Espaco, tecla::Um, tecla::Esc};
            for (long i = 0; i < 100000; ++i) {
                p.v.Form_KeyDown(teclas[i % 7], 0);
                p.plat.leituras[0].botoes = static_cast<uint32_t>(i % 16);
                p.v.Timer_Joystick_Timer();
                p.plat.Avanca(250);
                p.v.Timer_Luta_Timer();
                p.v.Timer_Botao_Timer(static_cast<int>(i % 18) + 1);
                if (GravaVersao(p.v, i)) __atomic_add_fetch(gravacoes, 1, __ATOMIC_RELAXED);
                if (i == 0 && ::write(pronto[1], "!", 1) != 1) ::_exit(4);
            }
            ::_exit(0);
        }
        ::close(pronto[1]);
        char c;
        EXPECT_EQ(::read(pronto[0], &c, 1), 1) << "the child never got going";
        ::close(pronto[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<>(2, 100)(sorte)));
        ::kill(pid, SIGKILL);
        int estado = 0;
        ::waitpid(pid, &estado, 0);
        ASSERT_TRUE(WIFSIGNALED(estado)) << "the child ended on its own";

        const std::string agoraIni = LeArquivo("vantor.ini"), agoraBotoes = LeArquivo("botoes.cfg");
        EXPECT_TRUE(agoraIni == ini[0] || agoraIni == ini[1]) << tentativa << ": " << agoraIni;
        EXPECT_TRUE(agoraBotoes == botoes[0] || agoraBotoes == botoes[1]) << tentativa;
        EXPECT_EQ(ProblemasNosLogs("LOG"), "") << tentativa;
        // A fresh start reads the renamed files only, whatever temporary file the kill left behind.
        Placar depois(pasta.caminho());
        EXPECT_EQ(depois.v.Som[1], agoraIni == ini[0] ? "a.wav" : "b.wav");
        EXPECT_EQ(depois.v.MapaBotoes[1], agoraBotoes == botoes[0] ? 5 : 6);
        EXPECT_TRUE(GravaVersao(depois.v, 0)) << "a stray temporary file blocks no later write";
        fs::current_path(antes);
    }
    EXPECT_GT(*gravacoes, 24) << "the children hardly wrote anything before being killed";
    ::munmap(gravacoes, sizeof(long));
}

TEST(Robustez, AFullDiskLosesWholeLinesAndKeepsTheOldSettings) {
    const auto antes = fs::current_path();
    std::vector<std::string> completo;
    for (const rlim_t limite : {RLIM_INFINITY, rlim_t{0}, rlim_t{1}, rlim_t{150}, rlim_t{300}, rlim_t{500}}) {
        PastaTemporaria pasta;
        fs::current_path(pasta.caminho());
        Escreve("vantor.ini", "Som1=velho.wav\r\nLingua=0");
        Escreve("botoes.cfg", std::string(514, '\x03'));
        const std::string fim = EmFilho([&] {
            const rlimit r{limite, limite};
            ::setrlimit(RLIMIT_FSIZE, &r);
            ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG instead of killing
            FakePlataforma plat;
            plat.temp = pasta.caminho() + "/";
            plat.pastaPrograma = pasta.caminho();
            Vantor v{plat};
            std::string mostra = LutaCurta(v, plat);
            v.Som[1] = std::string(600, 's');  // past every limit tried
            return mostra + (v.GravaConfig() ? " ini" : "") + (v.GravaBotoes() ? " botoes" : "");
        });
        fs::current_path(antes);
        std::vector<std::string> linhas;
        const std::string log = pasta.caminho() + "/LOG/LOG_2026-12-06_14-03-27.txt";
        EXPECT_EQ(ProblemaNoLog(log, &linhas), "") << limite;
        if (limite == RLIM_INFINITY) {
            EXPECT_EQ(fim, std::string(kFimDaLutaCurta) + " ini botoes");
            completo = linhas;
            continue;
        }
        EXPECT_EQ(fim, kFimDaLutaCurta) << limite;
        EXPECT_EQ(LeArquivo(pasta.caminho() + "/vantor.ini"), "Som1=velho.wav\r\nLingua=0") << limite;
        EXPECT_EQ(LeArquivo(pasta.caminho() + "/botoes.cfg"), std::string(514, '\x03')) << limite;
        EXPECT_LT(linhas.size(), completo.size()) << limite;
        // Lines are lost whole: what is there is the full log with some lines left out.
        size_t k = 0;
        for (const std::string& linha : linhas)
            while (k < completo.size() && completo[k++] != linha) {}
        EXPECT_TRUE(linhas.empty() || completo[k - 1] == linhas.back()) << limite << ": a line the full log lacks";
        for (const auto& e : fs::directory_iterator(pasta.caminho())) EXPECT_NE(e.path().extension(), ".tmp");
    }
}

}  // namespace
}  // namespace vantor::teste
