#include "AssertionError.h"

#include <QCoreApplication>

namespace VelSystem {

AssertionError::AssertionError(const QString& message) : NonFatalError(message) {}

AssertionError::AssertionError(const AssertionError& other) = default;

AssertionError::~AssertionError() = default;

AssertionError AssertionError::invalidOperation()
{
    return AssertionError(QCoreApplication::translate("VelSystem::VelApplication", "Invalid Operation"));
}

} // namespace VelSystem
