#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryFile;

// The records of one fixed-width file, kept until every one was built and
// then written whole: Windows-1252, one record per line ended by CR LF,
// under a temporary name renamed at the end. A failure leaves no file.
// Records wait as the file's bytes in a small buffer that spills into a
// temporary file, so a day's file takes a bounded amount of memory.
class ArquivoRegistros {
public:
    enum class SeExistir {
        Substitui, // the new file takes the old one's place
        Recusa,    // an existing file is left alone and nothing is written
    };

    explicit ArquivoRegistros(int comprimento);
    ~ArquivoRegistros();
    ArquivoRegistros(const ArquivoRegistros &) = delete;
    ArquivoRegistros &operator=(const ArquivoRegistros &) = delete;

    // Room for that many more records, so a day's file grows once.
    void reserva(int registros);
    void acrescenta(QStringView registro);
    int quantidade() const { return m_quantidade; }

    // False, with the reason in erro, when the file was not written.
    bool grava(const QString &caminho, SeExistir seExistir, QString *erro) const;

    // The reason given when a file of that name is already there.
    static QString textoExistente(const QString &caminho);

    // Bytes kept in memory before they go to the temporary file.
    static inline qsizetype limiteMemoria = 1 << 20;

private:
    void despeja();

    int m_comprimento;
    std::unique_ptr<QTemporaryFile> m_espera; // what already left the buffer
    int m_quantidade = 0;
    QByteArray m_bytes;
    QString m_erro; // the first record that did not fit

};
