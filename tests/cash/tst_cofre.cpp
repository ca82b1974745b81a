#include "apoio_caixa.h"
#include "frm_cofre.h"
#include "globals.h"
#include "test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace ApoioCaixa;

namespace {

const QString kInvalido = QStringLiteral("Você precisa informar um valor válido!!");

QByteArray conteudo(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void grava(const QString &arquivo, const QByteArray &bytes)
{
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// One move through a fresh window; the window's text of the balance when it opened.
QString move(bool saida, const QString &valor)
{
    frmCofre w;
    const QString saldo = w.txtsaldo->text();
    (saida ? w.Option2 : w.Option1)->setChecked(true);
    w.mskvalor->setText(valor);
    w.Command1->click();
    return saldo;
}

} // namespace

class TstCofre : public QObject {
    Q_OBJECT
private slots:
    void saldoAtravesDeVariosLancamentos();
    void valoresRecusados();
    void arquivoSomenteLeituraNaoMudaNada();
    void diaFechadoESaldoIlegivel();
    void instanciaPadrao();
    void valorZeroEhDinheiro();
    void saldoAusenteMostraVazio();
};

void TstCofre::saldoAtravesDeVariosLancamentos()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    const QString arquivo = AbreBD::gArquivoCofre;
    QCOMPARE(arquivo, pasta.file("cofre.ini"));

    frmCofre primeira;
    QCOMPARE(primeira.windowTitle(), QString("Cofre"));
    QVERIFY(primeira.Option1->isChecked());
    QCOMPARE(primeira.txtsaldo->text(), QString()); // no file yet: an empty balance

    QCOMPARE(move(false, "100,00"), QString());
    QCOMPARE(pasta.messages->boxes.last().text, QString("Valor gravado. Saldo atualizado para R$ 100"));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbInformation));
    QCOMPARE(pasta.messages->boxes.last().title, QString("Aviso"));
    QCOMPARE(conteudo(arquivo), QByteArray("[Reserva]\r\ncofre=100\r\n"));

    QCOMPARE(move(false, "20,50"), QString("100,00"));
    QCOMPARE(pasta.messages->boxes.last().text, QString("Valor gravado. Saldo atualizado para R$ 120,5"));
    QCOMPARE(move(false, "1.000"), QString("120,50"));
    QCOMPARE(move(true, "1.120,50"), QString("1.120,50"));
    QCOMPARE(pasta.messages->boxes.last().text, QString("Valor gravado. Saldo atualizado para R$ 0"));
    QCOMPARE(AbreBD::gArquivoCofre, arquivo);
    QCOMPARE(conteudo(arquivo), QByteArray("[Reserva]\r\ncofre=0\r\n"));

    // Other lines of the file stay as they were.
    grava(arquivo, "; saldo do cofre\r\n[Reserva]\r\ncofre=12,5\r\n[Outro]\r\nx=1\r\n");
    QCOMPARE(move(true, "2,5"), QString("12,50"));
    QCOMPARE(conteudo(arquivo), QByteArray("; saldo do cofre\r\n[Reserva]\r\ncofre=10\r\n[Outro]\r\nx=1\r\n"));
    QCOMPARE(pasta.messages->boxes.size(), 5);
}

void TstCofre::valoresRecusados()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    grava(AbreBD::gArquivoCofre, "[Reserva]\r\ncofre=100\r\n");
    for (const char *ruim : {"", "abc", "1,2,3", "10.5", "-5,00", "0,001"}) {
        pasta.messages->clear();
        frmCofre w;
        w.show();
        w.mskvalor->setText(ruim);
        w.Command1->click();
        QCOMPARE(pasta.messages->texts(), QStringList({kInvalido}));
        QCOMPARE(w.mskvalor->text(), QString());
        QVERIFY(w.isVisible()); // stays open for another value
    }
    // An exit above the balance says why, then asks for another value.
    pasta.messages->clear();
    move(true, "100,01");
    QCOMPARE(pasta.messages->texts(),
             QStringList({"Valor não pode ser maior que o saldo disponível.", kInvalido}));
    QCOMPARE(pasta.messages->boxes.first().style, int(Vb::vbCritical));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbExclamation));
    QCOMPARE(conteudo(AbreBD::gArquivoCofre), QByteArray("[Reserva]\r\ncofre=100\r\n"));

    // Cancelar writes nothing.
    frmCofre w;
    w.mskvalor->setText("50");
    w.Command2->click();
    QCOMPARE(conteudo(AbreBD::gArquivoCofre), QByteArray("[Reserva]\r\ncofre=100\r\n"));
}

void TstCofre::arquivoSomenteLeituraNaoMudaNada()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    QTemporaryDir pastaCofre;
    const QString arquivo = pastaCofre.filePath("cofre.ini");
    grava(arquivo, "[Reserva]\r\ncofre=100\r\n");
    QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(pastaCofre.path(), QFile::ReadOwner | QFile::ExeOwner);
    AbreBD::gArquivoCofre = arquivo;
    const bool ignoraPermissoes = QFileInfo(pastaCofre.path()).isWritable();
    if (ignoraPermissoes) // running with rights that ignore permissions: a path no one can write
        AbreBD::gArquivoCofre = pasta.file("Config.ini") + "/cofre.ini";

    frmCofre w;
    w.show();
    const QString antes = w.txtsaldo->text();
    QCOMPARE(antes, QString(ignoraPermissoes ? "" : "100,00"));
    w.mskvalor->setText("10,00");
    w.Command1->click();
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QVERIFY(pasta.messages->boxes.last().text.startsWith("O saldo do cofre não foi gravado: "));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbCritical));
    QVERIFY(w.isVisible());
    QCOMPARE(w.txtsaldo->text(), antes); // what is stored
    QCOMPARE(conteudo(arquivo), QByteArray("[Reserva]\r\ncofre=100\r\n"));
    QFile::setPermissions(pastaCofre.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TstCofre::diaFechadoESaldoIlegivel()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    grava(AbreBD::gArquivoCofre, "[Reserva]\r\ncofre=100\r\n");
    frmCofre w;
    fechaMovimento(frente.id); // closed while the safe window is open
    w.mskvalor->setText("10");
    w.Command1->click();
    QCOMPARE(pasta.messages->texts(), QStringList({"Você não pode movimentar o cofre, com o caixa já encerrado!!"}));
    QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbExclamation));
    QCOMPARE(conteudo(AbreBD::gArquivoCofre), QByteArray("[Reserva]\r\ncofre=100\r\n"));

    pasta.messages->clear();
    frente.id = movimento();
    grava(AbreBD::gArquivoCofre, "[Reserva]\r\ncofre=cem reais\r\n");
    frmCofre ilegivel;
    QCOMPARE(ilegivel.txtsaldo->text(), QString("cem reais"));
    ilegivel.mskvalor->setText("10");
    ilegivel.Command1->click();
    QCOMPARE(pasta.messages->boxes.size(), 1);
    QVERIFY(pasta.messages->boxes.last().text.contains("não é um valor válido: cem reais"));
    QCOMPARE(conteudo(AbreBD::gArquivoCofre), QByteArray("[Reserva]\r\ncofre=cem reais\r\n"));
}

void TstCofre::instanciaPadrao()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    QVERIFY(!frmCofre::existente());
    QPointer<frmCofre> w = frmCofre::instancia();
    w->show();
    QCOMPARE(frmCofre::instancia(), w.data());
    QVERIFY(!w->isModal());
    w->Command2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(!frmCofre::existente());

    // The menu's way in: the open day shows it, the closed day refuses.
    frmCofre *aberta = frmCofre::abre();
    QVERIFY(aberta && aberta->isVisible());
    QCOMPARE(aberta, frmCofre::existente());
    frmCofre::existente()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fechaMovimento(frente.id);
    QVERIFY(!frmCofre::abre());
    QVERIFY(!frmCofre::existente());
    QCOMPARE(pasta.messages->texts(), QStringList({"Você não pode movimentar o cofre, com o caixa já encerrado!!"}));
}

// The amount is read as money: an entry (or exit) of 0,00 is
// recorded like any other and rewrites the balance unchanged.
void TstCofre::valorZeroEhDinheiro()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    grava(AbreBD::gArquivoCofre, "[Reserva]\r\ncofre=100\r\n");
    for (const bool saida : {false, true}) {
        pasta.messages->clear();
        QCOMPARE(move(saida, "0,00"), QString("100,00"));
        QCOMPARE(pasta.messages->texts(), QStringList({"Valor gravado. Saldo atualizado para R$ 100"}));
        QCOMPARE(pasta.messages->boxes.last().style, int(Vb::vbInformation));
        QCOMPARE(conteudo(AbreBD::gArquivoCofre), QByteArray("[Reserva]\r\ncofre=100\r\n"));
    }
}

// An absent balance shows as an empty box; "OK" counts it as 0.
void TstCofre::saldoAusenteMostraVazio()
{
    TestSupport::ProgramFolder pasta;
    FrenteFalsa frente;
    frente.id = movimento();
    grava(AbreBD::gArquivoCofre, "[Reserva]\r\noutra=1\r\n"); // the file without the key
    frmCofre w;
    QCOMPARE(w.txtsaldo->text(), QString());
    w.mskvalor->setText("35,50");
    w.Command1->click();
    QCOMPARE(pasta.messages->texts(), QStringList({"Valor gravado. Saldo atualizado para R$ 35,5"}));
    QCOMPARE(move(false, "1"), QString("35,50"));

    // No file at all: empty too, and an exit above 0 is refused.
    QFile::remove(AbreBD::gArquivoCofre);
    pasta.messages->clear();
    QCOMPARE(move(true, "0,01"), QString());
    QCOMPARE(pasta.messages->texts(),
             QStringList({"Valor não pode ser maior que o saldo disponível.", kInvalido}));
    QVERIFY(!QFile::exists(AbreBD::gArquivoCofre));
}

QTEST_MAIN(TstCofre)
#include "tst_cofre.moc"
