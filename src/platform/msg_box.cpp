#include "msg_box.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QString appTitle()
{
    return QStringLiteral("Caixa");
}

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonSpec> buttonsFor(int style)
{
    using B = QMessageBox;
    switch (style & 7) {
    case Vb::vbOKCancel:
        return {{B::Ok, Vb::vbOK}, {B::Cancel, Vb::vbCancel}};
    case Vb::vbAbortRetryIgnore:
        return {{B::Abort, Vb::vbAbort}, {B::Retry, Vb::vbRetry}, {B::Ignore, Vb::vbIgnore}};
    case Vb::vbYesNoCancel:
        return {{B::Yes, Vb::vbYes}, {B::No, Vb::vbNo}, {B::Cancel, Vb::vbCancel}};
    case Vb::vbYesNo:
        return {{B::Yes, Vb::vbYes}, {B::No, Vb::vbNo}};
    case Vb::vbRetryCancel:
        return {{B::Retry, Vb::vbRetry}, {B::Cancel, Vb::vbCancel}};
    default:
        return {{B::Ok, Vb::vbOK}};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case Vb::vbCritical: return QMessageBox::Critical;
    case Vb::vbQuestion: return QMessageBox::Question;
    case Vb::vbExclamation: return QMessageBox::Warning;
    case Vb::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

class QtMessages : public MessageService {
public:
    int msgBox(const QString &text, int style, const QString &title) override
    {
        QMessageBox box(iconFor(style), title, text, QMessageBox::NoButton, QApplication::activeWindow());
        const QList<ButtonSpec> specs = buttonsFor(style);
        for (const ButtonSpec &s : specs)
            box.addButton(s.button);
        const int def = (style & Vb::vbDefaultButton3) ? 2 : (style & Vb::vbDefaultButton2) ? 1 : 0;
        if (def < specs.size())
            box.setDefaultButton(specs.at(def).button);
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (const ButtonSpec &s : specs)
            if (s.button == clicked)
                return s.answer;
        // Closed with Esc or the close box: the cancel-like answer.
        return specs.size() == 1 ? Vb::vbOK : specs.last().answer;
    }

    QString inputBox(const InputRequest &r) override
    {
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(r.title);
        box.setLabelText(r.prompt);
        box.setInputMode(QInputDialog::TextInput);
        box.setTextValue(r.defaultText);
        if (r.password) {
            box.setTextEchoMode(QLineEdit::Password);
            if (auto *campo = box.findChild<QLineEdit *>())
                mascaraSenha(campo);
        }
        return box.exec() == QDialog::Accepted ? box.textValue() : QString();
    }
};

std::shared_ptr<MessageService> &current()
{
    static std::shared_ptr<MessageService> s = std::make_shared<QtMessages>();
    return s;
}

QString titleOrApp(const QString &title)
{
    return title.isEmpty() ? appTitle() : title;
}

} // namespace

void setMessageService(std::shared_ptr<MessageService> service)
{
    current() = service ? std::move(service) : std::make_shared<QtMessages>();
}

MessageService &messageService()
{
    return *current();
}

int MsgBox(const QString &text, int style, const QString &title)
{
    return messageService().msgBox(text, style, titleOrApp(title));
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return messageService().inputBox({prompt, titleOrApp(title), defaultText, false});
}

void mascaraSenha(QLineEdit *campo)
{
    // Each typed character shows as '*', whatever the style's own mask.
    campo->setEchoMode(QLineEdit::Password);
    campo->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

QString InputBoxSenha(const QString &prompt, const QString &title)
{
    return messageService().inputBox({prompt, titleOrApp(title), QString(), true});
}

int ScriptedMessages::msgBox(const QString &text, int style, const QString &title)
{
    Box b{QStringLiteral("msg"), title, text, style, false};
    boxes << b;
    if (onBox)
        onBox(b);
    if (!answers.isEmpty())
        return answers.takeFirst();
    const QList<ButtonSpec> specs = buttonsFor(style);
    return specs.first().answer;
}

QString ScriptedMessages::inputBox(const InputRequest &r)
{
    Box b{QStringLiteral("input"), r.title, r.prompt, 0, r.password};
    boxes << b;
    if (onBox)
        onBox(b);
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Box &b : boxes)
        out << b.text;
    return out;
}

void ScriptedMessages::clear()
{
    boxes.clear();
    answers.clear();
    inputs.clear();
}
