#include "globals.h"
#include "test_support.h"

#include <QtTest>

using namespace AbreBD;

class TstSettings : public QObject {
    Q_OBJECT

private slots:
    void loadsEveryKey()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        QFile::copy(TestSupport::goldenPath("foundation/golden/Config.ini"), folder.file("Config.ini"));
        QVERIFY(Carrega_variaveis());
        QCOMPARE(gGuicheExport, QStringLiteral("3"));
        QCOMPARE(gGuiche, QStringLiteral("3"));
        QCOMPARE(gMensagem, QStringLiteral("CAIXA PRONTO"));
        QCOMPARE(gCabecalho, QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO"));
        QCOMPARE(gArquivoCofre, QStringLiteral("/srv/caixa/cofre.ini"));
        QCOMPARE(gPref, QStringLiteral("SÃO JOÃO"));
        QCOMPARE(gSomaSuprimento, 1);
        QCOMPARE(gCaminhoRecebimentos, QStringLiteral("/srv/caixa/receb/"));
        QCOMPARE(gJuros, 2);
        QCOMPARE(gCaminhoEstorno, QStringLiteral("/srv/caixa/estorno/"));
        QCOMPARE(gImpressora, QStringLiteral("bematech"));
        QCOMPARE(gModo, QStringLiteral("1"));
        QCOMPARE(gModoPrint, QStringLiteral("2"));
        QCOMPARE(gPrintCupom, 1);
        QCOMPARE(gPortaOpcoes, 4);
        QCOMPARE(gPorta, QStringLiteral("COM1"));
        QCOMPARE(gImpressoraAutenticadora, QStringLiteral("autenticadora"));
        QCOMPARE(gImpressoraPadrao, QStringLiteral("laser"));
        QCOMPARE(gTeclaMais, 1);
        QCOMPARE(gLineFeed, 5);
        QCOMPARE(gDisableEsc, 1);
        QCOMPARE(gIP, QStringLiteral("192.168.0.9"));
        QCOMPARE(gRede, 1);
    }

    void emptyFileGivesDefaults()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        QVERIFY(Carrega_variaveis());
        QCOMPARE(gJuros, 0);
        QCOMPARE(gGuiche, QString());
        QCOMPARE(gRede, 0);
        QCOMPARE(gPrintCupom, 0);
    }

    void badNumbersKeepThePreviousValue()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        folder.writeConfig({"[Reserva]", "soma=1", "[Opcoes]", "juros=2,5", "[Export]", "rede=1"});
        Carrega_variaveis();
        QCOMPARE(gSomaSuprimento, 1);
        QCOMPARE(gJuros, 2); // 2,5 rounds half to even
        QCOMPARE(gRede, 1);
        folder.writeConfig({"[Reserva]", "soma=x", "[Opcoes]", "juros=40000", "[Export]", "rede=-1"});
        Carrega_variaveis();
        QCOMPARE(gSomaSuprimento, 1);
        QCOMPARE(gJuros, 2);
        QCOMPARE(gRede, 0);
        folder.writeConfig({"[Export]", "rede=1"});
        Carrega_variaveis();
        QCOMPARE(gRede, 1);
        folder.writeConfig({"[Export]", "guiche=2"});
        Carrega_variaveis();
        QCOMPARE(gRede, 0); // never kept from an earlier load
    }

    void longValuesAreCut()
    {
        TestSupport::ProgramFolder folder({false, false, false, false, {}});
        folder.writeConfig({"[Mensagem]", "mensagem=" + QString(300, 'M')});
        Carrega_variaveis();
        QCOMPARE(gMensagem.size(), 254);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
