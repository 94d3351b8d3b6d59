#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/SeamValueDialog.h"

using namespace VelSystem;
using DialogTest::child;

class tst_SeamValueDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::setUpDialogTests(); }

    void startsAtZeroWhateverTheMaximum()
    {
        SeamValueDialog dialog(nullptr, 4.5);
        QLineEdit* edit = child<QLineEdit>(&dialog, "editSeamValue");
        QCOMPARE(edit->text(), QStringLiteral("0.00 cm"));
        QCOMPARE(edit->selectedText(), QStringLiteral("0.00 cm"));
        QCOMPARE(dialog.focusWidget(), edit);
        QCOMPARE(dialog.seamValue(), 4.5);
    }

    void acceptsUpToTheMaximum()
    {
        RecordingSink sink;
        SeamValueDialog dialog(nullptr, 4.5);
        child<QLineEdit>(&dialog, "editSeamValue")->setText(QStringLiteral("4.50 cm"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(dialog.seamValue(), 4.5);

        SeamValueDialog smaller(nullptr, 4.5);
        child<QLineEdit>(&smaller, "editSeamValue")->setText(QStringLiteral("1.2"));
        smaller.accept();
        QCOMPARE(smaller.result(), int(QDialog::Accepted));
        QCOMPARE(smaller.seamValue(), 1.2);
    }

    void refusesMoreThanTheMaximum()
    {
        ContextTranslator translator;
        RecordingSink sink;
        SeamValueDialog dialog(nullptr, 4.5);
        child<QLineEdit>(&dialog, "editSeamValue")->setText(QStringLiteral("4.51"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages, QStringList(ContextTranslator::tagged("VelSystem::SeamValueDialog",
                                                                      "An invalid value was entered.")));
        QCOMPARE(dialog.seamValue(), 4.5);
    }

    void refusesAValueOutsideTheField()
    {
        RecordingSink sink;
        SeamValueDialog dialog(nullptr, 20000.0);
        child<QLineEdit>(&dialog, "editSeamValue")->setText(QStringLiteral("9999.01"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(sink.messages,
                 QStringList(QStringLiteral("The value of \"Seam Value\" is out of range. Enter a value "
                                            "from 0.00 cm to 9999.00 cm.")));
        QCOMPARE(dialog.seamValue(), 20000.0);
    }
};

MARKER_TEST(tst_SeamValueDialog)
#include "tst_SeamValueDialog.moc"
