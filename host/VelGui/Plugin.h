#pragma once

#include <QObject>

namespace VelSystem {

// Base of everything a plug-in module hands to the host.
class Plugin : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Plugin() override;
};

} // namespace VelSystem
