#pragma once
#include <QDialog>
#include <QPointer>
#include <functional>

class QCalendarWidget;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The start form: work date, password, and the way into the day's movement.
class frmData : public QWidget {
    Q_OBJECT
public:
    explicit frmData(QWidget *parent = nullptr);

    QDateEdit *dtpData;
    QCalendarWidget *mtwCalendar;
    QLineEdit *txtsenha;
    QPushButton *cmdAbrirCaixa;
    QPushButton *cmdConsultar;
    QPushButton *cmdConfig;
    QPushButton *cmdSair;
    QLabel *SkinLabel;
    QLabel *lbldata;

    // True when the teller accepted the offered update (the updater was started).
    bool Verifica_atualizacao();

    // What "Abrir Caixa" and "Consultar" show once the work date is set; the
    // main window by default. Tests replace it.
    static std::function<void()> &mostraFrente();
    // The updater is started through this (a separate process by default).
    static std::function<bool(const QString &program)> &iniciaPrograma();

    static QString versaoTexto();   // "Version: 1.0.0"

public slots:
    void cmdAbrirCaixa_Click();
    void cmdConsultar_Click();
    void cmdConfig_Click();
    void cmdSair_Click();
    void mtwCalendar_DateClick(const QDate &date);

private:
    void Form_Load();
    void Verifica_movimento();
    bool senhaValida();
    void entraNoCaixa();
};
