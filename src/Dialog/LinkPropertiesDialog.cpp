#include "Dialog/LinkPropertiesDialog.h"

#include "ui_LinkPropertiesDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"
#include "VelGui/VelValidator.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

namespace VelSystem {

namespace {

// The automatic marker engines the options depend on.
const QString kQuorvane = QStringLiteral("Quorvane");
const QString kTessmere = QStringLiteral("Tessmere");
const QString kOrbaluneCloud = QStringLiteral("Orbalune Cloud");
const QString kBrevant = QStringLiteral("Brevant");
const QString kOrbaluneGauge = QStringLiteral("Orbalune Gauge");
const QString kOrbalunePlot = QStringLiteral("Orbalune Plot");

// An offset stays this far inside one repeat of the plaid or stripe; a shorter repeat
// counts as none.
constexpr double kRepeatMargin = 6e-05;
constexpr double kLargestSwatchDistance = 5000.0;
// Two swatch distances this close to 0 mean no limit at all.
constexpr double kZeroDistance = 1e-12;

void uncheck(QCheckBox* box)
{
    box->setChecked(false);
}

VelValidator* installLengthValidator(QLineEdit* edit, double minimum, double maximum)
{
    auto* validator = new VelValidator(VelValidator::Length, minimum, maximum, edit);
    edit->setValidator(validator);
    return validator;
}

// Offsets are allowed only within one repeat; without a repeat the field is not checked.
void boundOffset(QLineEdit* edit, double repeat)
{
    const double span = qAbs(repeat);
    if (span > kRepeatMargin)
        installLengthValidator(edit, kRepeatMargin - span, span - kRepeatMargin);
}

} // namespace

LinkPropertiesDialog::LinkPropertiesDialog(CDbTwainLinkPiecesObject* link, CDbFabricObject* fabric,
                                           QWidget* parent)
    : VelDialog(parent), ui(new Ui::LinkProperties), mLink(link),
      mEngine(CDbMarkerShareGlobales::instance()->getAutomaticMarkerEngine()),
      mExtendedRules(mEngine == kQuorvane || mEngine == kOrbaluneCloud), mRepeatX(fabric->plaidRepeatX()),
      mRepeatY(fabric->plaidRepeatY())
{
    ui->setupUi(this);
    for (QCheckBox* box : {ui->centerX, ui->onLineX, ui->centerY, ui->onLineY})
        box->setVisible(mExtendedRules);
    for (QCheckBox* box : {ui->halfWayX, ui->halfWayY})
        box->setVisible(!mExtendedRules);

    const std::array<QCheckBox*, 10> boxes = ruleBoxes();
    for (std::size_t bit = 0; bit < boxes.size(); ++bit)
        boxes[bit]->setChecked(mLink->rules() & (1u << bit));
    ui->matchPoint->setChecked(mLink->isMatchPoint());
    ui->matchPoint->setVisible(mEngine == kTessmere);
    ui->line_2->setVisible(mEngine == kTessmere);

    const VelLocale locale;
    boundOffset(ui->offsetX, mRepeatX);
    boundOffset(ui->offsetY, mRepeatY);
    ui->offsetX->setText(locale.formatLength(mLink->offsetX(), VelLocale::WithUnit));
    ui->offsetY->setText(locale.formatLength(mLink->offsetY(), VelLocale::WithUnit));
    // An axis without a limit shows an empty field, which OK saves as no limit again; a 0 shown
    // there would come back as a limit of 0.
    const auto showSwatchDistance = [&locale](QLineEdit* edit, double distance) {
        installLengthValidator(edit, 0.0, kLargestSwatchDistance)->setEmptyAllowed(true);
        edit->setText(distance < 0.0 ? QString() : locale.formatLength(distance, VelLocale::WithUnit));
    };
    showSwatchDistance(ui->edit_swatch_distance_x, mLink->maxSwatchDistanceX());
    showSwatchDistance(ui->edit_swatch_distance_y, mLink->maxSwatchDistanceY());
    updateState();
}

LinkPropertiesDialog::~LinkPropertiesDialog() = default;

LinkPropertiesDialog::Axis LinkPropertiesDialog::axisX() const
{
    return {ui->identicalX, ui->symmetricalX, ui->halfWayX, ui->centerX, ui->onLineX};
}

LinkPropertiesDialog::Axis LinkPropertiesDialog::axisY() const
{
    return {ui->identicalY, ui->symmetricalY, ui->halfWayY, ui->centerY, ui->onLineY};
}

std::array<QCheckBox*, 10> LinkPropertiesDialog::ruleBoxes() const
{
    return {ui->identicalX, ui->identicalY, ui->symmetricalX, ui->symmetricalY, ui->halfWayX,
            ui->halfWayY,   ui->centerX,    ui->centerY,      ui->onLineX,      ui->onLineY};
}

void LinkPropertiesDialog::on_identicalX_clicked()
{
    identicalClicked(axisX());
}

void LinkPropertiesDialog::on_symmetricalX_clicked()
{
    symmetricalClicked(axisX(), axisY());
}

void LinkPropertiesDialog::on_halfWayX_clicked()
{
    halfWayClicked(axisX(), axisY());
}

void LinkPropertiesDialog::on_identicalY_clicked()
{
    identicalClicked(axisY());
}

void LinkPropertiesDialog::on_symmetricalY_clicked()
{
    symmetricalClicked(axisY(), axisX());
}

void LinkPropertiesDialog::on_halfWayY_clicked()
{
    halfWayClicked(axisY(), axisX());
}

void LinkPropertiesDialog::on_centerX_clicked()
{
    centringClicked(ui->onLineX, axisY());
}

void LinkPropertiesDialog::on_onLineX_clicked()
{
    centringClicked(ui->centerX, axisY());
}

void LinkPropertiesDialog::on_centerY_clicked()
{
    centringClicked(ui->onLineY, axisX());
}

void LinkPropertiesDialog::on_onLineY_clicked()
{
    centringClicked(ui->centerY, axisX());
}

void LinkPropertiesDialog::identicalClicked(const Axis& axis)
{
    uncheck(axis.symmetrical);
    uncheck(axis.halfWay);
    updateState();
}

void LinkPropertiesDialog::symmetricalClicked(const Axis& axis, const Axis& other)
{
    // Symmetry on one axis and halfway on the other cannot both hold.
    uncheck(other.halfWay);
    uncheck(axis.identical);
    uncheck(axis.halfWay);
    updateState();
}

void LinkPropertiesDialog::halfWayClicked(const Axis& axis, const Axis& other)
{
    // Halfway on one axis needs the points identical on the other.
    if (other.symmetrical->isChecked()) {
        uncheck(other.symmetrical);
        other.identical->setChecked(true);
    } else if (other.halfWay->isChecked()) {
        uncheck(other.halfWay);
        other.identical->setChecked(true);
    }
    if (axis.halfWay->isChecked())
        other.identical->setChecked(true);
    uncheck(axis.identical);
    uncheck(axis.symmetrical);
    updateState();
}

void LinkPropertiesDialog::centringClicked(const QCheckBox* partner, const Axis& other)
{
    // Centring one axis on both the centre and a line leaves the other axis neither.
    if (partner->isChecked()) {
        uncheck(other.center);
        uncheck(other.onLine);
    }
    updateState();
}

void LinkPropertiesDialog::updateState()
{
    const Axis x = axisX();
    const Axis y = axisY();
    const auto offsetApplies = [this](const Axis& axis, const Axis& other) {
        if (mExtendedRules && (axis.center->isChecked() || other.onLine->isChecked()))
            return false;
        return axis.identical->isChecked() || axis.symmetrical->isChecked() ||
               (mExtendedRules && axis.onLine->isChecked());
    };
    ui->offsetX->setEnabled(offsetApplies(x, y));
    ui->offsetY->setEnabled(offsetApplies(y, x));

    if (mExtendedRules) {
        // An axis centred both ways leaves the other axis no centring at all.
        const auto lockOther = [](const Axis& axis, const Axis& other) {
            const bool locked = axis.center->isChecked() && axis.onLine->isChecked();
            for (QCheckBox* box : {other.center, other.onLine}) {
                box->setEnabled(!locked);
                if (locked)
                    uncheck(box);
            }
        };
        lockOther(y, x);
        lockOther(x, y);
    }
    if (mEngine == kOrbaluneGauge || mEngine == kBrevant) {
        ui->edit_swatch_distance_x->setEnabled(false);
        ui->edit_swatch_distance_y->setEnabled(false);
    }
    if (mEngine != kOrbalunePlot && !mExtendedRules) {
        const QList<QLineEdit*> edits = findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits)
            edit->setEnabled(false);
    }
}

void LinkPropertiesDialog::accept()
{
    if (mRepeatX == 0.0 && mRepeatY == 0.0) {
        VelCoreApplication::instance()->showMessage(
            tr("In order to activate the setting in Link Properties.You "
               "have to create plaid and stripe in simulation area."),
            QString(), 0);
        return;
    }
    if (!validateInputs())
        return;

    quint32 rules = 0;
    const std::array<QCheckBox*, 10> boxes = ruleBoxes();
    for (std::size_t bit = 0; bit < boxes.size(); ++bit) {
        if (boxes[bit]->isChecked())
            rules |= 1u << bit;
    }
    const VelLocale locale;
    const auto lengthOf = [&locale](const QLineEdit* edit, double whenDisabled) {
        return edit->isEnabled() ? locale.parseLength(edit->text()).value : whenDisabled;
    };
    const double offsetX = lengthOf(ui->offsetX, 0.0);
    const double offsetY = lengthOf(ui->offsetY, 0.0);
    const auto swatchDistanceOf = [&lengthOf](const QLineEdit* edit) {
        return edit->text().trimmed().isEmpty() ? CDbTwainLinkPiecesObject::kNoSwatchLimit
                                                : lengthOf(edit, CDbTwainLinkPiecesObject::kNoSwatchLimit);
    };
    double swatchX = swatchDistanceOf(ui->edit_swatch_distance_x);
    double swatchY = swatchDistanceOf(ui->edit_swatch_distance_y);
    if (qAbs(swatchX) <= kZeroDistance && qAbs(swatchY) <= kZeroDistance)
        swatchX = swatchY = CDbTwainLinkPiecesObject::kNoSwatchLimit;

    QDialog::accept();
    mLink->setRules(rules);
    mLink->setMatchPoint(ui->matchPoint->isChecked());
    mLink->setOffsets(offsetX, offsetY);
    mLink->setMaxSwatchDistances(swatchX, swatchY);
}

} // namespace VelSystem
