#pragma once
#include "cls_feriado.h"

#include <QDialog>
#include <QPointer>

class QDateEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The holidays the business-day rule skips. Modal, no password.
class frmFeriados : public QDialog {
    Q_OBJECT
public:
    explicit frmFeriados(QWidget *parent = nullptr);

    // The default instance (the main window's "Cadastro de Feriados"): instancia()->exec().
    static frmFeriados *instancia();

    QDateEdit *dtpData;
    QPushButton *cmdGravar;
    QPushButton *cmdExcluir;
    QPushButton *cmdLimpar;
    QPushButton *Command3;
    QTreeWidget *lwFeriados;
    clsFeriado objFeriado;
    QString Tag;

public slots:
    void cmdGravar_Click();
    void cmdExcluir_Click();
    void cmdLimpar_Click();
    void Command3_Click();
    void lwFeriados_ItemClick(QTreeWidgetItem *item);

private:
    void Lista_feriados();
    // 0 deletes every holiday.
    void Exclui_feriado(int id);
    bool jaLancada(const QDate &data) const;

    static QPointer<frmFeriados> s_instancia;
};
