#pragma once

// Lets QCOMPARE print the geometry types when a comparison fails.

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QByteArray>
#include <QtTest>

namespace VelSystem {

inline char* toString(const GeoPoint2D& p)
{
    return qstrdup(
        QByteArray("(" + QByteArray::number(p.x, 'g', 17) + ", " + QByteArray::number(p.y, 'g', 17) + ")")
            .constData());
}

inline char* toString(const GeoRectangle& r)
{
    if (!r.isValid())
        return qstrdup("invalid rectangle");
    return qstrdup(QByteArray("x " + QByteArray::number(r.xmin) + ".." + QByteArray::number(r.xmax) + ", y " +
                              QByteArray::number(r.ymin) + ".." + QByteArray::number(r.ymax))
                       .constData());
}

// For a QVERIFY2 message: the text of toString, whose buffer is freed here.
template <class T> QByteArray printed(const T& value)
{
    const QScopedArrayPointer<char> text(toString(value));
    return QByteArray(text.data());
}

} // namespace VelSystem
