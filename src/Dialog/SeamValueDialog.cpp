#include "Dialog/SeamValueDialog.h"

#include "ui_SeamValueDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"
#include "VelGui/VelValidator.h"

namespace VelSystem {

namespace {

constexpr double kLargestSeam = 9999.0;

} // namespace

SeamValueDialog::SeamValueDialog(QWidget* parent, double maximum)
    : VelDialog(parent), ui(new Ui::SeamValue), mSeamValue(maximum)
{
    ui->setupUi(this);
    ui->editSeamValue->setValidator(
        new VelValidator(VelValidator::Length, 0.0, kLargestSeam, ui->editSeamValue));
    ui->editSeamValue->setText(VelLocale().formatLength(0.0, VelLocale::WithUnit));
    ui->editSeamValue->setFocus(Qt::OtherFocusReason);
    ui->editSeamValue->selectAll();
}

SeamValueDialog::~SeamValueDialog() = default;

void SeamValueDialog::on_editSeamValue_textEdited(const QString& /*text*/) {}

void SeamValueDialog::accept()
{
    if (!validateInputs())
        return;
    const double value = VelLocale().parseLength(ui->editSeamValue->text()).value;
    if (value > mSeamValue) {
        VelCoreApplication::instance()->showMessage(tr("An invalid value was entered."), QString(), 0);
        return;
    }
    mSeamValue = value;
    QDialog::accept();
}

} // namespace VelSystem
