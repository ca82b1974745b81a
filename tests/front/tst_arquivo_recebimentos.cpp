#include "arquivo_recebimentos.h"
#include "tst_frente_ambiente.h"

#include "ini_file.h"
#include "text_file.h"

#include <QDateEdit>
#include <QLabel>
#include <QTreeWidget>

using namespace AbreBD;

namespace {

const QString kCodigo = QStringLiteral("81690000001500001230202612150000000000000123");

QTreeWidgetItem *linhaSoma(QTreeWidget *lista, const QStringList &campos)
{
    auto *item = new QTreeWidgetItem(campos);
    lista->addTopLevelItem(item);
    return item;
}

} // namespace

class TstArquivoRecebimentos : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;

    bool grava(frmFrente *w, QTreeWidgetItem *row, int autenticacao)
    {
        w->lstSoma->setCurrentItem(row);
        return w->grava_recebimentos_txt(1, autenticacao, {}, {}, {}, {});
    }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup() { amb.reset(); }

    void aDayOfPaymentsAndItsSummary()
    {
        frmFrente *w = amb->abre();
        QTreeWidget *soma = w->lstSoma;
        // A payment of three documents: one block, payment lines before the first only.
        auto *r1 = linhaSoma(soma, {"01", "3 - AGUA E ESGOTO", "100,00", "100,00", kCodigo, "", "", ""});
        auto *r2 = linhaSoma(soma, {"02", "101 - TAXA DE LICENÇA", "30,00", "130,00", QString(44, QLatin1Char('0')),
                                    "20261215", "2/10", "ALVARÁ Nº 77"});
        auto *r3 = linhaSoma(soma, {"03", "3 - AGUA E ESGOTO", "20,00", "150,00", kCodigo, "", "", ""});
        w->lbltotalConta->setText(QStringLiteral("R$ 150,00"));
        w->lblTroco->setText(QStringLiteral("R$ 50,00"));
        QVERIFY(grava(w, r1, 7));
        QVERIFY(grava(w, r2, 8));
        QVERIFY(grava(w, r3, 9));
        // The next payment: exact money, a four-digit authentication number.
        soma->clear();
        auto *r4 = linhaSoma(soma, {"01", "3 - AGUA E ESGOTO", "1.234,56", "1.234,56", kCodigo, "", "", ""});
        w->lbltotalConta->setText(QStringLiteral("R$ 1.234,56"));
        w->lblTroco->setText(QStringLiteral("Não tem ..."));
        QVERIFY(grava(w, r4, 1234));
        // The closing's summary: entries are written before withdrawals.
        QVERIFY(w->grava_recebimentos_txt(2, 0, Currency::fromCents(123456), Currency::fromCents(10000),
                                          Currency::fromCents(5000), Currency::fromCents(118456)));

        const QByteArray bytes = TestSupport::readFile(amb->arquivoRecebimentos());
        QString why;
        QVERIFY2(TestSupport::matchesGolden(bytes, "front/golden/recebimentos_dia.txt", &why), qPrintable(why));
        QVERIFY(!bytes.contains("\n\n"));
        QVERIFY(bytes.contains("ALVAR\xC1 N\xBA 77"));
    }

    void itemLinesAsTheRowShowsThem()
    {
        ArquivoRecebimentos::Item avulso;
        avulso.seq = QStringLiteral("02");
        avulso.autenticacao = 7;
        avulso.tipo = QStringLiteral("101 - TAXA");
        avulso.valor = QStringLiteral("30,00");
        avulso.vencimento = QStringLiteral("20270131");
        avulso.parcela = QStringLiteral("1/1");
        avulso.obs = QStringLiteral("obs");
        QCOMPARE(ArquivoRecebimentos::blocoItem(avulso, "09/12/2026", "10:30", "U", "1,00", "0,00"),
                 (QStringList{"", "Aut: 007\tTipo: 101 - TAXA\tValor: 30,00", "Venc: 31/01/2027\tParc: 1/1",
                              "Obs: obs"}));
        avulso.seq = QStringLiteral("01");
        avulso.autenticacao = 12345;
        avulso.vencimento.clear();
        avulso.codBarra = kCodigo;
        QCOMPARE(ArquivoRecebimentos::blocoItem(avulso, "09/12/2026", "10:30", "U", "1,00", "-2,00"),
                 (QStringList{QString(100, QLatin1Char('=')), "Data: 09/12/2026\tHora: 10:30\tUser: U",
                              "Total Pago: 1,00\tTroco: -2,00", "", "Aut: 12345\tTipo: 101 - TAXA\tValor: 30,00",
                              "COD.: " + kCodigo}));
    }

    void theFileOfTheSettingsAtEachCall()
    {
        frmFrente *w = amb->abre();
        auto *r = linhaSoma(w->lstSoma, {"01", "3 - AGUA", "1,00", "1,00", kCodigo, "", "", ""});
        // Another station number since the day was opened: a new file, without header.
        QVERIFY(IniFile::write(amb->folder->file("Config.ini"), "Export", "guiche", "7"));
        QVERIFY(grava(w, r, 1));
        const QString outro = amb->folder->file(QStringLiteral("recebimentos/Receb_7_20261209.txt"));
        QVERIFY(TextFile::readAll(outro).startsWith(QString(100, QLatin1Char('=')) + "\r\nData: 09/12/2026"));
        // A mode of its own writes nothing but leaves the file in place.
        QFile::remove(outro);
        QVERIFY(w->grava_recebimentos_txt(3, 0, {}, {}, {}, {}));
        QVERIFY(QFile::exists(outro));
        QCOMPARE(QFileInfo(outro).size(), 0);
    }

    void appendingKeepsTheDayAndReportsFailure()
    {
        frmFrente *w = amb->abre();
        const QByteArray cabecalho = TestSupport::readFile(amb->arquivoRecebimentos());
        QVERIFY(!cabecalho.isEmpty());
        auto *r = linhaSoma(w->lstSoma, {"02", "3 - AGUA", "1,00", "1,00", kCodigo, "", "", ""});
        QVERIFY(grava(w, r, 2));
        QVERIFY(TestSupport::readFile(amb->arquivoRecebimentos()).startsWith(cabecalho));

        QVERIFY(IniFile::write(amb->folder->file("Config.ini"), "Export", "Path3",
                               amb->folder->file(QStringLiteral("sumiu/"))));
        QString erro;
        w->lstSoma->setCurrentItem(r);
        QVERIFY(!w->grava_recebimentos_txt(1, 3, {}, {}, {}, {}, &erro));
        QVERIFY(!erro.isEmpty());
    }
};

QTEST_MAIN(TstArquivoRecebimentos)
#include "tst_arquivo_recebimentos.moc"
