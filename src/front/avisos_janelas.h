#pragma once
#include "leitor_codigo_barras.h"

class QWidget;

// The warnings of the payment road shown as their modal windows over the
// main window.
class AvisosJanelas : public AvisosPagamento {
public:
    explicit AvisosJanelas(QWidget *janela = nullptr) : m_janela(janela) {}
    void contaLancada(const QString &mensagem) override;
    void bloqueia() override;
    void contaVencida() override;
    bool guiaVencida() override;
    void acrescimos(const Acrescimos &valores) override;

private:
    QWidget *m_janela;
};
