#include "aplicativos.h"
#include "clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
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
        // Counted as the split makes its parts: occurrences do not overlap.
        QCOMPARE(Conta_separador("aaa", "aa"), 1);
        QCOMPARE(Conta_separador("aaaa", "aa"), 2);
    }

    // The first window of the name in the order the windows were loaded is unloaded.
    void unloadsTheFirstLoadedOfTheName()
    {
        QList<QPointer<QWidget>> janelas;
        for (int i = 0; i < 8; ++i) {
            auto *w = new QWidget;
            w->setObjectName("frmSangria");
            w->setProperty("ordem", i);
            w->show();
            janelas << w;
        }
        for (int i = 0; i < 8; ++i) {
            QVERIFY(Descarrega_form("frmSangria"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(janelas.at(i).isNull());
            for (int j = i + 1; j < 8; ++j)
                QVERIFY(!janelas.at(j).isNull());
        }
        QVERIFY(!Descarrega_form("frmSangria"));
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

    // A multi-line text box is a text box: empty and required, it fails the check.
    void checksMultiLineBoxes()
    {
        QWidget form;
        auto *lay = new QVBoxLayout(&form);
        auto *nome = new QLineEdit("x");
        auto *descricao = new QPlainTextEdit;
        descricao->setProperty("Tag", "1");
        auto *nota = new QTextEdit;
        nota->setProperty("Tag", "0");
        lay->addWidget(nome);
        lay->addWidget(descricao);
        lay->addWidget(nota);
        form.show();
        QVERIFY(Verifica_campos(&form));
        QTRY_COMPARE(QApplication::focusWidget(), descricao);
        // Spaces are text: the check asks only for a non-empty box.
        descricao->setPlainText("   ");
        QVERIFY(!Verifica_campos(&form));
        nota->setProperty("Tag", "");
        QVERIFY(Verifica_campos(&form));
        QTRY_COMPARE(QApplication::focusWidget(), nota);
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
