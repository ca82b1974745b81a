#pragma once
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

// A read-only copy of a query's result, positioned on its first row and
// holding nothing of the connection.
class Recordset {
public:
    Recordset(QStringList fieldNames, QVector<QVector<QVariant>> rows);

    int RecordCount() const { return int(m_rows.size()); }
    int FieldCount() const { return int(m_names.size()); }
    bool Bof() const { return m_rows.isEmpty() || m_pos < 0; }
    bool Eof() const { return m_rows.isEmpty() || m_pos >= m_rows.size(); }
    void MoveFirst() { m_pos = 0; }
    void MoveNext() { ++m_pos; }
    int position() const { return m_pos; }

    // The current row's value; field names match without regard to case.
    // An invalid QVariant for a missing field or no current row.
    QVariant Fields(const QString &name) const;
    QVariant Fields(int index) const;
    bool hasField(const QString &name) const { return indexOf(name) >= 0; }
    int indexOf(const QString &name) const;
    const QStringList &fieldNames() const { return m_names; }
    const QVector<QVector<QVariant>> &rows() const { return m_rows; }

private:
    QStringList m_names;
    QVector<QVector<QVariant>> m_rows; // row by field
    int m_pos = 0;
};

using RecordsetPtr = std::shared_ptr<Recordset>;
