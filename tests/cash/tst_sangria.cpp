#include "apoio_caixa.h"
#include "frm_sangria.h"
#include "test_support.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace ApoioCaixa;

namespace {

const QString kObrigatorios = QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!");
const QString kFechado =
    QStringLiteral("Você não pode efetuar nenhuma inclusão ou alteração de registro com o movimento fechado");

// The list's rows as "col0|col1|...".
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

// A click on the row: the only way a row is chosen.
void escolhe(QTreeWidget *lista, int linha)
{
    QTreeWidgetItem *item = lista->topLevelItem(linha);
    lista->setCurrentItem(item);
    emit lista->itemClicked(item, 0);
}

void item(frmSangria &w, const QString &especie, const QString &numero, const QString &valor)
{
    w.cmbEspecie->setCurrentIndex(w.cmbEspecie->findText(especie));
    w.txtnumero->setText(numero);
    w.mskValorItem->setText(valor);
    w.cmdSave->click();
}

} // namespace

class TstSangria : public QObject {
    Q_OBJECT
private slots:
    void entradaComDiscriminacaoGravaTudoJunto();
    void pagamentoAlteradoTrocaSoAsLinhasMexidas();
    void retiradaExcluidaLevaSuasLinhas();
    void diaFechadoRecusaToda_mudanca();
    void falhaNoBancoNaoDeixaOrfaos();
    void camposObrigatoriosEValoresDigitados();
    void listaSoOModoDoMovimentoEPesquisa();
    void cancelaTiraLancamentoSemValor();
    void especiesEASomaPorEspecie();
    void abreComAlegendaDoModo();
    void focoNaListaNaoEscolheLinha();
    void valorZeroEhDinheiro();
    void menuPeloTecladoNaoEscolheLinha();
};

void TstSangria::entradaComDiscriminacaoGravaTudoJunto()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "A";
    frmSangria w;
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QVERIFY(!w.SSTab->isTabEnabled(1));
    QCOMPARE(w.lblSoma->text(), QString("TOTAL: R$ 0,00"));

    w.Command1[3]->click(); // Incluir
    QVERIFY(w.SSTab->isTabEnabled(1) && !w.SSTab->isTabEnabled(0));
    QCOMPARE(w.SSTab->currentIndex(), 1);
    QCOMPARE(w.txtordem->text(), QString("Aut.Num."));
    QCOMPARE(w.cmbTipo->currentText(), QString("ENTRADA"));
    QCOMPARE(w.txtdescricao->toPlainText(), QString("ABERTURA DE CAIXA"));
    QVERIFY(!w.txtdescricao->isEnabled());
    QCOMPARE(w.txtvalor->text(), QString("0,00"));
    QCOMPARE(w.dtpData->date(), QDate(2026, 12, 9));

    w.cmdIncluirItens->click(); // Somar Valores
    QVERIFY(w.Frame->isEnabled());
    QVERIFY(!w.cmdIncluirItens->isEnabled());
    QCOMPARE(w.cmbEspecie->currentText(), QString("DINHEIRO"));
    QCOMPARE(w.txtordem->text(), QString("Aut.Num."));
    QCOMPARE(conta("Sangria"), 0); // nothing waits in the table for its lines

    item(w, "DINHEIRO", "", "100,00");
    item(w, "CHEQUE", "000123", "50");
    item(w, "MOEDAS", "", "0,50");
    QCOMPARE(w.txtvalor->text(), QString("150,50"));
    QVERIFY(w.txtvalor->isReadOnly());
    QCOMPARE(linhasDe(w.lstitens),
             QStringList({"|DINHEIRO||100,00", "|CHEQUE|000123|50,00", "|MOEDAS||0,50"}));
    QCOMPARE(w.mskValorItem->text(), QString());
    QCOMPARE(conta("Itens"), 0);

    w.Command2->click(); // Gravar e Concluir
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QVERIFY(!w.Frame->isEnabledTo(w.SSTab->widget(1)));
    QVERIFY(w.cmdIncluirItens->isEnabledTo(w.SSTab->widget(1)));
    const QStringList cabeca = linhas("SELECT ID, IDMOVIMENTO, SDATA, TIPO, ENTRADA, SAIDA, DESCRICAO FROM Sangria");
    QCOMPARE(cabeca, QStringList({QString("1|%1|2026-12-09|ENTRADA|1505000|0|ABERTURA DE CAIXA").arg(frente.id)}));
    QCOMPARE(linhas("SELECT IDSANGRIA, ESPECIE, NUMERO, VALOR FROM Itens ORDER BY ID"),
             QStringList({"1|101||1000000", "1|102|000123|500000", "1|103||5000"}));
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0001|09/12/2026|ENTRADA|150,50|ABERTURA DE CAIXA"}));
    QCOMPARE(w.lblSoma->text(), QString("TOTAL: R$ 150,50"));

    // Consulted again, the lines come back and the amount is their sum.
    escolhe(w.ListView1, 0);
    QCOMPARE(w.Tag(), QString("0001"));
    w.Command1[1]->click();
    QCOMPARE(w.txtordem->text(), QString("0001"));
    QCOMPARE(linhasDe(w.lstitens),
             QStringList({"0001|DINHEIRO||100,00", "0002|CHEQUE|000123|50,00", "0003|MOEDAS||0,50"}));
    QCOMPARE(w.txtvalor->text(), QString("150,50"));
}

void TstSangria::pagamentoAlteradoTrocaSoAsLinhasMexidas()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "P";
    const int id = lancamento(frente.id, "SAIDA", 3000, "EMPENHO 12", {{101, 1000}, {102, 2000}});
    const int manter = valor("SELECT MIN(ID) FROM Itens").toInt();
    frmSangria w;
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0001|09/12/2026|SAIDA|30,00|EMPENHO 12"}));
    escolhe(w.ListView1, 0);
    w.Command1[1]->click();
    QVERIFY(w.txtdescricao->isEnabled()); // payments keep their description editable
    QCOMPARE(w.cmbTipo->currentText(), QString("SAIDA"));
    w.txtdescricao->setPlainText("empenho 12/2026");
    QCOMPARE(w.txtdescricao->toPlainText(), QString("EMPENHO 12/2026"));

    w.cmdIncluirItens->click();
    QVERIFY(w.Frame->isEnabled());
    w.lstitens->setCurrentItem(w.lstitens->topLevelItem(1));
    pasta.messages->answers << Vb::vbYes;
    w.cmdDel->click();
    QCOMPARE(pasta.messages->boxes.last().text, QString("Confirma exclusão do item selecionado?"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbYesNo | Vb::vbQuestion));
    QCOMPARE(w.txtvalor->text(), QString("10,00"));
    item(w, "MOEDAS", "", "1.234,56");
    QCOMPARE(w.txtvalor->text(), QString("1.244,56"));
    QCOMPARE(conta("Itens"), 2); // nothing written before "Gravar e Concluir"

    w.Command2->click();
    QCOMPARE(linhas("SELECT ID, TIPO, ENTRADA, SAIDA, DESCRICAO FROM Sangria"),
             QStringList({QString("%1|SAIDA|0|12445600|EMPENHO 12/2026").arg(id)}));
    QCOMPARE(linhas("SELECT ID, ESPECIE, VALOR FROM Itens WHERE IDSANGRIA = ? ORDER BY ID", {id}),
             QStringList({QString("%1|101|100000").arg(manter), QString("%1|103|12345600").arg(manter + 2)}));

    // Removing every line leaves the amount at the last sum, typed again freely.
    escolhe(w.ListView1, 0);
    w.Command1[1]->click();
    w.cmdIncluirItens->click();
    pasta.messages->answers << Vb::vbYes << Vb::vbYes;
    for (int i = 0; i < 2; ++i) {
        w.lstitens->setCurrentItem(w.lstitens->topLevelItem(0));
        w.cmdDel->click();
    }
    QCOMPARE(w.txtvalor->text(), QString("1.234,56")); // the sum before the last line went
    QVERIFY(!w.txtvalor->isReadOnly());
    w.txtvalor->setText("99,90");
    w.Command2->click();
    QCOMPARE(valor("SELECT SAIDA FROM Sangria").toLongLong(), 999000);
    QCOMPARE(conta("Itens"), 0);
}

void TstSangria::retiradaExcluidaLevaSuasLinhas()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "S";
    const int primeira = lancamento(frente.id, "SANGRIA", 5000, "RETIRADAS DE CAIXA", {{101, 5000}});
    const int segunda = lancamento(frente.id, "SANGRIA", 7000, "RETIRADAS DE CAIXA", {{101, 3000}, {102, 4000}});
    frmSangria w;

    w.mnuexcluir_Click(); // nothing chosen
    QCOMPARE(pasta.messages->boxes.last().text, QString("Informe um item !!!"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    w.Command1[1]->click();
    QCOMPARE(pasta.messages->boxes.last().text, QString("Informe um item !!!"));

    QCOMPARE(w.ListView1->topLevelItem(0)->text(0), QString("%1").arg(segunda, 4, 10, QChar('0')));
    escolhe(w.ListView1, 0);
    pasta.messages->answers << Vb::vbNo;
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->boxes.last().text, QString("Confirma exclusão deste item? - 0002"));
    QCOMPARE(conta("Sangria"), 2);

    pasta.messages->answers << Vb::vbYes;
    w.mnuexcluir_Click();
    QCOMPARE(linhas("SELECT ID FROM Sangria"), QStringList({QString::number(primeira)}));
    QCOMPARE(linhas("SELECT IDSANGRIA, VALOR FROM Itens"), QStringList({QString("%1|500000").arg(primeira)}));
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0001|09/12/2026|SANGRIA|50,00|RETIRADAS DE CAIXA"}));
    // Nothing clears the tag; the list refilled chooses nothing
    // anew, so the deleted row's number is still the one asked about.
    QCOMPARE(w.Tag(), QString("0002"));
    pasta.messages->answers << Vb::vbNo;
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->boxes.last().text, QString("Confirma exclusão deste item? - 0002"));
    QCOMPARE(conta("Sangria"), 1);
}

void TstSangria::diaFechadoRecusaToda_mudanca()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "A";
    const int id = lancamento(frente.id, "ENTRADA", 0, "ABERTURA DE CAIXA", {});
    frmSangria w;
    fechaMovimento(frente.id); // closed after the window opened: still seen

    w.Command1[3]->click();
    w.cmdIncluirItens->click();
    QCOMPARE(pasta.messages->boxes.last().text, kFechado);
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbExclamation));
    QVERIFY(!w.Frame->isEnabled());
    w.txtvalor->setText("10,00");
    w.Command2->click();
    QCOMPARE(pasta.messages->boxes.last().text, kFechado);
    QVERIFY(!w.Salvar());
    QCOMPARE(w.SSTab->currentIndex(), 1);
    w.Command1[0]->click(); // Cancel
    QCOMPARE(w.SSTab->currentIndex(), 0);

    // A stored entry without amount is not taken away on a closed day either.
    escolhe(w.ListView1, 0);
    w.Command1[1]->click();
    QCOMPARE(w.txtvalor->text(), QString("0,00"));
    w.Command1[0]->click();
    escolhe(w.ListView1, 0);
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->boxes.last().text,
             QString("Você não pode excluir!! O movimento desta data já foi fechado"));
    QCOMPARE(linhas("SELECT ID, ENTRADA FROM Sangria"), QStringList({QString("%1|0").arg(id)}));
    QCOMPARE(conta("Itens"), 0);
}

void TstSangria::falhaNoBancoNaoDeixaOrfaos()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "S";
    const int antigo = lancamento(frente.id, "SANGRIA", 2000, "RETIRADAS DE CAIXA", {{101, 2000}});
    executa("CREATE TRIGGER falha_itens BEFORE INSERT ON Itens BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    frmSangria w;

    // A new entry whose second write fails leaves no head row behind.
    w.Command1[3]->click();
    w.cmdIncluirItens->click();
    item(w, "DINHEIRO", "", "30,00");
    w.Command2->click();
    QVERIFY(pasta.messages->texts().join('\n').contains("disco cheio"));
    QCOMPARE(w.txtordem->text(), QString("Aut.Num."));
    QCOMPARE(w.SSTab->currentIndex(), 1);
    QCOMPARE(linhas("SELECT ID FROM Sangria"), QStringList({QString::number(antigo)}));
    QCOMPARE(conta("Itens"), 1);
    w.Command1[0]->click();

    // An update whose new line fails keeps the stored amount and lines.
    escolhe(w.ListView1, 0);
    w.Command1[1]->click();
    w.cmdIncluirItens->click();
    item(w, "CHEQUE", "9", "5,00");
    w.Command2->click();
    QCOMPARE(valor("SELECT SAIDA FROM Sangria").toLongLong(), 200000);
    QCOMPARE(conta("Itens"), 1);
    w.Command1[0]->click();

    // A delete that fails half-way keeps the lines with their head row.
    executa("DROP TRIGGER falha_itens");
    executa("CREATE TRIGGER falha_sangria BEFORE DELETE ON Sangria BEGIN SELECT RAISE(ABORT, 'travado'); END");
    escolhe(w.ListView1, 0);
    pasta.messages->answers << Vb::vbYes;
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->boxes.last().text, QString("Erro ao excluir"));
    QCOMPARE(conta("Sangria"), 1);
    QCOMPARE(conta("Itens"), 1);
}

void TstSangria::camposObrigatoriosEValoresDigitados()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "P";
    frmSangria w;
    w.Command1[3]->click();
    QVERIFY(w.txtdescricao->isEnabled());
    QCOMPARE(w.cmbTipo->currentText(), QString("SAIDA"));
    w.cmdIncluirItens->click();
    QCOMPARE(pasta.messages->boxes.last().text, kObrigatorios);
    QVERIFY(!w.Frame->isEnabled());
    w.txtdescricao->setPlainText(QString(200, 'x'));
    QCOMPARE(w.txtdescricao->toPlainText(), QString(181, 'X'));
    w.txtdescricao->setPlainText("EMPENHO 7");

    for (const char *ruim : {"", "abc", "12,3,4", "1.23", "12,345", "-5,00"}) {
        pasta.messages->clear();
        w.txtvalor->setText(ruim);
        w.Command2->click();
        QCOMPARE(pasta.messages->texts(), QStringList({"Você precisa informar um valor válido!!"}));
        QCOMPARE(conta("Sangria"), 0);
    }

    // Saved straight away, without "Somar Valores": stored, not lost.
    w.txtvalor->setText("1.234,56");
    w.Command2->click();
    QCOMPARE(linhas("SELECT TIPO, ENTRADA, SAIDA, DESCRICAO FROM Sangria"),
             QStringList({"SAIDA|0|12345600|EMPENHO 7"}));

    // Lines: a kind and a value are required, and the value must be money.
    // Spaces alone are a description for the required-field check: the lines open.
    w.Command1[3]->click();
    w.txtdescricao->setPlainText("   ");
    pasta.messages->clear();
    w.cmdIncluirItens->click();
    QVERIFY(pasta.messages->boxes.isEmpty());
    QVERIFY(w.Frame->isEnabled());
    item(w, "DINHEIRO", "", "");
    item(w, "DINHEIRO", "", "dez");
    w.cmbEspecie->setCurrentIndex(-1);
    w.mskValorItem->setText("10");
    w.cmdSave->click();
    QCOMPARE(pasta.messages->texts(),
             QStringList({kObrigatorios, "Você precisa informar um valor válido!!", kObrigatorios}));
    QCOMPARE(w.lstitens->topLevelItemCount(), 0);
    w.cmdDel->click(); // an empty list: nothing happens
    QCOMPARE(pasta.messages->boxes.size(), 3);

    // An unknown mode letter presets nothing and so can store nothing.
    frente.modo = "X";
    frmSangria outra;
    outra.Command1[3]->click();
    QCOMPARE(outra.cmbTipo->currentText(), QString());
    outra.txtvalor->setText("5,00");
    outra.Command2->click();
    QCOMPARE(pasta.messages->boxes.last().text, kObrigatorios);
    QCOMPARE(conta("Sangria"), 1);
}

void TstSangria::listaSoOModoDoMovimentoEPesquisa()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    const int outroDia = movimento("FECHADO", QDate(2026, 12, 8));
    lancamento(frente.id, "SANGRIA", 1000, "RETIRADA MANHA");
    lancamento(frente.id, "ENTRADA", 9900, "ABERTURA DE CAIXA");
    lancamento(outroDia, "SANGRIA", 5000, "RETIRADA ONTEM");
    lancamento(frente.id, "SANGRIA", 2505, "RETIRADA TARDE");
    lancamento(frente.id, "SAIDA", 300, "EMPENHO 1");
    frente.modo = "S";
    frmSangria w;
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0004|09/12/2026|SANGRIA|25,05|RETIRADA TARDE",
                                                 "0001|09/12/2026|SANGRIA|10,00|RETIRADA MANHA"}));
    QCOMPARE(w.lblSoma->text(), QString("TOTAL: R$ 35,05"));

    w.cmdProcura->click(); // empty search: nothing
    QCOMPARE(w.ListView1->topLevelItemCount(), 2);
    QTest::keyClicks(w.txtpesquisa, "tarde");
    QCOMPARE(w.txtpesquisa->text(), QString("TARDE"));
    w.cmdProcura->click();
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0004|09/12/2026|SANGRIA|25,05|RETIRADA TARDE"}));
    w.txtpesquisa->setText("ONTEM");
    w.cmdProcura->click();
    QCOMPARE(w.ListView1->topLevelItemCount(), 0);
    QCOMPARE(w.lblSoma->text(), QString("TOTAL: R$ 0,00"));
    w.txtpesquisa->setText("%' OR 1=1 --");
    w.cmdProcura->click();
    QCOMPARE(w.ListView1->topLevelItemCount(), 0);

    frente.modo = "A";
    frmSangria entradas;
    QCOMPARE(linhasDe(entradas.ListView1), QStringList({"0002|09/12/2026|ENTRADA|99,00|ABERTURA DE CAIXA"}));
}

void TstSangria::cancelaTiraLancamentoSemValor()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "A";
    const int comValor = lancamento(frente.id, "ENTRADA", 500, "ABERTURA DE CAIXA");
    lancamento(frente.id, "ENTRADA", 0, "ABERTURA DE CAIXA");
    frmSangria w;
    QCOMPARE(w.ListView1->topLevelItemCount(), 2);

    escolhe(w.ListView1, 0); // the one without amount
    w.Command1[1]->click();
    w.Command1[0]->click();
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QCOMPARE(linhas("SELECT ID FROM Sangria"), QStringList({QString::number(comValor)}));

    escolhe(w.ListView1, 0);
    w.Command1[1]->click();
    w.Command1[0]->click();
    QCOMPARE(conta("Sangria"), 1);

    // A new entry left half-way leaves nothing.
    w.Command1[3]->click();
    w.cmdIncluirItens->click();
    item(w, "DINHEIRO", "", "10,00");
    w.Command1[0]->click();
    QVERIFY(!w.Frame->isEnabledTo(w.SSTab->widget(1)));
    QVERIFY(w.cmdIncluirItens->isEnabledTo(w.SSTab->widget(1)));
    QCOMPARE(conta("Sangria"), 1);
    QCOMPARE(conta("Itens"), 0);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstSangria::especiesEASomaPorEspecie()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "A";
    frmSangria w;
    w.Command1[3]->click();
    w.cmdIncluirItens->click();
    QStringList especies;
    for (int i = 0; i < w.cmbEspecie->count(); ++i)
        especies << w.cmbEspecie->itemText(i) + '=' + w.cmbEspecie->itemData(i).toString();
    QCOMPARE(especies, QStringList({"DINHEIRO=101", "CHEQUE=102", "MOEDAS=103"}));

    item(w, "DINHEIRO", "", "100,00");
    item(w, "CHEQUE", "1", "40,00");
    item(w, "DINHEIRO", "", "25,25");
    item(w, "CHEQUE", "2", "10,00");
    w.Command2->click();
    QCOMPARE(linhas("SELECT ESPECIE, SUM(VALOR) FROM Itens GROUP BY ESPECIE ORDER BY ESPECIE"),
             QStringList({"101|1252500", "102|500000"}));
    QCOMPARE(valor("SELECT ENTRADA FROM Sangria").toLongLong(), 1752500);

    // Without kinds of money the combo keeps what it had.
    executa("UPDATE CodBarra SET PADRAO = 'P' WHERE PADRAO = 'S'");
    w.Command1[3]->click();
    w.cmdIncluirItens->click();
    QCOMPARE(w.cmbEspecie->count(), 3);
}

void TstSangria::abreComAlegendaDoModo()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    const QStringList modos{"A", "P", "S"};
    const QStringList legendas{"Abertura e Lançamentos de Caixa", "Pagamentos de Empenhos (Saídas)",
                               "Retiradas de Caixa (Sangria)"};
    for (int i = 0; i < modos.size(); ++i) {
        QString visto;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<frmSangria *>(QApplication::activeModalWidget());
            QVERIFY(w);
            visto = w->windowTitle();
            w->Command3->click();
        });
        frmSangria::abre(modos.at(i));
        QCOMPARE(frente.modo, modos.at(i));
        QCOMPARE(visto, legendas.at(i));
    }
}

// A row is chosen only by clicking it. The focus entering the
// list (Qt then makes its first row current) chooses nothing, so "Alterar ou
// Consultar" and "Excluir item" still say "Informe um item !!!".
void TstSangria::focoNaListaNaoEscolheLinha()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "S";
    lancamento(frente.id, "SANGRIA", 5000, "RETIRADAS DE CAIXA", {{101, 5000}});
    frmSangria w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtpesquisa->setFocus();
    QVERIFY(w.txtpesquisa->hasFocus());
    for (int i = 0; i < 8 && !w.ListView1->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(w.ListView1->hasFocus());
    QVERIFY(w.ListView1->currentItem()); // Qt made the first row current
    QCOMPARE(w.Tag(), QString());

    w.Command1[1]->click(); // Alterar ou Consultar
    QCOMPARE(pasta.messages->texts(), QStringList({"Informe um item !!!"}));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    QCOMPARE(w.SSTab->currentIndex(), 0);
    w.mnuexcluir->trigger(); // Excluir item
    QCOMPARE(pasta.messages->texts(), QStringList({"Informe um item !!!", "Informe um item !!!"}));
    QCOMPARE(conta("Sangria"), 1);

    // Arrow keys move the current row; they choose nothing either.
    QTest::keyClick(w.ListView1, Qt::Key_Down);
    QCOMPARE(w.Tag(), QString());

    // A click chooses the row.
    const QRect linha = w.ListView1->visualItemRect(w.ListView1->topLevelItem(0));
    QTest::mouseClick(w.ListView1->viewport(), Qt::LeftButton, {}, linha.center());
    QCOMPARE(w.Tag(), QString("0001"));
    w.Command1[1]->click();
    QCOMPARE(w.SSTab->currentIndex(), 1);
    QCOMPARE(w.txtordem->text(), QString("0001"));
    QCOMPARE(pasta.messages->boxes.size(), 2);
}

// The amount boxes are read as money: 0,00 is a value like any
// other. A 0,00 withdrawal is stored, and "Somar" takes a 0,00 line.
void TstSangria::valorZeroEhDinheiro()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "S";
    frmSangria w;
    w.Command1[3]->click(); // Incluir: the amount starts at 0,00
    QCOMPARE(w.txtvalor->text(), QString("0,00"));
    w.Command2->click(); // Gravar e Concluir
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QCOMPARE(linhas("SELECT TIPO, ENTRADA, SAIDA, DESCRICAO FROM Sangria"),
             QStringList({"SANGRIA|0|0|RETIRADAS DE CAIXA"}));
    QCOMPARE(linhasDe(w.ListView1), QStringList({"0001|09/12/2026|SANGRIA|0,00|RETIRADAS DE CAIXA"}));

    w.Command1[3]->click();
    w.cmdIncluirItens->click(); // Somar Valores
    item(w, "DINHEIRO", "", "0,00");
    item(w, "CHEQUE", "12", "7,25");
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(linhasDe(w.lstitens), QStringList({"|DINHEIRO||0,00", "|CHEQUE|12|7,25"}));
    QCOMPARE(w.txtvalor->text(), QString("7,25"));
    w.Command2->click();
    QCOMPARE(linhas("SELECT ESPECIE, NUMERO, VALOR FROM Itens ORDER BY ID"), QStringList({"101||0", "102|12|72500"}));

    // Negative amounts stay refused.
    w.Command1[3]->click();
    w.txtvalor->setText("-1,00");
    w.Command2->click();
    QCOMPARE(pasta.messages->texts(), QStringList({"Você precisa informar um valor válido!!"}));
    QCOMPARE(conta("Sangria"), 2);
}

// Only a click chooses a row, and the right button is a click: the popup
// menu opened from the keyboard over the list the teller tabbed into (its
// first row current) acts on no row, so "Excluir item" says "Informe um
// item !!!"; pressed with the right button on a row, it acts on that row.
void TstSangria::menuPeloTecladoNaoEscolheLinha()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    frente.modo = "S";
    lancamento(frente.id, "SANGRIA", 5000, "RETIRADAS DE CAIXA", {{101, 5000}});
    lancamento(frente.id, "SANGRIA", 6000, "RETIRADAS DE CAIXA", {{101, 6000}});
    frmSangria w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.ListView1->setFocus(Qt::TabFocusReason);
    QVERIFY(w.ListView1->currentItem()); // Qt made the first row current
    QCOMPARE(w.ListView1->currentItem()->text(0), QString("0002"));

    menuPeloTeclado(w.ListView1);
    QVERIFY(w.mnuopcoes->isVisible());
    QCOMPARE(w.Tag(), QString());
    w.mnuopcoes->close();
    w.mnuexcluir->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Informe um item !!!"}));
    QCOMPARE(conta("Sangria"), 2);

    // The right button on the second row: the menu acts on it.
    pasta.messages->clear();
    botaoDireito(w.ListView1, 1);
    QVERIFY(w.mnuopcoes->isVisible());
    QCOMPARE(w.Tag(), QString("0001"));
    w.mnuopcoes->close();
    pasta.messages->answers << Vb::vbNo;
    w.mnuexcluir->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Confirma exclusão deste item? - 0001"}));

    // Asked for from the keyboard again, the menu keeps the row clicked.
    QTest::keyClick(w.ListView1, Qt::Key_Home);
    menuPeloTeclado(w.ListView1);
    QCOMPARE(w.Tag(), QString("0001"));
    w.mnuopcoes->close();
}

QTEST_MAIN(TstSangria)
#include "tst_sangria.moc"
