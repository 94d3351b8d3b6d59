#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/PieceCutDialog.h"

#include <QComboBox>
#include <QRadioButton>

using namespace VelSystem;
using DialogTest::child;

namespace {

// 200 long and 150 high: half the height is 75, half the width 100.
const GeoRectangle kPiece(10.0, 20.0, 210.0, 170.0);
// Half the height is 15.
const GeoRectangle kSmallPiece(0.0, 0.0, 100.0, 30.0);
const QString kInvalid = QStringLiteral("An invalid value was entered.");

QLineEdit* edit(const QDialog& dialog, const char* name)
{
    return child<QLineEdit>(&dialog, name);
}

QRadioButton* radio(const QDialog& dialog, const char* name)
{
    return child<QRadioButton>(&dialog, name);
}

void chooseOrientation(const QDialog& dialog, int index)
{
    QComboBox* combo = child<QComboBox>(&dialog, "comboCut");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class tst_PieceCutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::setUpDialogTests(); }

    void startsWithTheSeamValueSelected()
    {
        PieceCutDialog dialog(kPiece);
        QCOMPARE(dialog.focusWidget(), edit(dialog, "editValue"));
        QCOMPARE(edit(dialog, "editValue")->selectedText(), QStringLiteral("0.00 cm"));
    }

    void checksTheCutAgainstThePiece_data()
    {
        QTest::addColumn<bool>("small"); // 100 by 30 instead of 200 by 150
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("side"); // the radio button chosen
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("seam");
        QTest::addColumn<bool>("accepted");

        const auto row = [](const char* name, bool small, int orientation, const char* side,
                            const char* distance, const char* seam, bool accepted) {
            QTest::newRow(name) << small << orientation << QString::fromLatin1(side)
                                << QString::fromLatin1(distance) << QString::fromLatin1(seam) << accepted;
        };
        row("centre, seam 0", false, 0, "radioCenter", "0", "0", true);
        row("centre, half the height", false, 0, "radioCenter", "0", "75", true);
        row("centre, beyond half the height", false, 0, "radioCenter", "0", "75.01", false);
        row("vertical centre, half the width", false, 1, "radioCenter", "0", "100", true);
        row("vertical centre, beyond half the width", false, 1, "radioCenter", "0", "100.01", false);
        row("seam below the distance", false, 0, "radioBottom", "20", "19.99", true);
        row("seam equal to the distance", false, 0, "radioTop", "20", "20", false);
        row("seam equal to half the piece", true, 0, "radioBottom", "20", "15", false);
        row("distance and seam fill half the piece", true, 0, "radioBottom", "20", "10", true);
        row("distance and seam beyond half the piece", true, 0, "radioBottom", "20", "10.01", false);
        row("seam below 50", false, 0, "radioTop", "100", "49.99", true);
        row("seam equal to 50", false, 0, "radioTop", "100", "50", false);
        row("no distance at all", false, 0, "radioBottom", "0.00006", "0", false);
        row("the smallest distance", false, 0, "radioBottom", "0.0001", "0", true);
        row("vertical, half the width holds", false, 1, "radioTop", "120", "40", true);
        row("horizontal, half the height does not", false, 0, "radioTop", "120", "40", false);
    }

    void checksTheCutAgainstThePiece()
    {
        QFETCH(bool, small);
        QFETCH(int, orientation);
        QFETCH(QString, side);
        QFETCH(QString, distance);
        QFETCH(QString, seam);
        QFETCH(bool, accepted);

        RecordingSink sink;
        PieceCutDialog dialog(small ? kSmallPiece : kPiece);
        chooseOrientation(dialog, orientation);
        QTest::mouseClick(radio(dialog, qPrintable(side)), Qt::LeftButton);
        QLineEdit* distanceField =
            side == QLatin1String("radioTop") ? edit(dialog, "editTop") : edit(dialog, "editBottom");
        distanceField->setText(distance);
        edit(dialog, "editValue")->setText(seam);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(sink.messages, accepted ? QStringList() : QStringList(kInvalid));
        QCOMPARE(dialog.isHorizontal(), orientation == 0);
        if (accepted)
            QCOMPARE(dialog.seamValue(), seam.toDouble());
    }

    void refusalKeepsTheDialogOpenOnTheSeamValue()
    {
        ContextTranslator translator;
        RecordingSink sink;
        PieceCutDialog dialog(kPiece);
        QLineEdit* seam = edit(dialog, "editValue");
        seam->setText(QStringLiteral("80"));
        edit(dialog, "editTop")->setFocus();
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(ContextTranslator::tagged("Velsystem::VelToolFactory", "An invalid value "
                                                                                    "was entered.")));
        QCOMPARE(dialog.focusWidget(), seam);
        QCOMPARE(seam->selectedText(), QStringLiteral("80"));
    }

    void fieldOutsideItsRangeIsRefusedByName()
    {
        RecordingSink sink;
        PieceCutDialog dialog(kPiece);
        QTest::mouseClick(radio(dialog, "radioBottom"), Qt::LeftButton);
        edit(dialog, "editBottom")->setText(QStringLiteral("10000"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(QStringLiteral("The value of \"Distance from Bottom\" is out of range. Enter "
                                            "a value from 0.00 cm to 9999.00 cm.")));
    }

    void orientationRenamesTheSidesWithTheirBlanks()
    {
        ContextTranslator translator;
        PieceCutDialog dialog(kPiece);
        chooseOrientation(dialog, 1);
        QVERIFY(!dialog.isHorizontal());
        QCOMPARE(radio(dialog, "radioBottom")->text(),
                 ContextTranslator::tagged("Velsystem::VelToolFactory", "Distance from Left : "));
        QCOMPARE(radio(dialog, "radioTop")->text(),
                 ContextTranslator::tagged("Velsystem::VelToolFactory", "Distance from Right : "));
        chooseOrientation(dialog, 0);
        QVERIFY(dialog.isHorizontal());
        QCOMPARE(radio(dialog, "radioBottom")->text(),
                 ContextTranslator::tagged("Velsystem::VelToolFactory", "Distance from Bottom : "));
        QCOMPARE(radio(dialog, "radioTop")->text(),
                 ContextTranslator::tagged("Velsystem::VelToolFactory", "Distance from Top : "));
    }

    void positionDecidesTheFieldInFocus()
    {
        PieceCutDialog dialog(kPiece);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(radio(dialog, "radioTop"), Qt::LeftButton);
        QCOMPARE(dialog.position(), short(PieceCutDialog::FromTop));
        QCOMPARE(dialog.focusWidget(), edit(dialog, "editTop"));
        edit(dialog, "editValue")->setFocus();
        chooseOrientation(dialog, 1);
        QCOMPARE(dialog.focusWidget(), edit(dialog, "editTop"));
        QCOMPARE(edit(dialog, "editTop")->selectedText(), QStringLiteral("0.00 cm"));
        QTest::mouseClick(radio(dialog, "radioCenter"), Qt::LeftButton);
        QCOMPARE(dialog.position(), short(PieceCutDialog::AtCenter));
        chooseOrientation(dialog, 0);
        QCOMPARE(dialog.focusWidget(), edit(dialog, "editValue"));
    }

    void typingADistanceChoosesItsSide()
    {
        RecordingSink sink;
        PieceCutDialog dialog(kPiece);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(radio(dialog, "radioBottom"), Qt::LeftButton);
        DialogTest::retype(edit(dialog, "editTop"), QStringLiteral("30"));
        QVERIFY(radio(dialog, "radioTop")->isChecked());
        QCOMPARE(dialog.position(), short(PieceCutDialog::FromTop));
        edit(dialog, "editBottom")->setText(QStringLiteral("12"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.distance(), 30.0);

        DialogTest::retype(edit(dialog, "editBottom"), QStringLiteral("25"));
        QVERIFY(radio(dialog, "radioBottom")->isChecked());
        QCOMPARE(dialog.position(), short(PieceCutDialog::FromBottom));
    }
};

MARKER_TEST(tst_PieceCutDialog)
#include "tst_PieceCutDialog.moc"
