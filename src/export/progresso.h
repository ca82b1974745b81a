#pragma once
#include <functional>

class QProgressBar;
class QWidget;

// How a file writer shows its advance. Any callback may be left empty.
struct Progresso {
    std::function<void(int maximo)> inicia;
    std::function<void(int valor)> avanca;
    std::function<void()> termina;

    // Shows the bar while the writer runs and hides it at the end.
    static Progresso daBarra(QProgressBar *barra);
};

namespace Escrita {

// Lets the window answer its events for the given time: the writers' pause
// after each record. With 0 the events are answered at most every 20 ms.
void pausa(int milissegundos);

// Hourglass pointer over the application while it lives.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera &) = delete;
    CursorEspera &operator=(const CursorEspera &) = delete;
};

// Marks a writer as running for the scope; a writer that is already running
// refuses a second start (its window stays responsive during the pauses).
class EmAndamento {
public:
    explicit EmAndamento(bool &marca) : m_marca(marca), m_livre(!marca) { if (m_livre) m_marca = true; }
    ~EmAndamento() { if (m_livre) m_marca = false; }
    EmAndamento(const EmAndamento &) = delete;
    EmAndamento &operator=(const EmAndamento &) = delete;
    bool livre() const { return m_livre; }

private:
    bool &m_marca;
    bool m_livre;
};

// Calls the progress's start and, whatever way the scope ends, its end.
class ProgressoAtivo {
public:
    ProgressoAtivo(const Progresso &p, int maximo);
    ~ProgressoAtivo();
    ProgressoAtivo(const ProgressoAtivo &) = delete;
    ProgressoAtivo &operator=(const ProgressoAtivo &) = delete;
    void avanca(int valor) const;

private:
    const Progresso &m_p;
};

// Keeps a window's controls disabled while it writes a file (the writer lets
// the window answer its events during its pauses) and marks it busy, so that
// the window can refuse to close meanwhile.
class TelaOcupada {
public:
    TelaOcupada(QWidget *controles, bool &ocupada);
    ~TelaOcupada();
    TelaOcupada(const TelaOcupada &) = delete;
    TelaOcupada &operator=(const TelaOcupada &) = delete;

private:
    QWidget *m_controles;
    bool &m_ocupada;
};

} // namespace Escrita
