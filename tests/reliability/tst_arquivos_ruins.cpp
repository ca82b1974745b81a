// Broken settings and databases: a "Config.ini" of binary garbage, one with
// every key missing, one with 10 MB values; a caixa.db that is missing, empty,
// not a database, read-only or locked by another process. The program starts
// (in a process of its own), says what is wrong and does not crash.
#include "globals.h"
#include "ini_file.h"
#include "test_support.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <unistd.h>

namespace {

// What the program's start showed and did, run in a process of its own.
struct Inicio {
    bool normal = false;   // ended by itself, exit code 0
    QStringList caixas;    // "title|text" of every message box
    QString main, form, grava;
    QString tudo;
};

Inicio inicia(const QString &pasta, const QStringList &ambienteExtra = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CAIXA_DIR"), pasta);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString &a : ambienteExtra)
        env.insert(a.section(QLatin1Char('='), 0, 0), a.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(CAIXA_AUXILIAR), {QStringLiteral("inicia")});
    p.waitForFinished(60000);
    Inicio r;
    r.normal = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    r.tudo = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString &l : r.tudo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (l.startsWith(QLatin1String("CAIXA|")))
            r.caixas << l.mid(6);
        else if (l.startsWith(QLatin1String("MAIN|")))
            r.main = l.mid(5);
        else if (l.startsWith(QLatin1String("FORM|")))
            r.form = l.mid(5);
        else if (l.startsWith(QLatin1String("GRAVA|")))
            r.grava = l.mid(6);
    }
    return r;
}

bool algumaCaixaDiz(const Inicio &r, const QString &texto)
{
    for (const QString &c : r.caixas)
        if (c.contains(texto, Qt::CaseInsensitive))
            return true;
    return false;
}

QByteArray lixo(int tamanho, quint32 semente)
{
    QRandomGenerator g(semente);
    QByteArray b(tamanho, '\0');
    for (char &c : b)
        c = char(g.bounded(256));
    // Some lines that look like sections and keys, among the noise.
    for (int i = 0; i < tamanho; i += 997)
        b.replace(i, 12, g.bounded(2) ? "\r\n[Export]\r\n" : "\nguiche=\xff\xfe\n");
    return b;
}

TestSupport::ProgramFolder::Options semBanco()
{
    TestSupport::ProgramFolder::Options o;
    o.database = false;
    return o;
}

// The database is closed and its folder left for the child.
std::unique_ptr<TestSupport::ProgramFolder> pastaFechada(TestSupport::ProgramFolder::Options o = {})
{
    o.open = false;
    return std::make_unique<TestSupport::ProgramFolder>(o);
}

} // namespace

class TstArquivosRuins : public QObject {
    Q_OBJECT
private slots:
    void configuracaoDeLixo();
    void configuracaoSemChaves();
    void configuracaoEnorme();
    void bancoAusente();
    void bancoVazio();
    void naoEBanco();
    void bancoSomenteLeitura();
    void bancoTravado_data();
    void bancoTravado();
};

void TstArquivosRuins::configuracaoDeLixo()
{
    auto pasta = pastaFechada();
    QVERIFY(TextFile::writeAll(pasta->file(QStringLiteral("Config.ini")), lixo(256 * 1024, 1)));
    AbreBD::Carrega_variaveis();
    QVERIFY(AbreBD::gGuiche.size() <= IniFile::MaxValueLength);
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QCOMPARE(r.main, QStringLiteral("segue"));
    QCOMPARE(r.form, QStringLiteral("visivel"));
    QCOMPARE(r.grava, QStringLiteral("sim"));
}

void TstArquivosRuins::configuracaoSemChaves()
{
    auto pasta = pastaFechada();
    pasta->writeConfig({QStringLiteral("[Export]"), QStringLiteral("[Mensagem]"), QStringLiteral("[Reserva]"),
                        QStringLiteral("[Opcoes]"), QStringLiteral("[Print]"), QStringLiteral("[Skin]")});
    AbreBD::Carrega_variaveis();
    QCOMPARE(AbreBD::gGuiche, QString());
    QCOMPARE(AbreBD::gRede, 0);
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QCOMPARE(r.form, QStringLiteral("visivel"));
    QVERIFY2(r.caixas.isEmpty(), qPrintable(r.caixas.join(QLatin1Char('\n'))));
}

void TstArquivosRuins::configuracaoEnorme()
{
    auto pasta = pastaFechada();
    const QString dezMega(10 * 1024 * 1024, QLatin1Char('9'));
    pasta->writeConfig({QStringLiteral("[Export]"), QStringLiteral("guiche=") + dezMega, QStringLiteral("rede=") + dezMega,
                        QStringLiteral("Path3=") + dezMega, QStringLiteral("[Mensagem]"),
                        QStringLiteral("mensagem=") + dezMega, QStringLiteral("[Opcoes]"),
                        QStringLiteral("juros=") + dezMega});
    AbreBD::Carrega_variaveis();
    QCOMPARE(AbreBD::gGuiche.size(), IniFile::MaxValueLength);
    QCOMPARE(AbreBD::gMensagem.size(), IniFile::MaxValueLength);
    QCOMPARE(AbreBD::gRede, 0); // no number: the default
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QCOMPARE(r.form, QStringLiteral("visivel"));
}

void TstArquivosRuins::bancoAusente()
{
    auto pasta = pastaFechada(semBanco());
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QVERIFY(algumaCaixaDiz(r, QStringLiteral("Erro ao conectar banco de dados!!!")));
    QVERIFY(algumaCaixaDiz(r, QStringLiteral("caixa.db")));
    QCOMPARE(r.form, QStringLiteral("visivel"));
    QCOMPARE(r.grava, QStringLiteral("nao"));
    QVERIFY(!QFile::exists(pasta->file(QStringLiteral("caixa.db")))); // never created by the program
}

void TstArquivosRuins::bancoVazio()
{
    auto pasta = pastaFechada(semBanco());
    QVERIFY(TextFile::writeAll(pasta->file(QStringLiteral("caixa.db")), QByteArray()));
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QVERIFY(algumaCaixaDiz(r, QStringLiteral("Erro ao conectar banco de dados!!!")));
    QVERIFY2(algumaCaixaDiz(r, QStringLiteral("não contém as tabelas do caixa")), qPrintable(r.tudo));
    QCOMPARE(r.grava, QStringLiteral("nao"));
}

void TstArquivosRuins::naoEBanco()
{
    auto pasta = pastaFechada(semBanco());
    QVERIFY(TextFile::writeAll(pasta->file(QStringLiteral("caixa.db")), lixo(64 * 1024, 2)));
    const QByteArray antes = TestSupport::readFile(pasta->file(QStringLiteral("caixa.db")));
    const Inicio r = inicia(pasta->path());
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QVERIFY(algumaCaixaDiz(r, QStringLiteral("Erro ao conectar banco de dados!!!")));
    QVERIFY2(algumaCaixaDiz(r, QStringLiteral("não é um banco de dados")), qPrintable(r.tudo));
    QCOMPARE(TestSupport::readFile(pasta->file(QStringLiteral("caixa.db"))), antes);
}

void TstArquivosRuins::bancoSomenteLeitura()
{
    auto pasta = pastaFechada();
    const QString banco = pasta->file(QStringLiteral("caixa.db"));
    QFile::setPermissions(pasta->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const Inicio r = inicia(pasta->path(), {QStringLiteral("CAIXA_CONFIAB_NINGUEM=1")});
    QFile::setPermissions(banco, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QCOMPARE(r.form, QStringLiteral("visivel"));
    QCOMPARE(r.grava, QStringLiteral("nao"));
    QVERIFY2(algumaCaixaDiz(r, QStringLiteral("somente leitura")), qPrintable(r.tudo));
}

void TstArquivosRuins::bancoTravado_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<bool>("abre");
    QTest::newRow("nobody may read") << QStringLiteral("exclusivo") << false;
    QTest::newRow("nobody may write") << QStringLiteral("escrita") << true;
}

void TstArquivosRuins::bancoTravado()
{
    QFETCH(QString, modo);
    QFETCH(bool, abre);
    auto pasta = pastaFechada();
    QProcess trava;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CAIXA_DIR"), pasta->path());
    trava.setProcessEnvironment(env);
    trava.start(QStringLiteral(CAIXA_AUXILIAR), {QStringLiteral("trava"), modo});
    QByteArray lido;
    while (!lido.contains("travado") && trava.waitForReadyRead(10000))
        lido += trava.readAllStandardOutput();
    QVERIFY2(lido.contains("travado"), "the lock was not taken");
    const Inicio r = inicia(pasta->path());
    trava.kill();
    trava.waitForFinished();
    QVERIFY2(r.normal, qPrintable(r.tudo));
    QCOMPARE(r.form, QStringLiteral("visivel"));
    QCOMPARE(r.grava, QStringLiteral("nao"));
    QCOMPARE(algumaCaixaDiz(r, QStringLiteral("Erro ao conectar banco de dados!!!")), !abre);
    QVERIFY2(algumaCaixaDiz(r, QStringLiteral("em uso por outro programa")), qPrintable(r.tudo));
}

QTEST_MAIN(TstArquivosRuins)
#include "tst_arquivos_ruins.moc"
