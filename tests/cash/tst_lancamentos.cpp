#include "apoio_caixa.h"
#include "frm_lanca_temp.h"
#include "frm_lancamentos.h"
#include "globals.h"
#include "test_support.h"
#include "text_file.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace ApoioCaixa;
using TestSupport::ProgramFolder;

namespace {

const QColor kAzul(0, 0, 255);
const QColor kVermelho(255, 0, 0);

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

void lanca(frmLancamentos &w, const QString &especie, const QString &numero, const QString &valor)
{
    w.Combo1->setCurrentIndex(w.Combo1->findText(especie));
    w.txtnumero->setText(numero);
    w.mskvalor->setText(valor);
    w.Command5->click();
}

// The closed work day: entries 1.000,00, exits 250,00, received 300,00,
// supply 50,00, so a count of 1.000,00 leaves no difference. A day before
// it has a counted line of its own.
int diaFechado()
{
    AbreBD::gDataCaixa = QDate(2026, 12, 9);
    const int ontem = movimento("FECHADO", QDate(2026, 12, 8));
    executa("INSERT INTO ConfCaixa (ESPECIE, IDMOVIMENTO, NUMERO, VALOR) VALUES (101, ?, '', 990000)", {ontem});
    const int id = movimento("FECHADO");
    executa("UPDATE Movimento SET MOV = 12, ENTRADA = ?, SAIDA = ?, VALOR_ARRECADADO = ?, SUPRIMENTO = ? WHERE ID = ?",
            {Currency::fromReais(1000).raw(), Currency::fromReais(250).raw(), Currency::fromReais(300).raw(),
             Currency::fromReais(50).raw(), id});
    return id;
}

void recebimento(int idMov, int autentica, qint64 centavos)
{
    executa("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR, EXPORT) VALUES (?, ?, ?, 1, ?, 0)",
            {autentica, QString(44, QLatin1Char('8')), idMov, centavos * 100});
}

QStringList arquivosExportados(const ProgramFolder &pasta)
{
    return QDir(pasta.file("exporta")).entryList(QDir::Files | QDir::Hidden);
}

void trocaConfig(ProgramFolder &pasta, const QString &inicio, const QString &linha)
{
    QStringList config = pasta.defaultConfig();
    for (QString &l : config)
        if (l.startsWith(inicio))
            l = linha;
    pasta.writeConfig(config);
}

} // namespace

class TstLancamentos : public QObject {
    Q_OBJECT
private slots:
    void totaisDoMovimentoDoDia();
    void contagemGravadaEComparada();
    void lancamentosRecusados();
    void estornaItem();
    void teclas();
    void geraIntegracao();
    void janelaOcupadaDuranteAGravacao();
    void falhaNaoDeixaArquivo();
    void abreModal();
    void valorComMaisDeDuasDecimais();
    void segundoEstornoPerguntaDeNovo();
    void valorFormatadoAoSair();
    void menuPeloTecladoNaoEscolheLinha();
};

void TstLancamentos::totaisDoMovimentoDoDia()
{
    ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = 999; // the window goes by the work day, not by the main window
    const int id = diaFechado();
    frmLancamentos w;
    QCOMPARE(w.windowTitle(), QString("Conferir Caixa"));
    QCOMPARE(w.txtid_tabela->text().toInt(), id);
    QCOMPARE(w.lblMov->text(), QString("0012"));
    QCOMPARE(w.dtpData->date(), QDate(2026, 12, 9));
    QCOMPARE(w.lblDia->text(), QString("Caixa dia: 09 - 12 - 2026"));
    QCOMPARE(w.txtsangria->text(), QString("750,00"));
    QCOMPARE(corDoTexto(w.txtsangria), kAzul);
    QCOMPARE(w.txtarrecadacao->text(), QString("300,00"));
    QCOMPARE(w.txtsuprimento->text(), QString("50,00"));
    // Nothing counted yet; the other day's line is not this movement's.
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QCOMPARE(w.txttotal->text(), QString("0,00"));
    QCOMPARE(w.lblStatus->text(), QString("Total de itens contabilizados: 0"));
    QCOMPARE(w.txtsaldo->text(), QString("-1.000,00"));
    QCOMPARE(corDoTexto(w.txtsaldo), kVermelho);
    QCOMPARE(w.Combo1->count(), 3);
    QCOMPARE(w.Combo1->currentText(), QString("DINHEIRO"));
    QVERIFY(w.Command1->isEnabled());
    QVERIFY(pasta.messages->boxes.isEmpty());

    // Exits above entries: a negative total in red.
    executa("UPDATE Movimento SET SAIDA = ? WHERE ID = ?", {Currency::fromReais(1200).raw(), id});
    frmLancamentos negativo;
    QCOMPARE(negativo.txtsangria->text(), QString("-200,00"));
    QCOMPARE(corDoTexto(negativo.txtsangria), kVermelho);
}

void TstLancamentos::contagemGravadaEComparada()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    {
        frmLancamentos w;
        lanca(w, "DINHEIRO", "", "10,00");
        lanca(w, "CHEQUE", "000123", "5,50");
        lanca(w, "MOEDAS", "", "100");
        QCOMPARE(linhasDe(w.List1), QStringList({"0002|DINHEIRO||10,00|10,00", "0003|CHEQUE|000123|5,50|15,50",
                                                  "0004|MOEDAS||100,00|115,50"}));
        QCOMPARE(w.txttotal->text(), QString("115,50"));
        QCOMPARE(w.lblStatus->text(), QString("Total de itens contabilizados: 3"));
        QCOMPARE(w.txtsaldo->text(), QString("-884,50"));
        QCOMPARE(w.mskvalor->text(), QString());
        QCOMPARE(w.txtnumero->text(), QString());
        QCOMPARE(w.Combo1->currentText(), QString("MOEDAS"));

        lanca(w, "DINHEIRO", "", "884,50");
        QCOMPARE(w.txtsaldo->text(), QString("0,00"));
        QCOMPARE(corDoTexto(w.txtsaldo), kVermelho);
        lanca(w, "MOEDAS", "", "0,01");
        QCOMPARE(w.txtsaldo->text(), QString("0,01"));
        QCOMPARE(corDoTexto(w.txtsaldo), kAzul);
    }
    QCOMPARE(linhas("SELECT ESPECIE, NUMERO, VALOR FROM ConfCaixa WHERE IDMOVIMENTO = ? ORDER BY ID", {id}),
             QStringList({"101||100000", "102|000123|55000", "103||1000000", "101||8845000", "103||100"}));

    // The lines stay with the movement: the next opening shows them again.
    frmLancamentos denovo;
    QCOMPARE(denovo.List1->topLevelItemCount(), 5);
    QCOMPARE(denovo.txttotal->text(), QString("1.000,01"));
    QCOMPARE(denovo.txtsaldo->text(), QString("0,01"));
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstLancamentos::lancamentosRecusados()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    frmLancamentos w;
    lanca(w, "DINHEIRO", "77", "");
    QCOMPARE(w.txtnumero->text(), QString("77"));
    QVERIFY(pasta.messages->boxes.isEmpty());
    // An unreadable value adds no line and shows nothing.
    lanca(w, "DINHEIRO", "77", "1,,2");
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(w.mskvalor->text(), QString("1,,2"));
    QCOMPARE(w.txtnumero->text(), QString("77"));
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM ConfCaixa WHERE IDMOVIMENTO = ?", {id}).toInt(), 0);

    // A line the database refuses is reported and what was typed stays.
    pasta.messages->clear();
    executa("CREATE TRIGGER recusa BEFORE INSERT ON ConfCaixa BEGIN SELECT RAISE(ABORT, 'cheio'); END");
    lanca(w, "CHEQUE", "55", "12,00");
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QVERIFY(pasta.messages->texts().first().contains("cheio"));
    QCOMPARE(w.txtnumero->text(), QString("55"));
    QCOMPARE(w.mskvalor->text(), QString("12,00"));
    QCOMPARE(w.List1->topLevelItemCount(), 0);
    QCOMPARE(valor("SELECT COUNT(*) FROM ConfCaixa WHERE IDMOVIMENTO = ?", {id}).toInt(), 0);

    // A work day without a movement: nothing to count against, nothing stored.
    pasta.messages->clear();
    AbreBD::gDataCaixa = QDate(2026, 12, 10);
    frmLancamentos semDia;
    QCOMPARE(semDia.txtarrecadacao->text(), QString());
    QCOMPARE(semDia.txtsaldo->text(), QString());
    QCOMPARE(semDia.txttotal->text(), QString("0,00"));
    lanca(semDia, "DINHEIRO", "", "5,00");
    QCOMPARE(conta("ConfCaixa"), 1);
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstLancamentos::estornaItem()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    frmLancamentos w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    lanca(w, "DINHEIRO", "", "10,00");
    lanca(w, "CHEQUE", "9", "20,00");
    lanca(w, "MOEDAS", "", "30,00");

    w.Command1->setEnabled(false);
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Você deve clicar no item antes!!"}));
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbExclamation));
    QVERIFY(!w.Command1->isEnabled());

    const QRect linha = w.List1->visualItemRect(w.List1->topLevelItem(1));
    QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, linha.center());
    QCOMPARE(w.tag(), QString("0003"));

    // No keeps the line, and the file may be written again all the same.
    pasta.messages->clear();
    pasta.messages->answers = {Vb::vbNo};
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Confirma exclusão do Item: 0003"}));
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbYesNo + Vb::vbQuestion));
    QCOMPARE(w.List1->topLevelItemCount(), 3);
    QVERIFY(w.Command1->isEnabled());

    w.Command1->setEnabled(false);
    pasta.messages->answers = {Vb::vbYes};
    w.mnudel->trigger();
    QCOMPARE(linhasDe(w.List1),
             QStringList({"0002|DINHEIRO||10,00|10,00", "0004|MOEDAS||30,00|40,00"}));
    QCOMPARE(w.txttotal->text(), QString("40,00"));
    QCOMPARE(w.lblStatus->text(), QString("Total de itens contabilizados: 2"));
    QCOMPARE(linhas("SELECT ID FROM ConfCaixa WHERE IDMOVIMENTO = ? ORDER BY ID", {id}), QStringList({"2", "4"}));
    QVERIFY(w.Command1->isEnabled());

    // The tag survives a removal, so a second "Estornar Item"
    // asks again about the same number.
    QCOMPARE(w.tag(), QString("0003"));
    pasta.messages->clear();
    pasta.messages->answers = {Vb::vbNo};
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Confirma exclusão do Item: 0003"}));
    QCOMPARE(conta("ConfCaixa"), 3);
}

void TstLancamentos::teclas()
{
    ProgramFolder pasta;
    diaFechado();
    frmLancamentos w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    w.mskvalor->setFocus();
    QTest::keyClicks(w.mskvalor, "7.5,1");
    QCOMPARE(w.mskvalor->text(), QString("75,1"));
    QTest::keyClick(w.mskvalor, Qt::Key_X);
    QVERIFY(w.Combo1->hasFocus());
    QCOMPARE(w.mskvalor->text(), QString("75,10")); // the letter swallowed; the focus left, so formatted

    // A letter sends the teller to the kinds from any control.
    w.txtnumero->setFocus();
    QTest::keyClicks(w.txtnumero, "12");
    QTest::keyClick(w.txtnumero, Qt::Key_C, Qt::ShiftModifier);
    QVERIFY(w.Combo1->hasFocus());
    QCOMPARE(w.txtnumero->text(), QString("12"));
    w.List1->setFocus();
    QTest::keyClick(w.List1, Qt::Key_M);
    QVERIFY(w.Combo1->hasFocus());

    // Enter in the value box stores the line.
    w.mskvalor->setFocus();
    QTest::keyClick(w.mskvalor, Qt::Key_Return);
    QCOMPARE(linhasDe(w.List1), QStringList({"0002|DINHEIRO|12|75,10|75,10"}));
    QVERIFY(w.mskvalor->hasFocus());
}

void TstLancamentos::geraIntegracao()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    recebimento(id, 1, 1000);
    recebimento(id, 2, 250);
    frmLancamentos w;
    w.integracao().pausaPorRegistroMs = 0;
    lanca(w, "DINHEIRO", "", "1.000,00");

    pasta.messages->answers = {Vb::vbNo};
    w.Command1->click();
    QCOMPARE(pasta.messages->texts(), QStringList({"Confirma a criação do arquivo remessa?"}));
    QVERIFY(arquivosExportados(pasta).isEmpty());

    pasta.messages->clear();
    pasta.messages->answers = {Vb::vbYes};
    w.Command1->click();
    QCOMPARE(pasta.messages->texts(),
             QStringList({"Confirma a criação do arquivo remessa?", "Geração de arquivo efetuada com sucesso!!"}));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbInformation));
    QVERIFY(!w.Command1->isEnabled());
    QVERIFY(!w.pbr->isVisible());
    QCOMPARE(arquivosExportados(pasta), QStringList({"1_202612091030.INT"}));

    const QByteArray bytes = TestSupport::readFile(pasta.file("exporta/1_202612091030.INT"));
    const QList<QByteArray> registros = bytes.split('\n');
    QCOMPARE(registros.size(), 5); // four records and the empty text after the last line end
    QByteArray tipos;
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(registros.at(i).size(), 201);
        QVERIFY(registros.at(i).endsWith('\r'));
        tipos += registros.at(i).at(0);
    }
    QCOMPARE(tipos, QByteArray("ARRZ"));
    // The counted movement, the work day's date; the footer's count is the
    // counted total plus the supply.
    QCOMPARE(registros.at(0).left(31), QByteArray("A005001091220261") + QByteArray::number(id).rightJustified(14, '0') + '0');
    QCOMPARE(registros.at(3).left(41), QByteArray("Z000000002000000000001250000000000105000") + '0');

    // A new line asks for the file again.
    lanca(w, "MOEDAS", "", "1,00");
    QVERIFY(w.Command1->isEnabled());
}

void TstLancamentos::janelaOcupadaDuranteAGravacao()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    for (int i = 1; i <= 3; ++i)
        recebimento(id, i, 100);
    frmLancamentos w;
    w.show();
    w.integracao().pausaPorRegistroMs = 40;
    bool visto = false;
    QTimer::singleShot(20, &w, [&] {
        visto = true;
        QVERIFY(w.pbr->isVisible());
        QCOMPARE(w.pbr->maximum(), 3);
        QVERIFY(!w.Command1->isEnabled());
        QVERIFY(!w.Command5->isEnabled());
        QVERIFY(!w.close());
        w.reject();
        QVERIFY(w.isVisible());
    });
    pasta.messages->answers = {Vb::vbYes};
    w.Command1->click();
    QVERIFY(visto);
    QCOMPARE(pasta.messages->texts().last(), QString("Geração de arquivo efetuada com sucesso!!"));
    QVERIFY(w.isVisible());
    QVERIFY(!w.pbr->isVisible());
    QVERIFY(w.Command5->isEnabled());
    QVERIFY(w.close());
}

void TstLancamentos::falhaNaoDeixaArquivo()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    recebimento(id, 1, 1000);
    frmLancamentos w;
    w.integracao().pausaPorRegistroMs = 0;
    const auto gera = [&](frmLancamentos &janela) {
        pasta.messages->clear();
        pasta.messages->answers = {Vb::vbYes};
        janela.Command1->click();
        return pasta.messages->texts().mid(1);
    };

    // A field too long for its place: nothing written, the teller told which.
    trocaConfig(pasta, "guiche=", "guiche=03");
    QStringList textos = gera(w);
    QCOMPARE(textos.size(), 2);
    QCOMPARE(textos.at(0), QString("Erro ao gerar: CONTENT")); // the writer's text as it stands
    QCOMPARE(textos.at(1), QString("Erro ao gravar arquivo!!"));
    QVERIFY(TextFile::readAll(pasta.file("Log.ini"))
                .contains("Autenticação 1: campo GUICHE \"03\" com 2 posições, o registro pede 1"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    QVERIFY(arquivosExportados(pasta).isEmpty());
    QVERIFY(w.Command1->isEnabled());

    // A folder that cannot be written.
    trocaConfig(pasta, "Path1=", "Path1=" + pasta.file("nao_existe/"));
    textos = gera(w);
    QCOMPARE(textos.size(), 2);
    QVERIFY2(textos.at(0).startsWith("Não foi possível gravar o arquivo"), qPrintable(textos.at(0)));
    QCOMPARE(textos.at(1), QString("Erro ao gravar arquivo!!"));
    QVERIFY(!QDir(pasta.file("nao_existe")).exists());

    // A supply box edited into something that is no money.
    trocaConfig(pasta, "guiche=", "guiche=1");
    w.txtsuprimento->setText("cinquenta");
    QCOMPARE(gera(w), QStringList({"Você precisa informar um valor válido!!", "Erro ao gravar arquivo!!"}));
    QVERIFY(arquivosExportados(pasta).isEmpty());

    // A day without received items gives no file.
    AbreBD::gDataCaixa = QDate(2026, 12, 8);
    frmLancamentos ontem;
    ontem.integracao().pausaPorRegistroMs = 0;
    QCOMPARE(gera(ontem), QStringList({"Erro ao gravar arquivo!!"}));
    QVERIFY(arquivosExportados(pasta).isEmpty());
}

void TstLancamentos::abreModal()
{
    ProgramFolder pasta;
    diaFechado();
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<frmLancamentos *>(QApplication::activeModalWidget());
        QVERIFY(w);
        modal = true;
        lanca(*w, "CHEQUE", "", "5,00");
        w->Command2->click();
    });
    frmLancamentos::abre();
    QVERIFY(modal);
    QCOMPARE(conta("ConfCaixa"), 2);
}

// The value box is read as money: "1,234" is what the money type
// holds, so it is added as it stands, with no message.
void TstLancamentos::valorComMaisDeDuasDecimais()
{
    ProgramFolder pasta;
    const int id = diaFechado();
    frmLancamentos w;
    lanca(w, "DINHEIRO", "", "1,234");
    QVERIFY(pasta.messages->boxes.isEmpty());
    QCOMPARE(linhas("SELECT VALOR FROM ConfCaixa WHERE IDMOVIMENTO = ?", {id}), QStringList({"12340"}));
    QCOMPARE(linhasDe(w.List1), QStringList({"0002|DINHEIRO||1,23|1,23"}));
    QCOMPARE(w.mskvalor->text(), QString());
}

// The tag survives a removal: after a line is removed, a
// second "Estornar Item" asks again instead of "Você deve clicar no item antes!!".
void TstLancamentos::segundoEstornoPerguntaDeNovo()
{
    ProgramFolder pasta;
    diaFechado();
    frmLancamentos w;
    lanca(w, "DINHEIRO", "", "10,00");
    lanca(w, "CHEQUE", "", "20,00");
    w.List1_ItemClick(w.List1->topLevelItem(0));
    pasta.messages->answers = {Vb::vbYes, Vb::vbYes};
    w.mnudel->trigger();
    QCOMPARE(w.List1->topLevelItemCount(), 1);
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(),
             QStringList({"Confirma exclusão do Item: 0002", "Confirma exclusão do Item: 0002"}));
    QCOMPARE(linhasDe(w.List1), QStringList({"0003|CHEQUE||20,00|20,00"}));
    QVERIFY(w.Command1->isEnabled());
}

// In both counts the value box shows its amount in "#,##0.00" when
// the focus leaves it.
void TstLancamentos::valorFormatadoAoSair()
{
    ProgramFolder pasta;
    diaFechado();
    frmLancamentos w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.mskvalor->setFocus();
    QTest::keyClicks(w.mskvalor, "1234,5");
    w.txtnumero->setFocus();
    QCOMPARE(w.mskvalor->text(), QString("1.234,50"));
    w.mskvalor->setFocus();
    w.mskvalor->setText("7");
    w.Combo1->setFocus();
    QCOMPARE(w.mskvalor->text(), QString("7,00"));
    // Text that is no money stays as typed.
    w.mskvalor->setFocus();
    w.mskvalor->setText("1,,2");
    w.txtnumero->setFocus();
    QCOMPARE(w.mskvalor->text(), QString("1,,2"));
    QVERIFY(pasta.messages->boxes.isEmpty());

    frmLancaTemp t;
    t.show();
    QVERIFY(QTest::qWaitForWindowActive(&t));
    t.mskvalor->setFocus();
    QTest::keyClicks(t.mskvalor, "20,5");
    t.Combo1->setFocus();
    QCOMPARE(t.mskvalor->text(), QString("20,50"));
}

// "Estornar Item" acts on the row last clicked: the popup menu opened from
// the keyboard over the list (its first row current) chooses nothing and
// says "Você deve clicar no item antes!!"; the right button on a row chooses it.
void TstLancamentos::menuPeloTecladoNaoEscolheLinha()
{
    ProgramFolder pasta;
    diaFechado();
    frmLancamentos w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    lanca(w, "DINHEIRO", "", "10,00");
    lanca(w, "CHEQUE", "", "20,00");
    w.List1->setFocus(Qt::TabFocusReason);
    w.List1->setCurrentItem(w.List1->topLevelItem(0));
    menuPeloTeclado(w.List1);
    QVERIFY(w.mnuopcoes2->isVisible());
    QCOMPARE(w.tag(), QString());
    w.mnuopcoes2->close();
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Você deve clicar no item antes!!"}));

    pasta.messages->clear();
    botaoDireito(w.List1, 1);
    QCOMPARE(w.tag(), QString("0003"));
    w.mnuopcoes2->close();
    pasta.messages->answers = {Vb::vbNo};
    w.mnudel->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList({"Confirma exclusão do Item: 0003"}));
}

QTEST_MAIN(TstLancamentos)
#include "tst_lancamentos.moc"
