#pragma once

#include <QString>

#include <stdexcept>

// What the ribbon raises to the caller of its public members. The numbers are
// the run-time error numbers hosts of this control already test for.
class RibbonError : public std::runtime_error
{
public:
    enum Number {
        SubscriptOutOfRange = 9,
        ObjectNotSet = 91,
        ResourceNotFound = 326,
        IndexOutOfBounds = 35600
    };

    RibbonError(int number, const QString &description, const QString &source = {});

    int number() const { return m_number; }
    QString description() const { return m_description; }
    QString source() const { return m_source; }

private:
    int m_number;
    QString m_description;
    QString m_source;
};
