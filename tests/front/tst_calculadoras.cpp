#include "frente_publica.h"
#include "frm_calcula.h"
#include "frm_juros.h"
#include "test_support.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

TestSupport::ProgramFolder::Options semBanco()
{
    TestSupport::ProgramFolder::Options o;
    o.database = false;
    o.open = false;
    return o;
}

// The main window as the calculators see it: only its bar-code box matters.
class FrenteFalsa : public FrentePublica {
public:
    FrenteFalsa() { AbreBD::gFrente = this; }
    ~FrenteFalsa() override { AbreBD::gFrente = nullptr; }
    int IdMovimento() const override { return 1; }
    int NumMovimento() const override { return 1; }
    QDate DataMovimento() const override { return {}; }
    QDate dtpData() const override { return {}; }
    QString txtstatus() const override { return {}; }
    void setTxtstatus(const QString &) override {}
    QString txtcod() const override { return {}; }
    bool codBarraHabilitado() const override { return habilitado; }
    QString textoCodBarra() const override { return codBarra; }
    void setTextoCodBarra(const QString &texto) override { codBarra = texto; }
    bool ProcAutenticarDoc(const QString &) override { return true; }
    void imprime_cabecalho_cupom(int) override {}
    void Lista_Movimento_dia() override {}

    bool habilitado = true;
    QString codBarra;
};

struct Resultados {
    QString dias, meses, mora, juros, total;
};

Resultados resultados(const frmJuros &w)
{
    return {w.lbldias->text(), w.lblmes->text(), w.lblmora->text(), w.lbljuros->text(), w.lbltotal->text()};
}

bool operator==(const Resultados &a, const Resultados &b)
{
    return a.dias == b.dias && a.meses == b.meses && a.mora == b.mora && a.juros == b.juros && a.total == b.total;
}

char *toString(const Resultados &r)
{
    return QTest::toString(QStringList{r.dias, r.meses, r.mora, r.juros, r.total}.join(QLatin1String(" | ")));
}

QStringList fita(const frmCalcula &w)
{
    QStringList linhas;
    for (int i = 0; i < w.List1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = w.List1->topLevelItem(i);
        linhas << it->text(0) + QLatin1Char(' ') + it->text(1) + QLatin1Char(' ') + it->text(2);
    }
    return linhas;
}

} // namespace

class TstCalculadoras : public QObject {
    Q_OBJECT

private:
    // Chooses a rule, fills the entries and presses "Calcular".
    static Resultados calcula(frmJuros &w, QRadioButton *regra, QDate vencimento, QDate hoje, const QString &valor,
                              const QString &taxa = QString())
    {
        regra->click();
        w.dtpVencimento->setDate(vencimento);
        w.dtphoje->setDate(hoje);
        w.mskprestacao->setText(valor);
        if (!taxa.isNull())
            w.txtjuros->setText(taxa);
        w.Command2->click();
        return resultados(w);
    }

    // Types into the adding machine's amount box and presses a key.
    static void digita(frmCalcula &w, const QString &valor, char tecla = '+')
    {
        QTest::keyClicks(w.mskvalor, valor);
        QTest::keyClick(w.mskvalor, tecla);
    }

private slots:
    void jurosAbreComADataDoDia()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmJuros w;
        QCOMPARE(w.dtphoje->date(), QDate(2026, 12, 9));
        QCOMPARE(w.dtphoje->displayFormat(), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Calcular Juros"));

        // Choosing a rule clears the results and the amount and presets the rate.
        w.lbltotal->setText(QStringLiteral("9,99"));
        w.mskprestacao->setText(QStringLiteral("50"));
        const std::initializer_list<std::pair<QRadioButton *, const char *>> regras = {
            {w.Option2, "0,33"}, {w.Option3, "1"}, {w.Option1, "0,20"}};
        for (const auto &[opcao, taxa] : regras) {
            opcao->click();
            QCOMPARE(w.txtjuros->text(), QLatin1String(taxa));
            QCOMPARE(w.mskprestacao->text(), QString());
            QCOMPARE(resultados(w), (Resultados{"0", "0", "0", "0", "0"}));
        }

        // Only digits and the comma can be typed.
        QTest::keyClicks(w.mskprestacao, QStringLiteral("1a2.-5,5x0"));
        QCOMPARE(w.mskprestacao->text(), QStringLiteral("125,50"));
        QTest::keyClicks(w.txtjuros, QStringLiteral("e1"));
        QCOMPARE(w.txtjuros->text(), QStringLiteral("0,201"));
    }

    void jurosRecusaEntradasIncompletas()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        auto &caixas = pasta.messages->boxes;
        frmJuros w;
        const QDate hoje(2026, 12, 9);
        w.mskprestacao->setText(QStringLiteral("100,00"));
        w.txtjuros->setText(QStringLiteral("0,20"));
        w.Command2->click();
        QCOMPARE(caixas.size(), 1);
        QCOMPARE(caixas.last().text, QStringLiteral("Uma opção deve ser selecionada!!!"));
        QCOMPARE(caixas.last().title, QStringLiteral("Aviso"));
        QCOMPARE(caixas.last().style, 16);

        // A due date after the current date is refused before any result changes.
        calcula(w, w.Option1, hoje.addDays(1), hoje, QStringLiteral("100,00"));
        QCOMPARE(caixas.size(), 2);
        QCOMPARE(resultados(w), (Resultados{"0", "0", "0", "0", "0"}));
        QCOMPARE(w.focusWidget(), w.dtpVencimento);

        calcula(w, w.Option2, hoje, hoje, QString());
        QCOMPARE(caixas.last().text, QStringLiteral("Valor da prestação deve ser informada!!!"));
        // The rate is asked for even by the rule that does not read it.
        calcula(w, w.Option3, hoje, hoje, QStringLiteral("100"), QStringLiteral(""));
        QCOMPARE(caixas.last().text, QStringLiteral("Valor do juros deve ser informado!!!"));
        QCOMPARE(w.focusWidget(), w.txtjuros);

        // An entry that is no number gives no result, never a partial one.
        calcula(w, w.Option1, hoje.addDays(-3), hoje, QStringLiteral(","));
        QCOMPARE(caixas.last().text, QStringLiteral("Valor da prestação inválido!!!"));
        calcula(w, w.Option2, hoje.addDays(-3), hoje, QStringLiteral("10"), QStringLiteral(",,"));
        QCOMPARE(caixas.last().text, QStringLiteral("Valor do juros inválido!!!"));
        QCOMPARE(resultados(w), (Resultados{"0", "0", "0", "0", "0"}));
        QCOMPARE(caixas.size(), 6);
        for (const auto &c : caixas)
            QCOMPARE(c.style, 16);
    }

    void jurosPelasTresRegras()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmJuros w;
        const QDate hoje(2026, 12, 9);
        // Rule 1: a rate by the day.
        QCOMPARE(calcula(w, w.Option1, hoje.addDays(-10), hoje, QStringLiteral("100,00")),
                 (Resultados{"10", "1", "0", "2,00", "102,00"}));
        // Rule 2: 13,2 % is capped at 10 %; 1 % a started 31-day period.
        QCOMPARE(calcula(w, w.Option2, hoje.addDays(-40), hoje, QStringLiteral("100,00")),
                 (Resultados{"40", "2", "2,00", "10,00", "112,00"}));
        QCOMPARE(calcula(w, w.Option2, hoje, hoje, QStringLiteral("100,00")),
                 (Resultados{"0", "1", "1,00", "0,00", "101,00"}));
        QCOMPARE(calcula(w, w.Option2, hoje.addDays(-30), hoje, QStringLiteral("100,00")).meses, QStringLiteral("1"));
        QCOMPARE(calcula(w, w.Option2, hoje.addDays(-31), hoje, QStringLiteral("100,00")).meses, QStringLiteral("2"));
        // Rule 3: 2 % plus 1 % a started month; the rate is not read.
        const Resultados regra3{"65", "3", "2,00", "3,00", "105,00"};
        QCOMPARE(calcula(w, w.Option3, {2024, 1, 10}, {2024, 3, 15}, QStringLiteral("100,00")), regra3);
        QCOMPARE(calcula(w, w.Option3, {2024, 1, 10}, {2024, 3, 15}, QStringLiteral("100,00"), QStringLiteral("5")),
                 regra3);
        QCOMPARE(calcula(w, w.Option3, {2024, 1, 10}, {2024, 3, 10}, QStringLiteral("100,00")).meses,
                 QStringLiteral("2"));
    }

    void jurosNaViradaDoAnoEArredondamento()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmJuros w;
        QCOMPARE(calcula(w, w.Option1, {2024, 12, 31}, {2025, 1, 2}, QStringLiteral("1.000,00")),
                 (Resultados{"2", "1", "0", "4,00", "1.004,00"}));
        // 16 days of 0,33 % = 5,28 %, held in single precision.
        QCOMPARE(calcula(w, w.Option2, {2024, 12, 20}, {2025, 1, 5}, QStringLiteral("100,00")),
                 (Resultados{"16", "1", "1,00", "5,28", "106,28"}));
        QCOMPARE(calcula(w, w.Option3, {2024, 12, 15}, {2025, 1, 10}, QStringLiteral("100,00")),
                 (Resultados{"26", "1", "2,00", "1,00", "103,00"}));
        QCOMPARE(calcula(w, w.Option3, {2024, 11, 30}, {2025, 2, 1}, QStringLiteral("100,00")).meses,
                 QStringLiteral("3"));
        // 200,50 x 1 % is 2,005: shown as 2,01 although the binary double is just below.
        QCOMPARE(calcula(w, w.Option3, {2024, 12, 15}, {2025, 1, 10}, QStringLiteral("200,50")),
                 (Resultados{"26", "1", "4,01", "2,01", "206,52"}));
        // The amount box shows its amount formatted once left.
        w.mskprestacao->setText(QStringLiteral("1234,5"));
        emit w.mskprestacao->editingFinished();
        QCOMPARE(w.mskprestacao->text(), QStringLiteral("1.234,50"));
    }

    void jurosFechaENaoGuardaNada()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        QPointer<frmJuros> w = frmJuros::instancia();
        QCOMPARE(frmJuros::instancia(), w.data());
        w->show();
        w->Option2->click();
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QPointer<frmJuros> novo = frmJuros::instancia();
        QVERIFY(novo != w);
        QVERIFY(!novo->Option2->isChecked());
        novo->show();
        novo->Command1->click();
        QTRY_VERIFY(!novo);
    }

    void calculadoraSomaERetira()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmCalcula w;
        QCOMPARE(w.txttotal->text(), QStringLiteral("0,00"));
        // "+" on an empty tape with an empty box adds nothing; "-" takes nothing.
        QTest::keyClick(w.mskvalor, '+');
        QTest::keyClick(w.mskvalor, '-');
        QCOMPARE(fita(w), QStringList());
        QCOMPARE(w.txttotal->text(), QStringLiteral("0,00"));

        digita(w, QStringLiteral("10,50"));
        digita(w, QStringLiteral("4,50"));
        QCOMPARE(fita(w), (QStringList{"01 10,50 10,50", "02 4,50 15,00"}));
        QCOMPARE(w.txttotal->text(), QStringLiteral("15,00"));
        QCOMPARE(w.mskvalor->text(), QString());

        // An empty box repeats the last amount.
        QTest::keyClick(w.mskvalor, '+');
        QCOMPARE(fita(w).last(), QStringLiteral("03 4,50 19,50"));
        QCOMPARE(w.txttotal->text(), QStringLiteral("19,50"));

        // "-" takes off the last row only; the box drops the key itself.
        QTest::keyClicks(w.mskvalor, QStringLiteral("7"));
        QTest::keyClick(w.mskvalor, '-');
        QCOMPARE(w.mskvalor->text(), QStringLiteral("7"));
        QCOMPARE(fita(w), (QStringList{"01 10,50 10,50", "02 4,50 15,00"}));
        QCOMPARE(w.txttotal->text(), QStringLiteral("15,00"));
        w.mskvalor->clear();
        digita(w, QStringLiteral("1,00"));
        QCOMPARE(fita(w).last(), QStringLiteral("03 1,00 16,00"));

        QTest::keyClick(w.mskvalor, '-');
        QTest::keyClick(w.mskvalor, '-');
        QTest::keyClick(w.mskvalor, '-');
        QCOMPARE(fita(w), QStringList());
        QCOMPARE(w.txttotal->text(), QStringLiteral("0,00"));
    }

    void calculadoraValoresGrandesEInvalidos()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmCalcula w;
        digita(w, QStringLiteral("999999,99"));
        digita(w, QStringLiteral("0,01"));
        QCOMPARE(fita(w).last(), QStringLiteral("02 0,01 1.000.000,00"));
        // The box holds only what "+" and "-" can work with.
        QTest::keyClicks(w.mskvalor, QStringLiteral("ab.3"));
        QCOMPARE(w.mskvalor->text(), QStringLiteral("3"));
        w.mskvalor->clear();

        digita(w, QStringLiteral(","));
        digita(w, QStringLiteral("1,2,3"));
        QCOMPARE(pasta.messages->texts(), (QStringList{"Valor inválido!!!", "Valor inválido!!!"}));
        QCOMPARE(pasta.messages->boxes.last().style, 16);
        QCOMPARE(fita(w).size(), 2);
        QCOMPARE(w.mskvalor->text(), QString());
        QCOMPARE(w.txttotal->text(), QStringLiteral("1.000.000,00"));

        // A total beyond what money can hold is refused, not wrapped.
        w.mskvalor->setText(QStringLiteral("99999999999999"));
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(w.mskvalor, '+');
        QCOMPARE(fita(w).size(), 11);
        QCOMPARE(w.txttotal->text(), QStringLiteral("900.000.000.999.991,00"));
        QCOMPARE(pasta.messages->boxes.size(), 5);
    }

    void calculadoraVeTodasAsTeclasUmaVez()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        frmCalcula w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (const char *v : {"1", "2", "3"})
            digita(w, QString::fromLatin1(v));
        // Keys reach the window whichever control has the focus, and a key the
        // control leaves unused does not count twice.
        w.txttotal->setFocus();
        QTest::keyClick(w.txttotal, '-');
        QCOMPARE(fita(w).size(), 2);
        w.List1->setFocus();
        QTest::keyClick(w.List1, '-');
        QCOMPARE(fita(w).size(), 1);
        QTest::keyClick(w.List1, '+');
        QCOMPARE(fita(w), (QStringList{"01 1,00 1,00", "02 1,00 2,00"}));
        QCOMPARE(w.focusWidget(), w.mskvalor);
    }

    void calculadoraEntregaOTotal()
    {
        TestSupport::ProgramFolder pasta(semBanco());
        FrenteFalsa frente;
        QPointer<frmCalcula> w = frmCalcula::instancia();
        QCOMPARE(frmCalcula::instancia(), w.data());
        w->show();
        digita(*w, QStringLiteral("10,50"));
        digita(*w, QStringLiteral("4,50"));
        QTest::keyClick(w->mskvalor, Qt::Key_Return); // the default button
        QCOMPARE(frente.codBarra, QStringLiteral("15,00"));
        QTRY_VERIFY(!w);

        // The next opening starts afresh; on a closed day the box keeps its text.
        w = frmCalcula::instancia();
        QCOMPARE(fita(*w), QStringList());
        QCOMPARE(w->txttotal->text(), QStringLiteral("0,00"));
        frente.habilitado = false;
        frente.codBarra = QStringLiteral("CAIXA ENCERRADO");
        w->show();
        digita(*w, QStringLiteral("3"));
        w->Command1->click();
        QCOMPARE(frente.codBarra, QStringLiteral("CAIXA ENCERRADO"));
        QTRY_VERIFY(!w);

        // Without a main window the total goes nowhere, and Esc closes too.
        AbreBD::gFrente = nullptr;
        w = frmCalcula::instancia();
        w->show();
        digita(*w, QStringLiteral("3"));
        w->Command1->click();
        QTRY_VERIFY(!w);
        w = frmCalcula::instancia();
        w->show();
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!w);
    }
};

QTEST_MAIN(TstCalculadoras)
#include "tst_calculadoras.moc"
