#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QGraphicsItem;
class QLabel;

namespace Ui {
class ToolRuler;
}

namespace VelSystem {

// Shows one ruler measurement: distance, its x and y parts, angle and opening, with Copy
// putting the checked values on the clipboard. Not modal; deletes itself when closed.
// It owns the measurement's mark in the scene, red while the dialog is the active window
// and light grey otherwise, and deletes it with itself.
class P2PDistanceDialog : public QDialog
{
    Q_OBJECT
public:
    // `mark` (may be null) is the ruler's item group, now owned by the dialog; `view` is
    // the parent.
    P2PDistanceDialog(const GeoPoint2D& p1, const GeoPoint2D& p2, QGraphicsItem* mark, QWidget* view);
    ~P2PDistanceDialog() override;

public slots:
    // The scene took the mark with it.
    void sceneDestroyed();

private slots:
    void on_buttonCopy_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    enum Value
    {
        Distance,
        DistanceX,
        DistanceY,
        Angle,
        Opening,
        ValueCount
    };
    std::array<QCheckBox*, ValueCount> checkBoxes() const;
    std::array<QLabel*, ValueCount> valueLabels() const;
    QString formatted(int value) const;
    void colourMark(const QColor& colour);

    std::unique_ptr<Ui::ToolRuler> ui;
    QGraphicsItem* mMark;
    std::array<double, ValueCount> mValues;
};

} // namespace VelSystem
