#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

namespace VelSystem {

// Turns an instruction page (headings ending in a colon alternating with their texts)
// into rich text for the information box.
QString toHtml(const QStringList& page);
// The platform's name of a modifier key ("Ctrl" on Linux and Windows).
QString keyToString(Qt::KeyboardModifier modifier);

} // namespace VelSystem
