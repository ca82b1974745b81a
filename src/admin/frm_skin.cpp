#include "frm_skin.h"
#include "comum.h"
#include "seletores.h"

#include "aplicativos.h"
#include "globals.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<frmSkin> frmSkin::s_instancia;

frmSkin *frmSkin::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

frmSkin::frmSkin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSkin"));
    setWindowTitle(QStringLiteral("Carregar Skin"));
    auto *quadro = new QGroupBox(QStringLiteral("Caminho para o novo Skin"), this);
    Text1 = new QLineEdit(quadro);
    Text1->setObjectName(QStringLiteral("Text1"));
    cmdCaminho = new QPushButton(QStringLiteral("..."), quadro);
    cmdCaminho->setObjectName(QStringLiteral("cmdCaminho"));
    auto *linha = new QHBoxLayout(quadro);
    linha->addWidget(Text1, 1);
    linha->addWidget(cmdCaminho);
    cmdGravar = new QPushButton(QStringLiteral("Aplicar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    cmdCancelar = new QPushButton(QStringLiteral("Sair"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdGravar);
    botoes->addWidget(cmdCancelar);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(quadro);
    lay->addLayout(botoes);

    Admin::semBotaoPadrao(this);
    connect(cmdCaminho, &QPushButton::clicked, this, &frmSkin::cmdCaminho_Click);
    connect(cmdGravar, &QPushButton::clicked, this, &frmSkin::cmdGravar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmSkin::cmdCancelar_Click);
    Text1->setText(Aplicativos::Le_ini(QStringLiteral("Skin"), QStringLiteral("nome"), AbreBD::arquivoConfig()));
}

void frmSkin::cmdCaminho_Click()
{
    if (const QString arquivo = Admin::Procura_arquivo(this, QStringLiteral("Skin (*.skn)")); !arquivo.isEmpty())
        Text1->setText(arquivo);
}

void frmSkin::cmdGravar_Click()
{
    Admin::Grava_config({{QStringLiteral("Skin"), QStringLiteral("nome"), Text1->text()}});
}

void frmSkin::cmdCancelar_Click()
{
    close();
}
