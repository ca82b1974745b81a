#include "tst_frente_ambiente.h"
#include "tst_frente_teclado.h"

#include "ini_file.h"
#include "text_file.h"

#include <QComboBox>
#include <QLabel>
#include <QSqlDatabase>
#include <QTreeWidget>

using namespace AbreBD;
using namespace Teclado;

namespace {

const QString kIptu = QStringLiteral("81670000001234501232026121500000000012345678");  // 123,45
const QString kAgua = QStringLiteral("81650000000455004562026120900000000000000001");  // 45,50
const QString kIss = QStringLiteral("81600000001000001242026123100000000000000002");   // 100,00

} // namespace

// Recording a batch through the main window: authentication, the row with its
// number, the receipt file and the printer, and what a failure leaves behind.
class TstFrenteGravacao : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;
    QPointer<frmFrente> w;

    void abre()
    {
        w = amb->abre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        amb->limpaImpresso();
        amb->folder->messages->clear();
    }

    void config(const char *secao, const char *chave, const QString &valor)
    {
        QVERIFY(IniFile::write(arquivoConfig(), QString::fromLatin1(secao), QString::fromLatin1(chave), valor));
    }

    void leTres()
    {
        le(w, kIptu);
        le(w, kAgua);
        le(w, kIss);
        QCOMPARE(w->soma().size(), 3);
    }

    int recebidos() const { return AmbienteFrente::conta(QStringLiteral("Recebimentos")); }
    QStringList caixas() const { return amb->folder->messages->texts(); }
    int vezes(const QString &texto) const { return int(caixas().count(texto)); }

    // The items of the movement as stored: number, type, value, code, integration and export marks.
    QStringList linhasGravadas() const
    {
        QSqlQuery q(Conexao::banco());
        q.prepare(QStringLiteral("SELECT AUTENTICA, TIPO, VALOR, CODBARRA, INTEGRA, EXPORT, IDMOVIMENTO "
                                 "FROM Recebimentos ORDER BY IDRECEBE"));
        QStringList out;
        if (q.exec())
            while (q.next())
                out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                           .arg(q.value(0).toInt())
                           .arg(q.value(1).toInt())
                           .arg(q.value(2).toLongLong())
                           .arg(q.value(3).toString())
                           .arg(q.value(4).toInt())
                           .arg(q.value(5).toInt())
                           .arg(q.value(6).toInt());
        return out;
    }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup()
    {
        w.clear();
        amb.reset();
    }

    void aBatchOfThreeDocuments()
    {
        config("Print", "cabecalho", QStringLiteral("1"));
        abre();
        leTres();
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("R$ 268,95"));
        tecla(w, Qt::Key_Return); // "-" not keyed since the last append
        QCOMPARE(recebidos(), 0);
        troco(w, QStringLiteral("300"));
        QCOMPARE(w->LfLettersTroco->text(), QStringLiteral("Troco:"));
        QCOMPARE(w->lblTroco->text(), QStringLiteral("R$ 31,05"));

        int abertos = 0;
        grava(w, 0, &abertos); // left without authenticating
        QCOMPARE(abertos, 1);
        QCOMPARE(recebidos(), 0);
        QCOMPARE(w->soma().size(), 3);
        QCOMPARE(w->txtcod->text(), QStringLiteral("1"));

        // "Registro Gravado!!!" shows only once the row is committed: another
        // connection already sees it.
        QStringList vistos;
        {
            QSqlDatabase outra = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outra"));
            outra.setDatabaseName(Conexao::banco().databaseName());
            QVERIFY(outra.open());
        }
        amb->folder->messages->onBox = [&vistos](const ScriptedMessages::Box &b) {
            if (b.text != QLatin1String("Registro Gravado!!!"))
                return;
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("outra")));
            q.exec(QStringLiteral("SELECT COUNT(*) FROM Recebimentos"));
            vistos << (q.next() ? q.value(0).toString() : QStringLiteral("?"));
        };
        grava(w, 1, &abertos);
        QCOMPARE(w->soma().size(), 2);
        QCOMPARE(w->lstSoma->topLevelItem(0)->text(0), QStringLiteral("02")); // the batch keeps its numbers
        QCOMPARE(w->lblTroco->text(), QStringLiteral("R$ 31,05"));
        grava(w, 2, &abertos);
        grava(w, 1, &abertos);
        amb->folder->messages->onBox = nullptr;
        QSqlDatabase::removeDatabase(QStringLiteral("outra"));
        QCOMPARE(abertos, 4);
        QCOMPARE(vistos, (QStringList{"1", "2", "3"}));
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("Calcular"));
        QCOMPARE(w->lblTroco->text(), QStringLiteral("A Pagar"));
        QCOMPARE(vezes(QStringLiteral("Registro Gravado!!!")), 3);
        QCOMPARE(vezes(QStringLiteral("Coloque o documento para autenticar")), 4);
        const QString mov = QString::number(w->IdMovimento);
        QCOMPARE(linhasGravadas(), (QStringList{"1 1 1234500 " + kIptu + " 0 0 " + mov,
                                                "2 3 455000 " + kAgua + " 0 0 " + mov,
                                                "3 2 1000000 " + kIss + " 0 0 " + mov}));
        // Enter on the empty list records nothing more.
        grava(w, 1, &abertos);
        QCOMPARE(abertos, 4);
        QCOMPARE(recebidos(), 3);

        QString why;
        QVERIFY2(TestSupport::matchesGolden(TestSupport::readFile(amb->arquivoRecebimentos()),
                                            "front/golden/gravacao_recebimentos.txt", &why),
                 qPrintable(why));
        QVERIFY2(TestSupport::matchesGolden(amb->impresso(), "front/golden/gravacao_impressora.txt", &why),
                 qPrintable(why));
    }

    // The library printer: its port opened and closed around each dialog,
    // the header line by line before the first item's roll line.
    void throughTheLibraryPrinter()
    {
        config("Print", "cabecalho", QStringLiteral("1"));
        gImpressora = QStringLiteral("bematech");
        abre();
        le(w, kIptu);
        le(w, kAgua);
        troco(w, QStringLiteral("200"));
        amb->printer->clear();
        grava(w, 2);
        grava(w, 1);
        QCOMPARE(recebidos(), 2);
        QCOMPARE(amb->printer->functions(),
                 (QStringList{"IniciaPorta", "ConfiguraModeloImpressora", "AutenticaDoc", "ComandoTX", "AutenticaDoc",
                              "ComandoTX", "FormataTX", "FormataTX", "FormataTX", "FormataTX", "FormataTX",
                              "FechaPorta", "IniciaPorta", "ConfiguraModeloImpressora", "AutenticaDoc", "ComandoTX",
                              "FormataTX", "FechaPorta"}));
        const auto linhas = amb->printer->callsOf(QStringLiteral("FormataTX"));
        QCOMPARE(linhas.at(1).bytes, QByteArray("DATA/HORA: 09-12-26 10:30  OPR: CAIXA 01\n"));
        QCOMPARE(linhas.at(2).bytes, QByteArray("TOTAL PAGO: 168,95          TROCO: 31,05\n"));
        QCOMPARE(linhas.at(4).bytes, QByteArray("001 091226 10:30       IPTU       123,45\n"));
        QCOMPARE(linhas.at(5).bytes, QByteArray("002 091226 10:30 AGUA E ESG        45,50\n"));
        QVERIFY(amb->impresso().isEmpty()); // nothing through the port route
    }

    void theNextNumberFollowsTheMovementsHighest()
    {
        abre();
        QVERIFY(AmbienteFrente::sql(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, IDMOVIMENTO) VALUES (41, ?)"),
                                    {w->IdMovimento}));
        QVERIFY(AmbienteFrente::sql(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, IDMOVIMENTO) VALUES (99, ?)"),
                                    {w->IdMovimento + 1}));
        le(w, kAgua);
        troco(w, QString());
        QCOMPARE(w->lblTroco->text(), QStringLiteral("Não tem ..."));
        grava(w, 1);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT MAX(AUTENTICA) FROM Recebimentos WHERE IDMOVIMENTO = ?"),
                                       {w->IdMovimento})
                     .value(0)
                     .toInt(),
                 42);
        QVERIFY(amb->impresso().contains(" 042 "));
    }

    // A refused insert leaves nothing written and the item in the list; the
    // next Enter records it with the number that was not used.
    void aRefusedInsertKeepsTheItem_data()
    {
        QTest::addColumn<QString>("recusa");
        QTest::addColumn<QString>("libera");
        QTest::addRow("trigger") << "CREATE TRIGGER recusa BEFORE INSERT ON Recebimentos "
                                    "BEGIN SELECT RAISE(ABORT, 'recusado'); END"
                                 << "DROP TRIGGER recusa";
        QTest::addRow("read-only database") << "PRAGMA query_only = ON" << "PRAGMA query_only = OFF";
    }

    void aRefusedInsertKeepsTheItem()
    {
        QFETCH(QString, recusa);
        QFETCH(QString, libera);
        abre();
        le(w, kIptu);
        le(w, kAgua);
        troco(w, QStringLiteral("200"));
        QVERIFY(AmbienteFrente::sql(recusa));
        grava(w, 1);
        QVERIFY(AmbienteFrente::sql(libera));
        QCOMPARE(recebidos(), 0);
        QCOMPARE(w->soma().size(), 2);
        QCOMPARE(w->lstSoma->topLevelItemCount(), 2);
        QCOMPARE(vezes(QStringLiteral("Erro de Gravação!!!")), 1);
        QCOMPARE(vezes(QStringLiteral("Registro Gravado!!!")), 0);
        QVERIFY(!QFile::exists(amb->arquivoRecebimentos())
                || !TestSupport::readFile(amb->arquivoRecebimentos()).contains("Aut:"));

        grava(w, 1);
        grava(w, 1);
        QCOMPARE(linhasGravadas().size(), 2);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT MIN(AUTENTICA), MAX(AUTENTICA) FROM Recebimentos")),
                 (QVariantList{1, 2}));
    }

    // Another writer took the number while the document was being
    // authenticated: the item is not stored under a repeated number.
    void aNumberTakenMeanwhileIsNotRepeated()
    {
        abre();
        le(w, kAgua);
        troco(w, QString());
        autenticaCom(w, 1);
        const auto autentica = w->aoAutenticar;
        w->aoAutenticar = [this, autentica](frmAutenticar &d) {
            AmbienteFrente::sql(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, IDMOVIMENTO) VALUES (1, ?)"),
                                {w->IdMovimento});
            autentica(d);
        };
        tecla(w, Qt::Key_Return);
        QCOMPARE(w->soma().size(), 1);
        QCOMPARE(vezes(QStringLiteral("Erro de Gravação!!!")), 1);
        grava(w, 1);
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT AUTENTICA), MAX(AUTENTICA) "
                                                      "FROM Recebimentos")),
                 (QVariantList{2, 2, 2}));
    }

    void aFailedNumberLookUpRefusesToRecord()
    {
        abre();
        le(w, kAgua);
        troco(w, QString());
        QVERIFY(AmbienteFrente::sql(QStringLiteral("ALTER TABLE Recebimentos RENAME TO Recebimentos_fora")));
        int abertos = 0;
        grava(w, 1, &abertos);
        QVERIFY(AmbienteFrente::sql(QStringLiteral("ALTER TABLE Recebimentos_fora RENAME TO Recebimentos")));
        QCOMPARE(abertos, 0); // nothing authenticated under a number that may repeat
        QCOMPARE(w->soma().size(), 1);
        QCOMPARE(recebidos(), 0);
        QVERIFY(caixas().contains(QStringLiteral("Erro de Gravação!!!")));
    }

    // Once the row is stored the item leaves the list, whatever follows.
    void aReceiptFileThatCannotBeWrittenIsReported()
    {
        abre();
        QVERIFY(TextFile::writeAll(amb->folder->file(QStringLiteral("bloqueio")), "x"));
        config("Export", "Path3", amb->folder->file(QStringLiteral("bloqueio/")));
        le(w, kAgua);
        troco(w, QString());
        grava(w, 1);
        QCOMPARE(recebidos(), 1);
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(vezes(QStringLiteral("Registro Gravado!!!")), 1);
        QVERIFY(caixas().last().startsWith(
            QStringLiteral("O item foi gravado, mas o arquivo de recebimentos não pôde ser escrito:")));
        grava(w, 1);
        QCOMPARE(recebidos(), 1);
    }

    void withoutTheSettingNoReceiptLines()
    {
        gTeclaMais = 0;
        abre();
        le(w, kAgua);
        troco(w, QString());
        grava(w, 1);
        QCOMPARE(recebidos(), 1);
        QVERIFY(!TestSupport::readFile(amb->arquivoRecebimentos()).contains("Aut:"));
    }

    // A flag left by an earlier item decides nothing.
    void aLeftoverFlagNeitherRecordsNorDrops()
    {
        abre();
        le(w, kAgua);
        le(w, kIptu);
        troco(w, QString());
        gCancelaAutenticacao = false;
        w->aoAutenticar = [](frmAutenticar &d) { QTimer::singleShot(0, &d, [&d] { d.close(); }); };
        tecla(w, Qt::Key_Return);
        QCOMPARE(recebidos(), 0);
        gCancelaAutenticacao = true;
        grava(w, 1);
        QCOMPARE(recebidos(), 1);
        QCOMPARE(w->soma().size(), 1);
    }

    void nothingIsAddedOrRecordedOnAClosedDay()
    {
        abre();
        le(w, kAgua);
        troco(w, QString());
        w->mnuEncerrar_Click();
        QVERIFY(w->diaFechado());
        QCOMPARE(w->soma().size(), 1); // the closing leaves the list alone
        int abertos = 0;
        autenticaCom(w, 1, &abertos);
        QVERIFY(!w->Grava_item_recebido());
        QCOMPARE(abertos, 0);
        QCOMPARE(recebidos(), 0);

        w->cmbTipoGuia->setCurrentIndex(0);
        w->txtItem->setText(QStringLiteral("1"));
        w->mskvalor->setText(QStringLiteral("10,00"));
        QVERIFY(!w->Adiciona_item_soma());
        QCOMPARE(w->soma().size(), 1);
        QCOMPARE(w->txtValorCodBarra->text(), QStringLiteral("CAIXA ENCERRADO"));
    }
};

QTEST_MAIN(TstFrenteGravacao)
#include "tst_frente_gravacao.moc"
