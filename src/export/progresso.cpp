#include "progresso.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

Progresso Progresso::daBarra(QProgressBar *barra)
{
    Progresso p;
    p.inicia = [barra](int maximo) {
        barra->setMaximum(maximo > 0 ? maximo : 1);
        barra->setValue(0);
        barra->setVisible(true);
    };
    p.avanca = [barra](int valor) {
        if (valor > barra->maximum())
            barra->setMaximum(valor);
        barra->setValue(valor);
    };
    p.termina = [barra] {
        barra->setValue(0);
        barra->setVisible(false);
    };
    return p;
}

namespace Escrita {

void pausa(int milissegundos)
{
    if (milissegundos <= 0) {
        // Without a pause the window still answers, a few dozen times a
        // second rather than after every one of a day's records.
        static QElapsedTimer ultima;
        if (!ultima.isValid() || ultima.elapsed() >= 20) {
            QCoreApplication::processEvents();
            ultima.start();
        }
        return;
    }
    QEventLoop laco;
    QTimer::singleShot(milissegundos, &laco, &QEventLoop::quit);
    laco.exec();
}

CursorEspera::CursorEspera()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CursorEspera::~CursorEspera()
{
    QGuiApplication::restoreOverrideCursor();
}

ProgressoAtivo::ProgressoAtivo(const Progresso &p, int maximo) : m_p(p)
{
    if (m_p.inicia)
        m_p.inicia(maximo);
}

ProgressoAtivo::~ProgressoAtivo()
{
    if (m_p.termina)
        m_p.termina();
}

void ProgressoAtivo::avanca(int valor) const
{
    if (m_p.avanca)
        m_p.avanca(valor);
}

TelaOcupada::TelaOcupada(QWidget *controles, bool &ocupada) : m_controles(controles), m_ocupada(ocupada)
{
    m_ocupada = true;
    m_controles->setEnabled(false);
}

TelaOcupada::~TelaOcupada()
{
    m_controles->setEnabled(true);
    m_ocupada = false;
}

} // namespace Escrita
