#include "ajusta_tela.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <vector>

namespace Ajusta_tela {
namespace {

struct RegistroForm {
    QString nome;
    int altura = 0;
    int largura = 0;
};

struct RegistroControle {
    QString nome;
    int indice = 0;
    QString form;
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    int fonte = 0; // 0: the control's font is left alone
};

// Lives for the run; nothing is ever removed.
std::vector<RegistroForm> gForms;
std::vector<RegistroControle> gControles;
bool gAjustando = false;

// A control as the records know it: its name and its place among the
// window's controls of that name (unnamed labels share the empty name).
struct Controle {
    QWidget *w;
    QString nome;
    int indice;
};

const char *const kIndice = "_ajusta_tela_indice";
const char *const kPreparado = "_ajusta_tela_preparado";

// Halves go to the even neighbour (the default rounding mode).
int inteiroPar(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// valor × fator ÷ 100 as a whole number, halves to even, without a binary fraction.
int escala(int valor, int fator)
{
    const qint64 p = qint64(valor) * fator;
    qint64 q = p / 100;
    qint64 r = p % 100;
    if (r < 0) {
        r += 100;
        --q;
    }
    if (r > 50 || (r == 50 && (q & 1)))
        ++q;
    return static_cast<int>(q);
}

QString nomeForm(const QWidget *form)
{
    return form->objectName().isEmpty() ? QString::fromLatin1(form->metaObject()->className())
                                        : form->objectName();
}

QWidget *areaInterna(QWidget *form)
{
    if (auto *mw = qobject_cast<QMainWindow *>(form); mw && mw->centralWidget()) {
        // Before the first show the central widget has not been placed yet.
        if (mw->layout())
            mw->layout()->activate();
        return mw->centralWidget();
    }
    return form;
}

// Widgets whose children are controls of the window as well.
bool eConteiner(const QWidget *w)
{
    const QMetaObject *m = w->metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || qobject_cast<const QGroupBox *>(w);
}

void coleta(QWidget *pai, QList<QWidget *> &lista)
{
    for (QObject *o : pai->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        lista.append(w);
        if (auto *abas = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < abas->count(); ++i)
                coleta(abas->widget(i), lista);
        } else if (auto *pilha = qobject_cast<QStackedWidget *>(w)) {
            for (int i = 0; i < pilha->count(); ++i)
                coleta(pilha->widget(i), lista);
        } else if (eConteiner(w)) {
            coleta(w, lista);
        }
    }
}

// Pins a control's font: Qt hands a container's font on to children that have
// none of their own, and a scaled frame must not resize the fonts inside it.
void fixaFonte(QWidget *w)
{
    QFont f = w->font();
    f.setResolveMask(QFont::AllPropertiesResolved);
    w->setFont(f);
}

// The window's controls in order. The first time a window instance is seen,
// each control's index is fixed, so that raising a control later does not
// change which record it matches. A control created after that has none.
QList<Controle> colecao(QWidget *form, QWidget *area)
{
    QList<QWidget *> widgets;
    coleta(area, widgets);
    const bool primeira = !form->property(kPreparado).toBool();
    QHash<QString, int> contagem;
    QList<Controle> out;
    out.reserve(widgets.size());
    for (QWidget *w : widgets) {
        if (primeira) {
            w->setProperty(kIndice, contagem[w->objectName()]++);
            fixaFonte(w);
        }
        const QVariant indice = w->property(kIndice);
        out.append({w, w->objectName(), indice.isValid() ? indice.toInt() : -1});
    }
    form->setProperty(kPreparado, true);
    return out;
}

int Indice_form(const QString &nome)
{
    for (size_t i = 0; i < gForms.size(); ++i)
        if (gForms[i].nome == nome)
            return int(i);
    return -1;
}

int Indice_controle(const Controle &c, const QString &form)
{
    for (size_t i = 0; i < gControles.size(); ++i) {
        const RegistroControle &r = gControles[i];
        if (r.form == form && r.nome == c.nome && r.indice == c.indice)
            return int(i);
    }
    return -1;
}

int fonteRegistrada(const QWidget *w)
{
    // A font sized in pixels has no point size to scale.
    const qreal pontos = w->font().pointSizeF();
    return pontos > 0 ? inteiroPar(pontos) : 0;
}

int Grava_controle(const Controle &c, const QString &form)
{
    const QRect g = c.w->geometry();
    gControles.push_back({c.nome, c.indice, form, g.top(), g.left(), g.height(), g.width(), fonteRegistrada(c.w)});
    return int(gControles.size()) - 1;
}

int Registra_form(const QString &nome, QSize interno, const QList<Controle> &controles)
{
    gForms.push_back({nome, interno.height(), interno.width()});
    const int indice = int(gForms.size()) - 1;
    for (const Controle &c : controles)
        if (c.indice >= 0 && Indice_controle(c, nome) == -1)
            Grava_controle(c, nome);
    return indice;
}

int Fator_largura(const RegistroForm &f, QSize interno)
{
    return inteiroPar(double(interno.width()) * 100 / f.largura);
}

float Fator_altura(const RegistroForm &f, QSize interno)
{
    return static_cast<float>(double(interno.height()) * 100 / f.altura);
}

bool recebeFonte(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QGroupBox *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QComboBox *>(w);
}

void Ajusta_controle(const Controle &c, const QString &form, int wf, int hf)
{
    const int r = Indice_controle(c, form);
    if (r < 0)
        return; // no recorded geometry: left where it is
    const RegistroControle &g = gControles[size_t(r)];
    const int left = escala(g.left, wf);
    const int top = escala(g.top, hf);
    const int width = escala(g.width, wf);
    const int height = escala(g.height, hf);
    // The font follows the width; a zero point size is no font.
    const int fonte = qMax(1, escala(g.fonte, wf));

    if (g.fonte > 0) {
        if (qobject_cast<QListView *>(c.w)) {
            QFont f(QStringLiteral("Courier New"));
            f.setStyleHint(QFont::Monospace);
            f.setBold(true);
            f.setPointSize(fonte);
            c.w->setFont(f);
        } else if (recebeFonte(c.w)) {
            QFont f = c.w->font();
            f.setPointSize(fonte);
            c.w->setFont(f);
        }
    }
    if (qobject_cast<QComboBox *>(c.w))
        c.w->setGeometry(left, top, width, c.w->height());
    else
        c.w->setGeometry(left, top, width, height);
}

} // namespace

void Ajusta_form(QWidget *form)
{
    if (!form || gAjustando)
        return;
    const QScopedValueRollback guarda(gAjustando, true);

    QWidget *area = areaInterna(form);
    const QSize interno = area->size();
    // A window without an inner area gives no factors.
    if (interno.width() <= 0 || interno.height() <= 0)
        return;
    const QString nome = nomeForm(form);
    const QList<Controle> controles = colecao(form, area);
    int f = Indice_form(nome);
    if (f < 0)
        f = Registra_form(nome, interno, controles);
    const RegistroForm registro = gForms[size_t(f)];
    const int wf = Fator_largura(registro, interno);
    const int hf = inteiroPar(Fator_altura(registro, interno));
    for (const Controle &c : controles)
        Ajusta_controle(c, nome, wf, hf);
}

} // namespace Ajusta_tela
