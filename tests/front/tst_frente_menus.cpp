#include "tst_frente_ambiente.h"

#include "frm_autenticar.h"
#include "frm_avulso.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QSignalSpy>
#include <QtTest>

// The menus as a teller uses them: the administrator gate, the day's list
// and a loose payment from the "+" key to the recorded row.
class TstFrenteMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteFrente> amb;

    // Runs the action and answers the objectName of the modal window it opened
    // (closed at once), or "" when none opened.
    QString janelaModalDe(const char *acao)
    {
        QString aberta;
        QTimer::singleShot(100, this, [&aberta] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                aberta = m->objectName();
                m->close();
            }
        });
        amb->janela->menu(QString::fromLatin1(acao))->trigger();
        QTest::qWait(150);
        return aberta;
    }

    void tecla(Qt::Key k)
    {
        amb->janela->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(amb->janela));
        amb->janela->txtValorCodBarra->setFocus();
        QTest::keyClick(amb->janela->txtValorCodBarra, k);
    }

private slots:
    void init() { amb = std::make_unique<AmbienteFrente>(); }
    void cleanup() { amb.reset(); }

    void portaoDoAdministrador()
    {
        amb->abre();
        amb->folder->messages->clear();
        amb->folder->messages->inputs << QString() << QStringLiteral("   ") << QStringLiteral("1111")
                                      << QStringLiteral("1234");
        QCOMPARE(janelaModalDe("mnuSangria"), QString()); // cancelled
        QCOMPARE(janelaModalDe("mnuSangria"), QString()); // blanks
        QCOMPARE(janelaModalDe("mnuSangria"), QString()); // a teller's password
        QCOMPARE(janelaModalDe("mnuSangria"), QStringLiteral("frmSangria"));
        QCOMPARE(amb->janela->txtstatus->text(), QStringLiteral("S"));
        const auto &caixas = amb->folder->messages->boxes;
        QCOMPARE(caixas.size(), 4);
        for (const auto &c : caixas) {
            QCOMPARE(c.text, QStringLiteral("Entre com a senha do administrador!!"));
            QVERIFY(c.password);
        }
        // Payments open without a password.
        QCOMPARE(janelaModalDe("mnuPagtos"), QStringLiteral("frmSangria"));
        QCOMPARE(amb->janela->txtstatus->text(), QStringLiteral("P"));
        QCOMPARE(caixas.size(), 4);
    }

    void listaDoDiaETotal()
    {
        frmFrente *w = amb->abre();
        for (int i = 1; i <= 3; ++i)
            QVERIFY(AmbienteFrente::sql(
                "INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, VALOR) VALUES (?, '', ?, 3, ?)",
                {i, w->IdMovimento, qint64(i) * 100000}));
        w->txttotal->setText(QStringLiteral("x"));
        w->menu("mnuAlterna")->trigger();
        QVERIFY(!w->lstSoma->isVisible());
        QCOMPARE(w->lstLancado->topLevelItemCount(), 3);
        const QStringList valores = {w->lstLancado->topLevelItem(0)->text(3), w->lstLancado->topLevelItem(1)->text(3),
                                     w->lstLancado->topLevelItem(2)->text(3)};
        QCOMPARE(valores, (QStringList{"30,00", "20,00", "10,00"}));
        QCOMPARE(w->lstLancado->topLevelItem(2)->text(4), QStringLiteral("60,00"));
        QCOMPARE(w->lstLancado->topLevelItem(0)->text(0), QStringLiteral("0003"));
        QCOMPARE(w->lstLancado->topLevelItem(0)->text(2), QStringLiteral("AGUA E ESGOTO"));
        QCOMPARE(w->txttotal->text(), QStringLiteral("60,00"));
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Total de itens contabilizados: 3"));
        QCOMPARE(w->lblDia->text(), QStringLiteral("Caixa dia: 09 - 12 - 2026"));
        w->menu("mnuAlterna")->trigger();
        QVERIFY(w->lstSoma->isVisible());
    }

    void listaVaziaDeixaOTotal()
    {
        frmFrente *w = amb->abre();
        w->txttotal->setText(QStringLiteral("12,00"));
        w->menu("mnuAlterna")->trigger();
        QCOMPARE(w->lstLancado->topLevelItemCount(), 0);
        QCOMPARE(w->txttotal->text(), QStringLiteral("12,00"));
        QCOMPARE(w->lblStatus->text(), QStringLiteral("Total de itens contabilizados: 0"));
    }

    void pagamentoAvulsoDoMaisAoRegistro()
    {
        frmFrente *w = amb->abre();
        amb->folder->messages->clear();
        QTimer::singleShot(100, this, [] {
            auto *a = qobject_cast<frmAvulso *>(QApplication::activeModalWidget());
            QVERIFY(a);
            a->cmbTipo->setCurrentIndex(a->cmbTipo->findText(QStringLiteral("TAXAS DIVERSAS")));
            QTest::keyClicks(a->mskvalor, QStringLiteral("1.250,50"));
            a->dtpVencimento->setDate(QDate(2026, 12, 20));
            QTest::keyClicks(a->txtparcela, QStringLiteral("2/10"));
            QTest::keyClicks(a->txtobs, QStringLiteral("taxa; de lixo"));
            a->cmdOk->click();
        });
        tecla(Qt::Key_Plus);
        QCOMPARE(w->soma().size(), 1);
        const LinhaSoma l = w->soma().first();
        QCOMPARE(l.codBarra, QString(44, QLatin1Char('0')));
        QCOMPARE(l.tipo, QStringLiteral("05-TAXAS DIVERSAS"));
        QCOMPARE(l.valor.format(), QStringLiteral("1.250,50"));
        QCOMPARE(l.vencimento, QStringLiteral("20261220"));
        QCOMPARE(l.parcela, QStringLiteral("2/10"));
        QCOMPARE(l.obs, QStringLiteral("TAXA; DE LIXO"));
        QVERIFY(w->VencimentoAvulso.isEmpty() && w->ObsAvulso.isEmpty());

        tecla(Qt::Key_Minus);
        QCOMPARE(w->lblTroco->text(), QStringLiteral("Não tem ..."));
        w->aoAutenticar = [](frmAutenticar &d) {
            QTimer::singleShot(0, &d, [&d] {
                QTest::keyClick(&d, Qt::Key_Return);
                QTest::keyClick(&d, Qt::Key_Escape);
            });
        };
        tecla(Qt::Key_Return);
        QCOMPARE(w->soma().size(), 0);
        const QVariantList row = AmbienteFrente::linha(
            "SELECT AUTENTICA, CODBARRA, TIPO, VALOR, VENCIMENTO, PARCELA, OBS, EXPORT FROM Recebimentos");
        QCOMPARE(row, (QVariantList{1, QString(44, '0'), 5, 12505000LL, "20261220", "2/10", "TAXA; DE LIXO", 1}));
    }

    void atalhosChegamAJanela()
    {
        frmFrente *w = amb->abre();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->txtValorCodBarra->setFocus();
        QSignalSpy exporta(w->menu("mnuExpCebi"), &QAction::triggered);
        QString aberta;
        QTimer::singleShot(100, this, [&aberta] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                aberta = m->objectName();
                m->close();
            }
        });
        QTest::keySequence(w->txtValorCodBarra, QKeySequence(Qt::CTRL | Qt::Key_C));
        QTest::qWait(150);
        QCOMPARE(exporta.count(), 1);
        QCOMPARE(aberta, QStringLiteral("frmExportar"));
    }

    // The holidays that drive the due dates are edited in a modal window: no
    // code is read meanwhile.
    void feriadosModal()
    {
        amb->abre();
        QCOMPARE(janelaModalDe("mnuFeriados"), QStringLiteral("frmFeriados"));
    }

    // The typed-line window has no owner and opens centred on the screen.
    void linhaDigitavelCentradaSemDono()
    {
        frmFrente *w = amb->abre();
        w->move(0, 0);
        QString aberta;
        QWidget *dono = w;
        QPoint centro, centroTela;
        QTimer::singleShot(100, this, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                aberta = m->objectName();
                dono = m->parentWidget();
                centro = m->geometry().center();
                centroTela = m->screen()->availableGeometry().center();
                m->close();
            }
        });
        w->cmdLdg->click();
        QCOMPARE(aberta, QStringLiteral("frmLdg"));
        QCOMPARE(dono, nullptr);
        // Within the rounding of two centres.
        QVERIFY(qAbs(centro.x() - centroTela.x()) <= 2 && qAbs(centro.y() - centroTela.y()) <= 2);
    }

    // The type list of a loose payment ignores typing: no keyboard search
    // changes the entry.
    void avulsoTipoIgnoraDigitacao()
    {
        QVERIFY(AmbienteFrente::sql("INSERT INTO CodBarra (DESCRICAO, IDCOD, IDTIPO, PADRAO, JUROS, BLOQUEIO) "
                                    "VALUES ('ALVARA', 6, '002', 'P', 'N', 'N')"));
        frmFrente *w = amb->abre();
        frmAvulso a(w);
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        QCOMPARE(a.cmbTipo->count(), 2);
        a.cmbTipo->setCurrentIndex(0);
        a.cmbTipo->setFocus();
        QTest::keyClicks(a.cmbTipo, QStringLiteral("TAXAS"));
        QCOMPARE(a.cmbTipo->currentText(), QStringLiteral("ALVARA"));
        a.cmbTipo->setCurrentIndex(-1);
        QTest::keyClicks(a.cmbTipo, QStringLiteral("A"));
        QCOMPARE(a.cmbTipo->currentIndex(), -1);
    }

    void avulsoSemTipoOuValor()
    {
        frmFrente *w = amb->abre();
        amb->folder->messages->clear();
        QTimer::singleShot(100, this, [this] {
            auto *a = qobject_cast<frmAvulso *>(QApplication::activeModalWidget());
            QVERIFY(a);
            a->cmbTipo->setCurrentIndex(0);
            a->cmdOk->click(); // no amount: the window stays
            QVERIFY(a->isVisible());
            QCOMPARE(amb->folder->messages->texts(), QStringList{"Um valor deve ser informado!!"});
            a->cmbTipo->setCurrentIndex(-1);
            a->cmdOk->click(); // no type: closes, nothing handed over
        });
        w->cmdAvulso->click();
        QCOMPARE(w->soma().size(), 0);
    }

    void diaFechadoNaoRecebeAvulso()
    {
        QVERIFY(AmbienteFrente::insereMovimento(1, "2026-12-09", "FECHADO"));
        frmFrente *w = amb->abre();
        bool abriu = false;
        QTimer::singleShot(100, this, [&abriu] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                abriu = true;
                m->close();
            }
        });
        w->cmdAvulso->click();
        tecla(Qt::Key_Plus);
        QTest::qWait(150);
        QVERIFY(!abriu);
        QCOMPARE(w->txtValorCodBarra->text(), QStringLiteral("CAIXA ENCERRADO"));
    }
};

QTEST_MAIN(TstFrenteMenus)
#include "tst_frente_menus.moc"
