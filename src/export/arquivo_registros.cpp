#include "arquivo_registros.h"
#include "text_file.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

ArquivoRegistros::ArquivoRegistros(int comprimento) : m_comprimento(comprimento) {}

ArquivoRegistros::~ArquivoRegistros() = default;

QString ArquivoRegistros::textoExistente(const QString &caminho)
{
    return QStringLiteral("O arquivo %1 já existe e não foi alterado. Gere o arquivo novamente no próximo minuto.")
        .arg(QDir::toNativeSeparators(caminho));
}

void ArquivoRegistros::reserva(int registros)
{
    const qsizetype total = m_bytes.size() + qsizetype(registros) * (m_comprimento + 2);
    m_bytes.reserve(qMin(total, limiteMemoria + m_comprimento + 2));
}

void ArquivoRegistros::despeja()
{
    if (!m_erro.isEmpty())
        return;
    if (!m_espera) {
        m_espera = std::make_unique<QTemporaryFile>();
        if (!m_espera->open()) {
            m_erro = QStringLiteral("Não foi possível criar o arquivo temporário: ") + m_espera->errorString();
            return;
        }
    }
    if (m_espera->write(m_bytes) != m_bytes.size() || !m_espera->flush())
        m_erro = QStringLiteral("Não foi possível gravar o arquivo temporário: ") + m_espera->errorString();
    m_bytes.clear();
}

void ArquivoRegistros::acrescenta(QStringView registro)
{
    ++m_quantidade;
    const qsizetype bytes = TextFile::appendEncoded(m_bytes, registro);
    // A character outside the code page may take two positions in the text.
    if (bytes != m_comprimento && m_erro.isEmpty())
        m_erro = QStringLiteral("O registro %1 tem %2 bytes, o arquivo pede %3.")
                     .arg(m_quantidade).arg(bytes).arg(m_comprimento);
    m_bytes.append("\r\n", 2);
    if (m_bytes.size() >= limiteMemoria)
        despeja();
}

bool ArquivoRegistros::grava(const QString &caminho, SeExistir seExistir, QString *erro) const
{
    if (seExistir == SeExistir::Recusa && QFileInfo::exists(caminho)) {
        *erro = textoExistente(caminho);
        return false;
    }
    if (!m_erro.isEmpty()) {
        *erro = m_erro;
        return false;
    }
    // The whole file under a temporary name, renamed when every byte is there.
    QSaveFile f(caminho);
    bool ok = f.open(QIODevice::WriteOnly);
    if (ok && m_espera) {
        ok = m_espera->seek(0);
        QByteArray pedaco;
        while (ok && !(pedaco = m_espera->read(1 << 20)).isEmpty())
            ok = f.write(pedaco) == pedaco.size();
    }
    ok = ok && f.write(m_bytes) == m_bytes.size() && f.flush() && f.commit();
    if (!ok) {
        *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                    .arg(QDir::toNativeSeparators(caminho), f.errorString());
        return false;
    }
    return true;
}
