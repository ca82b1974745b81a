#include "aplicativos.h"
#include "clock.h"

#include "ini_file.h"
#include "key_sender.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

namespace Aplicativos {

QString Le_ini(const QString &section, const QString &key, const QString &file)
{
    return IniFile::read(file, section, key);
}

bool Grava_ini(const QString &section, const QString &key, const QString &value, const QString &file)
{
    return IniFile::write(file, section, key, value);
}

QString Filtra_numero(int keyCode)
{
    if (keyCode == 8)
        return QString::number(keyCode);
    if (keyCode > 0 && keyCode < 0x10000 && QStringLiteral(",0123456789").contains(QChar(keyCode)))
        return QString::number(keyCode);
    return QStringLiteral("0");
}

bool Filtra_numero_texto(const QString &typed)
{
    for (const QChar c : typed)
        if (Filtra_numero(c.unicode()) == QLatin1String("0"))
            return false;
    return true;
}

int Conta_separador(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return -1;
    if (separator.isEmpty())
        return 0;
    // The parts of a split, as the split makes them: "aaa" at "aa" is two parts.
    return int(text.split(separator).size()) - 1;
}

namespace {

// The windows in the order they were loaded (created), as the platform's
// collection of loaded windows holds them; Qt's own list has no order.
class OrdemJanelas : public QObject {
public:
    QList<QPointer<QWidget>> janelas;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Create && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            janelas << static_cast<QWidget *>(watched);
        return false;
    }
};

OrdemJanelas *ordemJanelas()
{
    static QPointer<OrdemJanelas> ordem;
    // Programs without windows run a bare QCoreApplication, which qApp
    // (a cast to QApplication) must not be used on.
    QCoreApplication *app = QCoreApplication::instance();
    if (!ordem && app) {
        ordem = new OrdemJanelas;
        ordem->setParent(app);
        app->installEventFilter(ordem);
    }
    return ordem;
}

void acompanhaJanelas()
{
    ordemJanelas();
}

QList<QWidget *> janelasCarregadas()
{
    QList<QWidget *> lista;
    if (OrdemJanelas *ordem = ordemJanelas()) {
        ordem->janelas.removeAll(QPointer<QWidget>());
        for (const QPointer<QWidget> &w : std::as_const(ordem->janelas))
            if (w->isWindow())
                lista << w.data();
    }
    // Windows made before the order was kept come last, in Qt's order.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!lista.contains(w))
            lista << w;
    return lista;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(acompanhaJanelas)

bool Descarrega_form(const QString &name)
{
    const auto windows = janelasCarregadas();
    for (QWidget *w : windows) {
        if (w->objectName() == name) {
            w->close();
            w->deleteLater();
            return true;
        }
    }
    return false;
}

namespace {

// Line edits that belong to a combo box or a spin/date box are part of that control.
bool isInnerEdit(const QWidget *w)
{
    const QWidget *p = w->parentWidget();
    return p && (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p));
}

QString textOf(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return m->toPlainText();
    if (auto *m = qobject_cast<QTextEdit *>(w))
        return m->toPlainText();
    return QString();
}

bool isRequired(QWidget *w)
{
    bool ok = false;
    const double tag = w->property("Tag").toString().trimmed().toDouble(&ok);
    return !ok || tag == 1.0;
}

} // namespace

void Limpa_campos(QWidget *window)
{
    if (!window)
        return;
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (c->isEditable())
                c->setEditText(QString());
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (!isInnerEdit(e))
                e->clear();
        } else if (auto *t = qobject_cast<QTextEdit *>(w)) {
            t->clear();
        } else if (auto *pt = qobject_cast<QPlainTextEdit *>(w)) {
            pt->clear();
        } else if (auto *cb = qobject_cast<QCheckBox *>(w)) {
            cb->setChecked(false);
        } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
            const bool excl = r->autoExclusive();
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(excl);
        } else if (auto *d = qobject_cast<QDateEdit *>(w)) {
            d->setDate(Relogio::hoje());
        }
    }
}

void Alterna_aba(QTabWidget *tabs)
{
    if (!tabs || tabs->count() < 2)
        return;
    const int to = tabs->isTabEnabled(1) ? 0 : 1;
    const int from = 1 - to;
    tabs->setTabEnabled(to, true);
    tabs->setCurrentIndex(to);
    tabs->setTabEnabled(from, false);
}

bool Verifica_campos(QWidget *window)
{
    bool answer = false;
    if (!window)
        return answer;
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        // A multi-line text box is a text box too.
        const bool box = (qobject_cast<QLineEdit *>(w) && !isInnerEdit(w)) || qobject_cast<QComboBox *>(w)
                         || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w);
        if (!box || !isRequired(w))
            continue;
        if (textOf(w).isEmpty()) {
            answer = true;
            w->setFocus();
        }
    }
    return answer;
}

} // namespace Aplicativos

namespace mdTab {

void Envia_tecla(int virtualKey, bool pressed)
{
    int key = 0;
    switch (virtualKey) {
    case 8: key = Qt::Key_Backspace; break;
    case 9: key = Qt::Key_Tab; break;
    case 13: key = Qt::Key_Return; break;
    case 27: key = Qt::Key_Escape; break;
    case 32: key = Qt::Key_Space; break;
    case 37: key = Qt::Key_Left; break;
    case 38: key = Qt::Key_Up; break;
    case 39: key = Qt::Key_Right; break;
    case 40: key = Qt::Key_Down; break;
    default:
        if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
            key = virtualKey;
        else if (virtualKey >= 0x70 && virtualKey <= 0x7B)
            key = Qt::Key_F1 + (virtualKey - 0x70);
        break;
    }
    if (key)
        Platform::sendKey(key, pressed);
}

} // namespace mdTab
