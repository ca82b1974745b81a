#include "apoio_caixa.h"
#include "frm_corrige_guia.h"
#include "globals.h"
#include "test_support.h"
#include "text_file.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace ApoioCaixa;

namespace {

const QString kSucesso = QStringLiteral("Operação efetuada com sucesso!!");
const QString kExcluido = QStringLiteral("Exclusão efetuada com sucesso!!");
const QString kNaoExiste = QStringLiteral("Este item não existe mais neste movimento. A lista foi atualizada.");
const QString kColunas = QStringLiteral("AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, INTEGRA, EXPORT, VALOR, "
                                        "VENCIMENTO, PARCELA, OBS");

// The main window stand-in whose printer can be made to fail.
struct Frente : FrenteFalsa {
    bool imprime = true;
    bool ProcAutenticarDoc(const QString &texto) override
    {
        FrenteFalsa::ProcAutenticarDoc(texto);
        return imprime;
    }
};

int recebido(int mov, int aut, int tipo, qint64 centavos, const QString &codBarra, const QString &venc = {},
             const QString &parcela = {}, const QString &obs = {})
{
    return executa(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, INTEGRA, EXPORT, "
                                  "VALOR, VENCIMENTO, PARCELA, OBS) VALUES (?, ?, ?, ?, 0, ?, ?, ?, ?, ?)"),
                   {aut, codBarra, mov, tipo, codBarra == QString(44, '0') ? 1 : 0, centavos * 100, venc, parcela, obs})
        .lastInsertId()
        .toInt();
}

QString linha(int id)
{
    const QStringList l = linhas(QStringLiteral("SELECT ") + kColunas + QStringLiteral(" FROM Recebimentos WHERE IDRECEBE = ?"), {id});
    return l.value(0);
}

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

// A day of three items: a loose payment with due date, instalment and remark,
// and two bar-code documents; and an item of another movement.
struct Dia {
    TestSupport::ProgramFolder pasta;
    Frente frente;
    int avulso = 0, agua = 0, bloqueto = 0, outro = 0;
    QString log;

    Dia()
    {
        frente.id = movimento();
        AbreBD::gUsuario = QStringLiteral("ADMINISTRADOR");
        avulso = recebido(frente.id, 1, 5, 1000, QString(44, '0'), "20261215", "02/10", "LOTE 7");
        agua = recebido(frente.id, 2, 3, 4550, QString(44, '8'));
        bloqueto = recebido(frente.id, 3, 4, 123456, QString(44, '2'), "", "", ""); // agua: Null columns
        outro = recebido(movimento(), 1, 1, 999, QString(44, '1'));
        log = pasta.file(QStringLiteral("estorno/Estorno_1_2026.txt"));
    }
};

void escolhe(frmCorrigeGuia &w, const QString &ordem)
{
    const auto achados = w.ListView1->findItems(ordem, Qt::MatchExactly, 0);
    QVERIFY(!achados.isEmpty());
    w.ListView1->setCurrentItem(achados.first());
    emit w.ListView1->itemClicked(achados.first(), 0);
}

// Chooses the item in the list and brings it to "Cadastro".
void carrega(frmCorrigeGuia &w, int id)
{
    escolhe(w, QStringLiteral("%1").arg(id, 4, 10, QLatin1Char('0')));
    w.Command1[1]->click();
    QCOMPARE(w.SSTab->currentIndex(), 1);
}

void altera(frmCorrigeGuia &w, int id, const QString &tipo, const QString &valor, const QString &motivo)
{
    carrega(w, id);
    w.cmbOrgao->setCurrentIndex(w.cmbOrgao->findText(tipo));
    w.mskvalor->setText(valor);
    w.txtmotivo->setPlainText(motivo);
    w.Command2->click();
}

bool confere(const QByteArray &bytes, const QString &golden)
{
    QString why;
    const bool ok = TestSupport::matchesGolden(bytes, QStringLiteral("cash/golden/") + golden, &why);
    if (!ok)
        qWarning("%s", qPrintable(why));
    return ok;
}

} // namespace

class TstCorrigeGuia : public QObject {
    Q_OBJECT
private slots:
    void listaEPesquisaDoMovimento();
    void acaoSemItemEscolhido();
    void alteracoesGuardamOQueNaoMudou();
    void estornoApagaAnotaEImprime();
    void estornoNuncaDuasVezes();
    void camposMotivoEValorRecusados();
    void diaFechadoRecusaMudancas();
    void linhaRecusadaNadaAnota();
    void registroQueFalhaEAvisado();
    void impressoraQueFalhaEAvisada();
    void abreModal();
    void valorZeroEhDinheiro();
    void motivoComoDigitado();
    void focoNaListaNaoEscolheLinha();
};

void TstCorrigeGuia::listaEPesquisaDoMovimento()
{
    Dia d;
    frmCorrigeGuia w;
    QCOMPARE(w.windowTitle(), QString("Correção de Lançamentos"));
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QVERIFY(!w.SSTab->isTabEnabled(1));
    const QStringList todos = {
        QString("0003|003|004-BLOQUETO BANCARIO|1.234,56|") + QString(44, '2'),
        QString("0002|002|003-AGUA E ESGOTO|45,50|") + QString(44, '8'),
        QString("0001|001|005-TAXAS DIVERSAS|10,00|") + QString(44, '0'),
    };
    QCOMPARE(linhasDe(w.ListView1), todos);

    w.txtpesquisa->setText("2");
    w.cmdProcura->click();
    QCOMPARE(linhasDe(w.ListView1), QStringList{todos[1]});
    w.txtpesquisa->setText("002");
    w.cmdProcura->click();
    QCOMPARE(linhasDe(w.ListView1), QStringList{todos[1]});
    for (const char *nada : {"9", "1 OR 1=1", "X'"}) {
        w.txtpesquisa->setText(nada);
        w.cmdProcura->click();
        QVERIFY2(linhasDe(w.ListView1).isEmpty(), nada);
    }
    w.txtpesquisa->clear();
    w.cmdProcura->click();
    QCOMPARE(linhasDe(w.ListView1), todos);
    QVERIFY(d.pasta.messages->boxes.isEmpty());
}

void TstCorrigeGuia::acaoSemItemEscolhido()
{
    Dia d;
    frmCorrigeGuia w;
    QCOMPARE(w.Tag(), QString());
    w.Command1[1]->click();
    QCOMPARE(d.pasta.messages->texts(), QStringList{"Informe um item !!!"});
    QCOMPARE(d.pasta.messages->boxes.first().style, int(Vb::vbCritical));
    QCOMPARE(d.pasta.messages->boxes.first().title, QString("Aviso"));
    QCOMPARE(w.SSTab->currentIndex(), 0);

    // Loading shows the item as stored; Cancel goes back and changes nothing.
    carrega(w, d.avulso);
    QCOMPARE(w.txtordem->text(), QString("0001"));
    QCOMPARE(w.txtaut->text(), QString("001"));
    QCOMPARE(w.txtbarra->text(), QString(44, '0'));
    QCOMPARE(w.cmbOrgao->currentText(), QString("TAXAS DIVERSAS"));
    QCOMPARE(w.cmbOrgao->currentData().toInt(), 5);
    QCOMPARE(w.cmbOrgao->count(), 5); // document types only, no kind of money
    QCOMPARE(w.mskvalor->text(), QString("10,00"));
    QVERIFY(!w.txtaut->isEnabled() && !w.txtbarra->isEnabled() && !w.txtordem->isEnabled());
    QVERIFY(!w.SSTab->isTabEnabled(0));
    w.Command1[0]->click();
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QVERIFY(!w.SSTab->isTabEnabled(1));
    QCOMPARE(linha(d.avulso), QString("1|%1|%2|5|0|1|100000|20261215|02/10|LOTE 7").arg(QString(44, '0')).arg(d.frente.id));
}

void TstCorrigeGuia::alteracoesGuardamOQueNaoMudou()
{
    Dia d;
    frmCorrigeGuia w;
    const QString antes = linha(d.avulso);
    QCOMPARE(antes, QString("1|%1|%2|5|0|1|100000|20261215|02/10|LOTE 7").arg(QString(44, '0')).arg(d.frente.id));

    // Only the value: due date, instalment, remark and flags stay.
    altera(w, d.avulso, "TAXAS DIVERSAS", "12", "cobrado a menor");
    QCOMPARE(linha(d.avulso), QString("1|%1|%2|5|0|1|120000|20261215|02/10|LOTE 7").arg(QString(44, '0')).arg(d.frente.id));
    QCOMPARE(d.pasta.messages->texts(), QStringList{kSucesso});
    QCOMPARE(d.pasta.messages->boxes.last().style, int(Vb::vbInformation));
    QCOMPARE(d.frente.impressos.size(), 1);
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QVERIFY(linhasDe(w.ListView1).contains(QString("0001|001|005-TAXAS DIVERSAS|12,00|") + QString(44, '0')));
    QCOMPARE(w.Tag(), QString("0001")); // the changed row stays chosen

    // Only the type; then both; then neither.
    altera(w, d.agua, "ISS", "45,50", "tipo errado");
    QCOMPARE(linha(d.agua), QString("2|%1|%2|2|0|0|455000|||").arg(QString(44, '8')).arg(d.frente.id));
    altera(w, d.bloqueto, "BLOQUETO BANCARIO", "1.234,56", "conferido");
    altera(w, d.bloqueto, "AGUA E ESGOTO", "1.000,00", "DOCUMENTO TROCADO\nPELO CONTRIBUINTE");
    QCOMPARE(linha(d.bloqueto), QString("3|%1|%2|3|0|0|10000000|||").arg(QString(44, '2')).arg(d.frente.id));
    QCOMPARE(linha(d.outro).section('|', 6, 6), QString("99900"));
    QCOMPARE(d.pasta.messages->texts(), QStringList(4, kSucesso));

    // One value note, one type note, none for "neither", both for the last.
    QCOMPARE(d.frente.impressos.size(), 4);
    QCOMPARE(d.frente.impressos[1].section('\n', 1, 1), QString("(*) ALT. ITEM: 002 NOVO TIPO:        ISS"));
    QCOMPARE(d.frente.impressos[3].section('\n', 1, 1), QString("(*) ALT. ITEM: 003 NOVO TIPO: AGUA E ESG"));
    QVERIFY(confere(d.frente.impressos.join("").toUtf8(), "correcao_notas_alteracao.txt"));
    QVERIFY(confere(TestSupport::readFile(d.log), "correcao_log_alteracao.txt"));
}

void TstCorrigeGuia::estornoApagaAnotaEImprime()
{
    Dia d;
    // A log already begun this year is appended to, never begun again.
    TextFile::writeLines(d.log, {"ENTRADA ANTERIOR Á ESTA"});
    frmCorrigeGuia w;
    carrega(w, d.bloqueto);
    w.mskvalor->setText("1,00"); // the amount typed is not what is reversed
    w.txtmotivo->setPlainText("pagamento em duplicidade");
    d.pasta.messages->answers = {Vb::vbYes};
    w.Command1[3]->click();
    QCOMPARE(d.pasta.messages->texts(),
             QStringList({"Confirma exclusão deste item? - 0003", kExcluido}));
    QCOMPARE(d.pasta.messages->boxes.first().style, int(Vb::vbYesNo | Vb::vbQuestion));
    QCOMPARE(linha(d.bloqueto), QString());
    QCOMPARE(conta("Recebimentos"), 3);
    QCOMPARE(w.ListView1->topLevelItemCount(), 2);
    QCOMPARE(w.Tag(), QString()); // the reversed row is chosen no more
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QCOMPARE(d.frente.impressos, QStringList{QString(40, '=') + "\n(-)  ESTORNO ITEM: 003 --->     1.234,56\n"
                                             + QString(40, '=') + "\n"});
    QVERIFY(confere(TestSupport::readFile(d.log), "correcao_log_estorno.txt"));

    // "No" keeps the item and goes back to the list.
    d.pasta.messages->clear();
    d.pasta.messages->answers = {Vb::vbNo};
    carrega(w, d.agua);
    w.txtmotivo->setPlainText("X");
    w.Command1[3]->click();
    QCOMPARE(d.pasta.messages->texts(), QStringList{"Confirma exclusão deste item? - 0002"});
    QVERIFY(!linha(d.agua).isEmpty());
    QCOMPARE(w.SSTab->currentIndex(), 0);
    QCOMPARE(d.frente.impressos.size(), 1);
}

void TstCorrigeGuia::estornoNuncaDuasVezes()
{
    Dia d;
    frmCorrigeGuia primeira, segunda, terceira;
    for (frmCorrigeGuia *w : {&primeira, &segunda, &terceira}) {
        carrega(*w, d.agua);
        w->txtmotivo->setPlainText("A");
    }
    primeira.Command1[3]->click();
    const QByteArray log = TestSupport::readFile(d.log);
    QCOMPARE(d.frente.impressos.size(), 1);
    d.pasta.messages->clear();

    // The other windows still show the item: nothing is deleted, altered,
    // logged or printed again.
    segunda.Command1[3]->click();
    terceira.mskvalor->setText("50,00");
    terceira.Command2->click();
    QCOMPARE(d.pasta.messages->texts(), QStringList({"Confirma exclusão deste item? - 0002", kNaoExiste, kNaoExiste}));
    QCOMPARE(TestSupport::readFile(d.log), log);
    QCOMPARE(d.frente.impressos.size(), 1);
    QCOMPARE(conta("Recebimentos"), 3);
    QCOMPARE(segunda.ListView1->topLevelItemCount(), 2);
    QCOMPARE(segunda.Tag(), QString());
}

void TstCorrigeGuia::camposMotivoEValorRecusados()
{
    Dia d;
    frmCorrigeGuia w;
    const QString antes = linha(d.avulso);
    carrega(w, d.avulso);
    w.cmbOrgao->setCurrentIndex(-1);
    w.txtmotivo->setPlainText("X");
    w.Command2->click();
    w.cmbOrgao->setCurrentIndex(0);
    // The reason is no required field: empty or blank, it gets its own message.
    for (const char *semMotivo : {"", "   \n "}) {
        w.txtmotivo->setPlainText(semMotivo);
        w.Command2->click();
        QCOMPARE(d.pasta.messages->boxes.last().text, QString("Um motivo deve ser especificado!!"));
        QCOMPARE(d.pasta.messages->boxes.last().style, int(Vb::vbExclamation));
        QCOMPARE(w.focusWidget(), w.txtmotivo);
    }
    w.Command1[3]->click();
    for (const char *ruim : {"abc", "-1,00", "1,234", ""}) {
        w.mskvalor->setText(ruim);
        w.txtmotivo->setPlainText("motivo");
        w.Command2->click();
    }
    QCOMPARE(d.pasta.messages->texts(),
             QStringList({"Todos os campos obrigatórios devem ser preenchidos!!", "Um motivo deve ser especificado!!",
                          "Um motivo deve ser especificado!!", "Um motivo deve ser especificado!!",
                          "Você precisa informar um valor válido!!", "Você precisa informar um valor válido!!",
                          "Você precisa informar um valor válido!!",
                          "Todos os campos obrigatórios devem ser preenchidos!!"}));
    QCOMPARE(w.txtmotivo->toPlainText(), QString("MOTIVO")); // typed in capitals
    QCOMPARE(w.SSTab->currentIndex(), 1);
    QCOMPARE(linha(d.avulso), antes);
    QVERIFY(!QFile::exists(d.log));
    QVERIFY(d.frente.impressos.isEmpty());
}

void TstCorrigeGuia::diaFechadoRecusaMudancas()
{
    Dia d;
    frmCorrigeGuia w;
    carrega(w, d.avulso);
    fechaMovimento(d.frente.id); // closed while the window was open
    w.mskvalor->setText("99,00");
    w.txtmotivo->setPlainText("X");
    w.Command2->click();
    w.Command1[3]->click();
    QCOMPARE(d.pasta.messages->texts(),
             QStringList({"Você não pode efetuar nenhuma inclusão ou alteração de registro com o movimento fechado",
                          "Você não pode excluir!! O movimento desta data já foi fechado"}));
    QCOMPARE(d.pasta.messages->boxes.first().style, int(Vb::vbExclamation));
    QCOMPARE(linha(d.avulso).section('|', 6, 6), QString("100000"));
    QCOMPARE(conta("Recebimentos"), 4);
    QVERIFY(!QFile::exists(d.log));
    QVERIFY(d.frente.impressos.isEmpty());
}

void TstCorrigeGuia::linhaRecusadaNadaAnota()
{
    Dia d;
    frmCorrigeGuia w;
    executa("CREATE TRIGGER trava_u BEFORE UPDATE ON Recebimentos BEGIN SELECT RAISE(ABORT, 'travado'); END");
    executa("CREATE TRIGGER trava_d BEFORE DELETE ON Recebimentos BEGIN SELECT RAISE(ABORT, 'travado'); END");
    altera(w, d.avulso, "IPTU", "11,00", "X");
    QVERIFY(d.pasta.messages->texts().contains("Erro ao gravar"));
    QCOMPARE(w.SSTab->currentIndex(), 0);
    d.pasta.messages->answers = {Vb::vbYes};
    carrega(w, d.agua);
    w.txtmotivo->setPlainText("X");
    w.Command1[3]->click();
    QVERIFY(d.pasta.messages->texts().contains("Erro ao excluir"));
    QVERIFY(!d.pasta.messages->texts().contains(kSucesso));
    QVERIFY(!d.pasta.messages->texts().contains(kExcluido));
    QCOMPARE(linha(d.avulso).section('|', 3, 6), QString("5|0|1|100000"));
    QCOMPARE(conta("Recebimentos"), 4);
    QVERIFY(!QFile::exists(d.log));
    QVERIFY(d.frente.impressos.isEmpty());
}

void TstCorrigeGuia::registroQueFalhaEAvisado()
{
    Dia d;
    AbreBD::gCaminhoEstorno = d.pasta.file("sem_pasta/");
    frmCorrigeGuia w;
    altera(w, d.avulso, "TAXAS DIVERSAS", "20,00", "X");
    QCOMPARE(linha(d.avulso).section('|', 6, 6), QString("200000")); // the change stands
    QCOMPARE(d.pasta.messages->texts().size(), 1);
    const ScriptedMessages::Box aviso = d.pasta.messages->boxes.first();
    QVERIFY(aviso.text.contains("NÃO foi anotada no arquivo de estornos"));
    QVERIFY(aviso.text.contains(d.pasta.file("sem_pasta/Estorno_1_2026.txt")));
    QCOMPARE(aviso.style, int(Vb::vbExclamation));
    QCOMPARE(d.frente.impressos.size(), 1); // the tape still has its note
    const QString erros = TextFile::readAll(d.pasta.file("Log.ini"));
    QVERIFY(erros.contains("Movimento: 1\tData: 09/12/2026\tUser: ADMINISTRADOR | Item: 001\tTipo: TAXAS DIVERSAS"
                           "\tValor: 20,00 | Valor anterior: 10,00 | Motivo da Alteração: X"));
}

void TstCorrigeGuia::impressoraQueFalhaEAvisada()
{
    Dia d;
    d.frente.imprime = false;
    frmCorrigeGuia w;
    d.pasta.messages->answers = {Vb::vbYes};
    carrega(w, d.agua);
    w.txtmotivo->setPlainText("X");
    w.Command1[3]->click();
    QCOMPARE(d.pasta.messages->texts(),
             QStringList({"Confirma exclusão deste item? - 0002", kExcluido,
                          "A nota da correção não foi impressa. Verifique a impressora autenticadora."}));
    QCOMPARE(linha(d.agua), QString());
    QVERIFY(TextFile::readAll(d.log).contains("Motivo do estorno: X"));
}

void TstCorrigeGuia::abreModal()
{
    Dia d;
    QString titulo;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<frmCorrigeGuia *>(QApplication::activeModalWidget());
        QVERIFY(w);
        titulo = w->windowTitle();
        QCOMPARE(w->ListView1->topLevelItemCount(), 3);
        w->Command3->click();
    });
    frmCorrigeGuia::abre();
    QCOMPARE(titulo, QString("Correção de Lançamentos"));
}

// The new value is read as money: 0,00 is stored, logged and noted.
void TstCorrigeGuia::valorZeroEhDinheiro()
{
    Dia d;
    frmCorrigeGuia w;
    altera(w, d.agua, "AGUA E ESGOTO", "0,00", "isento");
    QCOMPARE(d.pasta.messages->texts(), QStringList{kSucesso});
    QCOMPARE(linha(d.agua), QString("2|%1|%2|3|0|0|0|||").arg(QString(44, '8')).arg(d.frente.id));
    QVERIFY(TextFile::readAll(d.log).contains("Valor: 0,00\r\nValor anterior: 45,50\r\n"));
    QCOMPARE(d.frente.impressos.size(), 1);
    QCOMPARE(d.frente.impressos[0].section('\n', 1, 1), QString("(*) ALT. ITEM: 002 NOVO VALOR: 0,00"));
}

// The reason goes into the yearly log exactly as typed,
// untrimmed, in an alteration as in a reversal.
void TstCorrigeGuia::motivoComoDigitado()
{
    Dia d;
    frmCorrigeGuia w;
    altera(w, d.avulso, "TAXAS DIVERSAS", "11,00", "  cobrado a menor  ");
    QVERIFY2(TextFile::readAll(d.log).contains("\r\nMotivo da Alteração:   COBRADO A MENOR  \r\n"),
             qPrintable(TextFile::readAll(d.log)));

    carrega(w, d.agua);
    w.txtmotivo->setPlainText(" em duplicidade\n segunda linha ");
    d.pasta.messages->answers = {Vb::vbYes};
    w.Command1[3]->click();
    QVERIFY2(TextFile::readAll(d.log).contains("\r\nMotivo do estorno:  EM DUPLICIDADE\r\n SEGUNDA LINHA \r\n"),
             qPrintable(TextFile::readAll(d.log)));
}

void TstCorrigeGuia::focoNaListaNaoEscolheLinha()
{
    Dia d;
    frmCorrigeGuia w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtpesquisa->setFocus();
    for (int i = 0; i < 8 && !w.ListView1->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(w.ListView1->hasFocus());
    QTest::keyClick(w.ListView1, Qt::Key_Down);
    QVERIFY(w.ListView1->currentItem());
    QCOMPARE(w.Tag(), QString());
    w.Command1[1]->click();
    QCOMPARE(d.pasta.messages->texts(), QStringList{"Informe um item !!!"});
    QCOMPARE(w.SSTab->currentIndex(), 0);

    const QRect linha = w.ListView1->visualItemRect(w.ListView1->topLevelItem(0));
    QTest::mouseClick(w.ListView1->viewport(), Qt::LeftButton, {}, linha.center());
    QCOMPARE(w.Tag(), w.ListView1->topLevelItem(0)->text(0));
}

QTEST_MAIN(TstCorrigeGuia)
#include "tst_corrige_guia.moc"

