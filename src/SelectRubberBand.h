#pragma once

#include <QRubberBand>

namespace VelSystem {

// The rectangle the selecting tools stretch over empty space to select by area, in view
// pixels. Drawn exactly as Qt's own rubber band.
class SelectRubberBand : public QRubberBand
{
    Q_OBJECT
public:
    explicit SelectRubberBand(QWidget* view);
    ~SelectRubberBand() override;
};

} // namespace VelSystem
