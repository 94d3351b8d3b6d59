#include "Dialog/TextInfoDialog.h"

#include "ui_TextInfoDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelCore/VelLocale.h"
#include "VelGui/TextListDialog.h"
#include "VelGui/VelValidator.h"
#include "laystore/CDbTextObject.h"

#include <QSettings>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace VelSystem {

namespace {

const int kLetterSizes[] = {6, 8, 10, 18, 24, 27, 30, 36};
// The alignment combo's entries, in order.
const Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

// Half a turn further, kept at most a full turn (180 gives 360, not 0).
double reversed(double angle)
{
    const double turned = angle + 180.0;
    return turned > 360.0 ? turned - 360.0 : turned;
}

VelLocale::Result typedAngle(const QLineEdit& edit)
{
    return VelLocale().parseAngle(edit.text().trimmed());
}

} // namespace

TextInfoDialog::TextInfoDialog(CDbTextObject* text, QWidget* parent)
    : VelDialog(parent), ui(new Ui::TextInfo), mText(text)
{
    ui->setupUi(this);
    fillStoredPhrases();
    ui->textList->setPlainText(mText->getLines().join(QLatin1Char('\n')));

    ui->comboBoxLetterSize->clear();
    for (int size : kLetterSizes)
        ui->comboBoxLetterSize->addItem(QString::number(size), size);
    const QString size = QString::number(mText->letterSize());
    const int sizeIndex = ui->comboBoxLetterSize->findText(size, Qt::MatchExactly);
    if (sizeIndex >= 0)
        ui->comboBoxLetterSize->setCurrentIndex(sizeIndex);
    ui->comboBoxLetterSize->setEditText(size);

    ui->textList->selectAll();
    {
        // The text edit takes the object's own flags, not the combo entry's.
        const QSignalBlocker blocker(ui->comboBoxHorzAlignment);
        ui->comboBoxHorzAlignment->setCurrentIndex(
            int(std::find(std::begin(kAlignments), std::end(kAlignments), mText->horizontalAlignment()) -
                std::begin(kAlignments)));
    }
    ui->textList->setAlignment(Qt::Alignment(mText->alignment()));

    ui->editAngle->setText(VelLocale().formatAngle(mText->angle(), VelLocale::WithUnit));
    ui->editAngle->setValidator(new VelValidator(VelValidator::Angle, -CDbTextObject::kAngleLimit,
                                                 CDbTextObject::kAngleLimit, ui->editAngle));

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
    if (ui->checkReverse->isChecked()) {
        // Reversing starts from the angle typed, so it must be a valid one.
        if (!validateInputs()) {
            ui->checkReverse->setChecked(false);
            return;
        }
        mText->setAngle(reversed(typedAngle(*ui->editAngle).value));
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
    ui->textList->selectAll();
    switch (index) {
    case 0:
        ui->textList->setAlignment(Qt::AlignLeft);
        break;
    case 1:
        ui->textList->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case 2:
        ui->textList->setAlignment(Qt::AlignRight);
        break;
    }
}

void TextInfoDialog::accept()
{
    const QString text = ui->textList->toPlainText();
    if (text.isEmpty())
        return;
    mText->setAlignment(int(kAlignments[ui->comboBoxHorzAlignment->currentIndex()]));
    // Text that is no 16-bit number gives 0, a size no text can be drawn at.
    mText->setLetterSize(ui->comboBoxLetterSize->currentText().toShort());
    // A reversed angle was written when the box was checked.
    if (!ui->checkReverse->isChecked()) {
        const VelLocale::Result angle = typedAngle(*ui->editAngle);
        if (angle.ok && angle.complete && std::abs(angle.value) <= CDbTextObject::kAngleLimit)
            mText->setAngle(angle.value);
    }
    mText->setLines(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    VelDialog::accept();
}

} // namespace VelSystem
