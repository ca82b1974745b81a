#include "apoio_caixa.h"
#include "frm_lanca_temp.h"
#include "test_support.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace ApoioCaixa;

namespace {

QStringList linhasDe(const QTreeWidget *lista)
{
    QStringList out;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        QStringList c;
        for (int j = 0; j < lista->columnCount(); ++j)
            c << lista->topLevelItem(i)->text(j);
        out << c.join(QLatin1Char('|'));
    }
    return out;
}

QColor corDoTexto(const QLineEdit *c)
{
    return c->palette().color(QPalette::Text);
}

const QColor kAzul(0, 0, 255);
const QColor kVermelho(255, 0, 0);

void lanca(frmLancaTemp &w, const QString &especie, const QString &valor)
{
    w.Combo1->setCurrentIndex(w.Combo1->findText(especie));
    w.mskvalor->setText(valor);
    w.Command5->click();
}

// A day with received items, entries and exits, and another day beside it.
int diaPreparado()
{
    const int id = movimento();
    const int ontem = movimento("FECHADO", QDate(2026, 12, 8));
    int autentica = 0; // one number per item of a movement
    for (const auto &[mov, centavos] : {std::pair{id, 25000}, {id, 5000}, {ontem, 99900}})
        executa("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR) VALUES (?, '', ?, 1, ?)",
                {++autentica, mov, qint64(centavos) * 100});
    lancamento(id, "ENTRADA", 10000, "ABERTURA DE CAIXA", {{101, 10000}});
    lancamento(id, "SANGRIA", 3000, "RETIRADAS DE CAIXA");
    lancamento(ontem, "ENTRADA", 77700, "ABERTURA DE CAIXA");
    executa("UPDATE Movimento SET SUPRIMENTO = 5000000 WHERE ID = ?", {id});
    return id;
}

} // namespace

class TstLancaTemp : public QObject {
    Q_OBJECT
private slots:
    void totaisDoDiaAoAbrir();
    void linhasEDiferenca();
    void removeSempreAUltima();
    void valoresRecusadosENadaGravado();
    void diferencaZeroEmVermelho();
    void abreModal();
};

void TstLancaTemp::totaisDoDiaAoAbrir()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    frmLancaTemp w;
    QCOMPARE(w.windowTitle(), QString("Conferência de Caixa Temporária"));
    QCOMPARE(w.lblMov->text(), QString("0001"));
    QCOMPARE(w.dtpData->date(), QDate(2026, 12, 9));
    QCOMPARE(w.lblDia->text(), QString("Caixa dia: 09 - 12 - 2026"));
    QCOMPARE(w.txtarrecadacao->text(), QString("300,00"));
    QCOMPARE(w.txtsangria->text(), QString("70,00"));
    QCOMPARE(corDoTexto(w.txtsangria), kAzul);
    QCOMPARE(w.txtsuprimento->text(), QString("0,00")); // whatever the movement's supply
    QCOMPARE(w.txttotal->text(), QString("0,00"));
    QCOMPARE(w.txtsaldo->text(), QString("-370,00"));
    QCOMPARE(corDoTexto(w.txtsaldo), kVermelho);
    QCOMPARE(w.Combo1->currentText(), QString("DINHEIRO"));
    QCOMPARE(w.Combo1->count(), 3);
    QVERIFY(pasta.messages->boxes.isEmpty());

    // A day without anything: zeros, exits above entries in red.
    frente.id = movimento();
    lancamento(frente.id, "SAIDA", 1000, "EMPENHO");
    frmLancaTemp vazio;
    QCOMPARE(vazio.txtarrecadacao->text(), QString("0,00"));
    QCOMPARE(vazio.txtsangria->text(), QString("-10,00"));
    QCOMPARE(corDoTexto(vazio.txtsangria), kVermelho);
    QCOMPARE(vazio.txtsaldo->text(), QString("10,00"));
    QCOMPARE(corDoTexto(vazio.txtsaldo), kAzul);
}

void TstLancaTemp::linhasEDiferenca()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    frmLancaTemp w;
    lanca(w, "DINHEIRO", "20,00");
    lanca(w, "CHEQUE", "5,25");
    QCOMPARE(linhasDe(w.List1), QStringList({"01|DINHEIRO|20,00|20,00", "02|CHEQUE|5,25|25,25"}));
    QCOMPARE(w.txttotal->text(), QString("R$ 25,25"));
    QCOMPARE(w.txtsaldo->text(), QString("-344,75"));
    QCOMPARE(w.lblStatus->text(), QString("Total de itens contabilizados: 2"));
    QCOMPARE(w.mskvalor->text(), QString());
    QCOMPARE(w.Combo1->currentText(), QString("CHEQUE")); // the kind stays

    lanca(w, "DINHEIRO", "1.000");
    lanca(w, "MOEDAS", "0,75");
    QCOMPARE(w.txttotal->text(), QString("R$ 1.026,00"));
    QCOMPARE(w.txtsaldo->text(), QString("656,00"));
    QCOMPARE(corDoTexto(w.txtsaldo), kAzul);

    // Keys: digits and the comma pass; a letter goes to the kinds.
    w.show();
    w.mskvalor->clear();
    QTest::keyClicks(w.mskvalor, "7.5,x");
    QCOMPARE(w.mskvalor->text(), QString("75,"));
}

void TstLancaTemp::removeSempreAUltima()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    frmLancaTemp w;
    w.cmdDel->click(); // nothing to remove
    QCOMPARE(w.txttotal->text(), QString("0,00"));
    lanca(w, "DINHEIRO", "20,00");
    lanca(w, "CHEQUE", "5,25");
    lanca(w, "MOEDAS", "400,00");
    QCOMPARE(corDoTexto(w.txtsaldo), kAzul);
    w.List1->setCurrentItem(w.List1->topLevelItem(0));
    w.mskvalor->setText("9");
    w.cmdDel->click();
    w.cmdDel->click();
    QCOMPARE(linhasDe(w.List1), QStringList({"01|DINHEIRO|20,00|20,00"}));
    QCOMPARE(w.mskvalor->text(), QString());
    QCOMPARE(w.txttotal->text(), QString("20,00"));
    QCOMPARE(w.txtsaldo->text(), QString("-350,00"));
    // Colour and count follow at once.
    QCOMPARE(corDoTexto(w.txtsaldo), kVermelho);
    QCOMPARE(w.lblStatus->text(), QString("Total de itens contabilizados: 1"));

    w.Combo1->setCurrentIndex(2);
    w.cmdDel->click();
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QCOMPARE(w.txttotal->text(), QString("0,00"));
    QCOMPARE(w.Combo1->currentIndex(), 0);
    QCOMPARE(w.txtsaldo->text(), QString("-370,00"));

    // Numbering goes on from the rows that are there.
    lanca(w, "CHEQUE", "1,00");
    QCOMPARE(linhasDe(w.List1), QStringList({"01|CHEQUE|1,00|1,00"}));
}

void TstLancaTemp::valoresRecusadosENadaGravado()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    const QStringList antes = linhas("SELECT * FROM Sangria") + linhas("SELECT * FROM Movimento");
    frmLancaTemp w;
    lanca(w, "DINHEIRO", "");
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QVERIFY(pasta.messages->boxes.isEmpty());
    lanca(w, "DINHEIRO", "1,,2");
    QCOMPARE(pasta.messages->texts(), QStringList({"Você precisa informar um valor válido!!"}));
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QCOMPARE(w.mskvalor->text(), QString("1,,2"));
    lanca(w, "DINHEIRO", "3,00"); // a bad value left nothing that breaks the next one
    QCOMPARE(linhasDe(w.List1), QStringList({"01|DINHEIRO|3,00|3,00"}));

    // A total edited into something that is no money gives no difference.
    w.txtarrecadacao->setText("???");
    lanca(w, "DINHEIRO", "1,00");
    QCOMPARE(w.txtsaldo->text(), QString());
    QCOMPARE(pasta.messages->boxes.size(), 2);

    w.Command2->click();
    QCOMPARE(linhas("SELECT * FROM Sangria") + linhas("SELECT * FROM Movimento"), antes);
    QCOMPARE(conta("ConfCaixa"), 0);
    QCOMPARE(conta("Itens"), 1);
}

void TstLancaTemp::diferencaZeroEmVermelho()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    frmLancaTemp w;
    lanca(w, "DINHEIRO", "370,00");
    QCOMPARE(w.txtsaldo->text(), QString("0,00"));
    QCOMPARE(corDoTexto(w.txtsaldo), kVermelho);
    lanca(w, "MOEDAS", "0,01");
    QCOMPARE(w.txtsaldo->text(), QString("0,01"));
    QCOMPARE(corDoTexto(w.txtsaldo), kAzul);
}

void TstLancaTemp::abreModal()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = diaPreparado();
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<frmLancaTemp *>(QApplication::activeModalWidget());
        QVERIFY(w);
        modal = true;
        lanca(*w, "DINHEIRO", "5,00");
        w->Command2->click();
    });
    frmLancaTemp::abre();
    QVERIFY(modal);
    // The next opening starts with an empty list.
    frmLancaTemp nova;
    QCOMPARE(nova.List1->topLevelItemCount(), 0);
}

QTEST_MAIN(TstLancaTemp)
#include "tst_lanca_temp.moc"
