#include "ui/dialogo_som.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <filesystem>

#include "settings/arquivos.h"
#include "ui/controles_dialogo.h"

namespace vantor::ui {

namespace {
constexpr const char* kAcima = "..";
}

DialogoSom::DialogoSom(FormSom& escolha, QWidget* pai) : QDialog(pai), s_(escolha) {
    setObjectName(QStringLiteral("Form_Som"));
    setWindowTitle(QString());
    escala_ = EscalaDosDialogos(pai, {0, 0, 5625, 3120});
    setFont(FonteDosDialogos(escala_));
    setFixedSize(Pixels({0, 0, 5625, 3120}, escala_).size());

    drive_ = new QComboBox(this);
    drive_->setObjectName(QStringLiteral("L_Unidades"));
    drive_->setGeometry(Pixels({120, 120, 2775, 315}, escala_));
    // A change of drive only: choosing the drive already shown keeps the folder.
    connect(drive_, &QComboBox::activated, this, [this](int i) {
        if (i != s_.DriveIndex)
            Executa([this, i] {
                s_.DriveIndex = i;
                s_.L_Unidades_Change();
            });
    });

    pastas_ = new QListWidget(this);
    pastas_->setObjectName(QStringLiteral("L_Pastas"));
    pastas_->setGeometry(Pixels({120, 480, 2775, 2565}, escala_));
    pastas_->setIconSize(QSize(16, 16) * escala_);
    pastas_->installEventFilter(this);
    connect(pastas_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AbrePasta(pastas_->row(item)); });

    arquivos_ = new QListWidget(this);
    arquivos_->setObjectName(QStringLiteral("L_Arquivos"));
    arquivos_->setGeometry(Pixels({3000, 600, 2535, 2430}, escala_));
    arquivos_->setSelectionMode(QAbstractItemView::SingleSelection);
    LigaClique(*arquivos_, [this](int linha) {
        if (linha < 0) {
            Sincroniza();
            return;
        }
        Executa([this, linha] {
            s_.FileIndex = linha;
            s_.L_Arquivos_Click();
        });
    });
    connect(arquivos_, &QListWidget::itemDoubleClicked, this,
            [this] { Executa([this] { s_.L_Arquivos_DblClick(); }); });

    auto* cancela = new QPushButton(QStringLiteral("Cancel"), this);
    cancela->setObjectName(QStringLiteral("CancelButton"));
    cancela->setGeometry(Pixels({3000, 120, 1215, 375}, escala_));
    cancela->setAutoDefault(false);
    connect(cancela, &QPushButton::clicked, this, &DialogoSom::reject);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(Pixels({4320, 120, 1215, 375}, escala_));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Executa([this] { s_.OKButton_Click(); }); });

    Sincroniza();
}

void DialogoSom::Sincroniza() {
    {
        const QSignalBlocker bloqueio(drive_);
        QStringList volumes, mostrados;
        for (const auto& v : s_.L_Unidades) volumes << QString::fromStdString(v);
        for (int i = 0; i < drive_->count(); ++i) mostrados << drive_->itemText(i);
        if (mostrados != volumes) {
            drive_->clear();
            drive_->addItems(volumes);
        }
        drive_->setCurrentIndex(s_.DriveIndex);
    }

    std::vector<std::string> linhas{s_.L_Pastas};
    if (s_.L_Pastas != "/") linhas.emplace_back(kAcima);
    linhas.insert(linhas.end(), s_.Pastas.begin(), s_.Pastas.end());
    if (PoeItens(*pastas_, linhas)) {
        pastas_->item(0)->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        for (int i = 1; i < pastas_->count(); ++i) pastas_->item(i)->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
        Seleciona(*pastas_, 0);
    }

    PoeItens(*arquivos_, s_.L_Arquivos);
    Seleciona(*arquivos_, s_.FileIndex);
}

void DialogoSom::AbrePasta(int linha) {
    const size_t primeira = s_.L_Pastas == "/" ? 1 : 2;  // first row of a sub-folder
    std::string alvo;
    if (linha == 1 && primeira == 2) {
        alvo = std::filesystem::path(s_.L_Pastas).parent_path().string();
    } else if (linha >= static_cast<int>(primeira) && static_cast<size_t>(linha) - primeira < s_.Pastas.size()) {
        alvo = Junta(s_.L_Pastas, s_.Pastas[static_cast<size_t>(linha) - primeira]);
    } else {
        return;
    }
    // A folder that cannot be read leaves everything as it was.
    Executa([this, &alvo] { s_.MudaPasta(alvo); });
}

void DialogoSom::Executa(const std::function<void()>& handler) {
    handler();
    Sincroniza();
    if (!s_.Aberto) done(QDialog::Accepted);
}

void DialogoSom::reject() {
    Executa([this] { s_.CancelButton_Click(); });
}

bool DialogoSom::eventFilter(QObject* alvo, QEvent* e) {
    // Enter on a folder opens it; it must not reach the default button as well.
    if (alvo == pastas_ && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            AbrePasta(pastas_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(alvo, e);
}

}  // namespace vantor::ui
