#include "InfoBoxDock.h"

#include "PieceDescription.h"

#include "VelCore/InfoBox.h"
#include "VelCore/VelLocale.h"

#include <QFormLayout>
#include <QGroupBox>
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

    mPiece = new QGroupBox(tr("Piece"), contents);
    mPiece->setObjectName(QStringLiteral("pieceInfo"));
    mPieceName = newValueField(QStringLiteral("fieldPieceName"), mPiece);
    mPieceSize = newValueField(QStringLiteral("fieldPieceSize"), mPiece);
    mPieceAngle = newValueField(QStringLiteral("fieldPieceAngle"), mPiece);
    mPieceMirror = newValueField(QStringLiteral("fieldPieceMirror"), mPiece);
    auto* piece = new QFormLayout(mPiece);
    piece->addRow(tr("Name:"), mPieceName);
    piece->addRow(tr("Size:"), mPieceSize);
    piece->addRow(tr("Angle:"), mPieceAngle);
    piece->addRow(tr("Mirror:"), mPieceMirror);
    mPiece->hide();

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(mInstructions, 1);
    layout->addLayout(values);
    layout->addWidget(mPiece);
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

void InfoBoxDock::showPiece(const CDbAbstractObject* object)
{
    clearPiece();
    if (!object)
        return;
    const PieceDescription description(*object);
    if (!description.isPiece())
        return;
    mPieceName->setText(description.names());
    mPieceSize->setText(description.sizes());
    mPieceAngle->setText(description.angle());
    mPieceMirror->setText(description.mirror());
    mPiece->show();
}

void InfoBoxDock::clearPiece()
{
    for (QLineEdit* field : {mPieceName, mPieceSize, mPieceAngle, mPieceMirror})
        field->clear();
    mPiece->hide();
}

void InfoBoxDock::showValues()
{
    mDx->setText(fieldText(InfoBox::Dx));
    mDy->setText(fieldText(InfoBox::Dy));
    mDistance->setText(fieldText(InfoBox::Distance));
}

} // namespace VelSystem
