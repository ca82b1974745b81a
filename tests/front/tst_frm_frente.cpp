#include "tst_frente_ambiente.h"

#include "clock.h"
#include "msg_box.h"
#include "text_file.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace AbreBD;

namespace {

// A shared printer that keeps what it was sent.
class FilaGravada : public Platform::SharedPrinter {
public:
    bool envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro) override
    {
        envios << QStringList{host, fila, QString::fromLatin1(bytes)};
        if (!responde && erro)
            *erro = QStringLiteral("fila parada");
        return responde;
    }
    QList<QStringList> envios;
    bool responde = true;
};

QStringList nomesDasAcoes(QMenu *m)
{
    QStringList out;
    for (QAction *a : m->actions())
        out << a->objectName();
    return out;
}

} // namespace

class TstFrmFrente : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;

    ScriptedMessages &msgs() { return *amb->folder->messages; }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup() { amb.reset(); }

    void opensANewDay()
    {
        frmFrente *w = amb->abre();
        QCOMPARE(msgs().texts(), QStringList{"Caixa Aberto!!!"});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbInformation));
        QCOMPARE(msgs().boxes.first().title, QStringLiteral("Gravar Registro"));

        QCOMPARE(AmbienteFrente::linha("SELECT ANO, CONTADOR FROM Contador"), (QVariantList{2026, 1}));
        const QVariantList mov = AmbienteFrente::linha("SELECT * FROM Movimento");
        QCOMPARE(mov.size(), 8);
        QCOMPARE(mov.at(1).toInt(), 1);
        QCOMPARE(mov.at(2).toString(), QStringLiteral("2026-12-09"));
        for (int money : {3, 4, 5, 6})
            QCOMPARE(mov.at(money).toLongLong(), 0);
        QCOMPARE(mov.at(7).toString(), QStringLiteral("ABERTO"));
        QCOMPARE(w->IdMovimento, mov.at(0).toInt());
        QCOMPARE(w->NumMovimento, 1);
        QCOMPARE(w->DataMovimento, QDate(2026, 12, 9));
        QVERIFY(gFrente);
        QCOMPARE(gFrente->IdMovimento(), w->IdMovimento);

        QString why;
        QVERIFY2(TestSupport::matchesGolden(TestSupport::readFile(amb->arquivoRecebimentos()),
                                            "front/golden/recebimentos_cabecalho.txt", &why),
                 qPrintable(why));
        QVERIFY2(TestSupport::matchesGolden(amb->impresso(), "front/golden/fita_abertura.txt", &why), qPrintable(why));
        // The opening tape goes through the port, not through the printer libraries.
        QVERIFY(amb->printer->calls.isEmpty());
        // The authentication printer was the default only while it printed.
        QCOMPARE(amb->sistema->defaultsWritten.size(), 2);
        QVERIFY(amb->sistema->defaultsWritten.first().startsWith(QLatin1String("Autenticadora,")));
        QCOMPARE(amb->sistema->defaultName, QStringLiteral("Escritorio"));

        // A new day keeps the design-time menus, plus the temporary count.
        QVERIFY(w->menu("mnuConftemp")->isEnabled());
        QVERIFY(!w->menu("mnuConferir")->isEnabled());
        QVERIFY(w->menu("mnuReabrir")->isEnabled());
        QVERIFY(w->txtValorCodBarra->isEnabled());
        QCOMPARE(w->txtValorCodBarra->text(), QString());
        QCOMPARE(w->lbluser->text(), QStringLiteral("CAIXA 01"));
        QCOMPARE(w->LfLetters->text(), QStringLiteral("CAIXA PRONTO"));
        QCOMPARE(w->mskvalor->text(), QStringLiteral("0,00"));
        QVERIFY(w->cmbTipoGuia->count() > 0);
        QCOMPARE(w->dtpData->date(), QDate(2026, 12, 9));
    }

    void numbersTheMovementsOfEachYear_data()
    {
        QTest::addColumn<QString>("contadores");
        QTest::addColumn<int>("esperado");
        QTest::newRow("first of the year") << "2025:14" << 1;
        QTest::newRow("sixth of the year") << "2026:5" << 6;
    }

    void numbersTheMovementsOfEachYear()
    {
        QFETCH(QString, contadores);
        QFETCH(int, esperado);
        const QStringList c = contadores.split(QLatin1Char(':'));
        QVERIFY(AmbienteFrente::sql("INSERT INTO Contador (ANO, CONTADOR) VALUES (?, ?)", {c.at(0).toInt(), c.at(1).toInt()}));
        frmFrente *w = amb->abre();
        QCOMPARE(w->NumMovimento, esperado);
        QCOMPARE(AmbienteFrente::linha("SELECT CONTADOR FROM Contador WHERE ANO = 2026").value(0).toInt(), esperado);
        QCOMPARE(AmbienteFrente::linha("SELECT MOV FROM Movimento").value(0).toInt(), esperado);
        QVERIFY(TextFile::readAll(amb->arquivoRecebimentos())
                    .contains(QStringLiteral("MOVIMENTO: %1").arg(esperado, 3, 10, QLatin1Char('0'))));
    }

    void aDateWithTwoMovementsGetsANewOne()
    {
        QVERIFY(AmbienteFrente::insereMovimento(1, "2026-12-09", "ABERTO"));
        QVERIFY(AmbienteFrente::insereMovimento(2, "2026-12-09", "ABERTO"));
        amb->abre();
        QCOMPARE(AmbienteFrente::conta("Movimento"), 3);
        QCOMPARE(msgs().texts(), QStringList{"Caixa Aberto!!!"});
    }

    void resumesTheDaysMovement_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("fechado");
        QTest::newRow("open") << "ABERTO" << false;
        QTest::newRow("closed") << "FECHADO" << true;
    }

    void resumesTheDaysMovement()
    {
        QFETCH(QString, status);
        QFETCH(bool, fechado);
        QVERIFY(AmbienteFrente::insereMovimento(4, "2026-12-09", status));
        const int id = AmbienteFrente::linha("SELECT ID FROM Movimento").value(0).toInt();
        frmFrente *w = amb->abre();
        QCOMPARE(w->IdMovimento, id);
        QCOMPARE(w->NumMovimento, 4);
        QCOMPARE(w->DataMovimento, QDate(2026, 12, 9));
        // Nothing new: no row, no counter, no box, no file, no tape.
        QCOMPARE(AmbienteFrente::conta("Movimento"), 1);
        QCOMPARE(AmbienteFrente::conta("Contador"), 0);
        QVERIFY(msgs().boxes.isEmpty());
        QVERIFY(!QFile::exists(amb->arquivoRecebimentos()));
        QVERIFY(amb->impresso().isEmpty());

        QCOMPARE(w->txtValorCodBarra->isEnabled(), !fechado);
        QCOMPARE(w->txtValorCodBarra->text(), fechado ? QStringLiteral("CAIXA ENCERRADO") : QString());
        QCOMPARE(gFrente->codBarraHabilitado(), !fechado);
        for (const char *n : {"mnuLimpaIdent", "mnuEncerrar", "mnuLimpar", "mnuCorrige", "mnuGravar", "mnuCarregar",
                              "mnuCalculadora", "mnuAlt_item", "mnuLdg", "mnuConftemp"})
            QVERIFY2(w->menu(n)->isEnabled() == !fechado, n);
        for (const char *n : {"mnuReabrir", "mnuConferir"})
            QVERIFY2(w->menu(n)->isEnabled() == fechado, n);
        // Never offered, whatever the status.
        QVERIFY(!w->menu("mnureverter")->isVisible());
        QVERIFY(!w->menu("mnuSuprimentos")->isEnabled());
        // The closed box is greyed, the open one has the ordinary background.
        const QColor fundo = w->txtValorCodBarra->palette().color(QPalette::Base);
        QCOMPARE(fundo == w->palette().color(QPalette::Active, QPalette::Base), !fechado);

        // Re-opening (and closing) switch the lock both ways.
        w->Habilita_menus(fechado ? QStringLiteral("ABERTO") : QStringLiteral("FECHADO"));
        QCOMPARE(w->txtValorCodBarra->isEnabled(), fechado);
        QCOMPARE(w->menu("mnuReabrir")->isEnabled(), !fechado);
        // Only the exact status locks.
        w->Habilita_menus(QStringLiteral("fechado"));
        QVERIFY(w->txtValorCodBarra->isEnabled());
    }

    void aFailedOpeningLeavesNothingHalfDone()
    {
        QVERIFY(AmbienteFrente::sql("INSERT INTO Contador (ANO, CONTADOR) VALUES (2026, 3)"));
        QVERIFY(AmbienteFrente::sql("CREATE TRIGGER recusa BEFORE INSERT ON Movimento "
                                    "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
        QPointer<frmFrente> w = amb->abre();
        QCOMPARE(AmbienteFrente::linha("SELECT CONTADOR FROM Contador WHERE ANO = 2026").value(0).toInt(), 3);
        QCOMPARE(AmbienteFrente::conta("Movimento"), 0);
        QVERIFY(msgs().texts().contains(QStringLiteral("Erro de Gravação!!!")));
        QCOMPARE(msgs().texts().last(), QStringLiteral("Erro na abertura de Movimento!!"));
        QCOMPARE(msgs().boxes.last().style, int(Vb::vbCritical));
        QCOMPARE(msgs().boxes.last().title, QStringLiteral("Aviso"));
        QVERIFY(!msgs().texts().contains(QStringLiteral("Caixa Aberto!!!")));
        QVERIFY(!QFile::exists(amb->arquivoRecebimentos()));
        QVERIFY(amb->impresso().isEmpty());
        // The window does not stay on without a movement.
        QTRY_VERIFY(!w || !w->isVisible());
    }

    void aReceiptFileOfTheDayIsKept()
    {
        const QByteArray antes = "linhas de antes\r\n";
        QFile f(amb->arquivoRecebimentos());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(antes);
        f.close();
        amb->abre();
        const QByteArray depois = TestSupport::readFile(amb->arquivoRecebimentos());
        QVERIFY(depois.startsWith(antes));
        QCOMPARE(depois.mid(antes.size()),
                 TestSupport::readFile(TestSupport::goldenPath("front/golden/recebimentos_cabecalho.txt")));
    }

    // A receipt folder that cannot be written to ends the program
    // right after "Caixa Aberto!!!", with "Erro na abertura de Movimento!!"
    // and no message of its own; the movement row stays for the next start.
    void anUnwritableReceiptFolderEndsTheProgram()
    {
        gCaminhoRecebimentos = amb->folder->file(QStringLiteral("naoexiste/"));
        QPointer<frmFrente> w = amb->abre();
        QCOMPARE(AmbienteFrente::conta("Movimento"), 1);
        QCOMPARE(msgs().texts(),
                 (QStringList{QStringLiteral("Caixa Aberto!!!"), QStringLiteral("Erro na abertura de Movimento!!")}));
        QCOMPARE(msgs().boxes.last().style, int(Vb::vbCritical));
        QCOMPARE(msgs().boxes.last().title, QStringLiteral("Aviso"));
        QVERIFY(amb->impresso().isEmpty());
        QTRY_VERIFY(!w || !w->isVisible());
    }

    // An error raised inside Abre_movimento shows only "Erro na
    // abertura de Movimento!!" and ends the program: no error report before it.
    void anErrorInsideTheOpeningShowsOnlyItsMessage()
    {
        // The new movement's ID would overflow: the record class raises "Estouro".
        QVERIFY(AmbienteFrente::sql("INSERT INTO Movimento (ID, MOV, MDATA, STATUS) "
                                    "VALUES (2147483647, 9, '2026-11-30', 'FECHADO')"));
        QPointer<frmFrente> w = amb->abre();
        QCOMPARE(msgs().texts(), QStringList{QStringLiteral("Erro na abertura de Movimento!!")});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbCritical));
        QCOMPARE(msgs().boxes.first().title, QStringLiteral("Aviso"));
        QCOMPARE(AmbienteFrente::conta("Movimento"), 1);
        QCOMPARE(AmbienteFrente::conta("Contador"), 0);
        QTRY_VERIFY(!w || !w->isVisible());
    }

    void theTapeTitleHas38Characters_data()
    {
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("short") << 5 << " PPPPP                       09.12.26 ";
        QTest::newRow("28") << 28 << " PPPPPPPPPPPPPPPPPPPPPPPPPPPP09.12.26 ";
        QTest::newRow("29") << 29 << "PPPPPPPPPPPPPPPPPPPPPPPPPPPPP 09.12.26";
        QTest::newRow("30") << 30 << "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPP09.12.26";
    }

    void theTapeTitleHas38Characters()
    {
        QFETCH(int, tamanho);
        QFETCH(QString, esperado);
        const QString titulo = frmFrente::tituloFita(QString(tamanho, QLatin1Char('P')), QDate(2026, 12, 9));
        QCOMPARE(titulo, esperado);
        QCOMPARE(titulo.size(), 38);
    }

    void aLongStationIdStillPrintsAndIsReported()
    {
        gGuiche = QStringLiteral("12");
        amb->abre();
        QVERIFY(amb->impresso().contains("GUICHE:  12"));
        QCOMPARE(msgs().texts().last(), QStringLiteral("Erro na geração da linha de impressão!!!"));
        QCOMPARE(msgs().boxes.last().title, QStringLiteral("Erro"));
    }

    void printsThroughThePortOrTheSharedPrinter()
    {
        frmFrente *w = amb->abre();
        amb->limpaImpresso();
        amb->sistema->defaultsWritten.clear();
        QVERIFY(w->ProcAutenticarDoc(QStringLiteral("AUTENTICAÇÃO 001")));
        QCOMPARE(amb->impresso(), QByteArray("AUTENTICA\xC7\xC3O 001\r\n"));
        QCOMPARE(amb->sistema->defaultName, QStringLiteral("Escritorio"));

        // "USB": the queue of the computer that shares it, sent raw.
        auto fila = std::make_shared<FilaGravada>();
        Platform::setSharedPrinter(fila);
        gPorta = QStringLiteral("USB");
        gIP = QStringLiteral("CAIXA2");
        QVERIFY(w->ProcAutenticarDoc(QStringLiteral("linha")));
        QCOMPARE(fila->envios.size(), 1);
        QCOMPARE(fila->envios.first(), (QStringList{"CAIXA2", "Autenticadora", "linha\r\n"}));

        // The port name is compared exactly: "usb" is a port name, not the shared printer.
        gPorta = QStringLiteral("usb");
        Platform::setPortDevicePath(QStringLiteral("usb"), amb->porta);
        amb->limpaImpresso();
        QVERIFY(w->ProcAutenticarDoc(QStringLiteral("na porta")));
        QCOMPARE(fila->envios.size(), 1);
        QCOMPARE(amb->impresso(), QByteArray("na porta\r\n"));
        Platform::setPortDevicePath(QStringLiteral("usb"), QString());
        gPorta = QStringLiteral("USB");

        // A failed print is answered as such; the ordinary printer is back all the same.
        fila->responde = false;
        QVERIFY(!w->ProcAutenticarDoc(QStringLiteral("linha")));
        QCOMPARE(amb->sistema->defaultName, QStringLiteral("Escritorio"));
        gPorta = QStringLiteral("LPT1");
        Platform::setPortDevicePath(QStringLiteral("LPT1"), amb->folder->file(QStringLiteral("semporta")));
        amb->sistema->defaultsWritten.clear();
        QVERIFY(!w->ProcAutenticarDoc(QStringLiteral("linha")));
        QCOMPARE(amb->sistema->defaultsWritten.size(), 2);
        QCOMPARE(amb->sistema->defaultName, QStringLiteral("Escritorio"));

        // Printing switched off: nothing written, the default printer untouched.
        gPrintCupom = 0;
        Platform::setPortDevicePath(QStringLiteral("LPT1"), amb->porta);
        amb->limpaImpresso();
        amb->sistema->defaultsWritten.clear();
        QVERIFY(w->ProcAutenticarDoc(QStringLiteral("linha")));
        QVERIFY(amb->impresso().isEmpty());
        QVERIFY(amb->sistema->defaultsWritten.isEmpty());
    }

    void composesThePaymentHeader_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("troco");
        QTest::addColumn<QString>("linha2");
        QTest::addColumn<QString>("linha3");
        const QString data = QStringLiteral("DATA/HORA: 09-12-26 10:30");
        QTest::newRow("short name") << "ANA" << "R$ 87,50" << "R$ 12,50" << data + "       OPR: ANA"
                                    << "TOTAL PAGO: 87,50           TROCO: 12,50";
        QTest::newRow("9 characters") << "CAIXA 001" << "R$ 87,50" << QString::fromUtf8("Não tem ...")
                                      << data + " OPR: CAIXA 001" << "TOTAL PAGO: 87,50            TROCO: 0,00";
        QTest::newRow("long name") << "ADMINISTRADOR" << "R$ 1.234,00" << "R$ -5,00"
                                   << data + " OPR: ADMINISTR" << "TOTAL PAGO: 1.234,00        TROCO: -5,00";
        QTest::newRow("total line of 40") << "ANA" << "R$ 1.234.567.890,00" << "R$ 10,00" << data + "       OPR: ANA"
                                          << "TOTAL PAGO: 1.234.567.890,00TROCO: 10,00";
        QTest::newRow("total line over 40") << "ANA" << "R$ 1.234.567.890,00" << "R$ 100,00"
                                            << data + "       OPR: ANA" << "";
    }

    void composesThePaymentHeader()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, total);
        QFETCH(QString, troco);
        QFETCH(QString, linha2);
        QFETCH(QString, linha3);
        QCOMPARE(linha2.size(), 40);
        QVERIFY(linha3.isEmpty() || linha3.size() == 40);
        frmFrente *w = amb->abre();
        w->lbluser->setText(usuario);
        w->lbltotalConta->setText(total);
        w->lblTroco->setText(troco);

        // The plain-text printer: one block through the port.
        amb->limpaImpresso();
        w->imprime_cabecalho_cupom(2);
        const QString bloco = QString(40, QLatin1Char('-')) + "\n" + linha2 + "\n" + linha3 + "\n\r\n";
        QCOMPARE(TextFile::decode(amb->impresso()), bloco);

        // The library printers: four roll lines.
        gImpressora = QStringLiteral("bematech");
        amb->printer->clear();
        w->imprime_cabecalho_cupom(1);
        QStringList linhas;
        for (const auto &c : amb->printer->callsOf(QStringLiteral("FormataTX")))
            linhas << TextFile::decode(c.bytes);
        QCOMPARE(linhas, (QStringList{QString(40, QLatin1Char('-')) + "\n", linha2 + "\n", linha3 + "\n", "\n"}));
    }

    void theHeaderBlockAsPrinted()
    {
        frmFrente *w = amb->abre();
        w->lbluser->setText(QStringLiteral("CAIXA 01"));
        w->lbltotalConta->setText(QStringLiteral("R$ 87,50"));
        w->lblTroco->setText(QStringLiteral("R$ 12,50"));
        amb->limpaImpresso();
        w->imprime_cabecalho_cupom(2);
        QString why;
        QVERIFY2(TestSupport::matchesGolden(amb->impresso(), "front/golden/cabecalho_pagamento.txt", &why),
                 qPrintable(why));
    }

    void clockAndBlinkingChange()
    {
        frmFrente *w = amb->abre();
        QVERIFY(w->tmrDiaHora->isActive());
        QCOMPARE(w->tmrDiaHora->interval(), 500);
        QCOMPARE(w->lblHora->text(), QStringLiteral("Agora: 10:30:00 AM"));
        Relogio::fixar(QDateTime(QDate(2026, 12, 9), QTime(15, 4, 5)));
        QTRY_COMPARE(w->lblHora->text(), QStringLiteral("Agora: 03:04:05 PM"));

        QVERIFY(!w->Timer4->isActive());
        QCOMPARE(w->Timer4->interval(), 400);
        QCOMPARE(w->lblTroco->text(), QStringLiteral("A Pagar"));
        const auto cor = [w] { return w->lblTroco->palette().color(QPalette::Window); };
        // A change on show blinks white and yellow.
        w->lblTroco->setText(QStringLiteral("R$ 5,00"));
        w->Timer4->start();
        QTRY_COMPARE(cor(), QColor(Qt::yellow));
        QTRY_COMPARE(cor(), QColor(Qt::white));
        QTRY_COMPARE(cor(), QColor(Qt::yellow));
        w->Limpa_troco();
        QCOMPARE(w->lblTroco->text(), QStringLiteral("A Pagar"));
        QCOMPARE(cor(), QColor(Qt::white));
        QVERIFY(!w->Timer4->isActive());
        // Already "A Pagar": colour and timer are left alone.
        w->Timer4->start();
        QTRY_COMPARE(cor(), QColor(Qt::yellow));
        w->Limpa_troco();
        QVERIFY(w->Timer4->isActive());
        QCOMPARE(cor(), QColor(Qt::yellow));
    }

    void changesTheUserShown()
    {
        frmFrente *w = amb->abre();
        msgs().clear();
        msgs().inputs = {QStringLiteral("   "), QStringLiteral("9999"), QStringLiteral("1234")};
        w->menu("mnulogoff")->trigger();
        QCOMPARE(msgs().boxes.size(), 1);
        QCOMPARE(msgs().boxes.first().kind, QStringLiteral("input"));
        QCOMPARE(msgs().boxes.first().text, QStringLiteral("Entre com a senha do administrador!!"));
        QVERIFY(msgs().boxes.first().password);
        QCOMPARE(w->lbluser->text(), QStringLiteral("CAIXA 01"));
        w->menu("mnulogoff")->trigger();
        QCOMPARE(w->lbluser->text(), QStringLiteral("CAIXA 01"));
        QCOMPARE(msgs().boxes.size(), 2);
        w->menu("mnulogoff")->trigger();
        QCOMPARE(w->lbluser->text(), QStringLiteral("ADMINISTRADOR"));
        QCOMPARE(gUsuario, QStringLiteral("CAIXA 01"));
    }

    void leavingClosesThePortAndTheConnection()
    {
        amb->printer->fechaPortaAnswers = {0};
        QPointer<frmFrente> w = amb->abre();
        msgs().clear();
        QVERIFY(Conexao::aberta());
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(amb->printer->functions(), QStringList{"FechaPorta"});
        QCOMPARE(msgs().texts(), QStringList{"Problemas ao Fechar a Porta de Comunicação."});
        QCOMPARE(msgs().boxes.first().style, int(Vb::vbInformation));
        QVERIFY(!Conexao::aberta());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QVERIFY(!gFrente);
    }

    void laysOutEveryControl()
    {
        frmFrente *w = amb->abre();
        QCOMPARE(w->windowTitle(), QStringLiteral("..:: Frente de Caixa ::.."));
        QCOMPARE(w->txtValorCodBarra->maxLength(), 44);
        for (QWidget *h : {static_cast<QWidget *>(w->txtLeitura), static_cast<QWidget *>(w->txtItem),
                           static_cast<QWidget *>(w->txtcod), static_cast<QWidget *>(w->txtstatus),
                           static_cast<QWidget *>(w->Text1)})
            QVERIFY2(!h->isVisible(), qPrintable(h->objectName()));
        for (const char *n : {"txtValorCodBarra", "txtLeitura", "cmbTipoGuia", "txtItem", "txtcod", "txttotal",
                              "txtstatus", "Text1", "mskvalor", "lstSoma", "lstLancado", "lblTroco", "lbltotalConta",
                              "lblHora", "lblDia", "lblStatusRede", "LfLetters", "lbluser", "lblStatus", "pbr",
                              "dtpData", "cmdLdg", "cmdAvulso"})
            QVERIFY2(w->findChild<QWidget *>(QString::fromLatin1(n)), n);
        QVERIFY(w->findChild<QTimer *>("tmrDiaHora"));
        QVERIFY(w->findChild<QTimer *>("Timer4"));
        QCOMPARE(w->cmdLdg->text(), QStringLiteral("LD"));
        QCOMPARE(w->cmdAvulso->text(), QStringLiteral("AV [+]"));
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("Calcular"));
        QVERIFY(!w->lblStatusRede->isVisible());
        QCOMPARE(w->lblStatusRede->text(), QStringLiteral("Sem acesso a rede!!!"));

        const auto colunas = [](QTreeWidget *t) {
            QStringList c;
            for (int i = 0; i < t->columnCount(); ++i)
                c << t->headerItem()->text(i);
            return c;
        };
        QCOMPARE(colunas(w->lstSoma),
                 (QStringList{"SEQ", "TIPO", "VALOR", "SALDO", "CODBARRA", "VENCIMENTO", "PARCELA", "OBS"}));
        QCOMPARE(colunas(w->lstLancado), (QStringList{"ITEM", "AUT", "TIPO", "VALOR", "SALDO"}));
        QCOMPARE(w->lstSoma->font().family(), QStringLiteral("Courier New"));
        // The day's list lies behind the sum list, at its corner and smaller.
        QCOMPARE(w->lstLancado->pos(), w->lstSoma->pos());
        QVERIFY(w->lstLancado->width() <= w->lstSoma->width());
        QVERIFY(w->lstLancado->height() < w->lstSoma->height());
        const QObjectList irmaos = w->lstSoma->parent()->children();
        QVERIFY(irmaos.indexOf(w->lstSoma) > irmaos.indexOf(w->lstLancado));
        // The small buttons stand level with their boxes.
        QCOMPARE(w->cmdLdg->y(), w->txtValorCodBarra->y());
        QCOMPARE(w->cmdAvulso->y(), w->cmbTipoGuia->y());

        QStringList textos;
        for (QLabel *l : w->findChildren<QLabel *>())
            textos << l->text().split(QLatin1Char('\n'));
        for (const char *t : {"Itens do Pagamento:", "Troco:", "Total:", "Código de Barras:", "Sair (ESC)",
                              "Juros por Dia/Mês (F6)", "Contas Recebidas (F7)", "Salvar Soma (F11)",
                              "Carregar Soma (F12)", "Encerrar Mov. (F4)", "Reabrir Cupom (F5)", "Limpa Soma (F3)",
                              "Exclui último Item (F2)", "Calculadora (F9)", "Limpar Identificação (F8)"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), t);
    }

    void laysOutTheMenuBar()
    {
        frmFrente *w = amb->abre();
        QStringList barra;
        for (QAction *a : w->menuBar()->actions())
            barra << a->text();
        QCOMPARE(barra, (QStringList{"Arquivo", "Movimento", "Exibir", "Calculos", "Opções"}));
        QCOMPARE(nomesDasAcoes(w->menuBarMenu("mnuArquivo")),
                 (QStringList{"mnuEncerrar", "mnuReabrir", "mnuespco10", "mnureverter", "mnuConferir", "mnuConftemp",
                              "mnuespaco1", "mnuuser", "mnulogoff", "mnuespac", "mnuSuprimentos", "mnuFeriados",
                              "mnuItens", "mnuespaco8", "mnuSair"}));
        QCOMPARE(nomesDasAcoes(w->menuBarMenu("mnuMovimento")),
                 (QStringList{"mnuLanca", "mnuPagtos", "mnuSangria", "mnuespaco12", "mnuAlt_item", "mnuExpCebi",
                              "mnuespaco2", "mnuRemove", "mnuLimpaIdent", "mnuLdg", "mnuCorrige", "mnuLimpar",
                              "mnuGravar", "mnuCarregar"}));
        QCOMPARE(nomesDasAcoes(w->menuBarMenu("mnuexibir")),
                 (QStringList{"mnuAlterna", "mnuestornos", "mnurecebimentos"}));
        QCOMPARE(nomesDasAcoes(w->menuBarMenu("mnuCalculo")), (QStringList{"mnuJuros", "mnuCalculadora"}));
        QCOMPARE(nomesDasAcoes(w->menuBarMenu("mnskin")),
                 (QStringList{"mnuAltSkin", "mnuParam", "mnuespaco4", "mnuAtualiza"}));
        QCOMPARE(w->menu("mnuSair")->text(), QStringLiteral("Sair (ESC)"));
        QCOMPARE(w->menu("mnuItens")->text(), QStringLiteral("Cadastro de Itens (entrada e saída)"));
        QCOMPARE(w->menu("mnuEncerrar")->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(w->menu("mnuAlt_item")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
        for (const char *n : {"mnuSuprimentos", "mnuAltSkin", "mnureverter", "mnuConferir"})
            QVERIFY2(!w->menu(n)->isEnabled(), n);
    }

    void screenshotAtTheDeskResolution()
    {
        frmFrente *w = amb->abre();
        w->resize(1024, 768);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.size(), QSize(1024, 768));
        shot.save(QDir::current().filePath(QStringLiteral("frmFrente_1024x768.png")));
        // Every control lies inside the window.
        for (QWidget *c : w->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c->isVisible())
                QVERIFY2(w->centralWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
        w->resize(1280, 1024);
        QTest::qWait(20);
        w->grab().toImage().save(QDir::current().filePath(QStringLiteral("frmFrente_1280x1024.png")));
        for (QWidget *c : w->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c->isVisible())
                QVERIFY2(w->centralWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }
};

QTEST_MAIN(TstFrmFrente)
#include "tst_frm_frente.moc"
