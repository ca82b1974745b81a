#include "frm_atualiza.h"
#include "frm_opcoes.h"
#include "frm_skin.h"
#include "seletores_teste.h"

#include "globals.h"
#include "test_support.h"

#include "ini_file.h"
#include "text_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// A settings file as a treasury keeps it: comments, keys the window does not
// show, and keys of other windows.
const QStringList kConfig = {
    QStringLiteral("; Caixa - estação B"),
    QStringLiteral("[Export]"),
    QStringLiteral("guiche=B"),
    QStringLiteral("Path1=/srv/caixa/exporta/"),
    QStringLiteral("Path2=/srv/caixa/estorno/"),
    QStringLiteral("Path3=/srv/caixa/recebimentos/"),
    QStringLiteral("tecla_mais=1"),
    QStringLiteral("rede=0"),
    QStringLiteral("caminho_soma=/srv/caixa/soma.txt"),
    QStringLiteral("caminho_remove_item=/srv/caixa/remove_item.txt"),
    QStringLiteral("caminho_febraban=/srv/caixa/febraban/"),
    QStringLiteral("nome_banco=BANCO DO BRASIL"),
    QStringLiteral("cnpj=12345678000199"),
    QStringLiteral(""),
    QStringLiteral("[Mensagem]"),
    QStringLiteral("mensagem=CAIXA PRONTO"),
    QStringLiteral("cabecalho=PMX"),
    QStringLiteral("pref=PREFEITURA MUNICIPAL"),
    QStringLiteral(""),
    QStringLiteral("[Reserva]"),
    QStringLiteral("cofre=/srv/caixa/cofre.ini"),
    QStringLiteral("itens=/srv/caixa/itens/"),
    QStringLiteral("soma=1"),
    QStringLiteral(""),
    QStringLiteral("[Opcoes]"),
    QStringLiteral("juros=1"),
    QStringLiteral("porta=0"),
    QStringLiteral("Atualiza=/srv/atualiza/"),
    QStringLiteral(""),
    QStringLiteral("[Print]"),
    QStringLiteral("impressora=bematech"),
    QStringLiteral("print_cupom=1"),
    QStringLiteral("porta=LPT1"),
    QStringLiteral("modo=1"),
    QStringLiteral("lineFeed=3"),
    QStringLiteral("impressora_padrao=HP"),
    QStringLiteral("impressora_autenticadora=BEMA"),
    QStringLiteral("ip=10.0.0.5"),
    QStringLiteral("cabecalho=0"),
    QStringLiteral(""),
    QStringLiteral("[Skin]"),
    QStringLiteral("nome=/srv/skin/azul.skn"),
};

TestSupport::ProgramFolder::Options semConfig()
{
    TestSupport::ProgramFolder::Options o;
    o.config = false;
    o.open = false;
    return o;
}

QByteArray conteudo(const TestSupport::ProgramFolder &pasta)
{
    return TestSupport::readFile(pasta.file(QStringLiteral("Config.ini")));
}

void processaExclusoes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TstAdminConfig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gravaTodasAsChaves();
    void arquivoIncompleto();
    void arquivoDeDemonstracaoSobreviveAGravacao();
    void cancelarNaoGrava();
    void gravacaoQueFalha();
    void seletores();
    void impressorasETeclas();
    void instanciaPadrao();
    void atualizacoes();
    void skin();

private:
    // Writes the file and loads it the way the program starts.
    void prepara(TestSupport::ProgramFolder &pasta, const QStringList &linhas);
    std::shared_ptr<SeletoresTeste> m_seletores;
};

void TstAdminConfig::init()
{
    m_seletores = std::make_shared<SeletoresTeste>();
    Admin::setSeletores(m_seletores);
}

void TstAdminConfig::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    processaExclusoes();
    Admin::setSeletores(nullptr);
}

void TstAdminConfig::prepara(TestSupport::ProgramFolder &pasta, const QStringList &linhas)
{
    pasta.writeConfig(linhas);
    AbreBD::Carrega_variaveis();
}

void TstAdminConfig::gravaTodasAsChaves()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    m_seletores->instaladas = {QStringLiteral("HP"), QStringLiteral("BEMA"), QStringLiteral("EPSON")};
    m_seletores->padrao = QStringLiteral("HP");

    QPointer<frmOpcoes> w = frmOpcoes::instancia();
    w->show();
    // What the window shows: the second key of each shared box, the model of the loaded globals.
    QCOMPARE(w->txtitens_recebimento->text(), QStringLiteral("/srv/caixa/itens/"));
    QCOMPARE(w->txtsoma->text(), QStringLiteral("/srv/caixa/soma.txt"));
    QCOMPARE(w->txtcaminho_febraban->text(), QStringLiteral("/srv/caixa/febraban/"));
    QCOMPARE(w->txtguiche->text(), QStringLiteral("B"));
    QVERIFY(w->optDesc->isChecked());
    QVERIFY(w->optBematech->isChecked());
    QVERIFY(w->chkSup->isChecked());
    QVERIFY(w->chkPrintCupom->isChecked());
    QVERIFY(w->chkTecla_mais->isChecked());
    QVERIFY(!w->chkRede->isChecked());
    QVERIFY(!w->chkCabecalho->isChecked());
    QCOMPARE(w->cmbPorta->currentText(), QStringLiteral("LPT1"));
    QCOMPARE(w->lblImpressora->text(), QStringLiteral("HP"));
    QCOMPARE(w->lblAutenticadora->text(), QStringLiteral("BEMA"));
    QCOMPARE(w->txtIP->text(), QStringLiteral("10.0.0.5"));
    QCOMPARE(w->txtcnpj->text(), QStringLiteral("12345678000199"));

    // Another window reading the globals meanwhile sees the old ones.
    QCOMPARE(AbreBD::gGuiche, QStringLiteral("B"));
    w->txtguiche->clear();
    QTest::keyClicks(w->txtguiche, QStringLiteral("c"));
    w->txtmensagem->clear();
    QTest::keyClicks(w->txtmensagem, QStringLiteral("Bom dia"));
    w->txtitens_recebimento->setText(QStringLiteral("/srv/caixa/itens2/"));
    w->txtsoma->setText(QStringLiteral("/srv/caixa/soma2.txt"));
    w->optVunt->click();
    w->OptTXT->click();
    w->chkRede->click();
    w->chkCabecalho->click();
    w->chkSup->click();
    w->cmbPorta->setCurrentText(QStringLiteral("USB"));
    w->cmbImpressoras->setCurrentText(QStringLiteral("EPSON"));
    w->cmdEscolhe->click();
    w->txtIP->setText(QStringLiteral("10.0.0.9"));
    QCOMPARE(AbreBD::gGuiche, QStringLiteral("B"));

    w->Command1->click();
    QString why;
    QVERIFY2(TestSupport::matchesGolden(conteudo(pasta), QStringLiteral("admin/golden/config_gravado.ini"), &why),
             qPrintable(why));
    QVERIFY(pasta.messages->boxes.isEmpty());
    processaExclusoes();
    QVERIFY(!w);

    // The globals were reloaded from the file, in place.
    QCOMPARE(AbreBD::gGuiche, QStringLiteral("C"));
    QCOMPARE(AbreBD::gMensagem, QStringLiteral("BOM DIA"));
    QCOMPARE(AbreBD::gCaminhoRecebimentos, QStringLiteral("/srv/caixa/itens2/"));
    QCOMPARE(AbreBD::gJuros, 2);
    QCOMPARE(AbreBD::gImpressora, QStringLiteral("txt"));
    QCOMPARE(AbreBD::gPorta, QStringLiteral("USB"));
    QCOMPARE(AbreBD::gImpressoraAutenticadora, QStringLiteral("EPSON"));
    QCOMPARE(AbreBD::gIP, QStringLiteral("10.0.0.9"));
    QCOMPARE(AbreBD::gRede, 1);
    QCOMPARE(AbreBD::gSomaSuprimento, 0);
    // The safe-balance file is not the sum list's.
    QCOMPARE(AbreBD::gArquivoCofre, QStringLiteral("/srv/caixa/cofre.ini"));
}

void TstAdminConfig::arquivoIncompleto()
{
    // No interest rule, no [Reserva] itens, a model the window does not know.
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, {QStringLiteral("[Export]"), QStringLiteral("Path3=/srv/receb/"), QStringLiteral("rede=x"),
                    QStringLiteral("[Print]"), QStringLiteral("impressora=epson"), QStringLiteral("print_cupom=7")});
    frmOpcoes w;
    QVERIFY(w.optVunt->isChecked());
    QVERIFY(w.optQuatro->isChecked());
    QVERIFY(!w.chkRede->isChecked());
    QVERIFY(!w.chkPrintCupom->isChecked());
    QCOMPARE(w.txtitens_recebimento->text(), QStringLiteral("/srv/receb/"));
    w.Command1_Click();
    const QString arquivo = pasta.file(QStringLiteral("Config.ini"));
    const auto le = [&](const char *s, const char *k) {
        return IniFile::read(arquivo, QString::fromLatin1(s), QString::fromLatin1(k));
    };
    QCOMPARE(le("Opcoes", "juros"), QStringLiteral("2"));
    QCOMPARE(le("Print", "impressora"), QStringLiteral("quattro"));
    QCOMPARE(le("Export", "Path3"), QStringLiteral("/srv/receb/"));
    QCOMPARE(le("Reserva", "itens"), QStringLiteral("/srv/receb/"));
    QCOMPARE(le("Export", "rede"), QStringLiteral("0"));
    QCOMPARE(le("Reserva", "cofre"), QString());
    QCOMPARE(AbreBD::gCaminhoRecebimentos, QStringLiteral("/srv/receb/"));
}

namespace {

// Every section, key and value of a settings file, in file order.
QList<QStringList> chavesDe(const QString &arquivo)
{
    QList<QStringList> out;
    QString secao;
    for (const QString &linha : TextFile::readLines(arquivo)) {
        const QString t = linha.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
            secao = t.mid(1, t.size() - 2);
        else if (const qsizetype igual = t.indexOf(QLatin1Char('=')); igual > 0 && !t.startsWith(QLatin1Char(';')))
            out << QStringList{secao, t.left(igual), t.mid(igual + 1)};
    }
    return out;
}

} // namespace

// The demo's settings file, saved once from the screen unchanged, keeps every
// key as it was: the receipts folder and the authentication header included.
void TstAdminConfig::arquivoDeDemonstracaoSobreviveAGravacao()
{
    TestSupport::ProgramFolder pasta(semConfig());
    QProcess demo;
    demo.start(QStringLiteral("bash"), {TestSupport::sourceDir() + QStringLiteral("/scripts/make_demo.sh"), pasta.path()});
    QVERIFY(demo.waitForFinished(60000));
    QCOMPARE(demo.exitCode(), 0);
    const QString arquivo = pasta.file(QStringLiteral("Config.ini"));
    const QList<QStringList> antes = chavesDe(arquivo);
    QVERIFY(antes.size() > 20);
    AbreBD::Carrega_variaveis();
    frmOpcoes w;
    QCOMPARE(w.txtcabecalho->text().size(), 3);
    w.Command1->click();
    for (const QStringList &c : antes)
        QCOMPARE(c.first() + QLatin1Char('/') + c.at(1) + QLatin1Char('=') + IniFile::read(arquivo, c.first(), c.at(1)),
                 c.first() + QLatin1Char('/') + c.at(1) + QLatin1Char('=') + c.at(2));
    QCOMPARE(AbreBD::gCaminhoRecebimentos, pasta.path() + QStringLiteral("/recebimentos/"));
}

void TstAdminConfig::cancelarNaoGrava()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    const QByteArray antes = conteudo(pasta);
    frmOpcoes w;
    w.txtguiche->setText(QStringLiteral("Z"));
    w.optVunt->click();
    w.Command2->click();
    QCOMPARE(conteudo(pasta), antes);
    QCOMPARE(AbreBD::gGuiche, QStringLiteral("B"));
}

void TstAdminConfig::gravacaoQueFalha()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    frmOpcoes w;
    w.show();
    w.txtguiche->setText(QStringLiteral("Z"));
    // The file cannot be replaced: something else now stands at its name.
    const QString arquivo = pasta.file(QStringLiteral("Config.ini"));
    QVERIFY(QFile::remove(arquivo));
    QVERIFY(QDir().mkdir(arquivo));
    AbreBD::gPref = QStringLiteral("CARREGADO ANTES");
    w.Command1_Click();
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbCritical));
    QVERIFY(pasta.messages->boxes.first().text.startsWith(QStringLiteral("Não foi possível gravar")));
    QVERIFY(w.isVisible());
    QCOMPARE(AbreBD::gPref, QStringLiteral("CARREGADO ANTES"));
    QCOMPARE(AbreBD::gGuiche, QStringLiteral("B"));
    // Nothing is left behind in the folder but what was there.
    QDir dir(pasta.path());
    QCOMPARE(dir.entryList({QStringLiteral("Config.ini*")}, QDir::Files | QDir::Dirs), QStringList{"Config.ini"});
}

void TstAdminConfig::seletores()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    frmOpcoes w;
    const QString sep = QDir::separator();
    m_seletores->pastas = {QStringLiteral("/srv/novo"), QStringLiteral("/"), QString(), QStringLiteral("/srv/feb/")};
    w.cmdCaminho1->click();
    QCOMPARE(w.txtcaminho_retaguarda->text(), QStringLiteral("/srv/novo") + sep);
    w.cmdCaminho2->click();
    QCOMPARE(w.txtcaminho_estorno->text(), QStringLiteral("/"));
    // Cancelled: the box keeps its folder.
    w.Command4->click();
    QCOMPARE(w.txtitens_recebimento->text(), QStringLiteral("/srv/caixa/itens/"));
    w.cmdCaminhoFebraban->click();
    QCOMPARE(w.txtcaminho_febraban->text(), QStringLiteral("/srv/feb/"));
    QCOMPARE(m_seletores->titulos, QStringList(4, QStringLiteral("Procura destino...")));

    m_seletores->arquivos = {QStringLiteral("/srv/caixa/Remove_item.txt"), QString()};
    w.cmdCaminho3->click();
    QCOMPARE(w.txtcaminho_remove_item->text(), QStringLiteral("/srv/caixa/Remove_item.txt"));
    w.Command3->click();
    QCOMPARE(w.txtsoma->text(), QStringLiteral("/srv/caixa/soma.txt"));
    QCOMPARE(m_seletores->filtros, QStringList(2, QStringLiteral("txt (*.txt)")));
}

void TstAdminConfig::impressorasETeclas()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    m_seletores->instaladas = {QStringLiteral("HP"), QStringLiteral("Bema")};
    m_seletores->padrao = QStringLiteral("Bema");
    frmOpcoes w;
    QCOMPARE(w.cmbImpressoras->currentText(), QStringLiteral("Bema"));
    QCOMPARE(w.cmbImpressoras->count(), 2);
    w.Command5->click();
    QCOMPARE(w.lblImpressora->text(), QStringLiteral("Bema"));
    // Names compare exactly; an unknown name changes nothing and shows nothing.
    w.cmbImpressoras->setCurrentText(QStringLiteral("hp"));
    w.cmdEscolhe->click();
    QCOMPARE(w.lblAutenticadora->text(), QStringLiteral("BEMA"));
    QVERIFY(pasta.messages->boxes.isEmpty());

    w.txtcnpj->clear();
    QTest::keyClicks(w.txtcnpj, QStringLiteral("12a.3,4-5"));
    QCOMPARE(w.txtcnpj->text(), QStringLiteral("123,45"));
    w.txtpref->clear();
    QTest::keyClicks(w.txtpref, QStringLiteral("prefeitura de s"));
    QTest::sendKeyEvent(QTest::Click, w.txtpref, Qt::Key_unknown, QStringLiteral("ã"), Qt::NoModifier);
    QTest::keyClicks(w.txtpref, QStringLiteral("o joao"));
    QCOMPARE(w.txtpref->text(), QStringLiteral("PREFEITURA DE SÃO JOAO"));
    QTest::keyClicks(w.txtpref, QStringLiteral(" do norte e do sul"));
    QCOMPARE(w.txtpref->text().size(), 30);
    w.txtnome_banco->clear();
    QTest::keyClicks(w.txtnome_banco, QStringLiteral("caixa"));
    QCOMPARE(w.txtnome_banco->text(), QStringLiteral("CAIXA"));
    QTest::keyClicks(w.txtguiche, QStringLiteral("x"));
    QCOMPARE(w.txtguiche->text(), QStringLiteral("B"));
}

void TstAdminConfig::instanciaPadrao()
{
    TestSupport::ProgramFolder pasta;
    QPointer<frmOpcoes> a = frmOpcoes::instancia();
    QCOMPARE(frmOpcoes::instancia(), a.data());
    a->show();
    a->Command2_Click();
    processaExclusoes();
    QVERIFY(!a);
    // Enter in a box saves nothing; Esc leaves like "Cancelar".
    QPointer<frmOpcoes> b = frmOpcoes::instancia();
    b->show();
    const QByteArray antes = TestSupport::readFile(pasta.file(QStringLiteral("Config.ini")));
    b->txtguiche->setText(QStringLiteral("Q"));
    QTest::keyClick(b->txtguiche, Qt::Key_Return);
    QVERIFY(b->isVisible());
    QTest::keyClick(b->txtguiche, Qt::Key_Escape);
    processaExclusoes();
    QVERIFY(!b);
    QCOMPARE(TestSupport::readFile(pasta.file(QStringLiteral("Config.ini"))), antes);
}

void TstAdminConfig::atualizacoes()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, {QStringLiteral("; sem atualizações"), QStringLiteral("[Opcoes]"), QStringLiteral("juros=1")});
    QPointer<frmAtualiza> w = frmAtualiza::instancia();
    w->show();
    QCOMPARE(w->txtCaminho->text(), QString());
    m_seletores->pastas = {QStringLiteral("/srv/versoes")};
    w->cmdAbrir->click();
    QCOMPARE(w->txtCaminho->text(), QStringLiteral("/srv/versoes") + QDir::separator());
    w->cmdGravar->click();
    processaExclusoes();
    QVERIFY(!w);
    QCOMPARE(TextFile::readLines(pasta.file(QStringLiteral("Config.ini"))),
             QStringList({QStringLiteral("; sem atualizações"), QStringLiteral("[Opcoes]"), QStringLiteral("juros=1"),
                          QStringLiteral("Atualiza=/srv/versoes/")}));
    // A typed path is stored as typed.
    frmAtualiza outra;
    QCOMPARE(outra.txtCaminho->text(), QStringLiteral("/srv/versoes/"));
    outra.txtCaminho->setText(QStringLiteral("//servidor/caixa"));
    outra.cmdGravar_Click();
    QCOMPARE(IniFile::read(pasta.file(QStringLiteral("Config.ini")), QStringLiteral("opcoes"),
                           QStringLiteral("atualiza")),
             QStringLiteral("//servidor/caixa"));
}

void TstAdminConfig::skin()
{
    TestSupport::ProgramFolder pasta(semConfig());
    prepara(pasta, kConfig);
    frmSkin w;
    w.show();
    QCOMPARE(w.Text1->text(), QStringLiteral("/srv/skin/azul.skn"));
    m_seletores->arquivos = {QStringLiteral("/srv/skin/verde.skn"), QString()};
    w.cmdCaminho->click();
    w.cmdCaminho->click();
    QCOMPARE(m_seletores->filtros, QStringList(2, QStringLiteral("Skin (*.skn)")));
    QCOMPARE(w.Text1->text(), QStringLiteral("/srv/skin/verde.skn"));
    w.cmdGravar->click();
    w.cmdGravar->click();
    QVERIFY(w.isVisible());
    const QString arquivo = pasta.file(QStringLiteral("Config.ini"));
    QCOMPARE(IniFile::read(arquivo, QStringLiteral("Skin"), QStringLiteral("nome")),
             QStringLiteral("/srv/skin/verde.skn"));
    QCOMPARE(TextFile::readLines(arquivo).size(), kConfig.size());
    w.cmdCancelar->click();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TstAdminConfig)
#include "tst_admin_config.moc"
