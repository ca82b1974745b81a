#include "avisos_janelas.h"

#include "frm_acrescimos.h"
#include "frm_bloqueia.h"
#include "frm_conta_lancada.h"
#include "frm_contavencida.h"
#include "frm_guiavencida.h"
#include "globals.h"

void AvisosJanelas::contaLancada(const QString &mensagem)
{
    frmContaLancada f(m_janela);
    f.mensagem_aviso = mensagem;
    f.exec();
}

void AvisosJanelas::bloqueia()
{
    frmBloqueia f(m_janela);
    f.exec();
}

void AvisosJanelas::contaVencida()
{
    frmContavencida f(m_janela);
    f.exec();
}

bool AvisosJanelas::guiaVencida()
{
    frmGuiavencida f(m_janela);
    f.exec();
    return AbreBD::gContinuaVencida;
}

void AvisosJanelas::acrescimos(const Acrescimos &valores)
{
    frmAcrescimos f(m_janela);
    f.mostra(valores);
    f.exec();
}
