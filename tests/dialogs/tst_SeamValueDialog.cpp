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

    // The field starts at zero with its text selected, whatever the maximum.
    void startsAtZero()
    {
        SeamValueDialog dialog(nullptr, 4.5);
        QLineEdit* edit = child<QLineEdit>(&dialog, "editSeamValue");
        QCOMPARE(edit->selectedText(), QStringLiteral("0.00 cm"));
        QCOMPARE(dialog.focusWidget(), edit);
    }

    void acceptsUpToTheMaximum_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty when accepted
        QTest::addColumn<double>("seamValue");
        // Each part of a message in its translation context.
        const QString outOfField =
            QStringLiteral("VelSystem::VelDialog|The value of \"SeamValue|Seam Value\" is "
                           "out of range. Enter a value from VelSystem::VelValidator|0.00 "
                           "cm to 9999.00 cm.");
        const QString tooLarge =
            ContextTranslator::tagged("VelSystem::SeamValueDialog", "An invalid value was entered.");
        QTest::newRow("below") << 4.5 << "1.2" << QString() << 1.2;
        QTest::newRow("the maximum") << 4.5 << "4.50 cm" << QString() << 4.5;
        QTest::newRow("beyond the maximum") << 4.5 << "4.51" << tooLarge << 4.5;
        QTest::newRow("beyond the field") << 20000.0 << "9999.01" << outOfField << 20000.0;
    }

    void acceptsUpToTheMaximum()
    {
        QFETCH(double, maximum);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ContextTranslator translator;
        RecordingSink sink;
        SeamValueDialog dialog(nullptr, maximum);
        child<QLineEdit>(&dialog, "editSeamValue")->setText(typed);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
        QCOMPARE(sink.messages, message.isEmpty() ? QStringList() : QStringList(message));
        QTEST(dialog.seamValue(), "seamValue");
    }
};

MARKER_TEST(tst_SeamValueDialog)
#include "tst_SeamValueDialog.moc"
