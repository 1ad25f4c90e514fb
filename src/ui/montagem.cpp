#include "ui/montagem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QMessageBox>
#include <cstdio>

namespace vantor::ui {

namespace {

// One name per logs folder and user, however the folder was written.
QString NomeDasChamadas(const Vantor& v) {
    const QString pasta = QDir(QString::fromStdString(v.PastaDosLogs())).canonicalPath();
    return QStringLiteral("vantor-%1-%2")
        .arg(QString::fromLatin1(qgetenv("USER")),
             QString::fromLatin1(QCryptographicHash::hash(pasta.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)));
}

}  // namespace

Montagem::Montagem() : plataforma_(std::make_unique<PlataformaQt>()), v_(std::make_unique<Vantor>(*plataforma_)) {
    v_->Form_Load();
    if (v_->OutroPrograma()) return;
    v_->DiscoEmSegundoPlano();  // a slow disk must never hold the clock
    janela_ = std::make_unique<JanelaPlacar>(*v_, QSize(plataforma_->LarguraTela(), plataforma_->AlturaTela()));
    plataforma_->DefineJanela(janela_.get());
    plateia_ = std::make_unique<Plateia>(*v_, *janela_);
    QObject::connect(janela_.get(), &JanelaPlacar::Mudou, plateia_.get(), &Plateia::Atualiza);
    QObject::connect(janela_.get(), &JanelaPlacar::PediuPlateia, plateia_.get(), &Plateia::Alterna);
    // This program holds the folder's lock, so a name a crashed one left behind is stale.
    chamadas_ = std::make_unique<QLocalServer>();
    chamadas_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString nome = NomeDasChamadas(*v_);
    QLocalServer::removeServer(nome);
    chamadas_->listen(nome);
    QObject::connect(chamadas_.get(), &QLocalServer::newConnection, janela_.get(), [this] {
        while (QLocalSocket* s = chamadas_->nextPendingConnection()) {
            s->disconnectFromServer();
            s->deleteLater();
        }
        janela_->setWindowState(janela_->windowState() & ~Qt::WindowMinimized);
        janela_->raise();
        janela_->activateWindow();
    });
}

bool Montagem::ChamaOOutro() {
    QLocalSocket s;
    s.connectToServer(NomeDasChamadas(*v_));
    const bool chamou = s.waitForConnected(1000);
    const QString aviso = QString::fromStdString(v_->Traduz(txt::OutroVantor));
    std::fprintf(stderr, "vantor: %s\n", aviso.toLocal8Bit().constData());
    if (!chamou) QMessageBox::information(nullptr, QString::fromLatin1(kTitulo), aviso);
    return chamou;
}

Montagem::~Montagem() {
    chamadas_.reset();
    v_->EsperaDisco(0);  // the window closed: what the event under way made goes to the disk too
    plataforma_->DefineJanela(nullptr);
    plateia_.reset();
    janela_.reset();
}

void Montagem::Mostra(bool telaCheia) {
    if (telaCheia) {
        janela_->setWindowFlag(Qt::FramelessWindowHint);
        janela_->showFullScreen();
    } else {
        janela_->show();
    }
    janela_->activateWindow();
    plateia_->Inicia();
}

}  // namespace vantor::ui
