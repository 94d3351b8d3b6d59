#pragma once

#include <QSet>

namespace VelSystem {

// Which kinds of objects a view shows (and so lets the user pick).
class ViewFilter
{
public:
    bool isVisible(int kind) const { return !mHidden.contains(kind); }
    void setVisible(int kind, bool visible);

private:
    QSet<int> mHidden;
};

} // namespace VelSystem
