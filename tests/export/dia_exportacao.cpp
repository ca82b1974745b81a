#include "dia_exportacao.h"
#include "data_access.h"
#include "program_folder.h"
#include "text_file.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace DiaExportacao {

QString boleto(const QString &banco, int fator, qint64 centavos, const QString &livre)
{
    return banco + QStringLiteral("9") + QStringLiteral("1") + QStringLiteral("%1").arg(fator, 4, 10, QLatin1Char('0'))
           + QStringLiteral("%1").arg(centavos, 10, 10, QLatin1Char('0')) + livre;
}

void executa(const QString &sql, const QVariantList &params)
{
    QSqlQuery q(Conexao::banco());
    QVERIFY2(q.prepare(sql), qPrintable(q.lastError().text()));
    for (const QVariant &p : params)
        q.addBindValue(p.userType() == qMetaTypeId<Currency>() ? QVariant(p.value<Currency>().raw()) : p);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

qint64 insereRecebimento(int autentica, int tipo, Currency valor, const QString &codBarra, int exportFlag,
                         int movimento)
{
    QSqlQuery q(Conexao::banco());
    q.prepare(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, EXPORT, VALOR) "
                             "VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v : QVariantList{autentica, codBarra, movimento, tipo, exportFlag, valor.raw()})
        q.addBindValue(v);
    if (!q.exec())
        qFatal("insert failed: %s", qPrintable(q.lastError().text()));
    return q.lastInsertId().toLongLong();
}

void prepara()
{
    executa(QStringLiteral("INSERT INTO Movimento (ID, MOV, MDATA, STATUS) VALUES (?, ?, '2026-12-09', 'FECHADO')"),
            {Movimento, NumMovimento});
    executa(QStringLiteral("INSERT INTO Movimento (ID, MOV, MDATA, STATUS) VALUES (?, 1, '2026-12-08', 'FECHADO')"),
            {OutroMovimento});

    // The kinds of the day's document types, fixed here so the files do not
    // follow changes of the demo data: 4 goes to the FEBRABAN file, 1 to 3 to CNAB.
    executa(QStringLiteral("UPDATE CodBarra SET PADRAO = 'F' WHERE IDCOD = 4"), {});
    executa(QStringLiteral("UPDATE CodBarra SET PADRAO = 'C' WHERE IDCOD IN (1, 2, 3)"), {});
    executa(QStringLiteral("UPDATE CodBarra SET PADRAO = 'P' WHERE IDCOD = 5"), {});

    const QString livre = QStringLiteral("0000001234567890123456717");
    insereRecebimento(1, 4, Currency::fromCents(1000), boleto("001", 1000, 1000, livre), 0);
    insereRecebimento(2, 1, Currency::fromCents(2530), QStringLiteral("81690000000253001232026120900000000012345678"), 0);
    insereRecebimento(3, 4, Currency::fromCents(50), boleto("237", 9800, 50, QStringLiteral("4567000111222333444555666")), 0);
    insereRecebimento(4, 4, Currency::fromCents(9999), boleto("341", 9850, 9999, QStringLiteral("1111111111111111111111111")), 1);
    insereRecebimento(5, 5, Currency::fromCents(700), QString(44, QLatin1Char('0')), 1);
    insereRecebimento(6, 4, Currency::fromCents(123456), boleto("104", 9900, 123000, QStringLiteral("9876543210987654321098765")), 0);
    insereRecebimento(7, 3, Currency::fromCents(4500), QStringLiteral("82620000000450001042026120900000000098765432"), 0);
    insereRecebimento(1, 4, Currency::fromCents(500), boleto("001", 1000, 500, livre), 0, OutroMovimento);

    const QString sangria = QStringLiteral("INSERT INTO Sangria (DESCRICAO, TIPO, ID, IDMOVIMENTO, SDATA, ENTRADA, SAIDA) "
                                           "VALUES (?, ?, ?, ?, '2026-12-09', ?, ?)");
    executa(sangria, {QStringLiteral("Abertura do caixa"), QStringLiteral("ENTRADA"), 1, Movimento,
                      Currency::fromReais(100).raw(), 0});
    executa(sangria, {QStringLiteral("Pagamento de empenho nº 15 — Secretaria de Educação"), QStringLiteral("SAIDA"),
                      2, Movimento, 0, Currency::fromReais(150).raw()});
    executa(sangria, {QStringLiteral("Retirada para o cofre"), QStringLiteral("SANGRIA"), 3, Movimento, 0,
                      Currency::fromReais(300).raw()});
    executa(sangria, {QString(171, QLatin1Char('X')), QStringLiteral("SAIDA"), 4, Movimento, 0,
                      Currency::fromCents(550).raw()});
    executa(sangria, {QStringLiteral("Outro dia"), QStringLiteral("SAIDA"), 5, OutroMovimento, 0,
                      Currency::fromReais(1).raw()});

    const QString itens = QStringLiteral("INSERT INTO Itens (ESPECIE, IDSANGRIA, NUMERO, VALOR) VALUES (?, ?, ?, ?)");
    executa(itens, {101, 2, QString(), Currency::fromReais(100).raw()});
    executa(itens, {102, 2, QStringLiteral("Cheque 000123 Banco Itaú"), Currency::fromReais(40).raw()});
    executa(itens, {103, 2, QString(30, QLatin1Char('9')), Currency::fromReais(10).raw()});
    executa(itens, {101, 3, QStringLiteral("cofre"), Currency::fromReais(300).raw()});
}

QList<QByteArray> linhas(const QByteArray &bytes, bool *soCrLf)
{
    *soCrLf = bytes.endsWith("\r\n") && bytes.count('\n') == bytes.count("\r\n") && bytes.count('\r') == bytes.count("\r\n");
    QList<QByteArray> out = bytes.split('\n');
    out.removeLast();
    for (QByteArray &l : out)
        l.chop(1);
    return out;
}

QString logDeErros()
{
    return TextFile::readAll(Platform::programFile(QStringLiteral("Log.ini")));
}

} // namespace DiaExportacao
