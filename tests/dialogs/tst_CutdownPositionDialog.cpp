#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "Dialog/CutdownPositionDialog.h"
#include "VelGui/VelValidator.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>

using namespace VelSystem;
using DialogTest::child;

namespace {

// Two pieces 10 and 6 high.
const GeoRectangle kFirst(0.0, 0.0, 40.0, 10.0);
const GeoRectangle kSecond(50.0, 2.0, 70.0, 8.0);

QLineEdit* editOffsetX(const QDialog& dialog)
{
    return child<QLineEdit>(&dialog, "editOffsetX");
}

QLineEdit* editOffsetY(const QDialog& dialog)
{
    return child<QLineEdit>(&dialog, "editOffsetY");
}

QRadioButton* radio(const QDialog& dialog, const char* name)
{
    return child<QRadioButton>(&dialog, name);
}

QPushButton* button(const QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return child<QDialogButtonBox>(&dialog, "buttonBox")->button(which);
}

} // namespace

class tst_CutdownPositionDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::setUpDialogTests(); }

    void showsTheGivenAxesAndOffsets()
    {
        CutdownPositionDialog dialog(false, kFirst, kSecond, 2, 1.5, 1, -2.0);
        QVERIFY(radio(dialog, "radioHorizontalCenter")->isChecked());
        QVERIFY(!radio(dialog, "radioHorizontalTop")->isChecked());
        QVERIFY(radio(dialog, "radioVerticalRight")->isChecked());
        QCOMPARE(editOffsetX(dialog)->text(), QStringLiteral("1.50 cm"));
        QCOMPARE(editOffsetY(dialog)->text(), QStringLiteral("-2.00 cm"));
    }

    void bothOffsetsTakeTheRangeOfTheHorizontalAxis_data()
    {
        QTest::addColumn<short>("horizontalAxis");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::newRow("top") << short(0) << -10.0 << 6.0;
        QTest::newRow("center") << short(1) << -8.0 << 8.0;
        QTest::newRow("bottom") << short(2) << -6.0 << 10.0;
        QTest::newRow("unknown") << short(3) << 0.0 << 0.0;
    }

    void bothOffsetsTakeTheRangeOfTheHorizontalAxis()
    {
        QFETCH(short, horizontalAxis);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        CutdownPositionDialog dialog(false, kFirst, kSecond, 0, 0.0, horizontalAxis, 0.0);
        for (QLineEdit* edit : {editOffsetX(dialog), editOffsetY(dialog)}) {
            const auto* validator = qobject_cast<const VelValidator*>(edit->validator());
            QVERIFY(validator);
            QCOMPARE(validator->minimum(), minimum);
            QCOMPARE(validator->maximum(), maximum);
        }
    }

    void rangeStaysWhenAnotherAxisIsChosen()
    {
        RecordingSink sink;
        CutdownPositionDialog dialog(false, kFirst, kSecond, 0, 0.0, 1, 0.0);
        // Top would allow no more than 6; the range of Center, given at the start, still holds.
        radio(dialog, "radioHorizontalTop")->click();
        editOffsetY(dialog)->setText(QStringLiteral("7.5"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(dialog.horizontalAxis(), short(0));
        QCOMPARE(dialog.offsetY(), 7.5);
    }

    void okStoresTheChosenAxesAndOffsets()
    {
        RecordingSink sink;
        CutdownPositionDialog dialog(false, kFirst, kSecond, 0, 0.0, 1, 0.0);
        DialogTest::answerModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            radio(*dialog, "radioHorizontalBottom")->click();
            radio(*dialog, "radioVerticalCenter")->click();
            editOffsetX(*dialog)->setText(QStringLiteral("-7.25"));
            editOffsetY(*dialog)->setText(QStringLiteral("8 cm"));
            button(*dialog, QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(dialog.horizontalAxis(), short(2));
        QCOMPARE(dialog.verticalAxis(), short(1));
        QCOMPARE(dialog.offsetX(), -7.25);
        QCOMPARE(dialog.offsetY(), 8.0);
    }

    void outOfRangeOffsetKeepsTheDialogOpenAndTheValues()
    {
        RecordingSink sink;
        CutdownPositionDialog dialog(false, kFirst, kSecond, 0, 1.0, 1, 2.0);
        radio(dialog, "radioHorizontalTop")->click();
        editOffsetY(dialog)->setText(QStringLiteral("9"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(QStringLiteral(
                     "The value of \"Y Offset\" is out of range. Enter a value from -8.00 cm to 8.00 cm.")));
        QCOMPARE(dialog.focusWidget(), editOffsetY(dialog));
        QCOMPARE(dialog.horizontalAxis(), short(1));
        QCOMPARE(dialog.offsetY(), 2.0);
        QCOMPARE(dialog.offsetX(), 1.0);
    }

    void readOnlyFormClosesOnlyWithCancel()
    {
        CutdownPositionDialog dialog(true, kFirst, kSecond, 1, 0.5, 2, -1.0);
        QCOMPARE(editOffsetX(dialog)->text(), QStringLiteral("0.50 cm"));
        QCOMPARE(editOffsetY(dialog)->text(), QStringLiteral("-1.00 cm"));
        QVERIFY(radio(dialog, "radioVerticalCenter")->isChecked());
        QVERIFY(radio(dialog, "radioHorizontalBottom")->isChecked());
        bool stillOpenAfterOk = false;
        DialogTest::answerModal([&stillOpenAfterOk](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            QTest::mouseClick(button(*dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            stillOpenAfterOk = dialog->isVisible();
            button(*dialog, QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(stillOpenAfterOk);
        QVERIFY(!button(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog.offsetX(), 0.5);
    }

    void axesOnlyFormReadsTheOffsetsAsZero()
    {
        RecordingSink sink;
        CutdownPositionDialog dialog(2, 0);
        radio(dialog, "radioVerticalLeft")->click();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(dialog.verticalAxis(), short(0));
        QCOMPARE(dialog.horizontalAxis(), short(0));
        QCOMPARE(dialog.offsetX(), 0.0);
        QCOMPARE(dialog.offsetY(), 0.0);
    }

    void unknownAxisChecksNothingAndIsStoredAsZero()
    {
        CutdownPositionDialog dialog(false, kFirst, kSecond, 5, 0.0, -1, 0.0);
        const QList<QRadioButton*> radios = dialog.findChildren<QRadioButton*>();
        QCOMPARE(radios.size(), 6);
        for (const QRadioButton* button : radios)
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.verticalAxis(), short(0));
        QCOMPARE(dialog.horizontalAxis(), short(0));
    }
};

MARKER_TEST(tst_CutdownPositionDialog)
#include "tst_CutdownPositionDialog.moc"
