#include "VelCore/InfoBox.h"

namespace VelSystem {

void InfoBox::setValue(int field, double value, bool shown)
{
    if (!shown) {
        if (mValues.remove(field) != 0)
            emit valuesChanged();
        return;
    }
    const auto found = mValues.constFind(field);
    if (found != mValues.constEnd() && *found == value)
        return;
    mValues.insert(field, value);
    emit valuesChanged();
}

void InfoBox::clear(int mask)
{
    bool changed = false;
    for (auto it = mValues.begin(); it != mValues.end();) {
        if ((it.key() & mask) != 0) {
            it = mValues.erase(it);
            changed = true;
        } else {
            ++it;
        }
    }
    if (changed)
        emit valuesChanged();
}

void InfoBox::setInstructions(const QString& html)
{
    if (html == mInstructions)
        return;
    mInstructions = html;
    emit instructionsChanged(mInstructions);
}

InfoBox* GetInfoBox()
{
    static InfoBox box;
    return &box;
}

} // namespace VelSystem
