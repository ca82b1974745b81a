#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;

// The look and timing shared by the warning windows of the payment road: an
// icon, lines of text and buttons that stay hidden for the first 50 ms, so the
// Enter a bar-code reader sends after the code cannot answer them.
class AvisoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int atrasoBotoesMs = 50;

    // Hidden at opening; shown (and this timer stopped) on its first tick.
    QTimer *Timer1 = nullptr;
    QList<QPushButton *> botoes() const { return m_botoes; }

protected:
    AvisoDialog(const QString &titulo, QWidget *parent);
    // One label per line, in order; the labels are named Label1_0, Label1_1, ...
    QList<QLabel *> adicionaTextos(const QStringList &linhas);
    QVBoxLayout *areaTextos() const { return m_textos; }
    // Buttons are named Command1, Command2, ... in the order added.
    QPushButton *adicionaBotao(const QString &texto);
    // Runs on the timer's tick, before the buttons show.
    virtual void aoLiberarBotoes() {}

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void liberaBotoes();

    QVBoxLayout *m_textos = nullptr;
    QHBoxLayout *m_linhaBotoes = nullptr;
    QList<QPushButton *> m_botoes;
};
