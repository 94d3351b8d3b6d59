#pragma once

#include <QCursor>

namespace VelSystem {

// The host's stock cursors. With the inverted setting on, cursors drawn for a dark
// background are used.
class VelCursor
{
public:
    static const QCursor& option();    // arrow with a small plus: the pick-an-option cursor
    static const QCursor& ufo();       // the move-everything cursor
    static const QCursor& target();    // a target ring for precise points
    static const QCursor& cross();     // a thin cross
    static const QCursor& zoomplus();  // magnifier with plus
    static const QCursor& zoomminus(); // magnifier with minus

    static bool getInverted();
    static void setInverted(bool inverted);
};

} // namespace VelSystem
