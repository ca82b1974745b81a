#include "arquivo_soma.h"
#include "tst_frente_ambiente.h"
#include "tst_frente_teclado.h"

#include "ini_file.h"
#include "text_file.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

using namespace AbreBD;

// The sum list kept in its files: saving, loading, removing an item through
// the scratch file, and files that do not read.
class TstArquivoSoma : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;
    QPointer<frmFrente> w;

    QString soma() const { return amb->folder->file(QStringLiteral("soma.txt")); }
    QString rascunho() const { return amb->folder->file(QStringLiteral("remove_item.txt")); }
    QStringList caixas() const { return amb->folder->messages->texts(); }

    void abre()
    {
        w = amb->abre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        amb->folder->messages->clear();
    }

    void acrescenta(int tipo, const QString &valor, const QString &venc = {}, const QString &parc = {},
                    const QString &obs = {})
    {
        w->txtItem->setText(QString::number(tipo));
        w->mskvalor->setText(valor);
        w->VencimentoAvulso = venc;
        w->ParcelaAvulso = parc;
        w->ObsAvulso = obs;
        QVERIFY(w->Adiciona_item_soma());
    }

    // The list as shown: one text per row, its eight columns joined by "|".
    QStringList mostrada() const
    {
        QStringList out;
        for (int i = 0; i < w->lstSoma->topLevelItemCount(); ++i) {
            QStringList c;
            for (int col = 0; col < 8; ++col)
                c << w->lstSoma->topLevelItem(i)->text(col);
            out << c.join(QLatin1Char('|'));
        }
        return out;
    }

    void limpa()
    {
        amb->folder->messages->answers = {Vb::vbYes};
        w->mnuLimpar_Click();
        QCOMPARE(w->soma().size(), 0);
        amb->folder->messages->clear();
    }

    void remove(const QString &resposta)
    {
        amb->folder->messages->inputs = {resposta};
        w->mnuRemove_Click();
    }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup()
    {
        w.clear();
        amb.reset();
    }

    void savesAndLoadsTheList()
    {
        abre();
        QVERIFY(!QFile::exists(soma()));
        acrescenta(1, QStringLiteral("1.234,5"));
        w->mnuGravar_Click(); // a single row is not saved
        QVERIFY(caixas().isEmpty());
        QVERIFY(!QFile::exists(soma()));

        // A remark may hold the separator: it is the last field.
        acrescenta(5, QStringLiteral("30"), QStringLiteral("20261215"), QStringLiteral("2/10"),
                   QStringLiteral("ALVARÁ; Nº 77;"));
        acrescenta(3, QStringLiteral("0,05"));
        const QStringList antes = mostrada();
        w->mnuGravar_Click(); // the file does not exist yet
        QCOMPARE(caixas(), QStringList{QStringLiteral("Arquivo salvo com sucesso!!")});
        QCOMPARE(amb->folder->messages->boxes.first().title, QStringLiteral("Aviso"));
        QCOMPARE(amb->folder->messages->boxes.first().style, int(Vb::vbInformation));
        QVERIFY(!w->pbr->isVisible());
        QCOMPARE(w->pbr->value(), 0);
        QString why;
        QVERIFY2(TestSupport::matchesGolden(TestSupport::readFile(soma()), "front/golden/soma.txt", &why),
                 qPrintable(why));

        // Loading never merges into a list that has rows.
        amb->folder->messages->clear();
        w->mnuCarregar_Click();
        QVERIFY(caixas().isEmpty());
        QCOMPARE(mostrada(), antes);

        limpa();
        w->mnuCarregar_Click();
        QCOMPARE(caixas(), QStringList{QStringLiteral("Arquivo carregado com sucesso!!")});
        QCOMPARE(mostrada(), antes);
        QCOMPARE(w->soma().at(1).obs, QStringLiteral("ALVARÁ; Nº 77;"));
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("R$ 1.264,55"));

        // A loaded list is recorded like any other.
        Teclado::troco(w, QString());
        Teclado::grava(w, 1);
        Teclado::grava(w, 1);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT TIPO, VALOR, VENCIMENTO, PARCELA, OBS, EXPORT "
                                                      "FROM Recebimentos WHERE AUTENTICA = 2")),
                 (QVariantList{5, 300000, "20261215", "2/10", "ALVARÁ; Nº 77;", 1}));

        // Saving again replaces the whole file.
        acrescenta(2, QStringLiteral("7"));
        w->mnuGravar_Click();
        const QStringList linhas = TextFile::readLines(soma());
        QCOMPARE(linhas.size(), 2);
        QVERIFY(linhas.first().startsWith(QStringLiteral("03;03-AGUA E ESGOTO;0,05;1.264,55;")));
        QVERIFY(linhas.last().startsWith(QStringLiteral("02;02-ISS;7,00;1.271,55;")));
    }

    void aMissingFileHasNoData()
    {
        abre();
        w->mnuCarregar_Click();
        QCOMPARE(caixas(), QStringList{QStringLiteral("Não há dados!!")});
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("Calcular"));
    }

    // A file that does not read whole loads nothing and says which line failed.
    void aFileThatDoesNotReadLoadsNothing_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("mensagem");
        const QByteArray boa = "01;01-IPTU;10,00;10,00;" + QByteArray(44, '0') + ";;;\r\n";
        QTest::addRow("too few fields")
            << boa + "02;03-AGUA E ESGOTO;5,00;15,00\r\n" + boa
            << QStringLiteral("Erro ao listar dados! linha 2: a linha tem 4 campos, são precisos 8");
        QTest::addRow("amount") << boa + boa + "03;01-IPTU;dez;30,00;;;;\r\n"
                                << QStringLiteral("Erro ao listar dados! linha 3: valor inválido \"dez\"");
        QTest::addRow("type") << QByteArray("01;IPTU;10,00;10,00;;;;\r\n")
                              << QStringLiteral("Erro ao listar dados! linha 1: tipo inválido \"IPTU\"");
        QTest::addRow("empty file") << QByteArray() << QStringLiteral("Erro ao listar dados! o arquivo não tem itens");
    }

    void aFileThatDoesNotReadLoadsNothing()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, mensagem);
        abre();
        QVERIFY(TextFile::writeAll(soma(), conteudo));
        w->mnuCarregar_Click();
        QCOMPARE(caixas(), QStringList{mensagem});
        QCOMPARE(amb->folder->messages->boxes.first().style, int(Vb::vbCritical));
        QVERIFY(amb->folder->messages->boxes.first().title.startsWith(QStringLiteral("Erro n.º ")));
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(w->lstSoma->topLevelItemCount(), 0);
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("Calcular"));
    }

    // An amount edited into the file with more decimals is taken as shown.
    void amountsAreTakenInCents()
    {
        abre();
        QVERIFY(TextFile::writeLines(soma(), {"01;03-AGUA E ESGOTO;10,005;10,005;" + QString(44, QLatin1Char('1'))
                                                  + ";;;"}));
        w->mnuCarregar_Click();
        QCOMPARE(w->lstSoma->topLevelItem(0)->text(2), QStringLiteral("10,01"));
        Teclado::troco(w, QString());
        QCOMPARE(w->lblTroco->text(), QStringLiteral("Não tem ..."));
        Teclado::grava(w, 1);
        QCOMPARE(AmbienteFrente::linha(QStringLiteral("SELECT TIPO, VALOR FROM Recebimentos")),
                 (QVariantList{3, 100100}));
    }

    void aSaveThatFailsIsReportedAndKeepsTheList()
    {
        abre();
        QVERIFY(IniFile::write(arquivoConfig(), QStringLiteral("Export"), QStringLiteral("caminho_soma"),
                               amb->folder->file(QStringLiteral("nao_existe/soma.txt"))));
        acrescenta(1, QStringLiteral("10"));
        acrescenta(1, QStringLiteral("20"));
        w->mnuGravar_Click();
        QCOMPARE(caixas().size(), 1);
        QVERIFY(caixas().first().startsWith(QStringLiteral("Erro ao salvar registro! ")));
        QCOMPARE(amb->folder->messages->boxes.first().style, int(Vb::vbCritical));
        QCOMPARE(w->soma().size(), 2);
    }

    void removesAnItem()
    {
        abre();
        acrescenta(1, QStringLiteral("10"));
        acrescenta(3, QStringLiteral("20"));
        acrescenta(5, QStringLiteral("30"), QStringLiteral("20261215"), QString(), QStringLiteral("a;b"));
        const struct {
            const char *resposta;
            const char *mensagem;
        } recusas[] = {{"", "Nenhum valor informado!!!"},
                       {"dois", "O valor informado não é um número!!"},
                       {"0", "O Valor informado não corresponde!!!"},
                       {"4", "O Valor informado não corresponde!!!"},
                       // The answer is read in the local number form: one thousand.
                       {"1.000", "O Valor informado não corresponde!!!"}};
        for (const auto &r : recusas) {
            amb->folder->messages->clear();
            remove(QString::fromUtf8(r.resposta));
            QCOMPARE(caixas().last(), QString::fromUtf8(r.mensagem));
            QCOMPARE(amb->folder->messages->boxes.first().title, QStringLiteral("Excluir Item"));
            QCOMPARE(w->soma().size(), 3);
        }

        // A stale scratch file is never read back.
        QVERIFY(TextFile::writeLines(rascunho(), {QStringLiteral("01;01-IPTU;999,00;999,00;;;;")}));
        amb->folder->messages->clear();
        // Taken as a whole number, "2,4" is item 2.
        remove(QStringLiteral("2,4"));
        QCOMPARE(caixas(), QStringList{QStringLiteral("Informe o número do item a excluir?")});
        const QString zeros(44, QLatin1Char('0'));
        QCOMPARE(mostrada(), (QStringList{"01|01-IPTU|10,00|10,00|" + zeros + "|||",
                                          "02|05-TAXAS DIVERSAS|30,00|40,00|" + zeros + "|20261215||a;b"}));
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("R$ 40,00"));
        QCOMPARE(TextFile::readLines(rascunho()),
                 (QStringList{"01;01-IPTU;10,00;10,00;" + zeros + ";;;",
                              "03;05-TAXAS DIVERSAS;30,00;60,00;" + zeros + ";20261215;;a;b"}));

        // Without a scratch file the removal still renumbers the list.
        QVERIFY(IniFile::write(arquivoConfig(), QStringLiteral("Export"), QStringLiteral("caminho_remove_item"),
                               amb->folder->file(QStringLiteral("nao_existe/remove.txt"))));
        amb->folder->messages->clear();
        remove(QStringLiteral("1"));
        QCOMPARE(mostrada(), (QStringList{"01|05-TAXAS DIVERSAS|30,00|30,00|" + zeros + "|20261215||a;b"}));
        QCOMPARE(caixas().size(), 2);
        QVERIFY(caixas().last().startsWith(QStringLiteral("Erro ao salvar registro! ")));

        amb->folder->messages->clear();
        QVERIFY(IniFile::write(arquivoConfig(), QStringLiteral("Export"), QStringLiteral("caminho_remove_item"),
                               rascunho()));
        remove(QStringLiteral("1"));
        QCOMPARE(caixas().size(), 1);
        QCOMPARE(w->soma().size(), 0);
        QCOMPARE(w->lbltotalConta->text(), QStringLiteral("Calcular"));
        QCOMPARE(TextFile::readAll(rascunho()), QString());
    }

    void theLineFormat()
    {
        SomaLista l;
        l << novaLinhaSoma(l, 1, QStringLiteral("IPTU"), Currency::fromCents(123456789), QString());
        l << novaLinhaSoma(l, 5, QStringLiteral("TAXAS DIVERSAS"), Currency::fromCents(1), QString(),
                           QStringLiteral("20261215"), QStringLiteral("1/3"), QStringLiteral(";;"));
        QCOMPARE(ArquivoSoma::linha(l.at(1)), QStringLiteral("02;05-TAXAS DIVERSAS;0,01;1.234.567,90;")
                                                  + QString(44, QLatin1Char('0')) + QStringLiteral(";20261215;1/3;;;"));
        const QString arquivo = QDir::temp().filePath(QStringLiteral("tst_arquivo_soma_linhas.txt"));
        QVERIFY(ArquivoSoma::grava(arquivo, l));
        const ArquivoSoma::Carga c = ArquivoSoma::carrega(arquivo, false);
        QFile::remove(arquivo);
        QVERIFY(c.ok);
        QCOMPARE(c.linhas.size(), 2);
        QCOMPARE(c.linhas.at(1).obs, QStringLiteral(";;"));
        QCOMPARE(c.linhas.at(1).idTipo, 5);
        QCOMPARE(c.linhas.at(1).saldo, l.at(1).saldo);
    }
};

QTEST_MAIN(TstArquivoSoma)
#include "tst_arquivo_soma.moc"
