#include "NonFatalError.h"

namespace VelSystem {

NonFatalError::NonFatalError(const QString& message) : std::logic_error(message.toUtf8().toStdString()) {}

NonFatalError::NonFatalError(const NonFatalError& other) = default;

NonFatalError::~NonFatalError() = default;

} // namespace VelSystem
