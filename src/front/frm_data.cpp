#include "frm_data.h"
#include "frm_frente.h"
#include "frm_opcoes.h"

#include "abre_bd.h"
#include "aplicativos.h"
#include "clock.h"
#include "globals.h"
#include "msg_box.h"
#include "program_folder.h"
#include "text_file.h"
#include "usuarios.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

using namespace AbreBD;

namespace {
const QString kAviso = QStringLiteral("Aviso");
}

std::function<void()> &frmData::mostraFrente()
{
    static std::function<void()> f = [] { frmFrente::instancia()->show(); };
    return f;
}

std::function<bool(const QString &)> &frmData::iniciaPrograma()
{
    static std::function<bool(const QString &)> f = [](const QString &program) {
        return QProcess::startDetached(program, {});
    };
    return f;
}

namespace {
// Major, minor and revision of the running program.
QStringList partesVersao()
{
    const QStringList v = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    QStringList partes;
    for (int i = 0; i < 3; ++i)
        partes << (i < v.size() && !v.at(i).isEmpty() ? v.at(i) : QStringLiteral("0"));
    return partes;
}
} // namespace

QString frmData::versaoTexto()
{
    return QStringLiteral("Version: ") + partesVersao().join(QLatin1Char('.'));
}

frmData::frmData(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Data de Trabalho"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *Frame1 = new QGroupBox(QStringLiteral("Data de Trabalho"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *aviso = new QLabel(QStringLiteral("A data apresentada refere-se ao dia atual, caso haja necessidade de "
                                            "consulta de outro dia selecione a data ao lado:"), Frame1);
    aviso->setWordWrap(true);
    lbldata = new QLabel(QStringLiteral("Data Selecionada:"), Frame1);
    lbldata->setObjectName(QStringLiteral("lbldata"));
    dtpData = new QDateEdit(Frame1);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    mtwCalendar = new QCalendarWidget(Frame1);
    mtwCalendar->setObjectName(QStringLiteral("mtwCalendar"));
    mtwCalendar->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    mtwCalendar->setGridVisible(true);

    auto *left = new QVBoxLayout;
    left->addWidget(aviso);
    left->addStretch();
    left->addWidget(lbldata);
    left->addWidget(dtpData);
    auto *frameLay = new QHBoxLayout(Frame1);
    frameLay->addLayout(left, 1);
    frameLay->addWidget(mtwCalendar, 2);

    auto *lblSenha = new QLabel(QStringLiteral("Senha de Acesso:"), this);
    txtsenha = new QLineEdit(this);
    txtsenha->setObjectName(QStringLiteral("txtsenha"));
    mascaraSenha(txtsenha);

    cmdAbrirCaixa = new QPushButton(QStringLiteral("Abrir Caixa"), this);
    cmdAbrirCaixa->setObjectName(QStringLiteral("cmdAbrirCaixa"));
    cmdAbrirCaixa->setDefault(true);
    cmdAbrirCaixa->setAutoDefault(true);
    cmdConsultar = new QPushButton(QStringLiteral("Consultar"), this);
    cmdConsultar->setObjectName(QStringLiteral("cmdConsultar"));
    cmdConfig = new QPushButton(QStringLiteral("Configurações"), this);
    cmdConfig->setObjectName(QStringLiteral("cmdConfig"));
    cmdConfig->setVisible(false); // the settings are reached from the main window
    cmdSair = new QPushButton(QStringLiteral("Sair"), this);
    cmdSair->setObjectName(QStringLiteral("cmdSair"));
    SkinLabel = new QLabel(this);
    SkinLabel->setObjectName(QStringLiteral("SkinLabel"));

    auto *senhaLay = new QHBoxLayout;
    senhaLay->addWidget(lblSenha);
    senhaLay->addWidget(txtsenha, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SkinLabel);
    buttons->addStretch();
    buttons->addWidget(cmdAbrirCaixa);
    buttons->addWidget(cmdConsultar);
    buttons->addWidget(cmdConfig);
    buttons->addWidget(cmdSair);
    auto *main = new QVBoxLayout(this);
    main->addWidget(Frame1, 1);
    main->addLayout(senhaLay);
    main->addLayout(buttons);
    resize(620, 360);

    connect(cmdAbrirCaixa, &QPushButton::clicked, this, &frmData::cmdAbrirCaixa_Click);
    connect(cmdConsultar, &QPushButton::clicked, this, &frmData::cmdConsultar_Click);
    connect(cmdConfig, &QPushButton::clicked, this, &frmData::cmdConfig_Click);
    connect(cmdSair, &QPushButton::clicked, this, &frmData::cmdSair_Click);
    connect(mtwCalendar, &QCalendarWidget::clicked, this, &frmData::mtwCalendar_DateClick);
    connect(mtwCalendar, &QCalendarWidget::activated, this, &frmData::mtwCalendar_DateClick);
    // Enter in the password presses whichever button the date made the default.
    connect(txtsenha, &QLineEdit::returnPressed, this, [this] {
        if (cmdConsultar->isDefault())
            cmdConsultar_Click();
        else
            cmdAbrirCaixa_Click();
    });

    Form_Load();
}

void frmData::Form_Load()
{
    SkinLabel->setText(versaoTexto());
    const QDate hoje = Relogio::hoje();
    mtwCalendar->setSelectedDate(hoje);
    dtpData->setDate(mtwCalendar->selectedDate());
    Verifica_movimento();
    txtsenha->setFocus();
}

void frmData::Verifica_movimento()
{
    gSQL = QStringLiteral("SELECT * FROM MOVIMENTO WHERE MDATA = ?;");
    gRs = gDataAccess ? gDataAccess->SQLSelect_ReadOnly(gSQL, {dtpData->date()}) : nullptr;
    const bool existe = gRs && gRs->RecordCount() != 0;
    cmdAbrirCaixa->setEnabled(!existe);
    // "Consultar" stays usable either way; it shows by its default state
    // whether the date has a movement.
    cmdConsultar->setDefault(existe);
    cmdAbrirCaixa->setDefault(!existe);
}

void frmData::mtwCalendar_DateClick(const QDate &date)
{
    dtpData->setDate(date);
    Verifica_movimento();
}

bool frmData::senhaValida()
{
    if (Valida_senha(txtsenha->text()))
        return true;
    MsgBox(QStringLiteral("Senha Inválida!!"), Vb::vbExclamation, kAviso);
    return false;
}

void frmData::entraNoCaixa()
{
    // The main window is up before this one goes, so the run never finds
    // itself without a window in between.
    if (mostraFrente())
        mostraFrente()();
    close();
}

void frmData::cmdAbrirCaixa_Click()
{
    if (!cmdAbrirCaixa->isEnabled())
        return;
    if (!senhaValida())
        return;
    if (dtpData->date() != Relogio::hoje()) {
        MsgBox(QStringLiteral("Data do Computador diferente da data de abertura do caixa!! Verifique."),
               Vb::vbExclamation, kAviso);
        return;
    }
    MsgBox(QStringLiteral("O caixa será aberto com a data selecionada."), Vb::vbInformation, kAviso);
    gDataCaixa = dtpData->date();
    entraNoCaixa();
}

void frmData::cmdConsultar_Click()
{
    if (!senhaValida())
        return;
    if (Relogio::hoje() < dtpData->date()) {
        MsgBox(QStringLiteral("A data atual não pode ser menor que esta selecionada!!"), Vb::vbExclamation, kAviso);
        return;
    }
    gDataCaixa = dtpData->date();
    Verifica_movimento();
    if (!cmdAbrirCaixa->isEnabled()) {
        entraNoCaixa();
        return;
    }
    MsgBox(QStringLiteral("Não foi encontrado nenhum movimento com essa data!!"), Vb::vbExclamation, kAviso);
}

void frmData::cmdConfig_Click()
{
    frmOpcoes *opcoes = frmOpcoes::instancia();
    opcoes->show();
    opcoes->raise();
}

void frmData::cmdSair_Click()
{
    Fecha_conexao();
    close();
    QCoreApplication::quit();
}

bool frmData::Verifica_atualizacao()
{
    const QString versao = partesVersao().join(QString());
    const QString config = arquivoConfig();
    const QString pasta = Aplicativos::Le_ini(QStringLiteral("Opcoes"), QStringLiteral("Atualiza"), config);
    if (pasta.isEmpty()) {
        Aplicativos::Grava_ini(QStringLiteral("Opcoes"), QStringLiteral("Atualiza"), QString(), config);
        return false;
    }
    if (QDir(pasta).entryList(QDir::Files).isEmpty())
        return false;
    const QStringList linhas = TextFile::readLines(pasta + QStringLiteral("VersaoAtual.txt"));
    const QString disponivel = linhas.isEmpty() ? QString() : linhas.first().trimmed();
    if (disponivel.isEmpty() || !(versao < disponivel))
        return false;
    if (MsgBox(QStringLiteral("Uma nova versão do sistema está disponível. Deseja instalar agora?"),
               Vb::vbYesNo + Vb::vbQuestion, kAviso) != Vb::vbYes)
        return false;
    iniciaPrograma()(pasta + QStringLiteral("Renovadora.exe"));
    return true;
}
