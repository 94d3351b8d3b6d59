#include "InfoBoxDock.h"

#include "VelCore/InfoBox.h"
#include "VelCore/VelLocale.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace VelSystem {

namespace {

QLineEdit* newValueField(const QString& objectName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

} // namespace

InfoBoxDock::InfoBoxDock(QWidget* parent) : QDockWidget(tr("Information"), parent)
{
    setObjectName(QStringLiteral("infoBoxDock"));
    auto* contents = new QWidget(this);
    mInstructions = new QTextBrowser(contents);
    mInstructions->setObjectName(QStringLiteral("instructions"));
    mInstructions->setOpenExternalLinks(false);
    mDx = newValueField(QStringLiteral("fieldDx"), contents);
    mDy = newValueField(QStringLiteral("fieldDy"), contents);
    mDistance = newValueField(QStringLiteral("fieldDistance"), contents);

    auto* values = new QFormLayout;
    values->addRow(tr("dx:"), mDx);
    values->addRow(tr("dy:"), mDy);
    values->addRow(tr("Distance:"), mDistance);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(mInstructions, 1);
    layout->addLayout(values);
    setWidget(contents);

    InfoBox* box = GetInfoBox();
    mInstructions->setHtml(box->instructions());
    connect(box, &InfoBox::instructionsChanged, mInstructions, &QTextBrowser::setHtml);
    connect(box, &InfoBox::valuesChanged, this, &InfoBoxDock::showValues);
    showValues();
}

QString InfoBoxDock::instructionsHtml() const
{
    return mInstructions->toHtml();
}

QString InfoBoxDock::fieldText(int field) const
{
    const InfoBox* box = GetInfoBox();
    return box->hasValue(field) ? VelLocale().formatLength(box->value(field), VelLocale::WithUnit)
                                : QString();
}

void InfoBoxDock::showValues()
{
    mDx->setText(fieldText(InfoBox::Dx));
    mDy->setText(fieldText(InfoBox::Dy));
    mDistance->setText(fieldText(InfoBox::Distance));
}

} // namespace VelSystem
