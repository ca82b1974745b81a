#pragma once
#include <QList>
#include <QString>
#include <functional>
#include <memory>

// Message boxes and input boxes with the styles and answers the desk's
// windows were written against. Windows never open QMessageBox themselves:
// they call MsgBox/InputBox, whose implementation tests replace with a script.
namespace Vb {
enum MsgStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3,
    vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
enum MsgAnswer : int {
    vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7,
};
} // namespace Vb

// The caption of boxes that name none.
QString appTitle();

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
    bool password = false;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual int msgBox(const QString &text, int style, const QString &title) = 0;
    // Answers the typed text; an empty text when the box was cancelled.
    virtual QString inputBox(const InputRequest &request) = 0;
};

// Installs the implementation every MsgBox/InputBox goes to (the Qt dialogs by default).
void setMessageService(std::shared_ptr<MessageService> service);
MessageService &messageService();

int MsgBox(const QString &text, int style = Vb::vbOKOnly, const QString &title = QString());
QString InputBox(const QString &prompt, const QString &title = QString(),
                 const QString &defaultText = QString());
class QLineEdit;
// A password box: the box shows '*' for every character typed.
void mascaraSenha(QLineEdit *campo);
// The masked prompt for passwords: every typed character shows as '*'.
QString InputBoxSenha(const QString &prompt, const QString &title = QString());

// A recording, scripted implementation for tests: every box is kept, answers
// come from queues (vbOK / vbYes-style default when the queue is empty).
class ScriptedMessages : public MessageService {
public:
    struct Box {
        QString kind; // "msg" or "input"
        QString title;
        QString text;
        int style = 0;
        bool password = false;
    };
    QList<Box> boxes;
    QList<int> answers;
    QList<QString> inputs;
    // Called after a box is recorded and before it answers, so a test can look at the
    // state of the windows while a box is up.
    std::function<void(const Box &)> onBox;

    int msgBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const InputRequest &request) override;

    QStringList texts() const;
    void clear();
};
