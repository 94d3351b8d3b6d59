#include "Dialog/CutdownPositionDialog.h"

#include "ui_CutdownPositionDialog.h"

#include "VelCore/VelLocale.h"
#include "VelGui/VelValidator.h"

#include <QPushButton>
#include <utility>

namespace VelSystem {

namespace {

enum Axis : short
{
    Start = 0, // top or left
    Middle = 1,
    End = 2 // bottom or right
};

// How far the second piece may be shifted from the first along y for the horizontal axis
// they share, so that the two still touch.
std::pair<double, double> offsetRange(short horizontalAxis, double firstHeight, double secondHeight)
{
    switch (horizontalAxis) {
    case Start:
        return {-firstHeight, secondHeight};
    case Middle:
        return {-(firstHeight + secondHeight) / 2.0, (firstHeight + secondHeight) / 2.0};
    case End:
        return {-secondHeight, firstHeight};
    default:
        return {0.0, 0.0};
    }
}

void installLengthValidator(QLineEdit* edit, const std::pair<double, double>& range)
{
    edit->setValidator(new VelValidator(VelValidator::Length, range.first, range.second, edit));
}

} // namespace

CutdownPositionDialog::CutdownPositionDialog(bool readOnly, GeoRectangle first, GeoRectangle second,
                                             short verticalAxis, double offsetX, short horizontalAxis,
                                             double offsetY, QWidget* parent)
    : VelDialog(parent), ui(new Ui::CutdownPosition), mVerticalAxis(verticalAxis), mOffsetX(offsetX),
      mHorizontalAxis(horizontalAxis), mOffsetY(offsetY)
{
    ui->setupUi(this);
    fill(readOnly, first, second);
}

CutdownPositionDialog::CutdownPositionDialog(short verticalAxis, short horizontalAxis, QWidget* parent)
    : VelDialog(parent), ui(new Ui::CutdownPosition), mVerticalAxis(verticalAxis), mOffsetX(0.0),
      mHorizontalAxis(horizontalAxis), mOffsetY(0.0)
{
    ui->setupUi(this);
    fill(false, GeoRectangle(), GeoRectangle());
    ui->editOffsetY->hide();
    ui->label->hide();
    ui->label_2->hide();
    ui->editOffsetX->hide();
}

CutdownPositionDialog::~CutdownPositionDialog() = default;

void CutdownPositionDialog::fill(bool readOnly, const GeoRectangle& first, const GeoRectangle& second)
{
    ui->radioHorizontalTop->setChecked(mHorizontalAxis == Start);
    ui->radioHorizontalCenter->setChecked(mHorizontalAxis == Middle);
    ui->radioHorizontalBottom->setChecked(mHorizontalAxis == End);
    ui->radioVerticalLeft->setChecked(mVerticalAxis == Start);
    ui->radioVerticalCenter->setChecked(mVerticalAxis == Middle);
    ui->radioVerticalRight->setChecked(mVerticalAxis == End);

    // Both offsets take the range of the horizontal axis, fixed now: choosing another axis
    // later does not change it.
    const auto range = offsetRange(mHorizontalAxis, first.height(), second.height());
    installLengthValidator(ui->editOffsetY, range);
    installLengthValidator(ui->editOffsetX, range);

    const VelLocale locale;
    ui->editOffsetY->setText(locale.formatLength(mOffsetY, VelLocale::WithUnit));
    ui->editOffsetX->setText(locale.formatLength(mOffsetX, VelLocale::WithUnit));
    if (readOnly)
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

void CutdownPositionDialog::accept()
{
    if (!validateInputs())
        return;
    mHorizontalAxis = ui->radioHorizontalCenter->isChecked()   ? Middle
                      : ui->radioHorizontalBottom->isChecked() ? End
                                                               : Start;
    mVerticalAxis = ui->radioVerticalCenter->isChecked()  ? Middle
                    : ui->radioVerticalRight->isChecked() ? End
                                                          : Start;
    const VelLocale locale;
    mOffsetX = locale.parseLength(ui->editOffsetX->text()).value;
    mOffsetY = locale.parseLength(ui->editOffsetY->text()).value;
    QDialog::accept();
}

} // namespace VelSystem
