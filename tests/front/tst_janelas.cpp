// The warning windows and the typed-line window, driven offscreen.
#include "avisos_janelas.h"
#include "frm_acrescimos.h"
#include "frm_bloqueia.h"
#include "frm_conta_lancada.h"
#include "frm_contavencida.h"
#include "frm_guiavencida.h"
#include "frm_ldg.h"
#include "gerador_codigos.h"
#include "globals.h"
#include "leitor_codigo_barras.h"
#include "linha_digitavel.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

// Answers the modal windows as they open: first an Enter at once (which the
// hidden buttons must ignore), then a click on the scripted button once it shows.
class Respondedor : public QObject {
public:
    QStringList roteiro;     // button texts, one per window
    QStringList vistos;      // titles of the windows answered
    int enterCedo = 0;       // Enter sent while the buttons were still hidden
    int enterSemEfeito = 0;  // ... after which the window stayed open

    Respondedor()
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { olha(); });
        m_timer.start();
    }

private:
    void olha()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || roteiro.isEmpty())
            return;
        if (w != m_atual) {
            m_atual = w;
            const auto botoes = w->findChildren<QPushButton *>();
            if (std::none_of(botoes.cbegin(), botoes.cend(), [](QPushButton *b) { return b->isVisible(); })) {
                ++enterCedo;
                QTest::keyClick(w, Qt::Key_Return);
                if (w->isVisible())
                    ++enterSemEfeito;
            }
            return;
        }
        for (QPushButton *b : w->findChildren<QPushButton *>()) {
            if (b->isVisible() && b->text() == roteiro.first()) {
                vistos << w->windowTitle();
                roteiro.removeFirst();
                m_atual = nullptr;
                b->click();
                return;
            }
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_atual;
};

QString descreve(QWidget *w)
{
    QString s = w->objectName() + QStringLiteral(" | ") + w->windowTitle() + QLatin1Char('\n');
    for (QLabel *l : w->findChildren<QLabel *>())
        if (!l->text().isEmpty())
            s += QStringLiteral("  ") + l->objectName() + QStringLiteral(": ") + l->text() + QLatin1Char('\n');
    for (QPushButton *b : w->findChildren<QPushButton *>())
        s += QStringLiteral("  [") + b->objectName() + QStringLiteral(": ") + b->text() + QStringLiteral("]\n");
    return s;
}

// Types into whatever has the focus, one key at a time, as a teller would.
void digita(const QString &teclas)
{
    for (const QChar c : teclas) {
        QWidget *foco = QApplication::focusWidget();
        QVERIFY(foco);
        QTest::keyClick(foco, c.toLatin1());
        QCoreApplication::processEvents();
    }
}

// The offscreen platform cannot fix a window's size nor raise it, and says so each time.
QtMessageHandler g_anterior = nullptr;
void semAvisoDoTamanho(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (!texto.startsWith(QLatin1String("This plugin does not support")))
        g_anterior(tipo, contexto, texto);
}

ConsultasLeitura semNada()
{
    return {[](const QString &) { return false; }, [](const QString &) { return false; }, [] { return true; },
            [](const QDate &d) { return d.addDays(1); }, [](const QDate &) { return false; }};
}

} // namespace

class TstJanelas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { g_anterior = qInstallMessageHandler(semAvisoDoTamanho); }
    void init();
    void cleanup();
    void textosDosAvisos();
    void botoesEsperam50ms();
    void guiaVencidaResponde();
    void acrescimosSoFechaPeloOk();
    void leituraComAsJanelas();
    void ldgAbreNaGuiaEAvanca();
    void ldgAvancaComAsTeclasDoTecladoNumerico();
    void ldgEntregaArrecadacao();
    void ldgBancarioComErros();
    void ldgCancelarNaoEntrega();

private:
    std::unique_ptr<TestSupport::ProgramFolder> m_pasta;
};

void TstJanelas::init()
{
    m_pasta = std::make_unique<TestSupport::ProgramFolder>();
    AbreBD::gDataCaixa = QDate(2026, 12, 9);
}

void TstJanelas::cleanup()
{
    m_pasta.reset();
}

void TstJanelas::textosDosAvisos()
{
    frmContaLancada lancada;
    lancada.mensagem_aviso = QStringLiteral("Conta já Recebida!!!");
    lancada.show();
    frmBloqueia bloqueia;
    frmContavencida vencida;
    frmGuiavencida guia;
    frmAcrescimos acrescimos;
    acrescimos.mostra({QDate(2026, 11, 29), Currency::fromCents(100), Currency::fromCents(330), Currency::fromCents(10430)});
    QString texto;
    for (QWidget *w : std::initializer_list<QWidget *>{&lancada, &bloqueia, &vencida, &guia, &acrescimos})
        texto += descreve(w);
    QString why;
    QVERIFY2(TestSupport::matchesGolden(texto.toUtf8(), QStringLiteral("front/golden/avisos.txt"), &why), qPrintable(why));
}

void TstJanelas::botoesEsperam50ms()
{
    frmBloqueia f;
    f.show();
    QPushButton *ok = f.botoes().first();
    QVERIFY(!ok->isVisible());
    QTest::keyClick(&f, Qt::Key_Return);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QTRY_VERIFY(ok->isVisible());
    QVERIFY(!f.Timer1->isActive());
    QCOMPARE(f.Timer1->interval(), 50);
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QTest::keyClick(&f, Qt::Key_Return);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Accepted));

    // Shown again, the buttons hide again.
    f.show();
    QVERIFY(!ok->isVisible());
    QTRY_VERIFY(ok->isVisible());
}

void TstJanelas::guiaVencidaResponde()
{
    for (const auto &[botao, resposta] : {std::pair{"Sim", true}, std::pair{"Não", false}}) {
        AbreBD::gContinuaVencida = !resposta;
        frmGuiavencida f;
        f.show();
        QCOMPARE(AbreBD::gContinuaVencida, false);
        QTRY_VERIFY(f.botoes().first()->isVisible());
        for (QPushButton *b : f.botoes())
            if (b->text() == QString::fromUtf8(botao))
                b->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(AbreBD::gContinuaVencida, resposta);
    }
    AbreBD::gContinuaVencida = true;
    frmGuiavencida f;
    f.show();
    f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(AbreBD::gContinuaVencida, false);
}

void TstJanelas::acrescimosSoFechaPeloOk()
{
    // 91 days behind the computer's date (09/12/2026) spells the delay out; 90 does not.
    for (const auto &[dias, visivel] : {std::pair{91, true}, std::pair{90, false}}) {
        frmAcrescimos f;
        f.mostra({QDate(2026, 12, 9).addDays(-dias), Currency::fromCents(100), Currency::fromCents(330),
                  Currency::fromCents(10430)});
        f.show();
        QVERIFY(!f.lbldif->isVisible());
        QTRY_VERIFY(f.botoes().first()->isVisible());
        QCOMPARE(f.lbldif->isVisible(), visivel);
        QCOMPARE(f.lbldif->text(), QString::number(dias) + QStringLiteral(" dias de atraso"));
        QCOMPARE(f.lblvalor[1]->text(), QStringLiteral("104,30"));

        f.close();
        QVERIFY(f.isVisible());
        QCOMPARE(m_pasta->messages->texts().last(), QStringLiteral("Você deve sair ultilizando o botão OK."));
        QCOMPARE(m_pasta->messages->boxes.last().style, 64);
        f.botoes().first()->click();
        QVERIFY(!f.isVisible());
    }
}

void TstJanelas::leituraComAsJanelas()
{
    QVERIFY(AbreBD::gDataAccess->SQLExecute(
        QStringLiteral("INSERT INTO CodBarra (DESCRICAO, IDCOD, IDTIPO, PADRAO, JUROS, BLOQUEIO) VALUES "
                       "('GUIA', 50, '0777', 'F', 'S', 'N'), ('GUIA BLOQ', 51, '0778', 'F', 'S', 'S')")));
    AvisosJanelas janelas;
    LeitorCodigoBarras leitor(semNada(), janelas);
    const AjustesLeitura ajustes{QDate(2026, 12, 9), 0, 1};
    Respondedor r;

    // Previous year, overdue, interest: three windows, each Enter-proof.
    r.roteiro = {QStringLiteral("OK"), QStringLiteral("Sim"), QStringLiteral("OK")};
    const QString vencida = Gerador::arrecadacao('6', 10000, QStringLiteral("0777"), QDate(2025, 12, 1), QString(17, '1'));
    ResultadoLeitura res = leitor.VerificaLeituraCodigoBarras(vencida, {}, ajustes);
    QCOMPARE(res.desfecho, ResultadoLeitura::Desfecho::Adicionado);
    QCOMPARE(r.vistos, (QStringList{QStringLiteral("Conta vencida."), QStringLiteral("Guia Vencida"),
                                    QStringLiteral("..:: Acréscimos ::..")}));
    QVERIFY(r.enterCedo > 0);
    QCOMPARE(r.enterSemEfeito, r.enterCedo);
    QCOMPARE(res.valorCobrar.format(), QStringLiteral("123,00")); // 1 % x 13 months + the 10 % cap

    // Declined at the overdue question.
    r.vistos.clear();
    r.roteiro = {QStringLiteral("OK"), QStringLiteral("Não")};
    res = leitor.VerificaLeituraCodigoBarras(vencida, {}, ajustes);
    QCOMPARE(res.desfecho, ResultadoLeitura::Desfecho::Recusado);
    QCOMPARE(r.vistos.last(), QStringLiteral("Guia Vencida"));

    // Duplicate and block.
    r.vistos.clear();
    r.roteiro = {QStringLiteral("OK"), QStringLiteral("OK")};
    const SomaLista soma{novaLinhaSoma({}, 50, QStringLiteral("GUIA"), Currency::fromCents(10000), vencida)};
    leitor.VerificaLeituraCodigoBarras(vencida, soma, ajustes);
    leitor.VerificaLeituraCodigoBarras(
        Gerador::arrecadacao('6', 10000, QStringLiteral("0778"), QDate(2025, 12, 1), QString(17, '1')), {}, ajustes);
    QCOMPARE(r.vistos, (QStringList{QStringLiteral("Conta já Lançada!!!"), QStringLiteral("Bloqueia Conta")}));
}

void TstJanelas::ldgAbreNaGuiaEAvanca()
{
    frmLdg f;
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(f.windowTitle(), QStringLiteral("Digite a linha digitável do boleto"));
    QCOMPARE(f.SSTab1->currentIndex(), 1);
    QCOMPARE(f.SSTab1->tabText(0), QStringLiteral("&CNAB (Boletos bancários)"));
    QCOMPARE(f.SSTab1->tabText(1), QStringLiteral("&Febraban (Guias internas)"));
    QCOMPARE(QApplication::focusWidget(), f.input1);

    // Letters are swallowed; a full field moves on when any letter or digit key is released.
    digita(QStringLiteral("8269x000000"));
    QCOMPARE(f.input1->text(), QStringLiteral("8269000000"));
    QCOMPARE(QApplication::focusWidget(), f.input1);
    digita(QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), f.dv1);
    QTest::keyClick(f.dv1, Qt::Key_Backspace);
    QCOMPARE(QApplication::focusWidget(), f.dv1);
    f.dv1->setText(QStringLiteral("7"));
    QTest::keyClick(f.dv1, Qt::Key_Q);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), f.input2);
    QCOMPARE(f.dv1->text(), QStringLiteral("7"));

    // The last field of a page never moves on.
    f.dv4->setFocus();
    digita(QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), f.dv4);

    f.SSTab1->setCurrentIndex(0);
    QCOMPARE(QApplication::focusWidget(), f.campo1);
    digita(QStringLiteral("00191"));
    QCOMPARE(QApplication::focusWidget(), f.campo2);
    f.campo6->setFocus();
    digita(QStringLiteral("123457"));
    QCOMPARE(QApplication::focusWidget(), f.digito);
    digita(QStringLiteral("7"));
    QCOMPARE(QApplication::focusWidget(), f.campo7);
    digita(QStringLiteral("10000000012345"));
    QCOMPARE(QApplication::focusWidget(), f.campo7);
    // The other page keeps what was typed.
    f.SSTab1->setCurrentIndex(1);
    QCOMPARE(f.input1->text(), QStringLiteral("82690000001"));
}

// A full field moves on when a key of the moving range is released, the
// numeric keypad's "*", "+", "-", "." and "/" (codes 106 to 111) included.
void TstJanelas::ldgAvancaComAsTeclasDoTecladoNumerico()
{
    frmLdg f;
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QLineEdit *campos[] = {f.input1, f.dv1, f.input2, f.dv2, f.input3, f.dv3};
    const Qt::Key teclas[] = {Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Slash};
    for (int i = 0; i < 5; ++i) {
        QLineEdit *campo = campos[i];
        campo->setFocus();
        campo->setText(QString(campo->maxLength(), QLatin1Char('1')));
        QTest::keyRelease(campo, teclas[i], Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), campos[i + 1]);
    }
    // A key outside the range (Space, 32) leaves the focus where it is.
    f.dv3->setFocus();
    f.dv3->setText(QStringLiteral("1"));
    QTest::keyRelease(f.dv3, Qt::Key_Space);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), f.dv3);
}

void TstJanelas::ldgEntregaArrecadacao()
{
    frmLdg f;
    f.pausaMs = 0;
    QStringList entregues;
    f.entregaCodigo = [&](const QString &c) { entregues << c; };
    f.show();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    digita(QStringLiteral("82690000001" "7" "23450123202" "4" "50131123456" "9" "78901234567" "2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_pasta->messages->texts(), QStringList{LinhaDigitavel::erroSequencia(3)});
    QVERIFY(f.isVisible());
    QVERIFY(f.txtcodigo->text().isEmpty());

    f.dv3->setText(QStringLiteral("8"));
    QTest::keyClick(f.dv4, Qt::Key_Return);
    QCOMPARE(f.txtcodigo->text(), QStringLiteral("82690000001234501232025013112345678901234567"));
    QCOMPARE(f.txtdta->text(), QStringLiteral("31/01/2025"));
    QCOMPARE(f.txtvalor->text(), QStringLiteral("123,45"));
    QVERIFY(!f.cmdOk->isEnabled());
    QTRY_VERIFY(!f.isVisible());
    QCOMPARE(entregues, QStringList{QStringLiteral("82690000001234501232025013112345678901234567")});
}

void TstJanelas::ldgBancarioComErros()
{
    frmLdg f;
    f.pausaMs = 0;
    f.dataCaixa = QDate(2026, 12, 9);
    QStringList entregues;
    f.entregaCodigo = [&](const QString &c) { entregues << c; };
    f.show();
    f.SSTab1->setCurrentIndex(0);
    const QStringList linha{"00191", "23454", "67890", "123457", "67890", "123457", "8", "10000000012345"};
    QLineEdit *campos[] = {f.campo1, f.campo2, f.campo3, f.campo4, f.campo5, f.campo6, f.digito, f.campo7};
    for (int i = 0; i < 8; ++i)
        campos[i]->setText(linha.at(i));
    // Every field of the other page is empty, yet only this page counts.
    f.cmdOk->click();
    QCOMPARE(m_pasta->messages->texts(), QStringList{LinhaDigitavel::erroGeral});
    QVERIFY(f.txtcodigo->text().isEmpty());
    QCOMPARE(f.txtdta->text(), QStringLiteral("22/02/2025"));
    QCOMPARE(f.txtvalor->text(), QStringLiteral("123,45"));

    QCOMPARE(m_pasta->messages->boxes.last().style, 16);
    QCOMPARE(m_pasta->messages->boxes.last().title, QStringLiteral("Aviso"));

    f.digito->setText(QStringLiteral("7"));
    f.cmdOk->click();
    QTRY_VERIFY(!f.isVisible());
    QCOMPARE(entregues, QStringList{QStringLiteral("00197100000000123451234567890123456789012345")});
}

void TstJanelas::ldgCancelarNaoEntrega()
{
    frmLdg f;
    bool entregou = false;
    f.entregaCodigo = [&](const QString &) { entregou = true; };
    f.show();
    f.SSTab1->setCurrentIndex(0);
    for (auto [campo, texto] : {std::pair{f.campo1, "00191"}, {f.campo2, "23454"}, {f.campo3, "67890"},
                                {f.campo4, "123457"}, {f.campo5, "67890"}, {f.campo6, "123457"}, {f.digito, "8"},
                                {f.campo7, "10000000012345"}})
        campo->setText(QString::fromLatin1(texto));
    f.cmdOk->click();
    f.cmdCancel->click();
    QVERIFY(!f.isVisible());
    QVERIFY(!entregou);
}

QTEST_MAIN(TstJanelas)
#include "tst_janelas.moc"
