#include "frm_cod_barra.h"
#include "frm_usuarios.h"

#include "globals.h"
#include "test_support.h"
#include "text_file.h"
#include "usuarios.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

QSqlQuery executa(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q(Conexao::banco());
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        qWarning("%s", qPrintable(sql));
    return q;
}

QVariant valor(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q = executa(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

QStringList linha(const QTreeWidget *lista, int i)
{
    QStringList out;
    const QTreeWidgetItem *item = lista->topLevelItem(i);
    for (int c = 0; c < item->columnCount(); ++c)
        out << item->text(c);
    return out;
}

// Clicks the row whose key text is given.
void escolhe(QTreeWidget *lista, const QString &chave)
{
    const auto achados = lista->findItems(chave, Qt::MatchExactly, 0);
    QVERIFY(!achados.isEmpty());
    lista->scrollToItem(achados.first());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(achados.first()).topLeft() + QPoint(4, 4));
}

bool naConsulta(const frmCadastro &w)
{
    return w.SSTab->currentIndex() == 0 && w.SSTab->isTabEnabled(0) && !w.SSTab->isTabEnabled(1);
}

bool noCadastro(const frmCadastro &w)
{
    return w.SSTab->currentIndex() == 1 && !w.SSTab->isTabEnabled(0) && w.SSTab->isTabEnabled(1)
           && w.Frame->isEnabled();
}

const QString kObrigatorios = QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!");

} // namespace

class TstAdminCadastros : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void listaDeUsuarios();
    void novoUsuario();
    void senhasRecusadas();
    void alteraUsuario();
    void excluiUsuario();
    void ultimoAdministrador();
    void senhaDoAdministrador();
    void listaDeTipos();
    void listagemQueFalhaVaiAoRelatorio();
    void novoTipo();
    void alteraTipo();
    void excluiTipo();
};

void TstAdminCadastros::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstAdminCadastros::listaDeUsuarios()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('BRUNO', '55', 'USER', 0)");
    frmUsuarios w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Usuários"));
    QVERIFY(naConsulta(w));
    QVERIFY(!w.Frame->isEnabled());
    QCOMPARE(w.ListView->topLevelItemCount(), 3);
    QCOMPARE(linha(w.ListView, 0), QStringList({"0001", "ADMINISTRADOR", "ADM"}));
    QCOMPARE(linha(w.ListView, 1), QStringList({"0003", "BRUNO", "USER"}));
    QCOMPARE(linha(w.ListView, 2), QStringList({"0002", "CAIXA 01", "USER"}));
    QVERIFY(!AbreBD::gRs);
    QVERIFY(!QGuiApplication::overrideCursor());

    // Nothing chosen yet.
    w.cmdAlterar->click();
    w.mnuexcluir->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList(2, QStringLiteral("Informe um item !!!")));
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbCritical));
    QCOMPARE(pasta.messages->boxes.first().title, QStringLiteral("Aviso"));
    QVERIFY(naConsulta(w));
}

void TstAdminCadastros::novoUsuario()
{
    TestSupport::ProgramFolder pasta;
    frmUsuarios w;
    w.show();
    w.cmdIncluir->click();
    QVERIFY(noCadastro(w));
    QCOMPARE(w.txtordem->text(), QStringLiteral("Aut.Num."));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("USER"));
    QVERIFY(!w.Check->isChecked());
    QTest::keyClicks(w.txtnome, QStringLiteral("joana silva"));
    QCOMPARE(w.txtnome->text(), QStringLiteral("JOANA SILVA"));
    QTest::keyClicks(w.txtsenha, QStringLiteral("Sol4r"));
    // The profile list takes no typing.
    QTest::keyClicks(w.Combo, QStringLiteral("A"));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("USER"));
    w.Check->click();

    pasta.messages->inputs = {QStringLiteral(" Sol4r ")};
    w.Command2->click();
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QCOMPARE(pasta.messages->boxes.first().text, QStringLiteral("Confirme a senha!!"));
    QVERIFY(pasta.messages->boxes.first().password);
    QCOMPARE(w.txtordem->text(), QStringLiteral("3"));
    QVERIFY(naConsulta(w));
    QVERIFY(!w.Frame->isEnabled());
    QCOMPARE(valor("SELECT NOME || '|' || SENHA || '|' || TIPO || '|' || ATIVO FROM Usuarios WHERE ID = 3"),
             QVariant("JOANA SILVA|Sol4r|USER|1"));
    QCOMPARE(w.ListView->topLevelItemCount(), 3);
    QCOMPARE(linha(w.ListView, 2), QStringList({"0003", "JOANA SILVA", "USER"}));

    // The new user logs in with the password exactly as typed.
    QVERIFY(AbreBD::Valida_senha(QStringLiteral("Sol4r")));
    QVERIFY(!AbreBD::Valida_senha(QStringLiteral("SOL4R")));
}

void TstAdminCadastros::senhasRecusadas()
{
    TestSupport::ProgramFolder pasta;
    frmUsuarios w;
    w.show();
    w.cmdIncluir->click();
    w.txtnome->setText(QStringLiteral("PEDRO"));
    const auto tentativa = [&](const QString &senha, const QStringList &confirmacoes) {
        pasta.messages->clear();
        pasta.messages->inputs = confirmacoes;
        w.txtsenha->setText(senha);
        w.Command2_Click();
        return pasta.messages->texts();
    };
    // Required fields: an empty box, or a password of blanks only.
    w.txtnome->clear();
    QCOMPARE(tentativa(QStringLiteral("9"), {}), QStringList{kObrigatorios});
    QCOMPARE(w.focusWidget(), w.txtnome);
    w.txtnome->setText(QStringLiteral("PEDRO"));
    QCOMPARE(tentativa(QStringLiteral("   "), {}), QStringList{kObrigatorios});
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbExclamation));
    // The confirmation is compared as typed, case and all.
    QCOMPARE(tentativa(QStringLiteral("abc"), {QStringLiteral("ABC")}),
             QStringList({QStringLiteral("Confirme a senha!!"), QStringLiteral("Senha não confere!!")}));
    // A blank confirmation saves nothing and says nothing.
    QCOMPARE(tentativa(QStringLiteral("abc"), {QStringLiteral("  ")}), QStringList{QStringLiteral("Confirme a senha!!")});
    // Another user's password would lock both out of the login.
    QCOMPARE(tentativa(QStringLiteral("1111"), {QStringLiteral("1111")}),
             QStringList({QStringLiteral("Confirme a senha!!"),
                          QStringLiteral("Esta senha já pertence a outro usuário!!")}));
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios").toInt(), 2);
    QVERIFY(noCadastro(w));
    QCOMPARE(w.txtnome->text(), QStringLiteral("PEDRO"));

    QCOMPARE(tentativa(QStringLiteral("abc"), {QStringLiteral("abc")}), QStringList{QStringLiteral("Confirme a senha!!")});
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios").toInt(), 3);
}

void TstAdminCadastros::alteraUsuario()
{
    TestSupport::ProgramFolder pasta;
    frmUsuarios w;
    w.show();
    escolhe(w.ListView, QStringLiteral("0002"));
    QCOMPARE(w.Tag, QStringLiteral("0002"));
    w.cmdAlterar->click();
    QVERIFY(noCadastro(w));
    QCOMPARE(w.modo, 2);
    QCOMPARE(w.txtordem->text(), QStringLiteral("0002"));
    QVERIFY(w.txtordem->isReadOnly());
    QCOMPARE(w.txtnome->text(), QStringLiteral("CAIXA 01"));
    QCOMPARE(w.txtsenha->text(), QStringLiteral("1111"));
    QCOMPARE(w.Combo->currentText(), QStringLiteral("USER"));
    QVERIFY(w.Check->isChecked());

    // Keeping one's own password is no clash.
    w.txtnome->setText(QStringLiteral("CAIXA 02"));
    w.Combo->setCurrentText(QStringLiteral("ADM"));
    pasta.messages->inputs = {QStringLiteral("1111")};
    w.Command2->click();
    QVERIFY(naConsulta(w));
    QCOMPARE(valor("SELECT NOME || '|' || TIPO FROM Usuarios WHERE ID = 2"), QVariant("CAIXA 02|ADM"));
    QCOMPARE(valor("SELECT NOME FROM Usuarios WHERE ID = 1"), QVariant("ADMINISTRADOR"));
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios").toInt(), 2);

    // Cancel goes back without saving.
    w.cmdAlterar->click();
    w.txtnome->setText(QStringLiteral("OUTRO"));
    w.cmdCancel->click();
    QVERIFY(naConsulta(w));
    QVERIFY(!w.Frame->isEnabled());
    QCOMPARE(valor("SELECT NOME FROM Usuarios WHERE ID = 2"), QVariant("CAIXA 02"));
}

void TstAdminCadastros::excluiUsuario()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('BRUNO', '55', 'USER', 1)");
    frmUsuarios w;
    w.show();
    escolhe(w.ListView, QStringLiteral("0002"));
    pasta.messages->answers = {Vb::vbNo};
    w.mnuexcluir->trigger();
    QCOMPARE(pasta.messages->boxes.last().text, QStringLiteral("Confirma exclusão deste item? - 0002"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbYesNo + Vb::vbQuestion));
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios").toInt(), 3);

    // The keyboard moves the choice; the row deleted is the one chosen.
    w.ListView->setFocus();
    w.ListView->setCurrentItem(w.ListView->findItems(QStringLiteral("0003"), Qt::MatchExactly).first());
    QCOMPARE(w.Tag, QStringLiteral("0003"));
    pasta.messages->answers = {Vb::vbYes};
    w.mnuexcluir_Click();
    QCOMPARE(valor("SELECT group_concat(ID) FROM (SELECT ID FROM Usuarios ORDER BY ID)"), QVariant("1,2"));
    QCOMPARE(w.ListView->topLevelItemCount(), 2);
    QVERIFY(w.Tag.isEmpty());
    // The deleted row is no longer a choice.
    pasta.messages->clear();
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("Informe um item !!!")});
}

void TstAdminCadastros::ultimoAdministrador()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Usuarios (NOME, SENHA, TIPO, ATIVO) VALUES ('ANTIGO', '77', 'ADM', 0)");
    frmUsuarios w;
    w.show();
    const QString naoExclui = QStringLiteral("O último administrador ativo não pode ser excluído!!");
    const QString naoDesativa = QStringLiteral("O último administrador ativo não pode ser desativado!!");

    escolhe(w.ListView, QStringLiteral("0001"));
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->texts(), QStringList{naoExclui});
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbExclamation));
    // An inactive administrator may go.
    pasta.messages->clear();
    escolhe(w.ListView, QStringLiteral("0003"));
    w.mnuexcluir_Click();
    QCOMPARE(valor("SELECT COUNT(*) FROM Usuarios WHERE ID = 3").toInt(), 0);

    // Nor made inactive, nor turned into a teller.
    for (const auto &muda : {std::function<void()>([&] { w.Check->setChecked(false); }),
                             std::function<void()>([&] { w.Combo->setCurrentText(QStringLiteral("USER")); })}) {
        escolhe(w.ListView, QStringLiteral("0001"));
        w.cmdAlterar->click();
        muda();
        pasta.messages->clear();
        pasta.messages->inputs = {QStringLiteral("1234")};
        w.Command2_Click();
        QCOMPARE(pasta.messages->texts(), QStringList({QStringLiteral("Confirme a senha!!"), naoDesativa}));
        QVERIFY(noCadastro(w));
        w.cmdCancel->click();
    }
    QCOMPARE(valor("SELECT TIPO || ATIVO FROM Usuarios WHERE ID = 1"), QVariant("ADM1"));

    // With a second active administrator, the first may go.
    executa("UPDATE Usuarios SET TIPO = 'ADM' WHERE ID = 2");
    escolhe(w.ListView, QStringLiteral("0001"));
    pasta.messages->clear();
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("Confirma exclusão deste item? - 0001")});
    QCOMPARE(valor("SELECT group_concat(ID) FROM (SELECT ID FROM Usuarios ORDER BY ID)"), QVariant("2"));
}

void TstAdminCadastros::senhaDoAdministrador()
{
    TestSupport::ProgramFolder pasta;
    // Refused: a teller's password, a wrong one, a cancelled prompt. Nothing is shown.
    pasta.messages->inputs = {QStringLiteral("1111"), QStringLiteral("9999"), QString()};
    QVERIFY(!frmUsuarios::abreComoAdministrador());
    QVERIFY(!frmCodBarra::abreComoAdministrador());
    QVERIFY(!frmUsuarios::abreComoAdministrador());
    QCOMPARE(pasta.messages->boxes.size(), 3);
    for (const auto &b : pasta.messages->boxes) {
        QCOMPARE(b.text, QStringLiteral("Entre com a senha do administrador!!"));
        QVERIFY(b.password);
    }
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                            [](QWidget *w) { return w->isVisible(); }));

    // The administrator's password opens the window modally; it is released when it closes.
    pasta.messages->inputs = {QStringLiteral("1234"), QStringLiteral("1234")};
    QString aberta;
    const auto fechaAoAbrir = [&aberta] {
        QTimer::singleShot(0, [&aberta] {
            QWidget *w = QApplication::activeModalWidget();
            QVERIFY(w);
            aberta = w->objectName();
            w->close();
        });
    };
    fechaAoAbrir();
    QVERIFY(frmUsuarios::abreComoAdministrador());
    QCOMPARE(aberta, QStringLiteral("frmUsuarios"));
    fechaAoAbrir();
    QVERIFY(frmCodBarra::abreComoAdministrador());
    QCOMPARE(aberta, QStringLiteral("frmCodBarra"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                            [](QWidget *w) { return qobject_cast<frmCadastro *>(w); }));
}

// A listing that fails goes to the error report with the list routine's
// place text, and only there.
void TstAdminCadastros::listagemQueFalhaVaiAoRelatorio()
{
    TestSupport::ProgramFolder pasta;
    executa("ALTER TABLE Usuarios RENAME TO UsuariosGuardados");
    executa("ALTER TABLE CodBarra RENAME TO CodBarraGuardada");
    {
        frmUsuarios w;
        QCOMPARE(w.ListView->topLevelItemCount(), 0);
    }
    {
        frmCodBarra w;
        QCOMPARE(w.ListView->topLevelItemCount(), 0);
    }
    const QStringList caixas = pasta.messages->texts();
    QCOMPARE(caixas.size(), 2);
    QVERIFY(caixas.at(0).startsWith(QStringLiteral("Houve um erro interno:")));
    QVERIFY(caixas.at(0).endsWith(QStringLiteral(" / Função Lista_users")));
    QVERIFY(caixas.at(1).endsWith(QStringLiteral(" / Função Lista_codigos")));
    const QString log = TextFile::readAll(pasta.file(QStringLiteral("Log.ini")));
    QVERIFY(log.contains(QStringLiteral("Local: Função Lista_users")));
    QVERIFY(log.contains(QStringLiteral("Local: Função Lista_codigos")));
    QVERIFY(!AbreBD::gRs);
    QVERIFY(!QGuiApplication::overrideCursor());
    executa("ALTER TABLE UsuariosGuardados RENAME TO Usuarios");
    executa("ALTER TABLE CodBarraGuardada RENAME TO CodBarra");
}

void TstAdminCadastros::listaDeTipos()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO CodBarra (DESCRICAO, IDCOD, IDTIPO, PADRAO, JUROS, BLOQUEIO, CODBANCO) "
            "VALUES ('DIVIDA', 1000, NULL, 'C', 'S', 'S', '001')");
    frmCodBarra w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Cadastro de Itens - Entrada e Saída"));
    QCOMPARE(w.ListView->headerItem()->text(2), QStringLiteral("DESCRIÇÃO"));
    QCOMPARE(w.ListView->topLevelItemCount(), 9);
    QCOMPARE(linha(w.ListView, 0), QStringList({"001", "0123", "IPTU", "F", "S", "S", "001"}));
    QCOMPARE(linha(w.ListView, 5), QStringList({"101", "", "DINHEIRO", "S", "N", "N", ""}));
    QCOMPARE(linha(w.ListView, 8), QStringList({"1000", "", "DIVIDA", "C", "S", "S", "001"}));
}

void TstAdminCadastros::novoTipo()
{
    TestSupport::ProgramFolder pasta;
    frmCodBarra w;
    w.show();
    w.cmdIncluir->click();
    QVERIFY(noCadastro(w));
    QVERIFY(w.txtordem->text().isEmpty());
    QVERIFY(!w.txtordem->isReadOnly());
    QCOMPARE(w.cmbPadrao->currentText(), QStringLiteral("C"));
    QCOMPARE(w.cmbJuros->currentText(), QStringLiteral("S"));
    QCOMPARE(w.cmbBloqueio->currentText(), QStringLiteral("S"));
    QTest::keyClicks(w.txtTipo, QStringLiteral("0789"));
    QTest::keyClicks(w.txtdescricao, QStringLiteral("taxa de lixo"));
    QCOMPARE(w.txtdescricao->text(), QStringLiteral("TAXA DE LIXO"));
    w.cmbJuros->setCurrentText(QStringLiteral("N"));

    // Every field is required, the bank code too.
    w.txtordem->setText(QStringLiteral("6"));
    w.Command2_Click();
    QCOMPARE(pasta.messages->texts(), QStringList{kObrigatorios});
    QCOMPARE(w.focusWidget(), w.txtcodbanco);
    QTest::keyClicks(w.txtcodbanco, QStringLiteral("1a0x4"));
    QCOMPARE(w.txtcodbanco->text(), QStringLiteral("104"));

    // The code must be a number.
    pasta.messages->clear();
    w.txtordem->setText(QStringLiteral("seis"));
    w.Command2_Click();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("O código deve ser um número maior que zero!!")});
    QVERIFY(noCadastro(w));

    pasta.messages->clear();
    w.txtordem->setText(QStringLiteral("6"));
    w.Command2->click();
    QVERIFY(pasta.messages->boxes.isEmpty());
    QVERIFY(naConsulta(w));
    QCOMPARE(valor("SELECT IDTIPO || '|' || DESCRICAO || '|' || PADRAO || JUROS || BLOQUEIO || '|' || CODBANCO "
                   "FROM CodBarra WHERE IDCOD = 6"),
             QVariant("0789|TAXA DE LIXO|CNS|104"));
    QCOMPARE(linha(w.ListView, 5).first(), QStringLiteral("006"));

    // A code already in use is refused by the database, and reported.
    w.cmdIncluir->click();
    w.txtordem->setText(QStringLiteral("1"));
    w.txtTipo->setText(QStringLiteral("X"));
    w.txtdescricao->setText(QStringLiteral("X"));
    w.txtcodbanco->setText(QStringLiteral("1"));
    w.Command2_Click();
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QVERIFY(noCadastro(w));
    QCOMPARE(valor("SELECT DESCRICAO FROM CodBarra WHERE IDCOD = 1"), QVariant("IPTU"));
}

void TstAdminCadastros::alteraTipo()
{
    TestSupport::ProgramFolder pasta;
    frmCodBarra w;
    w.show();
    escolhe(w.ListView, QStringLiteral("003"));
    w.cmdAlterar->click();
    QVERIFY(noCadastro(w));
    QCOMPARE(w.txtordem->text(), QStringLiteral("003"));
    // The code is the row's key: it is not edited in place.
    QVERIFY(w.txtordem->isReadOnly());
    QCOMPARE(w.txtTipo->text(), QStringLiteral("0456"));
    QCOMPARE(w.txtdescricao->text(), QStringLiteral("AGUA E ESGOTO"));
    QCOMPARE(w.cmbPadrao->currentText(), QStringLiteral("F"));
    QCOMPARE(w.cmbJuros->currentText(), QStringLiteral("N"));
    QCOMPARE(w.txtcodbanco->text(), QStringLiteral("104"));
    w.cmbBloqueio->setCurrentText(QStringLiteral("S"));
    w.txtdescricao->setText(QStringLiteral("SANEAMENTO"));
    w.Command2->click();
    QVERIFY(naConsulta(w));
    QCOMPARE(valor("SELECT DESCRICAO || BLOQUEIO FROM CodBarra WHERE IDCOD = 3"), QVariant("SANEAMENTOS"));
    QCOMPARE(valor("SELECT COUNT(*) FROM CodBarra").toInt(), 8);
    QCOMPARE(linha(w.ListView, 2), QStringList({"003", "0456", "SANEAMENTO", "F", "N", "S", "104"}));

    // A row deleted meanwhile cannot be opened.
    executa("DELETE FROM CodBarra WHERE IDCOD = 3");
    w.cmdAlterar->click();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("Informe um item !!!")});
    QVERIFY(naConsulta(w));
}

void TstAdminCadastros::excluiTipo()
{
    TestSupport::ProgramFolder pasta;
    executa("INSERT INTO Recebimentos (CODBARRA, IDMOVIMENTO, TIPO, VALOR) VALUES ('8', 1, 2, 100)");
    executa("INSERT INTO Itens (ESPECIE, IDSANGRIA, NUMERO, VALOR) VALUES (102, 1, '', 100)");
    frmCodBarra w;
    w.show();
    const QString emUso =
        QStringLiteral("Este item não pode ser excluído: há recebimentos ou lançamentos de caixa com ele!!");
    for (const char *chave : {"002", "102"}) {
        pasta.messages->clear();
        escolhe(w.ListView, QString::fromLatin1(chave));
        w.mnuexcluir->trigger();
        QCOMPARE(pasta.messages->texts(), QStringList{emUso});
    }
    QCOMPARE(valor("SELECT COUNT(*) FROM CodBarra").toInt(), 8);

    pasta.messages->clear();
    escolhe(w.ListView, QStringLiteral("005"));
    pasta.messages->answers = {Vb::vbYes};
    w.mnuexcluir->trigger();
    QCOMPARE(pasta.messages->texts(), QStringList{QStringLiteral("Confirma exclusão deste item? - 005")});
    QCOMPARE(valor("SELECT group_concat(IDCOD) FROM (SELECT IDCOD FROM CodBarra ORDER BY IDCOD)"), QVariant("1,2,3,4,101,102,103"));
    QCOMPARE(w.ListView->topLevelItemCount(), 7);

    // A failed delete is said so.
    escolhe(w.ListView, QStringLiteral("004"));
    executa("CREATE TRIGGER nao_apaga BEFORE DELETE ON CodBarra BEGIN SELECT RAISE(ABORT, 'bloqueado'); END");
    pasta.messages->clear();
    pasta.messages->answers = {Vb::vbYes};
    w.mnuexcluir_Click();
    QCOMPARE(pasta.messages->texts().last(), QStringLiteral("Erro ao excluir"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    QCOMPARE(w.Tag, QStringLiteral("004"));
}

QTEST_MAIN(TstAdminCadastros)
#include "tst_admin_cadastros.moc"
