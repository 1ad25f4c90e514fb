// The README's pictures, painted as the program paints them: both views of a fight with names, at the moments the
// hall reads most (a rest, the golden round paused, a result after it), and the configuration dialog on a
// 1920 x 1080 screen. Usage: retratos FOLDER
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "app/form2.h"
#include "controllers/entradas.h"
#include "luta.h"
#include "settings/arquivos.h"
#include "ui/dialogo_conferencia.h"
#include "ui/dialogo_config.h"
#include "ui/janela_placar.h"
#include "ui/pintura.h"

namespace {

using namespace vantor;
using vantor::teste::Cena;
using vantor::teste::Luta;

void Salva(const Form1Controles& tela, const ui::Vista& v, const std::string& arquivo) {
    QImage quadro(v.area.size(), QImage::Format_RGB32);
    QPainter p(&quadro);
    ui::PintaTela(p, tela, v);
    p.end();
    if (!quadro.save(QString::fromStdString(arquivo))) std::fprintf(stderr, "could not write %s\n", arquivo.c_str());
}

// Two rounds of 90 s with 30 s of rest and the names of a real draw, brought to a moment by `chega`; under best of
// three, three rounds with a point gap of 12, a review card each and five value groups.
void Fotografa(const std::string& pasta, const std::string& nome, void (*chega)(Luta&),
               int16_t regra = regra::Wtf2017) {
    Luta l(lingua::Portugues, {1024, 768});
    const bool melhorDeTres = regra == regra::Wt2022;
    l.Configura({.Rounds = int16_t(melhorDeTres ? 3 : 2),
                 .Tempo = 90,
                 .Intervalo = 30,
                 .Regra = regra,
                 .Diferenca = int16_t(melhorDeTres ? 12 : 99)});
    Cena(l.v, [&](Ajustes& a) {
        a.Nome = {"", "Ana Beatriz Souza", "Carla Mendes Rocha"};
        a.L2 = {"", "Academia Leão - SP", "Clube Tigre - RJ"};
        a.CartoesRevisao = melhorDeTres ? 1 : 0;
        if (melhorDeTres) a.Pontos4 = 4, a.Pontos5 = 5;  // the turning kicks' groups, as the models have them
        if (melhorDeTres) a.NumeroLuta = "105", a.Categoria = "Adulto Feminino -57 kg";
    });
    if (melhorDeTres) Cena(l.v, [](EstadoLuta& e) { e.Cartoes = {0, 1, 0}; });
    l.v.PlateiaNaTela(true);
    l.Tecla(tecla::Enter);
    chega(l);
    Form1Controles tela;
    tela.Escala(1024, 768);
    tela.Mostra(l.v.Tela());
    Salva(tela, ui::VistaOperador(tela), pasta + "/operador-" + nome + ".png");
    Salva(tela, ui::VistaPlateia(tela, QSize(1280, 720)), pasta + "/plateia-" + nome + ".png");
}

void AteOGolden(Luta& l) {
    Cena(l.v, [](EstadoLuta& e) { e.PontosMarcados = {0, 7, 6}, e.Faltas = {0, 1, 0}; });
    // Each rest ends held: resumed, the next round runs, and after the last one the golden round begins.
    while (!l.v.Luta().EmGolden) l.v.Luta().Pausado ? l.Tecla(tecla::Espaco) : l.Tick();
    l.Tick(20);
    l.Teclas({tecla::F12});
}

// The example list of docs/, with the shipped models beside the program.
void ComLista(Luta& l) {
    QFile::copy(QStringLiteral(VANTOR_CASOS_DIR "/../../instala/modelos.ini"),
                QString::fromStdString(l.pasta.Caminho() + "/modelos.ini"));
    QFile lista(QStringLiteral(VANTOR_CASOS_DIR "/../../docs/lutas-exemplo.csv"));
    if (!lista.open(QIODevice::ReadOnly) || !l.v.CarregaLista(lista.readAll().toStdString()).empty())
        std::fprintf(stderr, "the example list was not loaded\n");
}

// A tournament day: the first bout of the list won, the next one waiting for Page Down on the operator's board.
void ProximaLuta(const std::string& pasta) {
    Luta l(lingua::Portugues, {1024, 768});
    ComLista(l);
    l.v.PlateiaNaTela(true);
    l.Tecla(tecla::PgDn);
    l.Tecla(tecla::Enter);
    l.Tick(25);
    l.Teclas({tecla::F12, tecla::F12, tecla::F8, tecla::F12, tecla::F12, tecla::F12});
    l.Teclas({tecla::W, tecla::A, tecla::Enter});
    Form1Controles tela;
    tela.Escala(1024, 768);
    tela.Mostra(l.v.Tela());
    Salva(tela, ui::VistaOperador(tela), pasta + "/operador-proxima-luta.png");
    Salva(tela, ui::VistaPlateia(tela, QSize(1280, 720)), pasta + "/plateia-proxima-luta.png");
}

// The ring check before the day: judges 1 and 2 each on a controller of their own, judge 3's not plugged in yet;
// judge 1 has pressed all six buttons, judge 2 two of them.
void Conferencia(const std::string& pasta) {
    const QTemporaryDir trabalho;
    const QString antes = QDir::currentPath();
    QDir::setCurrent(trabalho.path());
    std::string mapa(514, '\0');
    const int bits[6] = {0, 1, 2, 3, 9, 10};  // buttons 1 to 4, the stick right and down
    for (int juiz = 1; juiz <= 2; ++juiz)
        for (int i = 0; i < 6; ++i)
            mapa[2 * size_t(entrada::Posicao(juiz - 1, bits[i]))] =
                char(BotaoDe(i < 3 ? Vermelho : Azul, i % 3 + 1, juiz));
    GravaArquivo("botoes.cfg", mapa);
    {
        Luta l(lingua::Portugues, {1920, 1080});
        ui::JanelaPlacar janela(l.v, {1920, 1080});
        l.plat.numSlots = 16;
        l.plat.controles = {{0, "Logitech Dual Action", "1-1.2"}, {1, "Logitech Dual Action", "1-1.3"}};
        l.plat.aoConferir = [&](const std::function<ConferenciaDoRinque()>& consulta) {
            for (const auto& [slot, entradas] : {std::pair{0, 0x060F}, {1, 0x0005}}) {
                l.plat.leituras[size_t(slot)] = uint16_t(entradas), l.v.Timer_Joystick_Timer();
                l.plat.leituras[size_t(slot)] = 0, l.v.Timer_Joystick_Timer();
            }
            ui::DialogoConferencia d(consulta, &janela);
            d.show();
            QApplication::processEvents();
            if (!d.grab().save(QString::fromStdString(pasta + "/conferencia.png"))) std::fprintf(stderr, "no check\n");
        };
        l.v.Timer_Joystick_Timer();
        l.Tecla(tecla::J);
    }
    QDir::setCurrent(antes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    // One screen of 1920 x 1080, for the dialog.
    const QTemporaryDir config;
    QFile tela(config.filePath(QStringLiteral("tela.json")));
    if (!tela.open(QIODevice::WriteOnly)) return 1;
    tela.write(R"({"screens": [{"name": "t", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96,
                   "logicalBaseDpi": 96, "dpr": 1}]})");
    tela.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + tela.fileName().toUtf8());
    QApplication app(argc, argv);
    const std::string pasta = argv[1];
    {
        vantor::teste::Luta l(lingua::Portugues, {1920, 1080});
        ComLista(l);
        l.Tecla(tecla::PgDn);
        ui::JanelaPlacar janela(l.v, {1920, 1080});
        Form2 f(l.v, l.plat);
        f.Form_Load();
        ui::DialogoConfig d(f, &janela);
        d.show();
        if (!d.grab().save(QString::fromStdString(pasta + "/configuracao.png"))) std::fprintf(stderr, "no dialog\n");
    }
    ProximaLuta(pasta);
    Conferencia(pasta);
    Fotografa(pasta, "intervalo", [](vantor::teste::Luta& l) {
        Cena(l.v, [](EstadoLuta& e) { e.PontosMarcados = {0, 10, 8}, e.Faltas = {0, 0, 2}; });
        while (l.v.Luta().ContaIntervalo < 0) l.Tick();
        l.Tick(12);
    });
    Fotografa(pasta, "golden-pausa", [](vantor::teste::Luta& l) {
        AteOGolden(l);
        l.Tecla(tecla::Espaco);
    });
    Fotografa(pasta, "resultado", [](vantor::teste::Luta& l) {
        AteOGolden(l);
        l.Teclas({tecla::F12, tecla::F12});
    });
    // Best of three, round 3 running: a round each, blue's on the point gap, red's on points.
    Fotografa(
        pasta, "melhor-de-tres",
        [](vantor::teste::Luta& l) {
            l.Tick(20);
            for (int i = 0; i < 12; ++i) l.Tecla(tecla::F12);
            while (l.v.Luta().RoundAtual < 2) l.Tick();
            l.Teclas({tecla::Espaco, tecla::F8, tecla::F8, tecla::F5});
            while (l.v.Luta().RoundAtual < 3) l.Tick();
            l.Teclas({tecla::Espaco, tecla::F12, tecla::F12, tecla::F12, tecla::F8, tecla::F9});
            l.Tick(31);
        },
        regra::Wt2022);
    return 0;
}
