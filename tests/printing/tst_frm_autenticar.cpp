#include "frm_autenticar.h"

#include "frente_publica.h"
#include "globals.h"
#include "printers.h"
#include "recording_printer.h"
#include "test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace AbreBD;

namespace {

// The main window as the dialog sees it: what it was asked to print, in order.
class FrenteGravada : public FrentePublica {
public:
    FrenteGravada() { gFrente = this; }
    ~FrenteGravada() override
    {
        if (gFrente == this)
            gFrente = nullptr;
    }
    QStringList saida;

    int IdMovimento() const override { return 1; }
    int NumMovimento() const override { return 1; }
    QDate DataMovimento() const override { return {2026, 12, 9}; }
    QDate dtpData() const override { return {2026, 12, 9}; }
    QString txtstatus() const override { return {}; }
    void setTxtstatus(const QString &) override {}
    QString txtcod() const override { return {}; }
    bool codBarraHabilitado() const override { return true; }
    QString textoCodBarra() const override { return {}; }
    void setTextoCodBarra(const QString &) override {}
    bool ProcAutenticarDoc(const QString &texto) override
    {
        saida << texto;
        return true;
    }
    void imprime_cabecalho_cupom(int modo) override { saida << QStringLiteral("<cabecalho %1>").arg(modo); }
    void Lista_Movimento_dia() override {}
};

const ItemAutenticar kAgua{QStringLiteral("01"), QStringLiteral("03-AGUA E ESGOTO"), QStringLiteral("1.234,56"),
                           QStringLiteral("7")};

} // namespace

class TstFrmAutenticar : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::ProgramFolder> folder;
    std::unique_ptr<FrenteGravada> frente;
    std::shared_ptr<RecordingPrinter> rec;

    void configura(const QString &impressora, const QString &cabecalho)
    {
        QStringList linhas = folder->defaultConfig();
        if (!cabecalho.isNull())
            linhas.insert(linhas.indexOf(QStringLiteral("[Print]")) + 1, QStringLiteral("cabecalho=") + cabecalho);
        folder->writeConfig(linhas);
        gImpressora = impressora;
    }

    QStringList caixas() const { return folder->messages->texts(); }

private slots:
    void init()
    {
        folder = std::make_unique<TestSupport::ProgramFolder>();
        frente = std::make_unique<FrenteGravada>();
        rec = std::make_shared<RecordingPrinter>();
        Platform::printers().setRecording(rec);
        configura(QStringLiteral("txt"), QString());
    }

    void cleanup()
    {
        frente.reset();
        Platform::printers().reset();
        folder.reset();
    }

    void composesItsLabelsAndLines_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("rotuloValor");
        QTest::addColumn<QString>("rotuloTipo");
        QTest::addColumn<QString>("fita");
        QTest::addRow("long name cut, 8-character value")
            << "03-AGUA E ESGOTO" << "1.234,56" << "7" << "   1.234,56" << "AGUA E ESG"
            << "007 091226 10:30 AGUA E ESG     1.234,56";
        QTest::addRow("short name right-aligned") << "01-IPTU" << "87,5" << "12" << "      87,50" << "      IPTU"
                                                  << "012 091226 10:30       IPTU        87,50";
        QTest::addRow("negative in parentheses") << "05-TAXAS DIVERSAS" << "-1.234,56" << "3" << " (1.234,56)"
                                                 << "TAXAS DIVE" << "003 091226 10:30 TAXAS DIVE   (1.234,56)";
        QTest::addRow("a million is not padded, four digits in full")
            << "02-ISS" << "1.000.000,00" << "1234" << "1.000.000,00" << "       ISS"
            << "1234 091226 10:30        ISS  1.000.000,00";
    }

    void composesItsLabelsAndLines()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, valor);
        QFETCH(QString, numero);
        QFETCH(QString, rotuloValor);
        QFETCH(QString, rotuloTipo);
        QFETCH(QString, fita);
        frmAutenticar d({QStringLiteral("01"), tipo, valor, numero});
        QCOMPARE(d.windowTitle(), QStringLiteral("Autenticar"));
        QCOMPARE(d.cmdEnter->text(), QStringLiteral("(Enter) - OK"));
        QCOMPARE(d.cmdEsc->text(), QStringLiteral("(Esc) - Sair"));
        QCOMPARE(d.lblStatus->text(), QStringLiteral("0"));
        QCOMPARE(d.lblvalor->text(), rotuloValor);
        QCOMPARE(d.lblTipo->text(), rotuloTipo);
        QCOMPARE(d.texto_fita(), fita);
        const QString numero3 = fita.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(d.texto_boleto(), QStringLiteral("PMM 1 ") + numero3 + QStringLiteral(" 09122026 10:30  ")
                                       + rotuloValor + QStringLiteral("R"));
    }

    // Enter as often as the teller likes, then Esc: the document line each
    // time, the payment header before the roll line of a payment's first item.
    void authenticatesThenLeavesWithEsc_data()
    {
        QTest::addColumn<QString>("seq");
        QTest::addColumn<QString>("cabecalho");
        QTest::addColumn<bool>("comCabecalho");
        QTest::addRow("first item, header on") << "01" << "1" << true;
        QTest::addRow("second item") << "02" << "1" << false;
        QTest::addRow("header off") << "01" << "0" << false;
        QTest::addRow("header not set") << "01" << QString() << false;
        QTest::addRow("header not a number") << "01" << "sim" << false;
    }

    void authenticatesThenLeavesWithEsc()
    {
        QFETCH(QString, seq);
        QFETCH(QString, cabecalho);
        QFETCH(bool, comCabecalho);
        configura(QStringLiteral("txt"), cabecalho);
        gCancelaAutenticacao = true;
        ItemAutenticar item = kAgua;
        item.seq = seq;
        frmAutenticar d(item);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.lblStatus->text(), QStringLiteral("3"));
        QCOMPARE(caixas(), QStringList(3, QStringLiteral("Coloque o documento para autenticar")));
        QCOMPARE(folder->messages->boxes.first().title, QStringLiteral("Aviso"));
        QCOMPARE(folder->messages->boxes.first().style, int(Vb::vbInformation));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(gCancelaAutenticacao, false);
        QStringList esperado(3, d.texto_boleto());
        if (comCabecalho)
            esperado << QStringLiteral("<cabecalho 2>");
        esperado << d.texto_fita();
        QCOMPARE(frente->saida, esperado);
    }

    // Leaving without authenticating never lets the item be recorded, whatever
    // an earlier item left in the flag.
    void leavingWithoutAuthenticating_data()
    {
        QTest::addColumn<bool>("pelaCaixaDeFechar");
        QTest::addRow("Esc") << false;
        QTest::addRow("close box") << true;
    }

    void leavingWithoutAuthenticating()
    {
        QFETCH(bool, pelaCaixaDeFechar);
        gCancelaAutenticacao = false;
        frmAutenticar d(kAgua);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (pelaCaixaDeFechar)
            d.close();
        else
            QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(gCancelaAutenticacao, true);
        QVERIFY(frente->saida.isEmpty());
        QVERIFY(caixas().isEmpty());
    }

    void theCloseBoxIsRefusedAfterAnAuthentication()
    {
        frmAutenticar d(kAgua);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(&d, Qt::Key_Return);
        folder->messages->clear();
        QVERIFY(!d.close());
        QVERIFY(d.isVisible());
        QCOMPARE(caixas(), QStringList{QStringLiteral("Você deve sair ultilizando o botão ESC.")});
        QCOMPARE(folder->messages->boxes.first().title, QStringLiteral("Aviso"));
        QCOMPARE(gCancelaAutenticacao, true);
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(gCancelaAutenticacao, false);
    }

    void withoutPrintingTheCountStillRises()
    {
        gPrintCupom = 0;
        configura(QStringLiteral("bematech"), QStringLiteral("1"));
        {
            frmAutenticar d(kAgua);
            d.cmdEnter_Click();
            d.cmdEnter_Click();
            d.cmdEsc_Click();
            QCOMPARE(d.contagem(), 2);
        }
        gPrintCupom = 1;
        QCOMPARE(gCancelaAutenticacao, false);
        QCOMPARE(rec->functions(), (QStringList{"IniciaPorta", "ConfiguraModeloImpressora", "FechaPorta"}));
        QCOMPARE(frente->saida, QStringList{QStringLiteral("<cabecalho 1>")});
    }

    // The library printer: the port is opened with the dialog and closed with it.
    void theLibraryPrinterAroundTheDialog()
    {
        configura(QStringLiteral("bematech"), QStringLiteral("1"));
        gPorta = QStringLiteral("LPT1");
        QString boleto, fita;
        {
            frmAutenticar d(kAgua);
            boleto = d.texto_boleto();
            fita = d.texto_fita();
            d.cmdEnter_Click();
            d.cmdEsc_Click();
        }
        QCOMPARE(rec->functions(), (QStringList{"IniciaPorta", "ConfiguraModeloImpressora", "AutenticaDoc",
                                                "ComandoTX", "FormataTX", "FechaPorta"}));
        QCOMPARE(rec->callsOf("IniciaPorta").first().text, QStringLiteral("LPT1"));
        QCOMPARE(rec->callsOf("ConfiguraModeloImpressora").first().numbers.first(), 1);
        QCOMPARE(rec->callsOf("AutenticaDoc").first().bytes, boleto.toLatin1());
        QCOMPARE(rec->callsOf("FormataTX").first().bytes, fita.toLatin1() + '\n');
        QCOMPARE(frente->saida, QStringList{QStringLiteral("<cabecalho 1>")});
        QCOMPARE(caixas(), QStringList{QStringLiteral("Coloque o documento para autenticar")});
    }

    void aPortThatDoesNotOpenOrCloseIsReported()
    {
        configura(QStringLiteral("bematech"), QString());
        rec->iniciaPortaAnswers = {0};
        rec->fechaPortaAnswers = {0};
        {
            frmAutenticar d(kAgua);
            QCOMPARE(caixas(), QStringList{QStringLiteral("Problemas ao Abrir a Porta de Comunicação.")});
            QCOMPARE(folder->messages->boxes.first().style, int(Vb::vbInformation));
            QCOMPARE(folder->messages->boxes.first().title, appTitle());
            // Still usable: the count rises and the item can be recorded.
            d.cmdEnter_Click();
            d.cmdEsc_Click();
        }
        QCOMPARE(gCancelaAutenticacao, false);
        QVERIFY(!rec->functions().contains(QStringLiteral("ConfiguraModeloImpressora")));
        QCOMPARE(caixas().last(), QStringLiteral("Problemas ao fechar a porta de comunicação!!"));
    }

    void otherModelsDoNotTouchThePort()
    {
        configura(QStringLiteral("quattro"), QString());
        {
            frmAutenticar d(kAgua);
            d.cmdEsc_Click();
        }
        QVERIFY(!rec->functions().contains(QStringLiteral("IniciaPorta")));
        QVERIFY(!rec->functions().contains(QStringLiteral("FechaPorta")));
    }
};

QTEST_MAIN(TstFrmAutenticar)
#include "tst_frm_autenticar.moc"
