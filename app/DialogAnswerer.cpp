#include "DialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>

namespace VelSystem {

namespace {

bool parseSwitch(const QString& value, bool* on)
{
    const QString lower = value.toLower();
    const QStringList yes = {QStringLiteral("true"), QStringLiteral("yes"), QStringLiteral("on"),
                             QStringLiteral("1")};
    const QStringList no = {QStringLiteral("false"), QStringLiteral("no"), QStringLiteral("off"),
                            QStringLiteral("0")};
    *on = yes.contains(lower);
    return *on || no.contains(lower);
}

// `read` turns the text into the spin box's type, setting its `ok` argument.
template <class Spin, class Read>
bool setSpinValue(Spin* spin, const QString& text, Read read, QString* error)
{
    bool ok = false;
    const auto value = read(text, &ok);
    if (!ok || value < spin->minimum() || value > spin->maximum()) {
        *error = DialogAnswerer::tr("the field %1 takes a number from %2 to %3, not \"%4\"")
                     .arg(spin->objectName())
                     .arg(spin->minimum())
                     .arg(spin->maximum())
                     .arg(text);
        return false;
    }
    spin->setValue(value);
    return true;
}

} // namespace

DialogAnswerer::DialogAnswerer(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

DialogAnswerer::~DialogAnswerer() = default;

void DialogAnswerer::setAnswer(const ScriptStep& answer)
{
    mAnswer = answer;
    mHasAnswer = true;
}

QStringList DialogAnswerer::takeNotes()
{
    QStringList notes;
    notes.swap(mNotes);
    return notes;
}

QString DialogAnswerer::takeError(int* line)
{
    *line = mErrorLine;
    QString error;
    error.swap(mError);
    mErrorLine = 0;
    return error;
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Shown just before the dialog's event loop starts: the timer fires inside that loop.
        if (widget->isWindow() && widget->isModal()) {
            const QPointer<QWidget> dialog(widget);
            QTimer::singleShot(0, this, [this, dialog] {
                if (dialog && dialog->isVisible() && QApplication::activeModalWidget() == dialog)
                    answer(dialog);
            });
        } else if (widget->isWindow() && qobject_cast<QDialog*>(widget)) {
            mNonModalDialogs.removeAll(widget);
            mNonModalDialogs.append(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* DialogAnswerer::frontDialog() const
{
    for (auto dialog = mNonModalDialogs.crbegin(); dialog != mNonModalDialogs.crend(); ++dialog) {
        if (*dialog && (*dialog)->isVisible())
            return *dialog;
    }
    return nullptr;
}

QString DialogAnswerer::fieldText(const QWidget* field)
{
    if (const auto* label = qobject_cast<const QLabel*>(field))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(field))
        return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    if (const auto* text = qobject_cast<const QTextEdit*>(field))
        return text->toPlainText();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(field))
        return text->toPlainText();
    return QString();
}

void DialogAnswerer::answer(QWidget* dialog)
{
    const QString name = describe(dialog);
    if (!mHasAnswer) {
        fail(tr("the dialog %1 opened without an answer; put a dialog step before this one").arg(name), 0);
        dismiss(dialog);
        return;
    }
    const ScriptStep answer = mAnswer;
    mHasAnswer = false;
    QString error;
    if (!fillFields(dialog, &error)) {
        fail(error, answer.line);
        dismiss(dialog);
        return;
    }
    if (!close(dialog, answer.accept)) {
        fail(tr("the dialog %1 stayed open when %2")
                 .arg(name, answer.accept ? tr("accepted") : tr("rejected")),
             answer.line);
        dismiss(dialog);
        return;
    }
    QStringList fields;
    for (const auto& field : answer.fields)
        for (const QString& line : field.second.split(QLatin1Char('\n')))
            fields << field.first + QLatin1Char('=') + line; // as the script wrote a text's lines
    const QString note =
        answer.accept ? tr("dialog %1 accepted").arg(name) : tr("dialog %1 rejected").arg(name);
    mNotes << (fields.isEmpty() ? note : note + QLatin1Char(' ') + fields.join(QLatin1Char(' ')));
}

bool DialogAnswerer::fillFields(QWidget* dialog, QString* error) const
{
    for (const auto& field : mAnswer.fields) {
        auto* widget = dialog->findChild<QWidget*>(field.first);
        if (!widget) {
            *error = tr("the dialog %1 has no field \"%2\"").arg(describe(dialog), field.first);
            return false;
        }
        if (!setField(widget, field.second, error))
            return false;
    }
    return true;
}

bool DialogAnswerer::setField(QWidget* field, const QString& value, QString* error)
{
    const QString name = field->objectName();
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!field->isEnabled() || (edit && edit->isReadOnly())) {
        *error = tr("the field %1 cannot be changed now").arg(name);
        return false;
    }
    if (edit) {
        // Typed over the old text, so that the validator and the dialog's edit slots see it.
        edit->selectAll();
        edit->insert(value);
        if (edit->text() != value) {
            *error = tr("the field %1 refused \"%2\"").arg(name, value);
            return false;
        }
        return true;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(field))
        return setSpinValue(
            spin, value, [](const QString& text, bool* ok) { return text.toInt(ok); }, error);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(field))
        return setSpinValue(
            spin, value, [](const QString& text, bool* ok) { return text.toDouble(ok); }, error);
    if (auto* button = qobject_cast<QAbstractButton*>(field)) {
        bool on = false;
        if (!button->isCheckable() || !parseSwitch(value, &on)) {
            *error = tr("the field %1 takes true or false, not \"%2\"").arg(name, value);
            return false;
        }
        if (button->isChecked() != on)
            button->click();
        if (button->isChecked() != on) {
            *error = tr("the field %1 cannot be turned off by itself; turn on another choice").arg(name);
            return false;
        }
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        const int index = combo->findText(value);
        if (index >= 0) {
            // Chosen as a user chooses it: dialogs follow the choice through activated().
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else if (combo->isEditable())
            combo->setEditText(value);
        else {
            *error = tr("the list %1 has no item \"%2\"").arg(name, value);
            return false;
        }
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        text->setPlainText(value);
        return true;
    }
    if (auto* text = qobject_cast<QTextEdit*>(field)) {
        text->setPlainText(value);
        return true;
    }
    *error = tr("the field %1 is a %2, which a script cannot fill")
                 .arg(name, QString::fromLatin1(field->metaObject()->className()));
    return false;
}

bool DialogAnswerer::close(QWidget* dialog, bool accept)
{
    // The dialog's own button, as a user would press it: dialogs check their fields there.
    const QList<QDialogButtonBox::ButtonRole> roles =
        accept ? QList<QDialogButtonBox::ButtonRole>{QDialogButtonBox::AcceptRole, QDialogButtonBox::YesRole}
               : QList<QDialogButtonBox::ButtonRole>{QDialogButtonBox::RejectRole, QDialogButtonBox::NoRole};
    const QList<QDialogButtonBox*> boxes = dialog->findChildren<QDialogButtonBox*>();
    for (QDialogButtonBox* box : boxes) {
        for (QAbstractButton* button : box->buttons()) {
            if (roles.contains(box->buttonRole(button)) && button->isEnabled()) {
                button->click();
                return !dialog->isVisible();
            }
        }
    }
    if (auto* plain = qobject_cast<QDialog*>(dialog)) {
        if (accept)
            plain->accept();
        else
            plain->reject();
    } else {
        dialog->close();
    }
    return !dialog->isVisible();
}

void DialogAnswerer::dismiss(QWidget* dialog)
{
    if (close(dialog, false))
        return;
    if (auto* plain = qobject_cast<QDialog*>(dialog))
        plain->done(QDialog::Rejected);
    else
        dialog->hide();
}

QString DialogAnswerer::describe(const QWidget* dialog)
{
    if (!dialog->windowTitle().isEmpty())
        return QLatin1Char('"') + dialog->windowTitle() + QLatin1Char('"');
    return dialog->objectName().isEmpty() ? QString::fromLatin1(dialog->metaObject()->className())
                                          : dialog->objectName();
}

void DialogAnswerer::fail(const QString& error, int line)
{
    // The first failure is the one worth reading; later ones follow from it.
    if (!mError.isEmpty())
        return;
    mError = error;
    mErrorLine = line;
}

} // namespace VelSystem
