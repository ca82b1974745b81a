#include "banco_teste.h"
#include "globals.h"
#include "test_support.h"
#include "usuarios.h"

#include <QComboBox>
#include <QtTest>

using namespace BancoTeste;

class TstUsuarios : public QObject {
    Q_OBJECT
private slots:
    void senhaValida();
    void senhasRecusadas();
    void usuarioInativo();
    void senhaRepetida();
    void semConexao();
    void preencheLista();
    void pedeSenhaMascarada();
};

void TstUsuarios::senhaValida()
{
    TestSupport::ProgramFolder pasta;
    QVERIFY(AbreBD::Valida_senha("1234"));
    QCOMPARE(AbreBD::gUsuario, QString("ADMINISTRADOR"));
    QCOMPARE(AbreBD::gTipoUsuario, QString("ADM"));
    QCOMPARE(AbreBD::Tipo_usuario("1234"), QString("ADM"));
    QVERIFY(!AbreBD::gRs);
    QVERIFY(AbreBD::Valida_senha("1111"));
    QCOMPARE(AbreBD::gUsuario, QString("CAIXA 01"));
    QCOMPARE(AbreBD::Tipo_usuario("1111"), QString("USER"));
}

void TstUsuarios::senhasRecusadas()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('FISCAL', 'Segredo', 'ADM', 1)");
    AbreBD::gUsuario = "ANTES";
    const QStringList recusadas = {"segredo", "SEGREDO", "Segredo ", " Segredo", "' OR '1'='1",
                                   "' OR ''='", "1234' --", "x' OR TIPO='ADM"};
    for (const QString &senha : recusadas) {
        QVERIFY2(!AbreBD::Valida_senha(senha), qPrintable(senha));
        QCOMPARE(AbreBD::Tipo_usuario(senha), QString("USER"));
    }
    QCOMPARE(AbreBD::gUsuario, QString("ANTES"));
    QVERIFY(AbreBD::Valida_senha("Segredo"));

    // Blanks only: no query at all.
    AbreBD::gSQL.clear();
    QVERIFY(!AbreBD::Valida_senha("   "));
    QCOMPARE(AbreBD::Tipo_usuario(""), QString("USER"));
    QVERIFY(AbreBD::gSQL.isEmpty());
    QVERIFY(pasta.messages->boxes.isEmpty());
}

void TstUsuarios::usuarioInativo()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('ANTIGO ADM', '9999', 'ADM', 0)");
    QVERIFY(AbreBD::Valida_senha("1111"));
    QVERIFY(!AbreBD::Valida_senha("9999"));
    QCOMPARE(AbreBD::gUsuario, QString("CAIXA 01"));
    QCOMPARE(AbreBD::gTipoUsuario, QString("USER"));
    // The type is told whether or not the user is active.
    QCOMPARE(AbreBD::Tipo_usuario("9999"), QString("ADM"));
}

void TstUsuarios::senhaRepetida()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('OUTRO ADM', '1111', 'ADM', 1)");
    QVERIFY(!AbreBD::Valida_senha("1111"));
    QVERIFY(AbreBD::gUsuario.isEmpty());
    QCOMPARE(AbreBD::Tipo_usuario("1111"), QString("USER"));
}

void TstUsuarios::semConexao()
{
    TestSupport::ProgramFolder pasta;
    Conexao::fechar();
    QVERIFY(!AbreBD::Valida_senha("1234"));
    QCOMPARE(AbreBD::Tipo_usuario("1234"), QString("USER"));
    QCOMPARE(pasta.messages->boxes.size(), 2);
}

void TstUsuarios::preencheLista()
{
    TestSupport::ProgramFolder pasta;
    QComboBox lista;
    QVERIFY(AbreBD::Preenche_lista(
        "Select IDCOD, DESCRICAO FROM CodBarra where IDCOD < 100 ORDER BY DESCRICAO;", &lista));
    QCOMPARE(lista.count(), 5);
    QCOMPARE(lista.itemText(0), QString("AGUA E ESGOTO"));
    QCOMPARE(lista.itemData(0).toInt(), 3);
    QCOMPARE(lista.itemData(4).toInt(), 5);

    // No row: the list keeps what it had.
    QVERIFY(!AbreBD::Preenche_lista("Select IDCOD, DESCRICAO FROM CodBarra WHERE IDCOD = ?;", &lista, {77}));
    QCOMPARE(lista.count(), 5);
    QVERIFY(AbreBD::Preenche_lista("Select IDCOD, DESCRICAO FROM CodBarra WHERE IDCOD = ?;", &lista, {102}));
    QCOMPARE(lista.count(), 1);
    QCOMPARE(lista.itemText(0), QString("CHEQUE"));

    // A row without an id ends the list with its text shown.
    QVERIFY(!AbreBD::Preenche_lista("SELECT NULL, 'SEM CODIGO' UNION ALL SELECT 1, 'IPTU'", &lista));
    QCOMPARE(lista.count(), 1);
    QCOMPARE(lista.itemText(0), QString("SEM CODIGO"));

    QVERIFY(!AbreBD::Preenche_lista("Select IDCOD, DESCRICAO FROM Nada", &lista));
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QCOMPARE(lista.count(), 1);
}

void TstUsuarios::pedeSenhaMascarada()
{
    TestSupport::ProgramFolder pasta;
    pasta.messages->inputs << "1234";
    QCOMPARE(AbreBD::PedeSenha("Entre com a senha do administrador!!"), QString("1234"));
    QCOMPARE(pasta.messages->boxes.size(), 1);
    const auto caixa = pasta.messages->boxes.first();
    QVERIFY(caixa.password);
    QCOMPARE(caixa.title, appTitle());
    QCOMPARE(caixa.text, QString("Entre com a senha do administrador!!"));
}

QTEST_MAIN(TstUsuarios)
#include "tst_usuarios.moc"
