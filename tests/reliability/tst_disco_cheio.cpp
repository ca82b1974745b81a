// A full disk, played by a small file-size limit (RLIMIT_FSIZE, SIGXFSZ
// ignored): every file writer says it failed, leaves the previous file whole
// and the program goes on; with room again the same writer works.
#include "arquivo_recebimentos.h"
#include "arquivo_soma.h"
#include "comum.h"
#include "error_report.h"
#include "gera_febraban.h"
#include "gera_integracao.h"
#include "globals.h"
#include "ini_file.h"
#include "registro_estornos.h"
#include "aplicativos.h"
#include "saldo_cofre.h"
#include "test_support.h"
#include "text_file.h"

#include <QDir>
#include <QSqlQuery>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// Files of the process may not grow past `bytes` while it lives.
class DiscoCheio {
public:
    explicit DiscoCheio(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_antes);
        rlimit r = m_antes;
        r.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoCheio() { setrlimit(RLIMIT_FSIZE, &m_antes); }
    DiscoCheio(const DiscoCheio &) = delete;
    DiscoCheio &operator=(const DiscoCheio &) = delete;

private:
    rlimit m_antes{};
};

QByteArray le(const QString &caminho) { return TestSupport::readFile(caminho); }

// Nothing but the expected files: no temporary copy left behind.
QStringList arquivos(const QString &pasta)
{
    return QDir(pasta).entryList(QDir::Files, QDir::Name);
}

SomaLista lista(int linhas)
{
    SomaLista s;
    for (int i = 0; i < linhas; ++i)
        s << novaLinhaSoma(s, 1, QStringLiteral("IPTU"), Currency::fromCents(1000 + i), QString(44, QLatin1Char('1')),
                           QString(), QString(), QStringLiteral("OBSERVAÇÃO %1").arg(i));
    return s;
}

void insereItens(int idMovimento, int quantos)
{
    QSqlQuery q(Conexao::banco());
    QVERIFY(Conexao::banco().transaction());
    q.prepare(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR) "
                             "VALUES (?, ?, ?, 1, ?)"));
    for (int a = 1; a <= quantos; ++a) {
        q.addBindValue(a);
        q.addBindValue(QStringLiteral("8160%1").arg(a, 40, 10, QLatin1Char('0')));
        q.addBindValue(idMovimento);
        q.addBindValue(qint64(1000 + a) * 100);
        QVERIFY(q.exec());
    }
    QVERIFY(Conexao::banco().commit());
}

int abreMovimento()
{
    QSqlQuery q(Conexao::banco());
    q.exec(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (1, '2026-12-09', 'ABERTO')"));
    return q.lastInsertId().toInt();
}

} // namespace

class TstDiscoCheio : public QObject {
    Q_OBJECT
private slots:
    void arquivoDeRecebimentos();
    void registroDeEstornosNovo();
    void arquivosDaSoma();
    void retornoFebraban();
    void arquivoDeIntegracao();
    void arquivosIni();
    void configuracaoMaiorQueOEspaco();
    void logDeErros();
};

void TstDiscoCheio::arquivoDeRecebimentos()
{
    TestSupport::ProgramFolder pasta;
    const QString arquivo = pasta.file(QStringLiteral("recebimentos/Receb_1_20261209.txt"));
    const ArquivoRecebimentos::Item item{QStringLiteral("01"), 1, QStringLiteral("1-IPTU"), QStringLiteral("12,00"),
                                         QString(), QString(), QString(), QString(44, QLatin1Char('1'))};
    const QStringList bloco = ArquivoRecebimentos::blocoItem(item, QStringLiteral("09/12/2026"), QStringLiteral("10:30"),
                                                             QStringLiteral("CAIXA 01"), QStringLiteral("12,00"),
                                                             QStringLiteral("0,00"));
    QVERIFY(ArquivoRecebimentos::acrescenta(arquivo, ArquivoRecebimentos::cabecalho(QStringLiteral("PREF"), 1,
                                                                                  QStringLiteral("1"))));
    const QByteArray antes = le(arquivo);
    {
        DiscoCheio cheio(antes.size() + 40);
        QString erro;
        QVERIFY(!ArquivoRecebimentos::acrescenta(arquivo, bloco, &erro));
        QVERIFY(!erro.isEmpty());
        QCOMPARE(le(arquivo), antes); // no torn block
    }
    QVERIFY(ArquivoRecebimentos::acrescenta(arquivo, bloco));
    QCOMPARE(le(arquivo), antes + TextFile::linesToBytes(bloco));
}

// The reversal log starts with its banner when missing: a first entry that
// did not fit must not leave an empty file behind that skips the banner.
void TstDiscoCheio::registroDeEstornosNovo()
{
    TestSupport::ProgramFolder pasta;
    const QString arquivo = pasta.file(QStringLiteral("estornos.txt"));
    const QStringList entrada{QStringLiteral("Aut: 001"), QStringLiteral("Motivo do estorno: teste")};
    {
        DiscoCheio cheio(0);
        QString erro;
        QVERIFY(!RegistroEstornos::acrescenta(arquivo, entrada, &erro));
        QVERIFY(!erro.isEmpty());
    }
    QVERIFY(!QFile::exists(arquivo));
    QVERIFY(RegistroEstornos::acrescenta(arquivo, entrada));
    QCOMPARE(le(arquivo),
             TextFile::linesToBytes(RegistroEstornos::cabecalho(AbreBD::gPref, AbreBD::gGuiche) + entrada));
}

void TstDiscoCheio::arquivosDaSoma()
{
    TestSupport::ProgramFolder pasta;
    const QString arquivo = pasta.file(QStringLiteral("soma.txt"));
    QVERIFY(ArquivoSoma::grava(arquivo, lista(1)));
    const QByteArray antes = le(arquivo);
    const QStringList presentes = arquivos(pasta.path());
    {
        DiscoCheio cheio(1024);
        QString erro;
        QVERIFY(!ArquivoSoma::grava(arquivo, lista(40), &erro));
        QVERIFY(!erro.isEmpty());
    }
    QCOMPARE(le(arquivo), antes);
    QCOMPARE(arquivos(pasta.path()), presentes);
    const ArquivoSoma::Carga c = ArquivoSoma::carrega(arquivo, false);
    QVERIFY(c.ok);
    QCOMPARE(c.linhas.size(), 1);
    QVERIFY(ArquivoSoma::grava(arquivo, lista(40)));
}

void TstDiscoCheio::retornoFebraban()
{
    TestSupport::ProgramFolder pasta;
    const QString destino = pasta.file(QStringLiteral("exporta/"));
    QVERIFY(Aplicativos::Grava_ini(QStringLiteral("Export"), QStringLiteral("caminho_febraban"), destino,
                                   AbreBD::arquivoConfig()));
    const int idMovimento = abreMovimento();
    insereItens(idMovimento, 3000);
    GeraFebraban feb;
    feb.pausaPorRegistroMs = 0;
    const PedidoFebraban pedido{idMovimento, 1, QStringLiteral("IPTU"), QStringLiteral("001"), QDate(2026, 12, 9),
                                QDate(2026, 12, 9), 3000};
    {
        DiscoCheio cheio(64 * 1024);
        QVERIFY(!feb.Gera_febraban_pendentes(pedido));
    }
    QVERIFY2(pasta.messages->texts().join(QLatin1Char('\n')).contains(QStringLiteral("Não foi possível gravar o arquivo")),
             qPrintable(pasta.messages->texts().join(QLatin1Char('\n'))));
    QCOMPARE(arquivos(destino), QStringList()); // no half file under either name
    pasta.messages->clear();
    QVERIFY(feb.Gera_febraban_pendentes(pedido));
    QCOMPARE(le(feb.arquivo()).size(), qsizetype(3002 * 152));
}

void TstDiscoCheio::arquivoDeIntegracao()
{
    TestSupport::ProgramFolder pasta;
    const int idMovimento = abreMovimento();
    insereItens(idMovimento, 3000);
    GeraIntegracao integ;
    integ.pausaPorRegistroMs = 0;
    const DadosIntegracao dados{idMovimento, QDate(2026, 12, 9), Currency::fromReais(10), Currency()};
    const QString anterior = pasta.file(QStringLiteral("exporta/1_202612091030.INT"));
    QVERIFY(TextFile::writeLines(anterior, {QStringLiteral("ARQUIVO ANTERIOR")}));
    const QByteArray antes = le(anterior);
    {
        DiscoCheio cheio(64 * 1024);
        QVERIFY(!integ.Gera_integracao(dados));
    }
    QCOMPARE(integ.arquivo(), anterior);
    QCOMPARE(le(anterior), antes);
    QCOMPARE(arquivos(pasta.file(QStringLiteral("exporta"))), QStringList{QStringLiteral("1_202612091030.INT")});
    QVERIFY(pasta.messages->texts().join(QLatin1Char('\n')).contains(QStringLiteral("Não foi possível gravar o arquivo")));
    QVERIFY(integ.Gera_integracao(dados));
    QVERIFY(le(anterior).size() > 3000 * 200);
}

void TstDiscoCheio::arquivosIni()
{
    TestSupport::ProgramFolder pasta;
    const QString config = AbreBD::arquivoConfig();
    const QByteArray antes = le(config);
    const QString cofre = pasta.file(QStringLiteral("cofre.ini"));
    QVERIFY(SaldoCofre::grava(cofre, Currency::fromReais(150)));
    const QByteArray cofreAntes = le(cofre);
    {
        DiscoCheio cheio(antes.size() + 16);
        QString erro;
        QVERIFY(!IniFile::write(config, QStringLiteral("Mensagem"), QStringLiteral("mensagem"), QString(200, QLatin1Char('X')),
                                &erro));
        QVERIFY(!erro.isEmpty());
        QVERIFY(!Aplicativos::Grava_ini(QStringLiteral("Nova"), QStringLiteral("chave"), QString(100, QLatin1Char('Y')),
                                        config));
        QCOMPARE(le(config), antes);
    }
    {
        DiscoCheio cheio(cofreAntes.size());
        QString erro;
        QVERIFY(!SaldoCofre::grava(cofre, Currency::fromReais(1234567)));
        QVERIFY(!SaldoCofre::grava(cofre, Currency::fromCents(123456789), &erro));
        QVERIFY(!erro.isEmpty());
        QCOMPARE(le(cofre), cofreAntes);
        QCOMPARE(SaldoCofre::le(cofre).saldo, std::optional<Currency>(Currency::fromReais(150)));
    }
    QVERIFY(IniFile::write(config, QStringLiteral("Mensagem"), QStringLiteral("mensagem"), QStringLiteral("OUTRA")));
    QCOMPARE(IniFile::read(config, QStringLiteral("Mensagem"), QStringLiteral("mensagem")), QStringLiteral("OUTRA"));
}

// The settings screen saves through a copy of "Config.ini": a copy cut short
// by the full disk must not become the new file.
void TstDiscoCheio::configuracaoMaiorQueOEspaco()
{
    TestSupport::ProgramFolder pasta;
    QStringList linhas = pasta.defaultConfig();
    for (int i = 0; i < 60; ++i)
        linhas << QStringLiteral("; nota %1 %2").arg(i).arg(QString(40, QLatin1Char('-')));
    pasta.writeConfig(linhas);
    const QByteArray antes = le(AbreBD::arquivoConfig());
    {
        DiscoCheio cheio(antes.size() / 2);
        QVERIFY(!Admin::Grava_config({{QStringLiteral("Mensagem"), QStringLiteral("mensagem"), QStringLiteral("X")}}));
    }
    QCOMPARE(le(AbreBD::arquivoConfig()), antes);
    QVERIFY(pasta.messages->texts().value(0).startsWith(QStringLiteral("Não foi possível gravar o arquivo de configuração")));
    QCOMPARE(arquivos(pasta.path()).filter(QStringLiteral("Config")), QStringList{QStringLiteral("Config.ini")});
}

void TstDiscoCheio::logDeErros()
{
    TestSupport::ProgramFolder pasta;
    const QString log = pasta.file(QStringLiteral("Log.ini"));
    Aplicativos::Trata_erro(CaixaError(5, QStringLiteral("primeiro"), QStringLiteral("teste")), QStringLiteral("Função A"));
    const QByteArray antes = le(log);
    QVERIFY(!antes.isEmpty());
    pasta.messages->clear();
    {
        DiscoCheio cheio(antes.size() + 10);
        Aplicativos::Trata_erro(CaixaError(6, QStringLiteral("segundo"), QStringLiteral("teste")), QStringLiteral("Função B"));
    }
    QCOMPARE(le(log), antes);
    QCOMPARE(pasta.messages->boxes.size(), 1);
    const QString texto = pasta.messages->boxes.at(0).text;
    QVERIFY(texto.contains(QStringLiteral("segundo")));
    QVERIFY2(texto.contains(QStringLiteral("Log.ini")), qPrintable(texto)); // the teller learns the log missed it
    Aplicativos::Trata_erro(CaixaError(7, QStringLiteral("terceiro"), QStringLiteral("teste")), QStringLiteral("Função C"));
    QVERIFY(le(log).startsWith(antes));
    QVERIFY(le(log).contains("terceiro"));
}

QTEST_MAIN(TstDiscoCheio)
#include "tst_disco_cheio.moc"
