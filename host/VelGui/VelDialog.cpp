#include "VelGui/VelDialog.h"

#include "VelCore/VelCoreApplication.h"
#include "VelGui/VelValidatorBase.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace VelSystem {

namespace {

QString labelText(const QLabel* label)
{
    QString text = label->text();
    text.remove(QRegExp(QStringLiteral("&(?!&)")));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// How the user knows the field: the label naming it (its buddy, or its label in a form
// layout) as shown without the mnemonic and the colon, else its accessible name, else its
// object name.
QString fieldName(const QDialog* dialog, QLineEdit* edit)
{
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy() == edit && !labelText(label).isEmpty())
            return labelText(label);
    }
    const QList<QFormLayout*> forms = dialog->findChildren<QFormLayout*>();
    for (const QFormLayout* form : forms) {
        if (const auto* label = qobject_cast<const QLabel*>(form->labelForField(edit))) {
            if (!labelText(label).isEmpty())
                return labelText(label);
        }
    }
    if (!edit->accessibleName().isEmpty())
        return edit->accessibleName();
    return edit->objectName();
}

} // namespace

VelDialog::VelDialog(QWidget* parent) : QDialog(parent) {}

VelDialog::~VelDialog() = default;

void VelDialog::accept()
{
    if (validateInputs())
        QDialog::accept();
}

bool VelDialog::validateInputs()
{
    const QList<QLineEdit*> edits = findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        const auto* validator = qobject_cast<const VelValidatorBase*>(edit->validator());
        // A field the user cannot reach cannot be corrected either.
        if (!validator || !edit->isEnabledTo(this) || !edit->isVisibleTo(this))
            continue;
        bool parsed = false;
        bool inRange = false;
        validator->rangeCheck(edit->text(), &parsed, &inRange);
        if (parsed && inRange)
            continue;
        const QString name = fieldName(this, edit);
        QString message;
        if (parsed)
            message = tr("The value of \"%1\" is out of range. Enter a value from %2.");
        else if (edit->text().trimmed().isEmpty())
            message = tr("\"%1\" needs a value. Enter a value from %2.");
        else
            message = tr("The value of \"%1\" is not a valid number. Enter a value from %2.");
        message = message.arg(name, validator->rangeText());
        VelCoreApplication::instance()->showMessage(message);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        return false;
    }
    return true;
}

} // namespace VelSystem
