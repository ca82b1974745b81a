#include "frm_atualiza.h"
#include "comum.h"
#include "seletores.h"

#include "aplicativos.h"
#include "globals.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<frmAtualiza> frmAtualiza::s_instancia;

frmAtualiza *frmAtualiza::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

frmAtualiza::frmAtualiza(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAtualiza"));
    setWindowTitle(QStringLiteral("Caminho para Atualizações"));
    auto *quadro = new QGroupBox(
        QStringLiteral("Caminho para Atualizações  (diretório na rede onde vai ser colocadas as atualizações)"), this);
    txtCaminho = new QLineEdit(quadro);
    txtCaminho->setObjectName(QStringLiteral("txtCaminho"));
    cmdAbrir = new QPushButton(QStringLiteral("..."), quadro);
    cmdAbrir->setObjectName(QStringLiteral("cmdAbrir"));
    auto *linha = new QHBoxLayout(quadro);
    linha->addWidget(txtCaminho, 1);
    linha->addWidget(cmdAbrir);
    cmdGravar = new QPushButton(QStringLiteral("Gravar"), this);
    cmdGravar->setObjectName(QStringLiteral("cmdGravar"));
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(quadro);
    lay->addWidget(cmdGravar, 0, Qt::AlignRight);

    Admin::semBotaoPadrao(this);
    connect(cmdAbrir, &QPushButton::clicked, this, &frmAtualiza::cmdAbrir_Click);
    connect(cmdGravar, &QPushButton::clicked, this, &frmAtualiza::cmdGravar_Click);
    txtCaminho->setText(Aplicativos::Le_ini(QStringLiteral("Opcoes"), QStringLiteral("Atualiza"),
                                            AbreBD::arquivoConfig()));
}

void frmAtualiza::cmdAbrir_Click()
{
    if (const QString pasta = Admin::Procura_pasta(this); !pasta.isEmpty())
        txtCaminho->setText(pasta);
}

void frmAtualiza::cmdGravar_Click()
{
    if (Admin::Grava_config({{QStringLiteral("Opcoes"), QStringLiteral("Atualiza"), txtCaminho->text()}}))
        close();
}
