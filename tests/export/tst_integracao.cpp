#include "dia_exportacao.h"
#include "gera_integracao.h"
#include "test_support.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QTest>

using TestSupport::ProgramFolder;

class TstIntegracao : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void arquivoDoDia();
    void mesmoMinutoSubstitui();
    void semRecebimentosNaoHaArquivo();
    void guicheDeDuasPosicoes();
    void valoresQueNaoCabem();
    void pastaQueNaoExiste();

private:
    DadosIntegracao dados() const;
    bool gera();
    QStringList arquivosNaPasta() const;

    std::unique_ptr<ProgramFolder> m_pasta;
    GeraIntegracao m_escritor;
    QList<int> m_avancos;
};

void TstIntegracao::init()
{
    m_pasta = std::make_unique<ProgramFolder>();
    DiaExportacao::prepara();
    m_escritor = GeraIntegracao();
    m_escritor.pausaPorRegistroMs = 0;
    m_avancos.clear();
    m_escritor.progresso.inicia = [this](int maximo) { m_avancos << -maximo; };
    m_escritor.progresso.avanca = [this](int valor) { m_avancos << valor; };
    m_escritor.progresso.termina = [this] { m_avancos << 0; };
}

void TstIntegracao::cleanup()
{
    m_pasta.reset();
}

DadosIntegracao TstIntegracao::dados() const
{
    DadosIntegracao d;
    d.idMovimento = DiaExportacao::Movimento;
    d.data = QDate(2026, 12, 9);
    d.totalConferido = Currency::fromReais(1000);
    d.suprimento = Currency::fromReais(50);
    return d;
}

bool TstIntegracao::gera()
{
    return m_escritor.Gera_integracao(dados());
}

QStringList TstIntegracao::arquivosNaPasta() const
{
    return QDir(m_pasta->file(QStringLiteral("exporta"))).entryList(QDir::Files | QDir::Hidden);
}

void TstIntegracao::arquivoDoDia()
{
    QVERIFY(gera());
    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QCOMPARE(m_escritor.arquivo(), m_pasta->file(QStringLiteral("exporta/1_202612091030.INT")));
    QCOMPARE(arquivosNaPasta(), QStringList{QStringLiteral("1_202612091030.INT")});

    const QByteArray bytes = TestSupport::readFile(m_escritor.arquivo());
    QString why;
    QVERIFY2(TestSupport::matchesGolden(bytes, QStringLiteral("export/golden/integracao.INT"), &why), qPrintable(why));

    bool soCrLf = false;
    const QList<QByteArray> linhas = DiaExportacao::linhas(bytes, &soCrLf);
    QVERIFY(soCrLf);
    // A, seven R, S with three D, J, S (long description), Z.
    QByteArray tipos;
    for (const QByteArray &l : linhas) {
        QCOMPARE(l.size(), 200);
        tipos += l.at(0);
    }
    QCOMPARE(tipos, QByteArray("ARRRRRRRSDDDJSZ"));
    // Footer: items written, their sum (1.422,35) and the count plus the supply (1.050,00).
    QCOMPARE(linhas.last().left(41), QByteArray("Z000000007000000000142235000000000105000") + '0');
    // The rejected item and the one without bar code are written too, flagged.
    QCOMPARE(linhas.at(4).at(115), '1');
    QCOMPARE(linhas.at(5).mid(49, 44), QByteArray(44, '0'));
    QCOMPARE(linhas.at(5).at(115), '1');
    QCOMPARE(linhas.at(1).at(115), '0');
    // Accented descriptions one byte each in Windows-1252.
    QVERIFY(linhas.at(8).contains("n\xBA 15 \x97 Secretaria de Educa\xE7\xE3o"));
    QVERIFY(linhas.at(10).contains("Banco Ita\xFA"));
    // Descriptions and numbers too long for their place are left blank, not cut.
    QCOMPARE(linhas.at(11).mid(6, 30), QByteArray(30, ' '));
    QCOMPARE(linhas.at(13).mid(29), QByteArray(171, ' '));
    // The payment's id is in every breakdown record.
    for (int i = 9; i <= 11; ++i)
        QCOMPARE(linhas.at(i).mid(46, 10), QByteArray("0000000002"));
    // Progress over the received items, closed at the end.
    QCOMPARE(m_avancos, (QList<int>{-7, 1, 2, 3, 4, 5, 6, 7, 0}));
}

void TstIntegracao::mesmoMinutoSubstitui()
{
    const QString nome = m_pasta->file(QStringLiteral("exporta/1_202612091030.INT"));
    QVERIFY(TextFile::writeAll(nome, "antigo\r\n"));
    QVERIFY(gera());
    const QByteArray primeiro = TestSupport::readFile(nome);
    QVERIFY(!primeiro.startsWith("antigo"));
    QVERIFY(gera());
    QCOMPARE(TestSupport::readFile(nome), primeiro);
    QCOMPARE(primeiro.count("\r\nZ"), 1);
    QCOMPARE(arquivosNaPasta().size(), 1);
}

void TstIntegracao::semRecebimentosNaoHaArquivo()
{
    // The other movement's day has no received item of movement 9, only an exit.
    DiaExportacao::executa(QStringLiteral("INSERT INTO Sangria (TIPO, IDMOVIMENTO, SAIDA) VALUES ('SAIDA', 9, 10000)"));
    DadosIntegracao d = dados();
    d.idMovimento = 9;
    QVERIFY(!m_escritor.Gera_integracao(d));
    QVERIFY(arquivosNaPasta().isEmpty());
    QVERIFY(m_pasta->messages->boxes.isEmpty());
}

void TstIntegracao::guicheDeDuasPosicoes()
{
    QStringList config = m_pasta->defaultConfig();
    config.replaceInStrings(QStringLiteral("guiche=1"), QStringLiteral("guiche=03"));
    m_pasta->writeConfig(config);
    QVERIFY(!gera());
    QVERIFY(arquivosNaPasta().isEmpty());
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    const auto box = m_pasta->messages->boxes.first();
    QCOMPARE(box.title, QStringLiteral("Aviso"));
    QCOMPARE(box.style, int(Vb::vbCritical));
    // the writer's text as it stands; the fields that did not fit are in the error log.
    QCOMPARE(box.text, QStringLiteral("Erro ao gerar: CONTENT"));
    const QString log = DiaExportacao::logDeErros();
    QVERIFY2(log.contains(QStringLiteral("Descrição: Erro ao gerar: CONTENT\r\n")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("Autenticação 1: campo GUICHE \"03\" com 2 posições, o registro pede 1")),
             qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("campo SETOR (guichê)")));
    QVERIFY(log.contains(QStringLiteral("Origem: GeraIntegracao")));
    QCOMPARE(m_avancos.last(), 0);
}

void TstIntegracao::valoresQueNaoCabem()
{
    // Ten million reais do not fit nine digits; a negative exit does not fit either.
    DiaExportacao::insereRecebimento(8, 4, Currency::fromReais(10000000), QString(44, QLatin1Char('1')), 0);
    QVERIFY(!gera());
    QVERIFY(arquivosNaPasta().isEmpty());
    QCOMPARE(m_pasta->messages->texts(), QStringList{QStringLiteral("Erro ao gerar: CONTENT")});
    QVERIFY(DiaExportacao::logDeErros().contains(
        QStringLiteral("Autenticação 8: campo ENTRADA (valor) \"1000000000\" com 10 posições, o registro pede 9")));

    m_pasta->messages->clear();
    DiaExportacao::executa(QStringLiteral("DELETE FROM Recebimentos WHERE AUTENTICA = 8"));
    DiaExportacao::executa(QStringLiteral("UPDATE Sangria SET SAIDA = ? WHERE ID = 4"), {Currency::fromCents(-500).raw()});
    QVERIFY(!gera());
    QVERIFY(arquivosNaPasta().isEmpty());
    QCOMPARE(m_pasta->messages->texts(), QStringList{QStringLiteral("Erro ao gerar: HEADER_DEBITO")});
    QVERIFY(DiaExportacao::logDeErros().contains(
        QStringLiteral("Erro ao gerar: HEADER_DEBITO\r\nSaída 4: campo D_VALORTOTAL (valor) \"-0000000500\"")));
}

void TstIntegracao::pastaQueNaoExiste()
{
    QStringList config = m_pasta->defaultConfig();
    for (QString &l : config)
        if (l.startsWith(QLatin1String("Path1=")))
            l = QStringLiteral("Path1=") + m_pasta->file(QStringLiteral("nao_existe/"));
    m_pasta->writeConfig(config);
    QVERIFY(!gera());
    QVERIFY(!QDir(m_pasta->file(QStringLiteral("nao_existe"))).exists());
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    QVERIFY(m_pasta->messages->texts().first().startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
}

QTEST_MAIN(TstIntegracao)
#include "tst_integracao.moc"
