#include "VelGui/VelValidatorBase.h"

namespace VelSystem {

VelValidatorBase::VelValidatorBase(QObject* parent) : QValidator(parent) {}

void VelValidatorBase::setRange(double minimum, double maximum)
{
    mMinimum = minimum;
    mMaximum = maximum;
    emit changed();
}

} // namespace VelSystem
