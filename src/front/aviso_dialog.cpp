#include "aviso_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

AvisoDialog::AvisoDialog(const QString &titulo, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(titulo);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);

    auto *icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("Image1"));
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    icone->setAlignment(Qt::AlignTop);

    m_textos = new QVBoxLayout;
    auto *corpo = new QHBoxLayout;
    corpo->addWidget(icone);
    corpo->addLayout(m_textos, 1);

    m_linhaBotoes = new QHBoxLayout;
    m_linhaBotoes->addStretch();

    auto *tudo = new QVBoxLayout(this);
    tudo->addLayout(corpo);
    tudo->addLayout(m_linhaBotoes);
    tudo->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setInterval(atrasoBotoesMs);
    connect(Timer1, &QTimer::timeout, this, &AvisoDialog::liberaBotoes);
}

QList<QLabel *> AvisoDialog::adicionaTextos(const QStringList &linhas)
{
    QList<QLabel *> labels;
    for (const QString &linha : linhas) {
        auto *l = new QLabel(linha, this);
        l->setObjectName(QStringLiteral("Label1_%1").arg(labels.size()));
        m_textos->addWidget(l);
        labels << l;
    }
    return labels;
}

QPushButton *AvisoDialog::adicionaBotao(const QString &texto)
{
    auto *b = new QPushButton(texto, this);
    b->setObjectName(QStringLiteral("Command%1").arg(m_botoes.size() + 1));
    b->setAutoDefault(true);
    b->setVisible(false);
    m_linhaBotoes->addWidget(b);
    m_botoes << b;
    return b;
}

void AvisoDialog::showEvent(QShowEvent *event)
{
    for (QPushButton *b : std::as_const(m_botoes))
        b->setVisible(false);
    Timer1->start();
    QDialog::showEvent(event);
}

void AvisoDialog::keyPressEvent(QKeyEvent *event)
{
    // No button answers Esc here; only the buttons close these windows.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AvisoDialog::liberaBotoes()
{
    Timer1->stop();
    aoLiberarBotoes();
    for (QPushButton *b : std::as_const(m_botoes))
        b->setVisible(true);
    if (!m_botoes.isEmpty()) {
        m_botoes.first()->setDefault(true);
        m_botoes.first()->setFocus();
    }
}
