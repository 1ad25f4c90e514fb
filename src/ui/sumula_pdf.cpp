#include "ui/sumula_pdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>

#include "lang/idioma.h"
#include "log/leitura.h"
#include "log/resultados.h"
#include "settings/ajustes.h"
#include "settings/arquivos.h"

namespace vantor::ui {

namespace {

const QColor kAzul(0, 0, 255), kVermelho(255, 0, 0);
// Light enough that the score lines stand out on every one of them.
const QColor kFaixas[] = {QColor(255, 255, 255), QColor(205, 228, 255), QColor(222, 222, 222), QColor(255, 221, 180),
                          QColor(255, 240, 160)};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The language table, filled once for every sheet and message.
QString Traduz(int entrada, int lingua) {
    static const TabelaIdioma tabela = [] {
        TabelaIdioma t;
        t.Carrega();
        return t;
    }();
    return Q(tabela.Traduz(entrada, lingua));
}

QString MinSeg(double segundos) {
    const long s = std::lround(std::floor(std::fabs(segundos)));
    return QStringLiteral("%1%2:%3").arg(segundos < 0 ? "-" : "").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// Lays out the sheets of one log on any paged device: a PDF writer or a printer. Lengths are in millimetres.
class Folha {
public:
    Folha(QPagedPaintDevice& dispositivo, std::string arquivo) : d_(dispositivo), arquivo_(std::move(arquivo)) {}

    bool Pinta(const LeituraLog& leitura, int numero) {
        if (!p_.begin(&d_)) return false;
        s_ = d_.logicalDpiX() / 25.4;
        const int n = static_cast<int>(leitura.lutas.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0) NovaPagina();
            PintaLuta(leitura.lutas[static_cast<size_t>(i)], numero > 0 ? numero - (n - 1 - i) : 0);
        }
        Rodape();
        return p_.end();
    }

private:
    static constexpr double kMargem = 15, kLargura = 180, kAltura = 267;

    QString T(int entrada) const { return Traduz(entrada, lingua_); }

    // Millimetres to the device's pixels, in which the painter works so that text is laid out at its real size.
    QRectF R(const QRectF& mm) const { return {mm.x() * s_, mm.y() * s_, mm.width() * s_, mm.height() * s_}; }
    QPointF P(double x, double y) const { return {x * s_, y * s_}; }
    QPen Caneta(const QColor& cor, double mm) const {
        return {cor, mm * s_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
    }

    void Fonte(double pontos, bool negrito = false) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(pontos);
        f.setBold(negrito);
        p_.setFont(f);
    }

    // Draws wrapped text in a box; the height it took, in millimetres.
    double Texto(const QRectF& r, const QString& s, int alinha = Qt::AlignLeft | Qt::AlignTop) {
        QRectF usado;
        p_.drawText(R(r), alinha | Qt::TextWordWrap, s, &usado);
        return usado.height() / s_;
    }
    double Altura(const QRectF& r, const QString& s) {
        return p_.boundingRect(R(r), Qt::AlignLeft | Qt::TextWordWrap, s).height() / s_;
    }

    void NovaPagina() {
        Rodape();
        d_.newPage();
        y_ = kMargem;
    }

    void Rodape() {
        Fonte(7);
        p_.setPen(Qt::darkGray);
        Texto({kMargem, kMargem + kAltura + 3, kLargura, 5},
              QStringLiteral("Vantor · %1 · %2 %3").arg(QFileInfo(Q(arquivo_)).fileName(), T(txt::Pagina)).arg(pagina_),
              Qt::AlignRight | Qt::AlignTop);
        ++pagina_;
    }

    void PintaLuta(const LutaLog& l, int numero) {
        lingua_ = l.lingua;
        y_ = kMargem;
        Fonte(16, true);
        p_.setPen(Qt::black);
        QString titulo = T(txt::SumulaDaLuta);
        // The bout's own number from the ring's list, when the log gives one; otherwise its place in the day.
        if (!l.numero.empty())
            titulo += QStringLiteral(" · %1 %2").arg(T(txt::Luta), Q(l.numero));
        else if (numero > 0)
            titulo += QStringLiteral(" · %1 %2").arg(T(txt::Luta)).arg(numero);
        if (!l.categoria.empty()) titulo += QStringLiteral(" · ") + Q(l.categoria);
        y_ += Texto({kMargem, y_, kLargura, 10}, titulo) + 3;
        Cabecalho(l);
        // A longer header (a best of three's rounds) moves the chart down rather than under it.
        grafico_ = AreaDoGrafico().translated(0, std::max(0.0, y_ + 4 - AreaDoGrafico().top()));
        Grafico(l);
        y_ = grafico_.bottom() + 12;
        Eventos(l);
        Assinaturas();
    }

    // A record a federation files: the referee and the recorder sign it, on the last page.
    void Assinaturas() {
        if (y_ + 24 > kMargem + kAltura) NovaPagina();
        y_ += 16;
        p_.setPen(Caneta(Qt::black, 0.2));
        Fonte(8);
        const int quem[] = {txt::AssinaturaArbitro, txt::AssinaturaMesario};
        for (int i = 0; i < 2; ++i) {
            const double x = kMargem + i * (kLargura / 2 + 5);
            p_.drawLine(P(x, y_), P(x + kLargura / 2 - 5, y_));
            Texto({x, y_ + 1, kLargura / 2 - 5, 5}, T(quem[i]));
        }
        y_ += 6;
    }

    void Linha(const QString& rotulo, const QString& valor, const QColor& cor = Qt::black) {
        Fonte(9.5, true);
        p_.setPen(cor);
        Texto({kMargem, y_, 32, 6}, rotulo);
        Fonte(9.5);
        p_.setPen(Qt::black);
        y_ += std::max(5.0, Texto({kMargem + 33, y_, kLargura - 33, 12}, valor)) + 0.8;
    }

    void Cabecalho(const LutaLog& l) {
        Linha(T(txt::Data), Q(l.inicio));
        // The event, the ring and the officials, as the ring's list or the settings gave them.
        QString evento = Q(l.evento);
        if (!l.quadra.empty())
            evento += (evento.isEmpty() ? "" : QStringLiteral(" · ")) + T(txt::Quadra) + " " + Q(l.quadra);
        if (!evento.isEmpty()) Linha(T(txt::Evento), evento);
        if (!l.arbitro.empty()) Linha(T(txt::Arbitro), Q(l.arbitro));
        if (!l.juizes.empty()) Linha(T(txt::Juizes), Q(l.juizes));
        QString regras = T(txt::NaoRegistrado);
        if (l.temRegras) {
            const char* nomes[] = {"WTF antiga", "Com limite e diferença de pontos", "WTF regra 2017"};
            regras = l.regra >= 0 && l.regra <= 2 ? QString::fromUtf8(nomes[l.regra])
                     : l.regra == regra::Wt2022   ? T(txt::RegraWt2022)
                                                  : QString::number(l.regra);
            if (l.limite != 99 && l.regra == 1) regras += QStringLiteral(" · %1: %2").arg(T(txt::Limite)).arg(l.limite);
            if (l.diferenca != 99 && l.regra != 0)
                regras += QStringLiteral(" · %1: %2").arg(T(txt::Diferenca)).arg(l.diferenca);
        }
        Linha(T(txt::Regras), regras);
        QString rounds = QStringLiteral("%1 × %2 · %3: %4 s · %5: %6")
                             .arg(l.rounds)
                             .arg(MinSeg(l.tempo), T(txt::Intervalo))
                             .arg(l.intervalo)
                             .arg(T(txt::Arbitros))
                             .arg(l.arbitros);
        // A fight set to start elsewhere than round 1 with a full clock says where it started.
        if (l.tempoInicial >= 0 && (l.tempoInicial != l.tempo || l.roundInicial != 1))
            rounds += QStringLiteral(" · %1: %2 %3, %4")
                          .arg(T(txt::Inicio), T(txt::Round))
                          .arg(l.roundInicial)
                          .arg(MinSeg(l.tempoInicial));
        Linha(T(txt::Rounds), rounds);
        for (int c : {Azul, Vermelho}) {
            const auto i = static_cast<size_t>(c);
            QString v = Q(l.nome[i]);
            if (!l.l2[i].empty()) v += QStringLiteral(" · ") + Q(l.l2[i]);
            Linha(T(c), v, c == Azul ? kAzul : kVermelho);
        }
        QString resultado = T(txt::SemResultado);
        if (l.vencedor == 3) resultado = T(txt::Empate);
        if (l.vencedor == Azul || l.vencedor == Vermelho)
            resultado = QStringLiteral("%1: %2 (%3)")
                            .arg(T(txt::Venceu), T(l.vencedor), Q(l.nome[static_cast<size_t>(l.vencedor)]));
        if (l.como) resultado += QStringLiteral(", ") + T(l.como);
        if (const std::string codigo = CodigoDoResultado(l.como); l.vencedor && !codigo.empty())
            resultado += QStringLiteral(" [%1]").arg(Q(codigo));
        // Where it was decided, when that was inside a round rather than when the time ran out.
        if (l.vencedor && (l.roundResultado <= l.rounds || l.como == txt::NoGolden))
            resultado += QStringLiteral(" · %1 %2, %3")
                             .arg(T(txt::Round))
                             .arg(l.roundResultado)
                             .arg(MinSeg(std::max(l.restanteResultado, 0)));
        const auto& fim = l.eventos.back().placar;
        resultado += QStringLiteral(" · %1 %2 : %3").arg(T(txt::Placar)).arg(fim[Azul]).arg(fim[Vermelho]);
        if (l.placarMudou) resultado += QStringLiteral(" (%1)").arg(T(txt::PlacarMudou));
        // Best of three: the rounds won, then each round's score, winner and how.
        std::array<int, 3> ganhos{};
        for (const RoundLog& r : l.roundsLidos) ++ganhos[static_cast<size_t>(r.vencedor)];
        if (!l.roundsLidos.empty())
            resultado +=
                QStringLiteral(" · %1 %2 : %3").arg(T(txt::RoundsGanhos)).arg(ganhos[Azul]).arg(ganhos[Vermelho]);
        Linha(T(txt::Resultado), resultado);
        for (const RoundLog& r : l.roundsLidos)
            Linha(QStringLiteral("%1 %2").arg(T(txt::Round)).arg(r.round),
                  QStringLiteral("%1 : %2 · %3 (%4), %5")
                      .arg(r.placar[Azul])
                      .arg(r.placar[Vermelho])
                      .arg(T(r.vencedor), Q(l.nome[static_cast<size_t>(r.vencedor)]), Q(r.como)),
                  r.vencedor == Azul ? kAzul : kVermelho);
    }

    void Grafico(const LutaLog& l) {
        const QRectF& g = grafico_;
        long menor = 0, maior = 0;
        for (const EventoLog& e : l.eventos)
            if (e.t >= 0)
                menor = std::min({menor, e.placar[1], e.placar[2]}),
                maior = std::max({maior, e.placar[1], e.placar[2]});
        ++maior;  // a point of headroom: no line runs along the frame
        const double fim = std::max(l.fim, 1.0);
        const auto x = [&](double t) { return g.left() + g.width() * std::clamp(t, 0.0, fim) / fim; };
        const auto y = [&](long v) { return g.bottom() - g.height() * double(v - menor) / double(maior - menor); };
        p_.setPen(Qt::NoPen);
        Fonte(6.5);
        for (const TrechoLog& t : l.trechos) {
            p_.fillRect(R(QRectF(QPointF(x(t.de), g.top()), QPointF(x(t.ate), g.bottom()))), kFaixas[t.faixa]);
            if (t.faixa == TrechoLog::Round || t.faixa == TrechoLog::Golden) {
                p_.setPen(Qt::darkGray);
                p_.drawText(P(x(t.de) + 0.8, g.top() + 3), QStringLiteral("R%1").arg(t.round));
                p_.setPen(Qt::NoPen);
            }
        }
        p_.setPen(Caneta(Qt::gray, 0.2));
        p_.drawRect(R(g));
        // Score ticks on the left, minutes along the bottom.
        long passo = 1;  // 1, 2, 5, 10, 20, 50...: at most eight lines
        for (int i = 0; (maior - menor) / passo > 8; ++i) passo *= i % 3 == 1 ? 5 : 2;
        for (long v = menor / passo * passo; v <= maior; v += passo) {
            p_.setPen(Caneta(QColor(180, 180, 180), 0.1));
            p_.drawLine(P(g.left(), y(v)), P(g.right(), y(v)));
            p_.setPen(Qt::black);
            Texto({g.left() - 11, y(v) - 2, 10, 4}, QString::number(v), Qt::AlignRight | Qt::AlignVCenter);
        }
        const double minutos = std::max(1.0, std::ceil(fim / 60 / 10));
        for (double m = 0; m * 60 <= fim; m += minutos)
            Texto({x(m * 60) - 8, g.bottom() + 0.8, 16, 4}, MinSeg(m * 60), Qt::AlignHCenter | Qt::AlignTop);
        for (int c : {Vermelho, Azul}) {
            QPainterPath linha;
            long v = 0;
            linha.moveTo(P(x(0), y(0)));
            for (const EventoLog& e : l.eventos) {
                if (e.t < 0 || e.placar[static_cast<size_t>(c)] == v) continue;
                linha.lineTo(P(x(e.t), y(v)));
                v = e.placar[static_cast<size_t>(c)];
                linha.lineTo(P(x(e.t), y(v)));
            }
            linha.lineTo(P(x(fim), y(v)));
            p_.setPen(Caneta(c == Azul ? kAzul : kVermelho, 0.7));
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(linha);
        }
        // The legend.
        const int nomes[] = {txt::Round, txt::Intervalo, txt::Pausa, txt::UmMinuto, txt::GoldenRound};
        double lx = g.left();
        Fonte(7);
        for (int f = 0; f < 5; ++f) {
            p_.setPen(Caneta(Qt::gray, 0.2));
            p_.setBrush(kFaixas[f]);
            p_.drawRect(R({lx, g.bottom() + 6, 4, 3}));
            p_.setPen(Qt::black);
            const QString s = T(nomes[f]);
            p_.drawText(P(lx + 5, g.bottom() + 8.6), s);
            lx += 8 + p_.fontMetrics().horizontalAdvance(s) / s_;
        }
        p_.setBrush(Qt::NoBrush);
    }

    // Columns: elapsed time, the clock, the event, the judges' mark, blue's and red's scores.
    void Cabecas() {
        Fonte(8, true);
        p_.setPen(Qt::black);
        const QString c[] = {T(txt::Hora), T(txt::Relogio), T(txt::Evento), T(txt::Juizes), T(Azul), T(Vermelho)};
        for (int i = 0; i < 6; ++i) Texto({kColunas[i], y_, kColunas[i + 1] - kColunas[i] - 1, 5}, c[i]);
        y_ += 4.5;
        p_.setPen(Caneta(Qt::black, 0.2));
        p_.drawLine(P(kMargem, y_), P(kMargem + kLargura, y_));
        y_ += 0.8;
    }

    void Eventos(const LutaLog& l) {
        Cabecas();
        int round = -1;
        for (const EventoLog& e : l.eventos) {
            if (e.round != round) {
                round = e.round;
                if (y_ + 12 > kMargem + kAltura) NovaPagina(), Cabecas();
                Fonte(9, true);
                p_.setPen(Qt::black);
                const QString nome =
                    round > l.rounds && l.rounds > 0
                        ? QStringLiteral("%1 %2 · %3").arg(T(txt::Round)).arg(round).arg(T(txt::GoldenRound))
                        : QStringLiteral("%1 %2").arg(T(txt::Round)).arg(round);
                y_ += 1.5;
                y_ += Texto({kMargem, y_, kLargura, 6}, nome) + 0.5;
            }
            Evento(e);
        }
    }

    void Evento(const EventoLog& e) {
        const bool acordo = e.tipo == EventoLog::Acordo, aperto = e.tipo == EventoLog::Aperto;
        Fonte(aperto ? 7 : 8, acordo || e.tipo == EventoLog::Resultado);
        const QRectF caixa(kColunas[2], y_, kColunas[3] - kColunas[2] - 1, 40);
        const double h = std::max(4.0, Altura(caixa, Q(e.texto)) + 0.6);
        if (y_ + h > kMargem + kAltura)
            NovaPagina(), Cabecas(), Fonte(aperto ? 7 : 8, acordo || e.tipo == EventoLog::Resultado);
        if (acordo) p_.fillRect(R({kMargem, y_ - 0.3, kLargura, h}), QColor(214, 245, 214));
        p_.setPen(aperto ? Qt::gray : Qt::black);
        Texto({kColunas[0], y_, kColunas[1] - kColunas[0] - 1, h}, MinSeg(e.t));
        if (e.restante >= 0) Texto({kColunas[1], y_, kColunas[2] - kColunas[1] - 1, h}, MinSeg(e.restante));
        Texto({kColunas[2], y_, kColunas[3] - kColunas[2] - 1, h}, Q(e.texto));
        if (acordo) Texto({kColunas[3], y_, kColunas[4] - kColunas[3] - 1, h}, QStringLiteral("●"), Qt::AlignHCenter);
        if (!aperto) {  // a press changes no score
            p_.setPen(kAzul);
            Texto({kColunas[4], y_, kColunas[5] - kColunas[4] - 1, h}, QString::number(e.placar[Azul]), Qt::AlignRight);
            p_.setPen(kVermelho);
            Texto({kColunas[5], y_, kColunas[6] - kColunas[5] - 1, h}, QString::number(e.placar[Vermelho]),
                  Qt::AlignRight);
        }
        y_ += h;
    }

    static constexpr double kColunas[7] = {kMargem,       kMargem + 14,  kMargem + 28,      kMargem + 140,
                                           kMargem + 152, kMargem + 165, kMargem + kLargura};

    QPagedPaintDevice& d_;
    std::string arquivo_;
    QPainter p_;
    int lingua_ = 0, pagina_ = 1;
    double y_ = kMargem, s_ = 1;
    QRectF grafico_;
};

// Reads and checks the log; false with the reason when it cannot be printed.
// The largest log read: a day's fights in one file stay far below it; more is not a log of ours.
constexpr uintmax_t kMaiorLog = uintmax_t{64} << 20;

// A log's bytes, from a regular file of at most kMaiorLog bytes only: a FIFO would wait forever for a writer, a
// device or a huge file would take all memory. LeArquivo reads regular files alone, to a bound.
bool LeBytes(const QString& log, int lingua, std::string& bytes, QString& erro) {
    const std::string caminho = QFile::encodeName(log).toStdString();
    std::error_code ec;
    const bool comum = std::filesystem::is_regular_file(caminho, ec);
    const int porque = !comum && !ec                                                  ? txt::NaoEArquivoComum
                       : comum && std::filesystem::file_size(caminho, ec) > kMaiorLog ? txt::LogGrandeDemais
                                                                                      : 0;
    if (porque == 0 && !ec && std::ifstream(caminho)) {
        bytes = LeArquivo(caminho, kMaiorLog);
        return true;
    }
    erro = log + QStringLiteral(": ") +
           (porque ? Traduz(porque, lingua) : QString::fromLocal8Bit(std::strerror(ec ? ec.value() : errno)));
    return false;
}

bool Le(const QString& log, int lingua, LeituraLog& leitura, QString& erro) {
    std::string bytes;
    if (!LeBytes(log, lingua, bytes, erro)) return false;
    leitura = LeLog(bytes);
    if (leitura.erro == 0) return true;
    const int l = leitura.lingua >= 0 ? leitura.lingua : lingua;
    erro = Traduz(leitura.erro, l);
    if (leitura.linha > 0) erro += QStringLiteral(" (%1 %2)").arg(Traduz(txt::Linha, l)).arg(leitura.linha);
    erro += QStringLiteral(": ") + log;
    return false;
}

}  // namespace

QRectF AreaDoGrafico() { return {27, 72, 168, 60}; }  // the left margin's 12 mm more hold the score ticks

bool SumulaEmPdf(const QString& log, const QString& pdf, int lingua, QString& erro) {
    LeituraLog leitura;
    if (!Le(log, lingua, leitura, erro)) return false;
    // The output is a new file or a regular one that is not the log by any path: never the record itself (a hard
    // link, another name), never through a link, never over a device (the save renames over what is there).
    struct stat saida {
    }, entrada{};
    if (::lstat(QFile::encodeName(pdf).constData(), &saida) == 0) {
        const int l = leitura.lingua >= 0 ? leitura.lingua : lingua;
        const bool mesmo = ::stat(QFile::encodeName(log).constData(), &entrada) == 0 &&
                           saida.st_dev == entrada.st_dev && saida.st_ino == entrada.st_ino;
        if (mesmo || !S_ISREG(saida.st_mode)) {
            erro = Traduz(txt::PdfFalhou, l) + QStringLiteral(": ") + pdf + QStringLiteral(" (") +
                   Traduz(mesmo ? txt::SaidaEOLog : txt::NaoEArquivoComum, l) + QStringLiteral(")");
            return false;
        }
    }
    QSaveFile arquivo(pdf);
    const auto falhou = [&] {
        arquivo.cancelWriting();
        erro = Traduz(txt::PdfFalhou, leitura.lingua) + QStringLiteral(": ") + pdf + QStringLiteral(" (") +
               arquivo.errorString() + QStringLiteral(")");
        return false;
    };
    if (!arquivo.open(QIODevice::WriteOnly)) return falhou();
    {
        QPdfWriter escritor(&arquivo);
        escritor.setPageSize(QPageSize(QPageSize::A4));
        escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
        escritor.setResolution(300);
        escritor.setCreator(QStringLiteral("Vantor"));
        escritor.setTitle(Traduz(txt::SumulaDaLuta, leitura.lingua) + QStringLiteral(" · ") +
                          QFileInfo(log).fileName());
        Folha folha(escritor, log.toStdString());
        if (!folha.Pinta(leitura, NumeroDaLuta(log.toStdString()))) return falhou();
    }
    if (!arquivo.commit()) return falhou();
    return true;
}

bool ImprimeSumula(const QString& log, QPrinter& impressora, int lingua, QString& erro) {
    LeituraLog leitura;
    if (!Le(log, lingua, leitura, erro)) return false;
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setFullPage(true);
    Folha folha(impressora, log.toStdString());
    if (folha.Pinta(leitura, NumeroDaLuta(log.toStdString()))) return true;
    erro = Traduz(txt::PdfFalhou, leitura.lingua);
    return false;
}

}  // namespace vantor::ui
