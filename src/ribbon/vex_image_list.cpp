#include "vex_image_list.h"

#include "ribbon_error.h"

VexImageList::VexImageList(QObject *parent)
    : QObject(parent)
{
}

int VexImageList::add(const QImage &picture)
{
    m_pictures.append(picture);
    return count();
}

QImage VexImageList::picture(int index) const
{
    if (index < 1 || index > count())
        throw RibbonError(RibbonError::IndexOutOfBounds, QStringLiteral("Index out of bounds"),
                          QStringLiteral("ImageList"));
    return m_pictures.at(index - 1);
}
