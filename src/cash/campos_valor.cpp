#include "campos_valor.h"

#include "aplicativos.h"
#include "msg_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTreeWidget>

namespace {

class FiltroNumero : public QObject {
public:
    FiltroNumero(QObject *dono, QWidget *letras) : QObject(dono), m_letras(letras) {}

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() != QEvent::KeyPress)
            return QObject::eventFilter(obj, ev);
        auto *k = static_cast<QKeyEvent *>(ev);
        if (k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z && k->modifiers() == Qt::NoModifier) {
            if (m_letras)
                m_letras->setFocus();
            return true;
        }
        const QString t = k->text();
        // Keys without text (arrows, Delete, Tab, Enter) keep their work.
        if (t.isEmpty() || !t.at(0).isPrint() || (k->modifiers() & Qt::ControlModifier))
            return QObject::eventFilter(obj, ev);
        return !Aplicativos::Filtra_numero_texto(t);
    }

private:
    QPointer<QWidget> m_letras;
};

class EnterComoTab : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(ev)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto *w = qobject_cast<QWidget *>(obj)) {
                    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                    QCoreApplication::sendEvent(w->window(), &tab);
                }
                return true;
            }
        }
        return QObject::eventFilter(obj, ev);
    }
};

class FormataAoSair : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::FocusOut) {
            const Qt::FocusReason motivo = static_cast<QFocusEvent *>(ev)->reason();
            auto *caixa = qobject_cast<QLineEdit *>(obj);
            if (caixa && motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
                if (const std::optional<Currency> v = Currency::parse(caixa->text()))
                    caixa->setText(v->format());
        }
        return QObject::eventFilter(obj, ev);
    }
};

// A press of the right button on a row of the list chooses the row.
class EscolheComBotaoDireito : public QObject {
public:
    EscolheComBotaoDireito(QTreeWidget *lista, std::function<void(QTreeWidgetItem *)> escolhe)
        : QObject(lista), m_lista(lista), m_escolhe(std::move(escolhe))
    {
    }

protected:
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::MouseButtonPress) {
            const auto *me = static_cast<QMouseEvent *>(ev);
            if (me->button() == Qt::RightButton)
                if (QTreeWidgetItem *item = m_lista->itemAt(me->position().toPoint()))
                    m_escolhe(item);
        }
        return QObject::eventFilter(obj, ev);
    }

private:
    QTreeWidget *m_lista;
    std::function<void(QTreeWidgetItem *)> m_escolhe;
};

} // namespace

namespace Caixa {

std::optional<Currency> leValor(const QString &texto)
{
    const std::optional<Currency> v = Currency::parse(texto);
    if (!v || v->raw() % 100 != 0)
        return std::nullopt;
    return v;
}

void avisaValorInvalido()
{
    MsgBox(QStringLiteral("Você precisa informar um valor válido!!"), Vb::vbExclamation, QStringLiteral("Aviso"));
}

void filtraNumero(QLineEdit *caixa, QWidget *letras)
{
    caixa->installEventFilter(new FiltroNumero(caixa, letras));
}

void formataAoSair(QLineEdit *caixa)
{
    caixa->installEventFilter(new FormataAoSair(caixa));
}

void escolheComBotaoDireito(QTreeWidget *lista, std::function<void(QTreeWidgetItem *)> escolhe)
{
    lista->viewport()->installEventFilter(new EscolheComBotaoDireito(lista, std::move(escolhe)));
}

void enterComoTab(QWidget *campo)
{
    campo->installEventFilter(new EnterComoTab(campo));
}

void maiusculas(QLineEdit *caixa)
{
    QObject::connect(caixa, &QLineEdit::textEdited, caixa, [caixa](const QString &t) {
        const QString up = t.toUpper();
        if (up == t)
            return;
        const int pos = caixa->cursorPosition();
        caixa->setText(up);
        caixa->setCursorPosition(pos);
    });
}

void maiusculas(QPlainTextEdit *caixa, int limite)
{
    QObject::connect(caixa, &QPlainTextEdit::textChanged, caixa, [caixa, limite] {
        const QString t = caixa->toPlainText();
        const QString novo = t.toUpper().left(limite);
        if (novo == t)
            return;
        const int pos = qMin(caixa->textCursor().position(), int(novo.size()));
        const QSignalBlocker bloqueio(caixa);
        caixa->setPlainText(novo);
        QTextCursor c = caixa->textCursor();
        c.setPosition(pos);
        caixa->setTextCursor(c);
    });
}

} // namespace Caixa
