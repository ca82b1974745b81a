// Text typed into the windows that reach SQL (password, user names,
// document-type names, remarks) with quotes, semicolons and "' OR '1'='1":
// it is stored as the box holds it, or refused, and never runs as SQL.
#include "item_teste.h"

#include "cls_recebimentos.h"
#include "cls_sangria.h"
#include "data_access.h"
#include "frm_cod_barra.h"
#include "frm_data.h"
#include "frm_usuarios.h"
#include "globals.h"
#include "grava_recebimento.h"
#include "test_support.h"
#include "usuarios.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QStringList hostis{
    QStringLiteral("' OR '1'='1"),
    QStringLiteral("x' OR '1'='1' --"),
    QStringLiteral("'; DROP TABLE Usuarios; --"),
    QStringLiteral("Robert'); DROP TABLE Movimento;--"),
    QStringLiteral("\" OR \"\"=\""),
    QStringLiteral("1; DELETE FROM Recebimentos"),
    QStringLiteral("O'Brien"),
    QStringLiteral("%' --"),
    QStringLiteral("x'||(SELECT SENHA FROM Usuarios LIMIT 1)||'"),
};

QVariant valor(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q(Conexao::banco());
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    return q.exec() && q.next() ? q.value(0) : QVariant();
}

// The tables and their row counts: what an executed text would change.
QString retrato()
{
    QStringList out;
    QSqlQuery q(Conexao::banco());
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    QStringList tabelas;
    while (q.next())
        tabelas << q.value(0).toString();
    for (const QString &t : tabelas)
        out << t + QLatin1Char('=') + valor(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(t)).toString();
    return out.join(QLatin1Char(' '));
}

} // namespace

class TstTextoSql : public QObject {
    Q_OBJECT
private slots:
    void senhaNaEntrada();
    void nomeESenhaDeUsuario();
    void nomeDeTipoDeDocumento();
    void observacoes();
};

void TstTextoSql::senhaNaEntrada()
{
    TestSupport::ProgramFolder pasta;
    int mostradas = 0;
    frmData::mostraFrente() = [&mostradas] { ++mostradas; };
    const QString antes = retrato();
    for (const QString &t : hostis) {
        QVERIFY(!AbreBD::Valida_senha(t));
        QCOMPARE(AbreBD::Tipo_usuario(t), QStringLiteral("USER"));
        auto *form = new frmData;
        form->show();
        QTest::keyClicks(form->txtsenha, t);
        QTest::mouseClick(form->cmdAbrirCaixa, Qt::LeftButton);
        delete form;
        QCOMPARE(mostradas, 0);
    }
    QVERIFY(AbreBD::gUsuario.isEmpty());
    QCOMPARE(retrato(), antes);
    frmData::mostraFrente() = nullptr;
}

void TstTextoSql::nomeESenhaDeUsuario()
{
    TestSupport::ProgramFolder pasta;
    for (int i = 0; i < hostis.size(); ++i) {
        const QString senha = hostis.at(i);
        frmUsuarios w;
        w.show();
        w.cmdIncluir->click();
        QTest::keyClicks(w.txtnome, hostis.at((i + 1) % hostis.size()));
        QTest::keyClicks(w.txtsenha, senha);
        w.Check->click();
        const QString nome = w.txtnome->text();
        const QString digitada = w.txtsenha->text();
        pasta.messages->inputs = {digitada};
        const QString antes = retrato();
        w.Command2->click();
        const QVariant id = valor(QStringLiteral("SELECT ID FROM Usuarios WHERE NOME = ? AND SENHA = ?"), {nome, digitada});
        if (id.isValid()) {
            // Stored as the boxes held it; the new user logs in with exactly that.
            QVERIFY(AbreBD::Valida_senha(digitada));
            QCOMPARE(AbreBD::gUsuario, nome);
            QVERIFY(!AbreBD::Valida_senha(digitada + QLatin1Char(' ')));
        } else {
            QCOMPARE(retrato(), antes); // refused: nothing changed
        }
    }
    QVERIFY(valor(QStringLiteral("SELECT COUNT(*) FROM Usuarios")).toInt() >= 2);
    QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE NOME = 'ADMINISTRADOR' AND SENHA = '1234'")).toInt(), 1);
    QVERIFY(!AbreBD::Valida_senha(QStringLiteral("nenhuma' OR '1'='1")));
}

void TstTextoSql::nomeDeTipoDeDocumento()
{
    TestSupport::ProgramFolder pasta;
    for (int i = 0; i < hostis.size(); ++i) {
        frmCodBarra w;
        w.show();
        w.cmdIncluir->click();
        w.txtordem->setText(QString::number(20 + i));
        QTest::keyClicks(w.txtTipo, QStringLiteral("07%1").arg(i, 2, 10, QLatin1Char('0')));
        QTest::keyClicks(w.txtdescricao, hostis.at(i));
        QTest::keyClicks(w.txtcodbanco, QStringLiteral("001"));
        const QString descricao = w.txtdescricao->text();
        const QString antes = retrato();
        w.Command2_Click();
        const QVariant gravada = valor(QStringLiteral("SELECT DESCRICAO FROM CodBarra WHERE IDCOD = ?"), {20 + i});
        if (gravada.isValid())
            QCOMPARE(gravada.toString(), descricao);
        else
            QCOMPARE(retrato(), antes);
    }
    QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM CodBarra WHERE IDCOD < 20 OR IDCOD > 100")).toInt(), 8);
}

void TstTextoSql::observacoes()
{
    TestSupport::ProgramFolder pasta;
    QSqlQuery q(Conexao::banco());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO Movimento (MOV, MDATA, STATUS) VALUES (1, '2026-12-09', 'ABERTO')")));
    const int idMovimento = q.lastInsertId().toInt();
    clsRecebimentos recebimentos;
    for (int i = 0; i < hostis.size(); ++i) {
        LinhaSoma l = ItemTeste::linha(i + 1);
        l.obs = hostis.at(i);
        l.parcela = hostis.at((i + 3) % hostis.size());
        QVERIFY(GravaRecebimento::grava(recebimentos, l, idMovimento, i + 1));
        QCOMPARE(valor(QStringLiteral("SELECT OBS FROM Recebimentos WHERE AUTENTICA = ?"), {i + 1}).toString(), l.obs);
        QCOMPARE(valor(QStringLiteral("SELECT PARCELA FROM Recebimentos WHERE AUTENTICA = ?"), {i + 1}).toString(),
                 l.parcela);

        clsSangria s;
        s.DESCRICAO = hostis.at(i);
        s.TIPO = QStringLiteral("ENTRADA");
        s.IDMOVIMENTO = idMovimento;
        QVERIFY(s.SQLInsert(1));
        QCOMPARE(valor(QStringLiteral("SELECT DESCRICAO FROM Sangria WHERE ID = ?"), {s.ID}).toString(), hostis.at(i));
    }
    QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM Recebimentos")).toInt(), int(hostis.size()));
    QCOMPARE(valor(QStringLiteral("SELECT COUNT(*) FROM Sangria")).toInt(), int(hostis.size()));
}

QTEST_MAIN(TstTextoSql)
#include "tst_texto_sql.moc"
