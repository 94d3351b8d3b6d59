#include "FatalError.h"

namespace VelSystem {

FatalError::FatalError(const QString& message) : std::runtime_error(message.toUtf8().toStdString()) {}

FatalError::FatalError(const FatalError& other) = default;

FatalError::~FatalError() = default;

} // namespace VelSystem
