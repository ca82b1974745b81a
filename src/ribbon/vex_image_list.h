#pragma once

#include <QImage>
#include <QList>
#include <QObject>

// The host's collection of button icons. The ribbon keeps a reference to it,
// never owns or changes it; items count from 1.
class VexImageList : public QObject
{
    Q_OBJECT

public:
    explicit VexImageList(QObject *parent = nullptr);

    // Returns the 1-based index of the new item.
    int add(const QImage &picture);
    int count() const { return static_cast<int>(m_pictures.size()); }

    // Throws RibbonError IndexOutOfBounds for an index the list lacks.
    QImage picture(int index) const;

private:
    QList<QImage> m_pictures;
};
