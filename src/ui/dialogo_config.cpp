#include "ui/dialogo_config.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/controles_dialogo.h"

namespace vantor::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromStdString(s); }

void PintaFundo(QLineEdit* caixa, const QColor& cor) {
    QPalette p = caixa->palette();
    p.setColor(QPalette::Base, cor);
    caixa->setPalette(p);
}

constexpr bool kDireita = true, kEsquerda = false;

}  // namespace

DialogoConfig::DialogoConfig(Form2& form, QWidget* pai) : QDialog(pai), f_(form) {
    setObjectName(QStringLiteral("Form2"));
    // As large as the board's own text on this screen, in the design's proportions.
    escala_ = EscalaDosDialogos(pai, {0, 0, 7770, 6705});
    setFont(FonteDosDialogos(escala_));
    setFixedSize(Pixels({0, 0, 7770, 6705}, escala_).size());

    // In the design's order, which is also the order Tab walks.
    // Some captions are wider than the design left them in other languages than Portuguese, or at the board's text
    // size: those controls reach into the free space beside them, and nothing moves.
    Rotulo("L_RoundsRotulo", f_.L_RoundsRotulo, {0, 120, 825, 255}, kDireita);
    Caixa("T_Round", f_.T_Round, {840, 120, 495, 285});
    CaixaLista("L_Round", f_.L_Round, {1440, 120, 375, 645}, &Form2::L_Round_Click);
    Rotulo("L_TempoRotulo", f_.L_TempoRotulo, {2400, 120, 615, 255}, kDireita);
    QLineEdit* tempo = Caixa("T_Tempo", f_.T_Tempo, {3120, 120, 495, 285});
    connect(tempo, &QLineEdit::textEdited, this, [this] { Executa([this] { f_.T_Tempo_Change(); }); });
    CaixaLista("L_Tempo", f_.L_Tempo, {3720, 120, 735, 1035}, &Form2::L_Tempo_Click);
    Rotulo("L_RoundInicialRotulo", f_.L_RoundInicialRotulo, {120, 480, 615, 255}, kDireita);
    Caixa("T_RoundInicial", f_.T_RoundInicial, {840, 480, 495, 285});
    Rotulo("L_TempoInicialRotulo", f_.L_TempoInicialRotulo, {2400, 480, 615, 255}, kDireita);
    Caixa("T_TempoInicial", f_.T_TempoInicial, {3120, 480, 495, 285});
    Rotulo("L_IntervaloRotulo", f_.L_IntervaloRotulo, {0, 960, 975, 255}, kDireita);
    Caixa("T_Intervalo", f_.T_Intervalo, {1080, 960, 495, 285});
    CaixaLista("L_Intervalo", f_.L_Intervalo, {1680, 960, 495, 1035}, &Form2::L_Intervalo_Click);

    Rotulo("L_NomesRotulo", f_.L_NomesRotulo, {120, 1920, 975, 255}, kEsquerda);
    const QColor azul(128, 255, 255), vermelho(255, 192, 192);
    auto nome = [this](const char* n, CaixaTexto& caixa, const Twips& t, const QColor& cor) {
        QLineEdit* c = Caixa(n, caixa, t);
        PintaFundo(c, cor);
        c->setMaxLength(kMaiorNome);
    };
    Rotulo("L_AzulRotulo", f_.L_AzulRotulo, {0, 2160, 1095, 255}, kDireita);
    nome("T_Nome1", f_.T_Nome[1], {1200, 2160, 3375, 285}, azul);
    nome("T_L21", f_.T_L2[1], {1200, 2520, 3375, 285}, azul);
    Rotulo("L_VermelhoRotulo", f_.L_VermelhoRotulo, {0, 3000, 1095, 255}, kDireita);
    nome("T_Nome2", f_.T_Nome[2], {1200, 3000, 3375, 285}, vermelho);
    nome("T_L22", f_.T_L2[2], {1200, 3360, 3375, 285}, vermelho);

    Botao("B_Botoes", f_.B_Botoes, {120, 3720, 2295, 375}, &Form2::B_Botoes_Click);
    Rotulo("L_CartoesRotulo", f_.L_CartoesRotulo, {2520, 3765, 1455, 255}, kDireita);
    Caixa("T_Cartoes", f_.T_Cartoes, {4080, 3720, 495, 285});
    // The ring check of the judges' controllers, under the button assignment: the one place left, in line with the
    // sound boxes below it.
    Botao("B_Conferencia", f_.B_Conferencia, {1680, 4140, 2895, 360}, &Form2::B_Conferencia_Click);

    Rotulo("L_SonsRotulo", f_.L_SonsRotulo, {120, 4320, 975, 255}, kEsquerda);
    const std::pair<const char*, std::string*> legendasSons[] = {{nullptr, nullptr},
                                                                 {"L_SomFimRoundRotulo", &f_.L_SomFimRoundRotulo},
                                                                 {"L_SomFimLutaRotulo", &f_.L_SomFimLutaRotulo},
                                                                 {"L_SomMinutoRotulo", &f_.L_SomMinutoRotulo},
                                                                 {"L_SomFimMinutoRotulo", &f_.L_SomFimMinutoRotulo}};
    for (int i = 1; i <= 4; ++i) {
        const int topo = 4560 + 360 * (i - 1);
        const auto n = static_cast<size_t>(i);
        Rotulo(legendasSons[n].first, *legendasSons[n].second, {240, topo, 1335, 255}, kDireita);
        sons_[n] = Caixa(("T_Sons" + std::to_string(i)).c_str(), f_.T_Sons[n], {1680, topo, 2895, 285});
        sons_[n]->installEventFilter(this);
    }

    auto* frame1 = new QGroupBox(this);
    molduras_.emplace_back(frame1, &f_.Q_Regras);
    frame1->setObjectName(QStringLiteral("Q_Regras"));
    frame1->setGeometry(Pixels({4800, 120, 2955, 1335}, escala_));
    Opcao(frame1, "Op_WTF", f_.Op_WTF, {120, 240, 1695, 255}, [this] { f_.Op_WTF_Click(); });
    Opcao(frame1, "Op_Fetesp", f_.Op_Fetesp, {120, 510, 2775, 255}, [this] { f_.Op_Fetesp_Click(); });
    Opcao(frame1, "Op_2017", f_.Op_2017, {120, 780, 2775, 255}, [this] { f_.Op_2017_Click(); });
    Opcao(frame1, "Op_2022", f_.Op_2022, {120, 1050, 2775, 255}, [this] { f_.Op_2022_Click(); });

    Verificacao("C_Limite", f_.C_Limite, {4920, 1680, 1575, 255}, &Form2::C_Limite_Click);
    Caixa("T_Limite", f_.T_Limite, {6720, 1680, 375, 285});
    Verificacao("C_Diferenca", f_.C_Diferenca, {4920, 2040, 2175, 255}, &Form2::C_Diferenca_Click);
    Caixa("T_Diferenca", f_.T_Diferenca, {6720, 2040, 375, 285});
    Verificacao("C_GoldenMeia", f_.C_GoldenMeia, {4920, 2400, 2775, 255}, &Form2::C_GoldenMeia_Click);

    auto* frame2 = new QGroupBox(this);
    molduras_.emplace_back(frame2, &f_.Q_Botoes);
    frame2->setObjectName(QStringLiteral("Q_Botoes"));
    frame2->setGeometry(Pixels({4800, 2880, 2895, 1815}, escala_));
    Opcao(frame2, "O_13", f_.O_13, {240, 210, 2535, 300}, [this] { f_.O_Click(f_.O_13); });
    Opcao(frame2, "O_23", f_.O_23, {240, 510, 2535, 300}, [this] { f_.O_Click(f_.O_23); });
    Opcao(frame2, "O_12", f_.O_12, {240, 810, 2535, 300}, [this] { f_.O_Click(f_.O_12); });
    Opcao(frame2, "O_123", f_.O_123, {240, 1110, 2535, 300}, [this] { f_.O_Click(f_.O_123); });
    Opcao(frame2, "O_12345", f_.O_12345, {240, 1410, 2535, 300}, [this] { f_.O_Click(f_.O_12345); });

    // A model of settings fills the boxes; they stay editable. One line, in the space above the language.
    Rotulo("L_ModeloRotulo", f_.L_ModeloRotulo, {4800, 4785, 975, 255}, kDireita);
    auto* modelo = new QComboBox(this);
    modelo->setObjectName(QStringLiteral("L_Modelo"));
    modelo->setGeometry(Pixels({5880, 4755, 1815, 330}, escala_));
    combos_.emplace_back(modelo, &f_.L_Modelo);
    connect(modelo, &QComboBox::activated, this, [this](int linha) {
        Executa([this, linha] {
            f_.L_Modelo.ListIndex = linha;
            f_.L_Modelo_Click();
        });
    });
    Rotulo("L_LinguaRotulo", f_.L_LinguaRotulo, {4920, 5160, 855, 255}, kDireita);
    CaixaLista("L_Lingua", f_.L_Lingua, {5880, 5160, 1215, 645}, &Form2::L_Lingua_Click);

    // The day: the ring's list of bouts between Cancel and OK (a bout picked fills the names and the model's
    // settings), and the event and ring the scoresheet names in the free space beside the rest's presets.
    auto* lutas = new QComboBox(this);
    lutas->setObjectName(QStringLiteral("L_Lutas"));
    lutas->setGeometry(Pixels({1560, 6150, 3015, 330}, escala_));
    combos_.emplace_back(lutas, &f_.L_Lutas);
    lutas->view()->setMinimumWidth(Pixels({0, 0, 6135, 0}, escala_).width());  // a bout's whole line when open
    connect(lutas, &QComboBox::activated, this, [this](int linha) {
        Executa([this, linha] {
            f_.L_Lutas.ListIndex = linha;
            f_.L_Lutas_Click();
        });
    });
    Botao("B_Lista", f_.B_Lista, {4680, 6120, 1575, 390}, &Form2::B_Lista_Click);
    Rotulo("L_EventoRotulo", f_.L_EventoRotulo, {2280, 1335, 735, 255}, kDireita);
    Caixa("T_Evento", f_.T_Evento, {3120, 1320, 1455, 285})->setMaxLength(3 * kMaiorNome);
    Rotulo("L_QuadraRotulo", f_.L_QuadraRotulo, {2280, 1695, 735, 255}, kDireita);
    Caixa("T_Quadra", f_.T_Quadra, {3120, 1680, 1455, 285})->setMaxLength(kMaiorNome);

    auto* cancela = new QPushButton(this);
    cancela->setObjectName(QStringLiteral("B_Cancela"));
    cancela->setGeometry(Pixels({240, 6120, 1215, 495}, escala_));
    cancela->setAutoDefault(false);
    botoes_.emplace_back(cancela, &f_.B_Cancela);
    connect(cancela, &QPushButton::clicked, this, &DialogoConfig::reject);

    // The default button: Enter presses it from anywhere, a text box included.
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("B_Ok"));
    ok->setGeometry(Pixels({6360, 6120, 1335, 495}, escala_));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Executa([this] { f_.B_Ok_Click(); }); });

    Sincroniza();
}

QLabel* DialogoConfig::Rotulo(const char* nome, std::string& legenda, const Twips& t, bool direita) {
    auto* r = new QLabel(this);
    r->setObjectName(QString::fromUtf8(nome));
    r->setGeometry(Pixels(t, escala_));
    r->setAlignment((direita ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    rotulos_.emplace_back(r, &legenda);
    return r;
}

QPushButton* DialogoConfig::Botao(const char* nome, std::string& legenda, const Twips& t, void (Form2::*clique)()) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromUtf8(nome));
    b->setGeometry(Pixels(t, escala_));
    b->setAutoDefault(false);  // Enter stays with B_Ok unless the operator tabs here
    botoes_.emplace_back(b, &legenda);
    connect(b, &QPushButton::clicked, this, [this, clique] { Executa([this, clique] { (f_.*clique)(); }); });
    return b;
}

QLineEdit* DialogoConfig::Caixa(const char* nome, CaixaTexto& caixa, const Twips& t) {
    auto* c = new QLineEdit(this);
    c->setObjectName(QString::fromUtf8(nome));
    c->setGeometry(Pixels(t, escala_));
    caixas_.emplace_back(c, &caixa);
    return c;
}

QListWidget* DialogoConfig::CaixaLista(const char* nome, Lista& lista, const Twips& t, void (Form2::*clique)()) {
    auto* l = new QListWidget(this);
    l->setObjectName(QString::fromUtf8(nome));
    l->setGeometry(Pixels(t, escala_));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    listas_.emplace_back(l, &lista);
    LigaClique(*l, [this, &lista, clique](int linha) {
        if (linha < 0) {
            Sincroniza();  // the core's lists always keep their selection
            return;
        }
        Executa([this, &lista, clique, linha] {
            lista.ListIndex = linha;
            (f_.*clique)();
        });
    });
    return l;
}

QAbstractButton* DialogoConfig::Opcao(QGroupBox* moldura, const char* nome, Marca& marca, const Twips& t,
                                      std::function<void()> clique) {
    // Options that share a frame exclude one another by Qt's auto-exclusion within a parent.
    auto* o = new QRadioButton(moldura);
    o->setObjectName(QString::fromUtf8(nome));
    o->setGeometry(Pixels(t, escala_));
    marcas_.emplace_back(o, &marca);
    connect(o, &QRadioButton::clicked, this, [this, clique = std::move(clique)] { Executa(clique); });
    return o;
}

QAbstractButton* DialogoConfig::Verificacao(const char* nome, Marca& marca, const Twips& t, void (Form2::*clique)()) {
    auto* c = new QCheckBox(this);
    c->setObjectName(QString::fromUtf8(nome));
    c->setGeometry(Pixels(t, escala_));
    marcas_.emplace_back(c, &marca);
    connect(c, &QCheckBox::clicked, this, [this, &marca, clique](bool marcado) {
        Executa([this, &marca, clique, marcado] {
            marca.Value = marcado;
            (f_.*clique)();
        });
    });
    return c;
}

void DialogoConfig::Sincroniza() {
    setWindowTitle(Texto(f_.Caption));
    for (auto [rotulo, legenda] : rotulos_) rotulo->setText(Texto(*legenda));
    for (auto [botao, legenda] : botoes_) botao->setText(Texto(*legenda));
    for (auto [moldura, legenda] : molduras_) moldura->setTitle(Texto(*legenda));
    for (auto [caixa, dados] : caixas_) {
        const QSignalBlocker bloqueio(caixa);
        // Only a change is written, so the box being typed in keeps its cursor.
        if (caixa->text() != Texto(dados->Text)) caixa->setText(Texto(dados->Text));
        caixa->setHidden(!dados->Visible);
    }
    for (auto [lista, dados] : listas_) {
        PoeItens(*lista, dados->itens);
        Seleciona(*lista, dados->ListIndex);
    }
    for (auto [combo, dados] : combos_) {
        const QSignalBlocker bloqueio(combo);
        // The bouts' list changes when a new list is loaded with the dialog open.
        bool iguais = combo->count() == static_cast<int>(dados->itens.size());
        for (int i = 0; iguais && i < combo->count(); ++i)
            iguais = combo->itemText(i) == Texto(dados->itens[static_cast<size_t>(i)]);
        if (!iguais) {
            combo->clear();
            for (const std::string& item : dados->itens) combo->addItem(Texto(item));
        }
        combo->setCurrentIndex(dados->ListIndex);
    }
    for (auto [botao, dados] : marcas_) {
        const QSignalBlocker bloqueio(botao);
        // An exclusive option cannot be cleared while exclusive, and the core may choose none.
        const bool exclusivo = botao->autoExclusive();
        botao->setAutoExclusive(false);
        botao->setChecked(dados->Value);
        botao->setText(Texto(dados->Caption));
        botao->setAutoExclusive(exclusivo);
        botao->setHidden(!dados->Visible);
    }
}

void DialogoConfig::Le() {
    for (auto [caixa, dados] : caixas_) dados->Text = caixa->text().toStdString();
}

void DialogoConfig::Executa(const std::function<void()>& handler) {
    Le();
    handler();
    Sincroniza();
    if (!f_.Aberto) done(QDialog::Accepted);
}

void DialogoConfig::reject() {
    Executa([this] { f_.B_Cancela_Click(); });
}

bool DialogoConfig::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int i = 1; i <= 4; ++i) {
            if (alvo != sons_[static_cast<size_t>(i)]) continue;
            Executa([this, i] { f_.T_Sons_DblClick(i); });
            return true;
        }
    }
    return QDialog::eventFilter(alvo, e);
}

}  // namespace vantor::ui
