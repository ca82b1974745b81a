#include "clock.h"
#include "dia_exportacao.h"
#include "gera_cnab.h"
#include "arquivo_registros.h"
#include "gera_febraban.h"
#include "globals.h"
#include "test_support.h"
#include "text_file.h"

#include <QDir>
#include <QTest>

using TestSupport::ProgramFolder;

class TstRetornoBancario : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void febrabanDosPendentes();
    void febrabanDaListaIgual();
    void febrabanMaiorQueAMemoria();
    void febrabanNaoAcrescentaAArquivoExistente();
    void febrabanCodigoDe43Posicoes();
    void febrabanSemPendentesNoBanco();
    void febrabanPastaQueNaoExiste();
    void cnabDaLista();
    void cnabConvenioPeloTipo();
    void cnabPagoAbaixoDoTitulo();
    void cnabCodigoSemTitulo();

private:
    void configura(const QStringList &export_, const QString &pasta = QString());
    PedidoFebraban pedido(int tipo, const QString &texto, int linhas) const;
    QList<ItemExportacao> itensCnab() const;
    QStringList arquivos(const QString &pasta) const;

    std::unique_ptr<ProgramFolder> m_pasta;
};

void TstRetornoBancario::init()
{
    m_pasta = std::make_unique<ProgramFolder>();
    DiaExportacao::prepara();
    AbreBD::gDataCaixa = QDate(2026, 12, 9);
    configura({});
}

void TstRetornoBancario::cleanup()
{
    m_pasta.reset();
}

void TstRetornoBancario::configura(const QStringList &extra, const QString &pasta)
{
    QStringList config = m_pasta->defaultConfig();
    config.replaceInStrings(QStringLiteral("pref=PREFEITURA MUNICIPAL"),
                            QStringLiteral("pref=PREFEITURA MUNICIPAL DE SÃO JOÃO DAS ÁGUAS"));
    const QString destino = pasta.isEmpty() ? m_pasta->file(QStringLiteral("exporta/")) : pasta;
    QStringList export_ = {QStringLiteral("caminho_febraban=") + destino, QStringLiteral("nome_banco=BANCO DA PRAÇA"),
                           QStringLiteral("cod_banco_cnab=104"), QStringLiteral("cnpj=12345678000199"),
                           QStringLiteral("agencia=1234"), QStringLiteral("dv=5"),
                           QStringLiteral("cedente_agua=654321"), QStringLiteral("cedente_iptu=123456")};
    export_ += extra;
    for (int i = 0; i < export_.size(); ++i)
        config.insert(1 + i, export_.at(i));
    m_pasta->writeConfig(config);
}

PedidoFebraban TstRetornoBancario::pedido(int tipo, const QString &texto, int linhas) const
{
    PedidoFebraban p;
    p.idMovimento = DiaExportacao::Movimento;
    p.idTipo = tipo;
    p.tipo = texto;
    p.codBanco = QStringLiteral("001");
    p.data = QDate(2026, 12, 9);
    p.dataCaixa = AbreBD::gDataCaixa;
    p.linhasPendentes = linhas;
    return p;
}

QStringList TstRetornoBancario::arquivos(const QString &pasta) const
{
    return QDir(m_pasta->file(pasta)).entryList(QDir::Files | QDir::Hidden);
}

void TstRetornoBancario::febrabanDosPendentes()
{
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    int maximo = -1, ultimo = -1;
    g.progresso.inicia = [&](int m) { maximo = m; };
    g.progresso.avanca = [&](int v) { ultimo = v; };
    QVERIFY(g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3)));
    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QCOMPARE(g.arquivo(), m_pasta->file(QStringLiteral("exporta/FebCX1BLOQ_001_202612091030.RET")));
    QCOMPARE(arquivos(QStringLiteral("exporta")), QStringList{QStringLiteral("FebCX1BLOQ_001_202612091030.RET")});
    QCOMPARE(maximo, 3);
    QCOMPARE(ultimo, 3);

    const QByteArray bytes = TestSupport::readFile(g.arquivo());
    QString why;
    QVERIFY2(TestSupport::matchesGolden(bytes, QStringLiteral("export/golden/febraban.RET"), &why), qPrintable(why));
    bool soCrLf = false;
    const QList<QByteArray> linhas = DiaExportacao::linhas(bytes, &soCrLf);
    QVERIFY(soCrLf);
    QCOMPARE(linhas.size(), 5);
    for (const QByteArray &l : linhas)
        QCOMPARE(l.size(), 150);
    QCOMPARE(linhas.at(0).mid(45, 20), QByteArray("BANCO DA PRA\xC7") + "A      ");
    QCOMPARE(linhas.at(0).mid(73, 6), QByteArray("261209"));
    // The pending items of the type, in order: 10,00, 0,50 and 1.234,56.
    QCOMPARE(linhas.at(1).mid(81, 12) + linhas.at(1).mid(100, 8), QByteArray("00000000100000000001"));
    QCOMPARE(linhas.at(2).mid(81, 12) + linhas.at(2).mid(100, 8), QByteArray("00000000005000000002"));
    QCOMPARE(linhas.at(3).mid(81, 12) + linhas.at(3).mid(100, 8), QByteArray("00000012345600000003"));
    QCOMPARE(linhas.at(4).left(24), QByteArray("Z00000500000000000124506"));
    // Writing changes no flag.
    const auto rs = clsDataAccess::selectQuiet(QStringLiteral("SELECT SUM(EXPORT) FROM Recebimentos"));
    QCOMPARE(rs->Fields(0).toInt(), 2);
}

// A file larger than the memory buffer goes through the temporary file and
// comes out the same, byte for byte.
void TstRetornoBancario::febrabanMaiorQueAMemoria()
{
    const qsizetype antes = ArquivoRegistros::limiteMemoria;
    ArquivoRegistros::limiteMemoria = 160;
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    const bool gerou = g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3));
    ArquivoRegistros::limiteMemoria = antes;
    QVERIFY(gerou);
    QString why;
    QVERIFY2(TestSupport::matchesGolden(TestSupport::readFile(g.arquivo()), QStringLiteral("export/golden/febraban.RET"),
                                        &why),
             qPrintable(why));
}

void TstRetornoBancario::febrabanDaListaIgual()
{
    const QList<ItemExportacao> lista = {
        {QStringLiteral("1"), DiaExportacao::boleto("001", 1000, 1000, QStringLiteral("0000001234567890123456717")),
         Currency::fromCents(1000)},
        {QStringLiteral("3"), DiaExportacao::boleto("237", 9800, 50, QStringLiteral("4567000111222333444555666")),
         Currency::fromCents(50)},
        {QStringLiteral("6"), DiaExportacao::boleto("104", 9900, 123000, QStringLiteral("9876543210987654321098765")),
         Currency::fromCents(123456)}};
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(g.Gera_febraban_lista(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3), lista));
    QString why;
    QVERIFY2(TestSupport::matchesGolden(TestSupport::readFile(g.arquivo()), QStringLiteral("export/golden/febraban.RET"),
                                        &why),
             qPrintable(why));
}

void TstRetornoBancario::febrabanNaoAcrescentaAArquivoExistente()
{
    const QString nome = m_pasta->file(QStringLiteral("exporta/FebCX1BLOQ_001_202612091030.RET"));
    QVERIFY(TextFile::writeAll(nome, "anterior\r\n"));
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(!g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3)));
    QCOMPARE(TestSupport::readFile(nome), QByteArray("anterior\r\n"));
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    QVERIFY(m_pasta->messages->texts().first().contains(QStringLiteral("já existe e não foi alterado")));

    // The next minute writes a file of its own.
    Relogio::fixar(QDateTime(QDate(2026, 12, 9), QTime(10, 31)));
    QVERIFY(g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3)));
    QCOMPARE(arquivos(QStringLiteral("exporta")).size(), 2);
}

void TstRetornoBancario::febrabanCodigoDe43Posicoes()
{
    DiaExportacao::executa(QStringLiteral("UPDATE Recebimentos SET CODBARRA = substr(CODBARRA, 1, 43) WHERE AUTENTICA = 3"));
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(!g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3)));
    QVERIFY(arquivos(QStringLiteral("exporta")).isEmpty());
    const auto &boxes = m_pasta->messages->boxes;
    QCOMPARE(boxes.size(), 2);
    // The writer's text as it stands; the field that did not fit is in the error log.
    QCOMPARE(boxes.at(0).text, QStringLiteral("Erro ao gerar content"));
    QCOMPARE(boxes.at(0).style, int(Vb::vbCritical));
    QCOMPARE(boxes.at(0).title, QStringLiteral("Aviso"));
    const QString log = DiaExportacao::logDeErros();
    QVERIFY2(log.contains(QStringLiteral("Descrição: Erro ao gerar content\r\nAutenticação 3: campo COD_BARRA \"")),
             qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("\" com 43 posições, o registro pede 44")), qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("Origem: GeraFebraban")));
    QVERIFY(log.contains(QStringLiteral("Local: ") + g.arquivo()));
    QCOMPARE(boxes.at(1).text, QStringLiteral("Erro ao gerar arquivo"));
    QCOMPARE(boxes.at(1).title, appTitle());
    // The trailer was still built, from the one detail that was.
    QCOMPARE(g.gerador().FOOTER().left(24), QStringLiteral("Z00000300000000000001000"));
}

void TstRetornoBancario::febrabanSemPendentesNoBanco()
{
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(g.Gera_febraban_pendentes(pedido(5, QStringLiteral("TAXAS DIVERSAS"), 1)));
    bool soCrLf = false;
    const QList<QByteArray> linhas = DiaExportacao::linhas(TestSupport::readFile(g.arquivo()), &soCrLf);
    QCOMPARE(linhas.size(), 2);
    QCOMPARE(linhas.at(1).left(24), QByteArray("Z000002") + QByteArray(17, '0'));
    // No pending row listed: nothing at all.
    QVERIFY(!g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 0)));
    QCOMPARE(arquivos(QStringLiteral("exporta")).size(), 1);
}

void TstRetornoBancario::febrabanPastaQueNaoExiste()
{
    configura({}, m_pasta->file(QStringLiteral("nao_existe/")));
    GeraFebraban g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(!g.Gera_febraban_pendentes(pedido(4, QStringLiteral("BLOQUETO BANCARIO"), 3)));
    QVERIFY(!QDir(m_pasta->file(QStringLiteral("nao_existe"))).exists());
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    QVERIFY(m_pasta->messages->texts().first().startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
}

QList<ItemExportacao> TstRetornoBancario::itensCnab() const
{
    using DiaExportacao::boleto;
    return {{QStringLiteral("7"), boleto("104", 1000, 1000, QStringLiteral("0000001234567890123456717")),
             Currency::fromCents(1000)},
            {QStringLiteral("8"), boleto("104", 9800, 50, QStringLiteral("4567000111222333444555666")),
             Currency::fromCents(75)},
            {QStringLiteral("9"), boleto("104", 9900, 123000, QStringLiteral("9876543210987654321098765")),
             Currency::fromCents(123456)}};
}

void TstRetornoBancario::cnabDaLista()
{
    GeraCnab g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(g.Gera_cnab({QStringLiteral("AGUA E ESGOTO"), QDate(2026, 12, 9), DiaExportacao::NumMovimento}, itensCnab()));
    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QCOMPARE(g.arquivo(), m_pasta->file(QStringLiteral("recebimentos/CnabAGUA202612091030.RET")));

    const QByteArray bytes = TestSupport::readFile(g.arquivo());
    QString why;
    QVERIFY2(TestSupport::matchesGolden(bytes, QStringLiteral("export/golden/cnab.RET"), &why), qPrintable(why));
    bool soCrLf = false;
    const QList<QByteArray> linhas = DiaExportacao::linhas(bytes, &soCrLf);
    QVERIFY(soCrLf);
    QCOMPARE(linhas.size(), 10);
    QByteArray tipos;
    for (const QByteArray &l : linhas) {
        QCOMPARE(l.size(), 240);
        tipos += l.at(7);
    }
    QCOMPARE(tipos, QByteArray("0133333359"));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(linhas.at(2 + i).mid(8, 6), QByteArray::number(i + 1).rightJustified(5, '0') + (i % 2 ? 'U' : 'T'));
    QCOMPARE(linhas.at(0).mid(58, 6), QByteArray("654321"));
    QCOMPARE(linhas.at(0).mid(72, 30), QByteArray("PREFEITURA MUNICIPAL DE S\xC3O JO"));
    QCOMPARE(linhas.at(2).mid(73, 8), QByteArray("03072000"));
    QCOMPARE(linhas.at(3).mid(17, 15), QByteArray(15, '0'));
    QCOMPARE(linhas.at(5).mid(17, 15), QByteArray("000000000000025"));
    QCOMPARE(linhas.at(8).mid(17, 6), QByteArray("000008"));
    QCOMPARE(linhas.at(9).mid(23, 6), QByteArray("000010"));
}

void TstRetornoBancario::cnabConvenioPeloTipo()
{
    GeraCnab g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(g.Gera_cnab({QStringLiteral("Agua"), QDate(2026, 12, 9), 3}, itensCnab()));
    QCOMPARE(g.gerador().Header_arquivo().mid(58, 6), QStringLiteral("123456"));
    // The same minute and type again: the file there is not added to.
    QVERIFY(!g.Gera_cnab({QStringLiteral("Agua"), QDate(2026, 12, 9), 3}, itensCnab()));
    QVERIFY(m_pasta->messages->texts().first().contains(QStringLiteral("já existe")));
}

void TstRetornoBancario::cnabPagoAbaixoDoTitulo()
{
    QList<ItemExportacao> itens = itensCnab();
    itens[1].valor = Currency::fromCents(49);
    GeraCnab g;
    g.pausaPorRegistroMs = 0;
    QVERIFY(!g.Gera_cnab({QStringLiteral("IPTU"), QDate(2026, 12, 9), 3}, itens));
    QVERIFY(arquivos(QStringLiteral("recebimentos")).isEmpty());
    QCOMPARE(m_pasta->messages->boxes.size(), 1);
    QCOMPARE(m_pasta->messages->texts().first(), QStringLiteral("Erro ao gerar Detalhe U"));
    QVERIFY(DiaExportacao::logDeErros().contains(
        QStringLiteral("Erro ao gerar Detalhe U\r\nAutenticação 8: campo JUROS_MULTA \"-000000000000001\"")));
}

void TstRetornoBancario::cnabCodigoSemTitulo()
{
    QList<ItemExportacao> itens = itensCnab();
    itens[2].codBarra = QString(44, QLatin1Char('0')).replace(5, 4, QStringLiteral("ABCD"));
    GeraCnab g;
    g.pausaPorRegistroMs = 0;
    bool barraVisivel = false;
    g.progresso.termina = [&] { barraVisivel = false; };
    g.progresso.inicia = [&](int) { barraVisivel = true; };
    QVERIFY(!g.Gera_cnab({QStringLiteral("IPTU"), QDate(2026, 12, 9), 3}, itens));
    QVERIFY(!barraVisivel);
    QVERIFY(arquivos(QStringLiteral("recebimentos")).isEmpty());
    // An error that ends the writer at once: no box; the error
    // log says which item stopped it.
    QVERIFY(m_pasta->messages->boxes.isEmpty());
    QVERIFY(DiaExportacao::logDeErros().contains(QStringLiteral("Autenticação 9: o código de barras")));
}

QTEST_MAIN(TstRetornoBancario)
#include "tst_retorno_bancario.moc"
