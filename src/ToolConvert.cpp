#include "ToolConvert.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolConvert> registration("convert", QStringLiteral(":/images/tool_convert.png"));
} // namespace

ToolConvert::ToolConvert(const QString& icon) : ToolBase(icon) {}

ToolConvert::~ToolConvert() = default;

QString ToolConvert::name() const
{
    return QCoreApplication::translate("ToolConvert", "Convert Notch");
}

} // namespace VelSystem
