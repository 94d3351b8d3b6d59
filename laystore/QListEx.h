#pragma once

#include <QList>

namespace VelSystem {

// The library's list of marker objects.
template <class T> class QListEx : public QList<T>
{
public:
    using QList<T>::QList;
    QListEx() = default;
    QListEx(const QList<T>& other) : QList<T>(other) {}
};

} // namespace VelSystem
