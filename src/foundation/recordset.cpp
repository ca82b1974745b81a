#include "recordset.h"

Recordset::Recordset(QStringList fieldNames, QVector<QVector<QVariant>> rows)
    : m_names(std::move(fieldNames)), m_rows(std::move(rows))
{
}

int Recordset::indexOf(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Recordset::Fields(const QString &name) const
{
    return Fields(indexOf(name));
}

QVariant Recordset::Fields(int index) const
{
    if (Bof() || Eof() || index < 0 || index >= m_names.size())
        return {};
    return m_rows.at(m_pos).at(index);
}
