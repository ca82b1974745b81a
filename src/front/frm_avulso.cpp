#include "frm_avulso.h"
#include "frm_frente.h"

#include "aplicativos.h"
#include "clock.h"
#include "currency.h"
#include "msg_box.h"
#include "usuarios.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

frmAvulso::frmAvulso(frmFrente *frente) : QDialog(frente), m_frente(frente)
{
    setObjectName(QStringLiteral("frmAvulso"));
    setWindowTitle(QStringLiteral("Guias Avulsas"));
    cmbTipo = new QComboBox(this);
    cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
    cmbTipo->setEditable(false);
    // Typing into the list is ignored: no keyboard search changes the entry.
    cmbTipo->installEventFilter(this);
    cmbTipo->view()->installEventFilter(this);
    mskvalor = new QLineEdit(this);
    mskvalor->setObjectName(QStringLiteral("mskvalor"));
    mskvalor->setAlignment(Qt::AlignRight);
    // Digits, the thousands point and the decimal comma only.
    mskvalor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*,?[0-9]{0,2}")), mskvalor));
    dtpVencimento = new QDateEdit(this);
    dtpVencimento->setObjectName(QStringLiteral("dtpVencimento"));
    dtpVencimento->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpVencimento->setCalendarPopup(true);
    txtparcela = new QLineEdit(this);
    txtparcela->setObjectName(QStringLiteral("txtparcela"));
    txtobs = new QLineEdit(this);
    txtobs->setObjectName(QStringLiteral("txtobs"));
    connect(txtobs, &QLineEdit::textEdited, this, [this](const QString &t) {
        const int pos = txtobs->cursorPosition();
        txtobs->setText(t.toUpper());
        txtobs->setCursorPosition(pos);
    });
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("Cancelar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Tipo de guia"), cmbTipo);
    form->addRow(QStringLiteral("Valor............................:"), mskvalor);
    form->addRow(QStringLiteral("Vencimento"), dtpVencimento);
    form->addRow(QStringLiteral("Parcela"), txtparcela);
    form->addRow(QStringLiteral("Obs:"), txtobs);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(Command1);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addLayout(botoes);
    connect(cmdOk, &QPushButton::clicked, this, &frmAvulso::cmdOk_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);

    dtpVencimento->setDate(Relogio::hoje());
    AbreBD::Preenche_lista(QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra where IDCOD < 100 AND PADRAO <> 'C' "
                                          "AND PADRAO <> 'F' ORDER BY DESCRICAO;"),
                           cmbTipo);
    cmbTipo->setCurrentIndex(-1);
}

bool frmAvulso::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == cmbTipo || watched == cmbTipo->view())) {
        const QString texto = static_cast<QKeyEvent *>(event)->text();
        if (!texto.isEmpty() && texto.at(0).isPrint())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAvulso::cmdOk_Click()
{
    if (cmbTipo->currentIndex() < 0) {
        reject();
        return;
    }
    if (mskvalor->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Um valor deve ser informado!!"), Vb::vbExclamation, QStringLiteral("Aviso"));
        mskvalor->setFocus();
        return;
    }
    m_frente->mskvalor->setText(mskvalor->text());
    m_frente->Carrega_combo_avulso(cmbTipo->currentData().toInt());
    m_frente->VencimentoAvulso = dtpVencimento->date().toString(QStringLiteral("yyyyMMdd"));
    m_frente->ParcelaAvulso = txtparcela->text();
    m_frente->ObsAvulso = txtobs->text();
    m_frente->RecebeAvulso();
    accept();
}
