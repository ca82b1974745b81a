#include "aplicativos.h"
#include "clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace Aplicativos;

class TstAplicativos : public QObject {
    Q_OBJECT

private slots:
    void digitFilter()
    {
        QCOMPARE(Filtra_numero(8), QStringLiteral("8"));
        QCOMPARE(Filtra_numero('5'), QStringLiteral("53"));
        QCOMPARE(Filtra_numero(','), QStringLiteral("44"));
        for (int k : {13, int('.'), int('-'), int('a'), int('A'), 0, 9, 27, 127})
            QCOMPARE(Filtra_numero(k), QStringLiteral("0"));
        QVERIFY(Filtra_numero_texto("12,50"));
        QVERIFY(!Filtra_numero_texto("12.50"));
    }

    void separatorCount()
    {
        QCOMPARE(Conta_separador("a;b;c", ";"), 2);
        QCOMPARE(Conta_separador("", ";"), -1);
        QCOMPARE(Conta_separador("abc", ";"), 0);
        QCOMPARE(Conta_separador("abc", ""), 0);
        QCOMPARE(Conta_separador("a::b::", "::"), 2);
    }

    void unloadsByExactName()
    {
        QPointer<QWidget> w = new QWidget;
        w->setObjectName("frmCofre");
        w->show();
        QVERIFY(!Descarrega_form("FRMCOFRE"));
        QVERIFY(w->isVisible());
        QVERIFY(Descarrega_form("frmCofre"));
        QVERIFY(!w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(!Descarrega_form("frmCofre"));
    }

    void clearsAndChecksFields()
    {
        Relogio::fixar(QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
        QWidget form;
        auto *lay = new QVBoxLayout(&form);
        auto *nome = new QLineEdit("x");
        nome->setProperty("Tag", "1");
        auto *obs = new QLineEdit("y");
        obs->setProperty("Tag", "0");
        auto *livre = new QLineEdit("z"); // no Tag: required
        auto *combo = new QComboBox;
        combo->setEditable(true);
        combo->setEditText("abc");
        combo->setProperty("Tag", "2");
        auto *lista = new QComboBox;      // drop-down list: its text cannot be set
        lista->addItems({"A", "B"});
        auto *check = new QCheckBox;
        check->setChecked(true);
        auto *opt = new QRadioButton;
        opt->setChecked(true);
        auto *data = new QDateEdit(QDate(2020, 1, 1));
        for (QWidget *w : std::initializer_list<QWidget *>{nome, obs, livre, combo, lista, check, opt, data})
            lay->addWidget(w);
        form.show();

        QVERIFY(!Verifica_campos(&form));
        Limpa_campos(&form);
        QCOMPARE(nome->text(), QString());
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(lista->currentText(), QStringLiteral("A"));
        QVERIFY(!check->isChecked());
        QVERIFY(!opt->isChecked());
        QCOMPARE(data->date(), QDate(2026, 12, 9));

        // Every empty required box takes the focus in turn: it ends on the last one.
        QVERIFY(Verifica_campos(&form));
        QTRY_COMPARE(QApplication::focusWidget(), livre);
        livre->setText("ok");
        QVERIFY(Verifica_campos(&form));
        QTRY_COMPARE(QApplication::focusWidget(), nome);
        nome->setText("ok");
        QVERIFY(!Verifica_campos(&form));
        Relogio::definir({});
    }

    void tabsSwap()
    {
        QTabWidget tabs;
        tabs.addTab(new QWidget, "Lista");
        tabs.addTab(new QWidget, "Cadastro");
        tabs.setTabEnabled(1, false);
        Alterna_aba(&tabs);
        QCOMPARE(tabs.currentIndex(), 1);
        QVERIFY(!tabs.isTabEnabled(0));
        QVERIFY(tabs.isTabEnabled(1));
        Alterna_aba(&tabs);
        QCOMPARE(tabs.currentIndex(), 0);
        QVERIFY(tabs.isTabEnabled(0));
        QVERIFY(!tabs.isTabEnabled(1));
    }

    void sendsKeysToTheFocusedWidget()
    {
        QWidget form;
        auto *lay = new QVBoxLayout(&form);
        auto *a = new QLineEdit;
        auto *b = new QLineEdit;
        lay->addWidget(a);
        lay->addWidget(b);
        form.show();
        QApplication::setActiveWindow(&form);
        a->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), a);
        mdTab::Envia_tecla('7', true);
        mdTab::Envia_tecla('7', false);
        mdTab::Envia_tecla(9, true);
        mdTab::Envia_tecla(9, false);
        QTRY_COMPARE(QApplication::focusWidget(), b);
        QCOMPARE(a->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(TstAplicativos)
#include "tst_aplicativos.moc"
