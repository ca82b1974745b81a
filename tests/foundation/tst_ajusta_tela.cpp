#include "ajusta_tela.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

// Records live for the whole run, so every case uses windows of its own name.
class TstAjustaTela : public QObject {
    Q_OBJECT

private:
    static QWidget *janela(const QString &nome, int largura, int altura)
    {
        auto *w = new QWidget;
        w->setObjectName(nome);
        w->resize(largura, altura);
        return w;
    }

    template <class W>
    static W *controle(QWidget *pai, const char *nome, QRect geometria, int pontos = 8)
    {
        auto *c = new W(pai);
        c->setObjectName(QString::fromLatin1(nome));
        c->setGeometry(geometria);
        QFont f(QStringLiteral("Sans Serif"));
        f.setPointSize(pontos);
        c->setFont(f);
        return c;
    }

private slots:
    void escalaPelaLarguraEPelaAltura()
    {
        std::unique_ptr<QWidget> w(janela("frmEscala", 9000, 6000));
        auto *texto = controle<QLineEdit>(w.get(), "txtValor", {300, 120, 1500, 400});
        auto *combo = controle<QComboBox>(w.get(), "cmbTipo", {300, 600, 1500, 400});
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(texto->geometry(), QRect(300, 120, 1500, 400));

        w->resize(12000, 6000); // width 133 %, height 100 %
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(texto->geometry(), QRect(399, 120, 1995, 400));
        QCOMPARE(texto->font().pointSize(), 11); // 10.64
        QCOMPARE(combo->geometry(), QRect(399, 600, 1995, 400));

        // Combo boxes keep whatever height they have.
        w->resize(9000, 3000);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(combo->geometry(), QRect(300, 300, 1500, 400));
        QCOMPARE(texto->geometry(), QRect(300, 60, 1500, 200));
        QCOMPARE(texto->font().pointSize(), 8);
    }

    void arredondaMetadesParaOPar()
    {
        std::unique_ptr<QWidget> w(janela("frmArredonda", 200, 200));
        auto *a = controle<QLabel>(w.get(), "lblA", {50, 50, 10, 10}, 10);
        auto *b = controle<QLabel>(w.get(), "lblB", {150, 150, 10, 10}, 10);
        Ajusta_tela::Ajusta_form(w.get());

        // 201 x 201: both factors 100.5 %, which go to 100.
        w->resize(201, 201);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(a->geometry(), QRect(50, 50, 10, 10));

        // 203 x 203: 101.5 % goes to 102; then 50 x 102 / 100 = 51 and 150 x 102 / 100 = 153.
        w->resize(203, 203);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(a->geometry(), QRect(51, 51, 10, 10));
        QCOMPARE(b->geometry(), QRect(153, 153, 10, 10));

        // 202 x 202: 101 %; 50 x 101 / 100 = 50.5 -> 50, 150 x 101 / 100 = 151.5 -> 152,
        // 10 x 101 / 100 = 10.1 -> 10; font 10.1 -> 10.
        w->resize(202, 202);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(a->geometry(), QRect(50, 50, 10, 10));
        QCOMPARE(b->geometry(), QRect(152, 152, 10, 10));
        QCOMPARE(a->font().pointSize(), 10);

        // Fonts follow the width only: 300 x 100 is 150 % wide, 50 % high.
        w->resize(300, 100);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(a->geometry(), QRect(75, 25, 15, 5));
        QCOMPARE(a->font().pointSize(), 15);
    }

    void listasEFontes()
    {
        std::unique_ptr<QWidget> w(janela("frmListas", 400, 400));
        auto *caixa = controle<QListWidget>(w.get(), "lstCaixa", {0, 0, 200, 100}, 10);
        auto *moldura = controle<QGroupBox>(w.get(), "Frame1", {0, 200, 400, 200}, 10);
        auto *vista = new QTreeWidget(moldura);
        vista->setObjectName(QStringLiteral("lstVista"));
        vista->setGeometry(10, 20, 100, 100);
        const QString familiaVista = vista->font().family();
        const int pontosVista = vista->font().pointSize();
        Ajusta_tela::Ajusta_form(w.get());

        w->resize(800, 400);
        Ajusta_tela::Ajusta_form(w.get());
        // List boxes end in bold Courier New; list views keep their font even
        // when the frame around them gets a larger one.
        QCOMPARE(caixa->font().family(), QStringLiteral("Courier New"));
        QVERIFY(caixa->font().bold());
        QCOMPARE(caixa->font().pointSize(), 20);
        QCOMPARE(moldura->font().pointSize(), 20);
        QCOMPARE(vista->font().family(), familiaVista);
        QCOMPARE(vista->font().pointSize(), pontosVista);
        // Controls inside a frame scale in its coordinates.
        QCOMPARE(vista->geometry(), QRect(20, 20, 200, 100));
    }

    void paginasEscondidasEControlesOcultos()
    {
        std::unique_ptr<QWidget> w(janela("frmAbas", 400, 300));
        auto *abas = controle<QTabWidget>(w.get(), "SSTab1", {0, 0, 400, 300});
        auto *p1 = new QWidget;
        auto *p2 = new QWidget;
        abas->addTab(p1, QStringLiteral("Um"));
        abas->addTab(p2, QStringLiteral("Dois"));
        auto *naOculta = controle<QLineEdit>(p2, "txtOculta", {100, 50, 100, 20});
        auto *escondido = controle<QLineEdit>(w.get(), "txtEscondido", {10, 10, 50, 20});
        escondido->setVisible(false);
        abas->setCurrentIndex(0);
        Ajusta_tela::Ajusta_form(w.get());

        w->resize(800, 600);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(abas->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(naOculta->geometry(), QRect(200, 100, 200, 40));
        QCOMPARE(escondido->geometry(), QRect(20, 20, 100, 40));
    }

    void janelaPrincipalUsaAAreaCentral()
    {
        // Measured before the first show, as a window's load does.
        auto *mw = new QMainWindow;
        mw->setObjectName(QStringLiteral("frmPrincipal"));
        mw->menuBar()->addMenu(QStringLiteral("Arquivo"));
        auto *central = new QWidget;
        mw->setCentralWidget(central);
        mw->resize(800, 600);
        auto *rotulo = new QLabel(QStringLiteral("Total:"), central); // unnamed, like most labels
        rotulo->setGeometry(100, 100, 200, 40);
        auto *outro = new QLabel(QStringLiteral("Troco:"), central);
        outro->setGeometry(100, 200, 200, 40);
        Ajusta_tela::Ajusta_form(mw);
        const QSize referencia = central->size();
        QCOMPARE(referencia.width(), 800);

        // Raising a control changes the children's order, not which record it has.
        rotulo->raise();
        mw->resize(1600, 600 + referencia.height());
        Ajusta_tela::Ajusta_form(mw);
        QCOMPARE(central->size(), QSize(1600, 2 * referencia.height()));
        QCOMPARE(rotulo->geometry(), QRect(200, 200, 400, 80));
        QCOMPARE(outro->geometry(), QRect(200, 400, 400, 80));

        // Loaded again later, the window keeps its first reference.
        delete mw;
        mw = new QMainWindow;
        mw->setObjectName(QStringLiteral("frmPrincipal"));
        mw->menuBar()->addMenu(QStringLiteral("Arquivo"));
        central = new QWidget;
        mw->setCentralWidget(central);
        mw->resize(800, 600);
        rotulo = new QLabel(QStringLiteral("Total:"), central);
        rotulo->setGeometry(1, 1, 1, 1);
        outro = new QLabel(QStringLiteral("Troco:"), central);
        outro->setGeometry(1, 1, 1, 1);
        Ajusta_tela::Ajusta_form(mw);
        QCOMPARE(rotulo->geometry(), QRect(100, 100, 200, 40));
        QCOMPARE(outro->geometry(), QRect(100, 200, 200, 40));
        delete mw;
    }

    void controleNovoFicaOndeEsta()
    {
        std::unique_ptr<QWidget> w(janela("frmNovo", 100, 100));
        controle<QLabel>(w.get(), "lblAntigo", {10, 10, 10, 10});
        Ajusta_tela::Ajusta_form(w.get());
        auto *novo = controle<QLabel>(w.get(), "lblNovo", {30, 30, 20, 20});
        w->resize(200, 200);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(novo->geometry(), QRect(30, 30, 20, 20));
        QCOMPARE(novo->font().pointSize(), 8);
    }

    void semAreaInternaNadaMuda()
    {
        std::unique_ptr<QWidget> w(janela("frmVazio", 100, 100));
        auto *l = controle<QLabel>(w.get(), "lbl", {10, 10, 10, 10});
        Ajusta_tela::Ajusta_form(w.get());
        w->resize(0, 100);
        Ajusta_tela::Ajusta_form(w.get());
        QCOMPARE(l->geometry(), QRect(10, 10, 10, 10));
        QCOMPARE(l->font().pointSize(), 8);
    }

    void chamadaDuranteUmAjusteNaoFazNada()
    {
        std::unique_ptr<QWidget> a(janela("frmA", 100, 100));
        std::unique_ptr<QWidget> b(janela("frmB", 100, 100));
        auto *la = controle<QLabel>(a.get(), "lbl", {10, 10, 10, 10});
        auto *lb = controle<QLabel>(b.get(), "lbl", {10, 10, 10, 10});
        Ajusta_tela::Ajusta_form(a.get());

        // A control's font change during A's adjustment asks for B's: it must not
        // record B, whose reference then is its size at its own first adjustment.
        struct Filtro : QObject {
            QWidget *outra;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::FontChange)
                    Ajusta_tela::Ajusta_form(outra);
                return false;
            }
        } filtro;
        filtro.outra = b.get();
        la->installEventFilter(&filtro);
        a->resize(200, 200);
        Ajusta_tela::Ajusta_form(a.get());
        la->removeEventFilter(&filtro);
        QCOMPARE(la->geometry(), QRect(20, 20, 20, 20));

        b->resize(300, 300);
        Ajusta_tela::Ajusta_form(b.get());
        QCOMPARE(lb->geometry(), QRect(10, 10, 10, 10));
    }
};

QTEST_MAIN(TstAjustaTela)
#include "tst_ajusta_tela.moc"
