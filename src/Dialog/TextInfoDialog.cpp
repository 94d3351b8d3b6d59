#include "Dialog/TextInfoDialog.h"

#include "ui_TextInfoDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"
#include "VelGui/TextListDialog.h"
#include "VelGui/VelValidator.h"
#include "laystore/CDbTextObject.h"

#include <QSettings>
#include <QSignalBlocker>

namespace VelSystem {

namespace {

// The letter sizes offered are whole millimetres; the text object holds centimetres.
constexpr double kMillimetresPerCentimetre = 10.0;
const int kLetterSizes[] = {6, 8, 10, 18, 24, 27, 30, 36};
constexpr double kAngleLimit = 360.0;

// The alignment combo lists Left, Center and Right in the order of CDbTextObject's values.
static_assert(CDbTextObject::AlignLeft == 0 && CDbTextObject::AlignCenter == 1 &&
                  CDbTextObject::AlignRight == 2,
              "the alignment combo's index is the text object's alignment");

// Half a turn further, kept at most a full turn (180 gives 360, not 0).
double reversed(double angle)
{
    const double turned = angle + 180.0;
    return turned > 360.0 ? turned - 360.0 : turned;
}

} // namespace

TextInfoDialog::TextInfoDialog(CDbTextObject* text, QWidget* parent)
    : VelDialog(parent), ui(new Ui::TextInfo), mText(text)
{
    ui->setupUi(this);
    fillStoredPhrases();
    ui->textList->setPlainText(mText->lines().join(QLatin1Char('\n')));

    ui->comboBoxLetterSize->clear();
    for (int size : kLetterSizes)
        ui->comboBoxLetterSize->addItem(QString::number(size), size);
    const QString size = QString::number(qRound(mText->letterSize() * kMillimetresPerCentimetre));
    const int sizeIndex = ui->comboBoxLetterSize->findText(size, Qt::MatchExactly);
    if (sizeIndex >= 0)
        ui->comboBoxLetterSize->setCurrentIndex(sizeIndex);
    ui->comboBoxLetterSize->setEditText(size);

    const int alignment = mText->alignment();
    const int alignmentIndex = alignment == CDbTextObject::AlignLeft || alignment == CDbTextObject::AlignRight
                                   ? alignment
                                   : CDbTextObject::AlignCenter;
    ui->comboBoxHorzAlignment->setCurrentIndex(alignmentIndex);
    alignText(alignmentIndex);

    ui->editAngle->setText(VelLocale().formatAngle(mText->angle(), VelLocale::WithUnit));
    ui->editAngle->setValidator(
        new VelValidator(VelValidator::Angle, -kAngleLimit, kAngleLimit, ui->editAngle));

    ui->textList->setFocus(Qt::OtherFocusReason);
    ui->textList->selectAll();
}

TextInfoDialog::~TextInfoDialog() = default;

void TextInfoDialog::fillStoredPhrases()
{
    QStringList items;
    items << tr("<Text List>") << QSettings().value(TextListDialog::kSettingsKey).toStringList()
          << tr("Edit...");
    const QSignalBlocker blocker(ui->comboTextList);
    ui->comboTextList->clear();
    ui->comboTextList->addItems(items);
    ui->comboTextList->insertSeparator(ui->comboTextList->count() - 1);
    ui->comboTextList->setCurrentIndex(0);
}

void TextInfoDialog::on_checkReverse_clicked()
{
    // The angle is fixed while the box is checked, so it must be a valid one now.
    if (ui->checkReverse->isChecked() && !validateInputs()) {
        ui->checkReverse->setChecked(false);
        return;
    }
    ui->editAngle->setEnabled(!ui->checkReverse->isChecked());
}

void TextInfoDialog::on_comboTextList_activated(int index)
{
    const int count = ui->comboTextList->count();
    if (index > 0 && index < count - 2) {
        ui->textList->insertPlainText(ui->comboTextList->itemText(index));
    } else if (index == count - 1) {
        if (QWidget* mainWindow = VelCoreApplication::instance()->mainWindow())
            QMetaObject::invokeMethod(mainWindow, "textList");
        fillStoredPhrases();
    }
    const QSignalBlocker blocker(ui->comboTextList);
    ui->comboTextList->setCurrentIndex(0);
}

void TextInfoDialog::on_comboBoxHorzAlignment_currentIndexChanged(int index)
{
    alignText(index);
}

void TextInfoDialog::alignText(int index)
{
    ui->textList->selectAll();
    switch (index) {
    case CDbTextObject::AlignLeft:
        ui->textList->setAlignment(Qt::AlignLeft);
        break;
    case CDbTextObject::AlignRight:
        ui->textList->setAlignment(Qt::AlignRight);
        break;
    default:
        ui->textList->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    }
}

void TextInfoDialog::accept()
{
    const QStringList lines = ui->textList->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return;
    if (!validateInputs())
        return;
    bool isNumber = false;
    const short letterSize = ui->comboBoxLetterSize->currentText().trimmed().toShort(&isNumber);
    if (!isNumber || letterSize <= 0) {
        VelCoreApplication::instance()->showMessage(
            tr("The letter size must be a whole number of millimetres greater than 0."), QString(), 0);
        ui->comboBoxLetterSize->setFocus(Qt::OtherFocusReason);
        ui->comboBoxLetterSize->lineEdit()->selectAll();
        return;
    }
    const double angle = VelLocale().parseAngle(ui->editAngle->text()).value;
    mText->setAlignment(ui->comboBoxHorzAlignment->currentIndex());
    mText->setLetterSize(letterSize / kMillimetresPerCentimetre);
    mText->setAngle(ui->checkReverse->isChecked() ? reversed(angle) : angle);
    mText->setLines(lines);
    QDialog::accept();
}

} // namespace VelSystem
