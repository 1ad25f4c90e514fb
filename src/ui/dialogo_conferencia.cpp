#include "ui/dialogo_conferencia.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

#include "settings/ajustes.h"
#include "ui/controles_dialogo.h"

namespace vantor::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromStdString(s); }

// Plain text always: a controller names itself, and its name must not be read as markup.
QLabel* Rotulo(QWidget* pai, const char* nome) {
    auto* r = new QLabel(pai);
    r->setObjectName(QString::fromUtf8(nome));
    r->setTextFormat(Qt::PlainText);
    r->setWordWrap(true);
    return r;
}

void Cores(QWidget* w, const QColor& fundo, const QColor& texto) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fundo);
    p.setColor(QPalette::WindowText, texto);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A lamp stays green once its button was pressed during the check, brighter while the board's own lamp is lit:
// the operator, busy with three judges at once, sees at the end every button never pressed, and each new press
// still shows. Grey: not pressed yet; dark grey: no connected controller has it.
void PintaLampada(QLabel* l, const ConferenciaDoRinque::Lampada& a) {
    if (a.acesa) return Cores(l, QColor(0, 255, 0), Qt::black);
    if (a.vista) return Cores(l, QColor(0, 128, 0), Qt::white);
    Cores(l, a.semControle ? QColor(96, 96, 96) : QColor(224, 224, 224), a.semControle ? Qt::lightGray : Qt::black);
}

bool MesmaGrade(const ConferenciaDoRinque& a, const ConferenciaDoRinque& b) {
    return std::equal(a.lampadas.begin(), a.lampadas.end(), b.lampadas.begin(), b.lampadas.end(),
                      [](const auto& x, const auto& y) { return x.botao == y.botao && x.valor == y.valor; }) &&
           std::tie(a.juiz, a.vermelho, a.azul) == std::tie(b.juiz, b.vermelho, b.azul);
}

}  // namespace

DialogoConferencia::DialogoConferencia(std::function<ConferenciaDoRinque()> consulta, QWidget* pai)
    : QDialog(pai), consulta_(std::move(consulta)) {
    setObjectName(QStringLiteral("Conferencia"));
    // As large as the configuration dialog on this screen, its text as large as the board's key hints.
    const Twips desenho{0, 0, 7770, 6705};
    escala_ = EscalaDosDialogos(pai, desenho);
    setFont(FonteDosDialogos(escala_));
    setMinimumSize(Pixels(desenho, escala_).size());
    auto* coluna = new QVBoxLayout(this);
    controles_ = Rotulo(this, "L_Controles");
    situacao_ = Rotulo(this, "L_Situacao");
    QFont negrito = font();
    negrito.setBold(true);
    negrito.setPixelSize(font().pixelSize() * 3 / 2);
    situacao_->setFont(negrito);
    situacao_->setAlignment(Qt::AlignCenter);
    instrucao_ = Rotulo(this, "L_Instrucao");
    grade_ = new QGridLayout;
    fechar_ = new QPushButton(this);
    fechar_->setObjectName(QStringLiteral("B_Fechar"));
    fechar_->setDefault(true);
    connect(fechar_, &QPushButton::clicked, this, &QDialog::accept);
    coluna->addWidget(controles_);
    coluna->addSpacing(controles_->fontMetrics().height());
    coluna->addWidget(situacao_);
    coluna->addWidget(instrucao_);
    coluna->addLayout(grade_);
    coluna->addStretch();
    coluna->addWidget(fechar_, 0, Qt::AlignRight);
    Atualiza();
    // The board's lamps go out after two seconds and controllers come and go without a press: asked, not told.
    auto* relogio = new QTimer(this);
    connect(relogio, &QTimer::timeout, this, &DialogoConferencia::Atualiza);
    relogio->start(100);
}

void DialogoConferencia::Atualiza() {
    ConferenciaDoRinque c = consulta_();
    if (mostrada_ == c) return;
    setWindowTitle(Texto(c.titulo));
    QStringList linhas;
    for (const auto& x : c.controles) linhas << Texto(x.texto);
    controles_->setText(linhas.isEmpty() ? Texto(c.nenhumControle) : linhas.join(QLatin1Char('\n')));
    situacao_->setText(Texto(c.situacao));
    Cores(situacao_, c.juizesSemControle.empty() ? QColor(0, 128, 0) : QColor(192, 0, 0), Qt::white);
    instrucao_->setText(Texto(c.instrucao));
    fechar_->setText(Texto(c.fechar));
    if (!mostrada_ || !MesmaGrade(*mostrada_, c)) MontaGrade(c);
    for (size_t i = 0; i < c.lampadas.size(); ++i) PintaLampada(lampadas_[i], c.lampadas[i]);
    mostrada_ = std::move(c);
}

void DialogoConferencia::MontaGrade(const ConferenciaDoRinque& c) {
    for (QWidget* w : celulas_) delete w;
    celulas_.clear(), lampadas_.clear();
    const auto celula = [this](QLabel* l, int linha, int col, int colunas = 1) {
        l->setAlignment(Qt::AlignCenter);
        grade_->addWidget(l, linha, col, 1, colunas);
        celulas_.push_back(l);
        return l;
    };
    // A judge's lamps, red's before blue's as the core lists them: the count of red ones places the blue header.
    const auto vermelhas = std::count_if(c.lampadas.begin(), c.lampadas.end(),
                                         [](const auto& l) { return l.juiz == 1 && l.cor == Vermelho; });
    const auto porJuiz = std::count_if(c.lampadas.begin(), c.lampadas.end(), [](const auto& l) { return l.juiz == 1; });
    const auto cabecalho = [&](const char* nome, const std::string& texto, int col, long n, const QColor& cor) {
        QLabel* l = celula(Rotulo(this, nome), 0, col, std::max(1, static_cast<int>(n)));
        l->setText(Texto(texto));
        Cores(l, cor, Qt::white);
    };
    cabecalho("L_Vermelho", c.vermelho, 1, vermelhas, QColor(255, 0, 0));
    cabecalho("L_Azul", c.azul, 1 + static_cast<int>(vermelhas), porJuiz - vermelhas, QColor(0, 0, 255));
    int coluna = 0, juiz = 0;
    for (const auto& l : c.lampadas) {
        if (l.juiz != juiz) {
            juiz = l.juiz, coluna = 1;
            celula(Rotulo(this, "L_Juiz"), juiz, 0)->setText(Texto(c.juiz + " " + std::to_string(juiz)));
        }
        QLabel* lampada = celula(Rotulo(this, ("Lampada" + std::to_string(l.botao)).c_str()), juiz, coluna++);
        lampada->setText(QString::number(l.valor));
        lampada->setMinimumSize(Pixels({0, 0, 600, 450}, escala_).size());
        lampadas_.push_back(lampada);
    }
}

}  // namespace vantor::ui
