#include "Dialog/P2PDistanceDialog.h"

#include "ui_P2PDistanceDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"

#include <QAbstractGraphicsShapeItem>
#include <QBrush>
#include <QEvent>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>

namespace VelSystem {

namespace {

const QColor kFocusedColour(Qt::red);
const QColor kUnfocusedColour(Qt::lightGray);

} // namespace

P2PDistanceDialog::P2PDistanceDialog(const GeoPoint2D& p1, const GeoPoint2D& p2, QGraphicsItem* mark,
                                     QWidget* view)
    : QDialog(view), ui(new Ui::ToolRuler), mMark(mark)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    if (mMark && mMark->scene())
        connect(mMark->scene(), &QObject::destroyed, this, &P2PDistanceDialog::sceneDestroyed);

    const GeoPoint2D d = p2 - p1;
    mValues = {d.module(), d.x, d.y, d.angle(), d.opening()};
    const std::array<QLabel*, ValueCount> labels = valueLabels();
    for (int value = 0; value < ValueCount; ++value)
        labels[value]->setText(formatted(value));

    setFocusPolicy(Qt::StrongFocus);
    colourMark(kFocusedColour);
}

P2PDistanceDialog::~P2PDistanceDialog()
{
    // Deleting the item takes it out of its scene.
    delete mMark;
}

void P2PDistanceDialog::sceneDestroyed()
{
    mMark = nullptr;
}

void P2PDistanceDialog::on_buttonCopy_clicked()
{
    QStringList texts;
    const std::array<QCheckBox*, ValueCount> boxes = checkBoxes();
    for (int value = 0; value < ValueCount; ++value) {
        if (boxes[value]->isChecked())
            texts << formatted(value);
    }
    VelCoreApplication::instance()->clipboard().setText(texts.join(QLatin1Char('\t')));
}

// Several measurements may be open at once: the mark of the one the user works with stands
// out.
void P2PDistanceDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        colourMark(isActiveWindow() ? kFocusedColour : kUnfocusedColour);
    QDialog::changeEvent(event);
}

std::array<QCheckBox*, P2PDistanceDialog::ValueCount> P2PDistanceDialog::checkBoxes() const
{
    return {ui->checkDistance, ui->checkDistanceX, ui->checkDistanceY, ui->checkAngle, ui->checkOpening};
}

std::array<QLabel*, P2PDistanceDialog::ValueCount> P2PDistanceDialog::valueLabels() const
{
    return {ui->labelDistance, ui->labelDistanceX, ui->labelDistanceY, ui->labelAngle, ui->labelOpening};
}

QString P2PDistanceDialog::formatted(int value) const
{
    // The opening is an angle too: how far the measured segment turns from the marker's
    // length direction.
    const VelLocale locale;
    return value == Angle || value == Opening ? locale.formatAngle(mValues[value], VelLocale::WithUnit)
                                              : locale.formatLength(mValues[value], VelLocale::WithUnit);
}

void P2PDistanceDialog::colourMark(const QColor& colour)
{
    if (!mMark)
        return;
    const QList<QGraphicsItem*> parts = mMark->childItems();
    for (QGraphicsItem* part : parts) {
        if (auto* shape = dynamic_cast<QAbstractGraphicsShapeItem*>(part))
            shape->setBrush(QBrush(colour, Qt::SolidPattern));
        else if (auto* line = dynamic_cast<QGraphicsLineItem*>(part))
            line->setPen(QPen(colour, 0)); // one pixel wide at any zoom
    }
}

} // namespace VelSystem
