#include "gui/GuiTestDoubles.h"

#include "VelGui/VelDialog.h"
#include "VelGui/VelValidator.h"

#include "TestMain.h"
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace VelSystem;

namespace {

// Three checked fields (named by their label in the form, by a buddy label and by an
// accessible name) and three that must not be checked: hidden, disabled, and one without a
// range validator.
class OffsetDialog : public VelDialog
{
public:
    OffsetDialog()
    {
        auto* layout = new QFormLayout(this);
        editX = addField(layout, QStringLiteral("&Offset X:"), -8.0, 8.0);
        editY = addField(layout, QString(), 0.0, 5.0);
        editY->setAccessibleName(QStringLiteral("Offset Y"));
        editWidth = addField(layout, QString(), 0.0, 150.0);
        auto* widthLabel = new QLabel(QStringLiteral("&Width:"), this);
        widthLabel->setBuddy(editWidth);
        layout->addRow(widthLabel);
        hidden = addField(layout, QStringLiteral("Hidden:"), 0.0, 1.0);
        hidden->setText(QStringLiteral("99"));
        hidden->hide();
        disabled = addField(layout, QStringLiteral("Disabled:"), 0.0, 1.0);
        disabled->setText(QStringLiteral("99"));
        disabled->setEnabled(false);
        auto* plain = new QLineEdit(QStringLiteral("anything"), this);
        plain->setValidator(new QIntValidator(0, 1, plain));
        layout->addRow(QStringLiteral("Plain:"), plain);
        editX->setText(QStringLiteral("1"));
        editY->setText(QStringLiteral("1"));
        editWidth->setText(QStringLiteral("0"));
    }

    QLineEdit* editX;
    QLineEdit* editY;
    QLineEdit* editWidth;
    QLineEdit* hidden;
    QLineEdit* disabled;

private:
    QLineEdit* addField(QFormLayout* layout, const QString& label, double minimum, double maximum)
    {
        auto* edit = new QLineEdit(this);
        auto* validator = new VelValidator(VelValidator::Length, minimum, maximum, edit);
        validator->setLocale(QLocale::c());
        edit->setValidator(validator);
        if (label.isEmpty())
            layout->addRow(edit);
        else
            layout->addRow(new QLabel(label, this), edit);
        return edit;
    }
};

} // namespace

class tst_VelDialog : public QObject
{
    Q_OBJECT

private slots:
    void refusesABadFieldNamingIt_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("out of range, by its form label")
            << 0 << "9"
            << "\"Offset X\" is out of range. Enter a value from -8.00 cm to 8.00 cm";
        QTest::newRow("empty") << 0 << ""
                               << "\"Offset X\" needs a value";
        QTest::newRow("not a number, by its accessible name") << 1 << "2,5.1"
                                                              << "\"Offset Y\" is not a valid number";
        QTest::newRow("by its buddy label") << 2 << "-400"
                                            << "\"Width\" is out of range";
    }

    void refusesABadFieldNamingIt()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        RecordingSink sink;
        OffsetDialog dialog;
        QLineEdit* edit = QList<QLineEdit*>{dialog.editX, dialog.editY, dialog.editWidth}.at(field);
        edit->setText(text);
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY2(sink.messages.first().contains(message), qPrintable(sink.messages.first()));
        // The field is ready to be corrected.
        QCOMPARE(dialog.focusWidget(), edit);
        QCOMPARE(edit->selectedText(), text);
    }

    void acceptsValuesInRange()
    {
        RecordingSink sink;
        OffsetDialog dialog;
        dialog.editX->setText(QStringLiteral("-8"));
        dialog.editY->setText(QStringLiteral("5 cm"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(sink.messages.isEmpty());
        QVERIFY(sink.errors.isEmpty());
    }
};

MARKER_TEST(tst_VelDialog)
#include "tst_VelDialog.moc"
