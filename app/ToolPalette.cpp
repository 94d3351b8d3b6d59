#include "ToolPalette.h"

#include "ToolController.h"
#include "ToolPaletteButton.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>

namespace VelSystem {

namespace {

constexpr int kIconSize = 24;
// The tool without an icon, reached by Space or by its drawn button.
const char* const kHandGripTool = "handgrip";

// The plug-in's palette: outlines in ink, pieces in the fabric colour.
const QColor kInk(0x2b, 0x34, 0x40);
const QColor kFill(0xf5, 0xe1, 0xb5);

QPixmap handPixmap()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.0));
    painter.setBrush(kFill);
    // Four fingers of different lengths, the thumb and the palm, as one outline; then the
    // gaps between the fingers.
    const qreal tops[] = {5.5, 2.5, 3.5, 6.5};
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    for (int finger = 0; finger < 4; ++finger)
        hand.addRoundedRect(QRectF(7.5 + 3.0 * finger, tops[finger], 3.0, 12.0), 1.5, 1.5);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.5, -6.0, 3.0, 10.0), 1.5, 1.5);
    hand.addPath(QTransform().translate(6.0, 14.5).rotate(-35.0).map(thumb));
    hand.addRoundedRect(QRectF(7.5, 10.5, 12.0, 11.0), 3.5, 3.5);
    painter.drawPath(hand.simplified());
    for (int gap = 1; gap < 4; ++gap) {
        const qreal x = 7.5 + 3.0 * gap;
        painter.drawLine(QPointF(x, qMax(tops[gap - 1], tops[gap]) + 2.0), QPointF(x, 13.0));
    }
    return pixmap;
}

QIcon toolIcon(const ToolEntry& entry)
{
    if (entry.icon.isEmpty())
        return entry.id == kHandGripTool ? QIcon(handPixmap()) : QIcon();
    // Read now, while the plug-in's resources are registered; a missing state image falls
    // back to the normal one.
    const QPixmap normal(entry.icon);
    if (normal.isNull())
        return QIcon();
    const auto state = [&](const char* suffix) {
        const QPixmap image(ToolPalette::stateImagePath(entry.icon, QLatin1String(suffix)));
        return image.isNull() ? normal : image;
    };
    const QPixmap hover = state("_hover");
    const QPixmap down = state("_down");
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal, QIcon::Off);
    icon.addPixmap(hover, QIcon::Active, QIcon::Off);
    icon.addPixmap(down, QIcon::Normal, QIcon::On);
    icon.addPixmap(down, QIcon::Active, QIcon::On);
    return icon;
}

QString toolTipOf(const ToolEntry& entry)
{
    QString name = entry.name;
    if (name.isEmpty() && entry.id == kHandGripTool)
        name = ToolPalette::tr("Hand Grip");
    if (name.isEmpty() || entry.shortcutKeys.empty())
        return name;
    QStringList keys;
    for (int key : entry.shortcutKeys)
        keys << QKeySequence(key).toString(QKeySequence::NativeText);
    return ToolPalette::tr("%1 (hold %2)").arg(name, keys.join(QLatin1Char('+')));
}

} // namespace

ToolPalette::ToolPalette(ToolController* controller, QWidget* parent)
    : QToolBar(tr("Tools"), parent), mGroup(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("toolPalette"));
    setIconSize(QSize(kIconSize, kIconSize));
    mGroup->setExclusive(true);
    for (const ToolEntry& entry : controller->entries()) {
        auto* button = new ToolPaletteButton(this);
        const QString id = QString::fromStdString(entry.id);
        button->setObjectName(QStringLiteral("tool_") + id);
        button->setProperty("toolId", id);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(toolIcon(entry));
        if (button->icon().isNull())
            button->setText(entry.name);
        button->setToolTip(toolTipOf(entry));
        button->setEnabled(entry.enabled);
        mGroup->addButton(button);
        addWidget(button);
        const std::string toolId = entry.id;
        connect(button, &QToolButton::clicked, controller,
                [controller, toolId] { controller->chooseTool(toolId); });
    }
    connect(controller, &ToolController::currentToolChanged, this, &ToolPalette::showCurrent);
    showCurrent(QString::fromStdString(controller->currentId()));
}

QToolButton* ToolPalette::button(const std::string& id) const
{
    return findChild<QToolButton*>(QStringLiteral("tool_") + QString::fromStdString(id),
                                   Qt::FindDirectChildrenOnly);
}

QList<QToolButton*> ToolPalette::buttons() const
{
    QList<QToolButton*> result;
    for (QAbstractButton* button : mGroup->buttons())
        result << static_cast<QToolButton*>(button);
    return result;
}

QString ToolPalette::stateImagePath(const QString& path, const QString& state)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1)
        return path + state;
    return path.left(dot) + state + path.mid(dot);
}

void ToolPalette::showCurrent(const QString& id)
{
    for (QAbstractButton* button : mGroup->buttons()) {
        if (button->property("toolId").toString() == id)
            button->setChecked(true);
    }
}

} // namespace VelSystem
