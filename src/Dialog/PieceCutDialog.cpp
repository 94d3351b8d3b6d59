#include "Dialog/PieceCutDialog.h"

#include "ui_PieceCutDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"
#include "VelGui/VelValidator.h"

#include <algorithm>

namespace VelSystem {

namespace {

// The texts the cut-with-angle tool shares with its dialogs.
const char* const kToolContext = "Velsystem::VelToolFactory";

// A distance this small leaves nothing between the cut and the piece's edge.
constexpr double kSmallestDistance = 6e-05;
// No seam allowance is wider than this, whatever the piece.
constexpr double kSeamLimit = 50.0;
constexpr double kLargestLength = 9999.0;

void focusField(QLineEdit* edit)
{
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

QString withoutColon(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

PieceCutDialog::PieceCutDialog(GeoRectangle pieceRect, QWidget* parent)
    : VelDialog(parent), ui(new Ui::PieceCut), mPieceRect(pieceRect)
{
    ui->setupUi(this);
    const QString zero = VelLocale().formatLength(0.0, VelLocale::WithUnit);
    for (QLineEdit* edit : {ui->editBottom, ui->editTop, ui->editValue}) {
        edit->setValidator(new VelValidator(VelValidator::Length, 0.0, kLargestLength, edit));
        edit->setText(zero);
    }
    nameDistanceFields();
    focusField(ui->editValue);
}

PieceCutDialog::~PieceCutDialog() = default;

void PieceCutDialog::on_comboCut_activated(int index)
{
    mHorizontal = index != 1;
    if (mHorizontal) {
        ui->radioBottom->setText(QCoreApplication::translate(kToolContext, "Distance from Bottom : "));
        ui->radioTop->setText(QCoreApplication::translate(kToolContext, "Distance from Top : "));
    } else {
        ui->radioBottom->setText(QCoreApplication::translate(kToolContext, "Distance from Left : "));
        ui->radioTop->setText(QCoreApplication::translate(kToolContext, "Distance from Right : "));
    }
    nameDistanceFields();
    switch (mPosition) {
    case FromBottom:
        focusField(ui->editBottom);
        break;
    case FromTop:
        focusField(ui->editTop);
        break;
    default:
        focusField(ui->editValue);
        break;
    }
}

void PieceCutDialog::on_editTop_textEdited(const QString& /*distance*/)
{
    ui->radioTop->setChecked(true);
    mPosition = FromTop;
}

void PieceCutDialog::on_editBottom_textEdited(const QString& /*distance*/)
{
    ui->radioBottom->setChecked(true);
    mPosition = FromBottom;
}

void PieceCutDialog::on_radioCenter_released()
{
    mPosition = AtCenter;
}

void PieceCutDialog::on_radioBottom_released()
{
    mPosition = FromBottom;
    focusField(ui->editBottom);
}

void PieceCutDialog::on_radioTop_released()
{
    mPosition = FromTop;
    focusField(ui->editTop);
}

void PieceCutDialog::accept()
{
    if (!validateInputs())
        return;
    const VelLocale locale;
    mSeamValue = locale.parseLength(ui->editValue->text()).value;
    if (mPosition == FromBottom)
        mDistance = locale.parseLength(ui->editBottom->text()).value;
    else if (mPosition == FromTop)
        mDistance = locale.parseLength(ui->editTop->text()).value;
    if (cutFits()) {
        QDialog::accept();
        return;
    }
    VelCoreApplication::instance()->showMessage(
        QCoreApplication::translate(kToolContext, "An invalid value was entered."), QString(), 0);
    focusField(ui->editValue);
}

bool PieceCutDialog::cutFits() const
{
    // The seam lies on both sides of the cut, so a cut at the centre may take half the
    // piece's extent across it.
    const double half = (mHorizontal ? mPieceRect.height() : mPieceRect.width()) / 2.0;
    if (mPosition == AtCenter)
        return mSeamValue <= half;
    if (mDistance <= kSmallestDistance)
        return false;
    const double limit = std::min({mDistance, half, kSeamLimit});
    return mSeamValue < limit && (mDistance + mSeamValue) / 2.0 <= half;
}

void PieceCutDialog::nameDistanceFields()
{
    ui->editBottom->setAccessibleName(withoutColon(ui->radioBottom->text()));
    ui->editTop->setAccessibleName(withoutColon(ui->radioTop->text()));
}

} // namespace VelSystem
