#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "frame/ContextTranslator.h"

#include "Dialog/TextInfoDialog.h"
#include "VelGui/MainWindow.h"
#include "VelGui/TextListDialog.h"
#include "laystore/CDbTextObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace VelSystem;
using DialogTest::child;

namespace {

QTextEdit* textEdit(const QDialog& dialog)
{
    return child<QTextEdit>(&dialog, "textList");
}

QLineEdit* editAngle(const QDialog& dialog)
{
    return child<QLineEdit>(&dialog, "editAngle");
}

QComboBox* combo(const QDialog& dialog, const char* name)
{
    return child<QComboBox>(&dialog, name);
}

QStringList itemTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

Qt::Alignment alignmentOfEveryParagraph(QTextEdit* edit)
{
    QTextCursor cursor(edit->document());
    const Qt::Alignment first = cursor.blockFormat().alignment();
    while (cursor.movePosition(QTextCursor::NextBlock)) {
        if (cursor.blockFormat().alignment() != first)
            return Qt::Alignment();
    }
    return first;
}

void activate(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class tst_TextInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mSettingsDir.isValid());
        DialogTest::setUpDialogTests();
        QCoreApplication::setOrganizationName(QStringLiteral("VelSystemTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_TextInfoDialog"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettingsDir.path());
    }

    void init()
    {
        QSettings().setValue(TextListDialog::kSettingsKey, QStringList({"Front", "Back"}));
        mText.setLines({"Style 12", "Size M"});
        mText.setLetterSize(18);
        mText.setAlignment(Qt::AlignRight);
        mText.setAngle(45.0);
    }

    void showsTheTextObject()
    {
        ContextTranslator translator;
        TextInfoDialog dialog(&mText);
        QCOMPARE(textEdit(dialog)->toPlainText(), QStringLiteral("Style 12\nSize M"));
        QCOMPARE(textEdit(dialog)->textCursor().selectedText().size(),
                 QStringLiteral("Style 12\nSize M").size());
        QCOMPARE(dialog.focusWidget(), textEdit(dialog));

        QComboBox* sizes = combo(dialog, "comboBoxLetterSize");
        QCOMPARE(sizes->itemData(2).toInt(), 10);
        QCOMPARE(sizes->currentIndex(), 3);
        QCOMPARE(sizes->currentText(), QStringLiteral("18"));

        QCOMPARE(combo(dialog, "comboBoxHorzAlignment")->currentIndex(), 2);
        QCOMPARE(alignmentOfEveryParagraph(textEdit(dialog)), Qt::AlignRight);
        QCOMPARE(editAngle(dialog)->text(), QStringLiteral("45.00°"));
        QVERIFY(child<QCheckBox>(&dialog, "checkReverse")->isEnabled());

        const QStringList phrases = itemTexts(combo(dialog, "comboTextList"));
        QCOMPARE(phrases, QStringList({ContextTranslator::tagged("VelSystem::TextInfoDialog", "<Text List>"),
                                       "Front", "Back", QString(),
                                       ContextTranslator::tagged("VelSystem::TextInfoDialog", "Edit...")}));
        QCOMPARE(combo(dialog, "comboTextList")->currentIndex(), 0);
    }

    void letterSizeNotListedStaysInTheEditText()
    {
        mText.setLetterSize(12);
        TextInfoDialog dialog(&mText);
        QCOMPARE(combo(dialog, "comboBoxLetterSize")->currentText(), QStringLiteral("12"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mText.letterSize(), short(12));
    }

    // OK writes the text without blank lines, a letter size that is no 16-bit number as 0 and
    // an angle from -360 to 360; an empty text or a bad angle keeps the dialog open.
    void okWritesTheTextAndChecksItsFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typedSize");
        QTest::addColumn<QString>("typedAngle");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<short>("letterSize");
        QTest::addColumn<double>("angle");
        const QStringList kept = {"Style 12", "Size M"};
        const QStringList lot = {"Lot 7"};
        QTest::newRow("empty text") << ""
                                    << "30"
                                    << "10" << false << kept << short(18) << 45.0;
        QTest::newRow("blank lines") << "a\n\nb\n"
                                     << "24"
                                     << "-30" << true << QStringList{"a", "b"} << short(24) << -30.0;
        QTest::newRow("only blank lines") << "\n\n"
                                          << "18"
                                          << "45" << true << QStringList() << short(18) << 45.0;
        QTest::newRow("angle -360") << "Lot 7"
                                    << "18"
                                    << "-360" << true << lot << short(18) << -360.0;
        QTest::newRow("angle 360") << "Lot 7"
                                   << "18"
                                   << "360°" << true << lot << short(18) << 360.0;
        // The rest of the text is written before the angle is checked.
        QTest::newRow("angle 400") << "Lot 7"
                                   << "18"
                                   << "400" << false << lot << short(18) << 45.0;
        QTest::newRow("angle -360.01") << "Lot 7"
                                       << "18"
                                       << "-360.01" << false << lot << short(18) << 45.0;
        QTest::newRow("angle north") << "Lot 7"
                                     << "18"
                                     << "north" << false << lot << short(18) << 45.0;
        QTest::newRow("size 6") << "Lot 7"
                                << "6"
                                << "45" << true << lot << short(6) << 45.0;
        QTest::newRow("size 32767") << "Lot 7"
                                    << "32767"
                                    << "45" << true << lot << short(32767) << 45.0;
        QTest::newRow("size big") << "Lot 7"
                                  << "big"
                                  << "45" << true << lot << short(0) << 45.0;
        QTest::newRow("size 12.5") << "Lot 7"
                                   << "12.5"
                                   << "45" << true << lot << short(0) << 45.0;
        QTest::newRow("size beyond 16 bits") << "Lot 7"
                                             << "70000"
                                             << "45" << true << lot << short(0) << 45.0;
        QTest::newRow("size empty") << "Lot 7"
                                    << ""
                                    << "45" << true << lot << short(0) << 45.0;
    }

    void okWritesTheTextAndChecksItsFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, typedSize);
        QFETCH(QString, typedAngle);
        QFETCH(bool, accepted);
        RecordingSink sink;
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->setPlainText(text);
        combo(dialog, "comboBoxLetterSize")->setEditText(typedSize);
        editAngle(dialog)->setText(typedAngle);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QTEST(mText.getLines(), "lines");
        QTEST(mText.letterSize(), "letterSize");
        QTEST(mText.angle(), "angle");
        QCOMPARE(mText.isValid(), mText.letterSize() > 0);
        // Only the angle is refused with a message; an empty text says nothing.
        if (accepted || text.isEmpty()) {
            QVERIFY(sink.messages.isEmpty());
            return;
        }
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY2(
            sink.messages.first().startsWith(QStringLiteral("The value of \"Angle\"")) &&
                sink.messages.first().endsWith(QStringLiteral("Enter a value from -360.00° to 360.00°.")),
            qPrintable(sink.messages.first()));
        QCOMPARE(dialog.focusWidget(), editAngle(dialog));
    }

    void reverseDirectionTurnsHalfATurnAtOnce_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("reversed");
        QTest::newRow("270") << 270.0 << 90.0;
        QTest::newRow("90") << 90.0 << 270.0;
        QTest::newRow("180") << 180.0 << 360.0;
        QTest::newRow("-90") << -90.0 << 90.0;
        QTest::newRow("360") << 360.0 << 180.0;
    }

    void reverseDirectionTurnsHalfATurnAtOnce()
    {
        QFETCH(double, angle);
        QFETCH(double, reversed);
        mText.setAngle(angle);
        TextInfoDialog dialog(&mText);
        QCheckBox* reverse = child<QCheckBox>(&dialog, "checkReverse");
        reverse->click();
        QCOMPARE(mText.angle(), reversed);
        QVERIFY(!editAngle(dialog)->isEnabled());
        // Checked again, it turns from the angle shown, not from the turned one.
        reverse->click();
        QVERIFY(editAngle(dialog)->isEnabled());
        reverse->click();
        QCOMPARE(mText.angle(), reversed);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mText.angle(), reversed);

        // Unchecked again, the angle typed is the one that counts.
        TextInfoDialog again(&mText);
        child<QCheckBox>(&again, "checkReverse")->click();
        child<QCheckBox>(&again, "checkReverse")->click();
        QVERIFY(editAngle(again)->isEnabled());
        editAngle(again)->setText(QStringLiteral("12"));
        again.accept();
        QCOMPARE(mText.angle(), 12.0);
    }

    void reverseNeedsAValidAngle()
    {
        RecordingSink sink;
        TextInfoDialog dialog(&mText);
        editAngle(dialog)->setText(QStringLiteral("500"));
        QCheckBox* reverse = child<QCheckBox>(&dialog, "checkReverse");
        reverse->click();
        QVERIFY(!reverse->isChecked());
        QVERIFY(editAngle(dialog)->isEnabled());
        QCOMPARE(mText.angle(), 45.0);
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY2(sink.messages.first().contains(QStringLiteral("\"Angle\" is out of range")),
                 qPrintable(sink.messages.first()));
    }

    void cancelKeepsOnlyTheReversedAngle()
    {
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->setPlainText(QStringLiteral("Other"));
        combo(dialog, "comboBoxLetterSize")->setEditText(QStringLiteral("30"));
        combo(dialog, "comboBoxHorzAlignment")->setCurrentIndex(1);
        child<QCheckBox>(&dialog, "checkReverse")->click();
        dialog.reject();
        QCOMPARE(mText.getLines(), QStringList({"Style 12", "Size M"}));
        QCOMPARE(mText.letterSize(), short(18));
        QCOMPARE(mText.alignment(), int(Qt::AlignRight));
        QCOMPARE(mText.angle(), 225.0);
    }

    void alignmentAppliesToEveryLineAndIsWrittenAsFlags()
    {
        // Loaded, the text edit takes the object's flags as they are.
        mText.setAlignment(Qt::AlignHCenter);
        TextInfoDialog dialog(&mText);
        QComboBox* alignment = combo(dialog, "comboBoxHorzAlignment");
        QCOMPARE(alignment->currentIndex(), 1);
        QCOMPARE(alignmentOfEveryParagraph(textEdit(dialog)), Qt::AlignHCenter);

        alignment->setCurrentIndex(0);
        QCOMPARE(alignmentOfEveryParagraph(textEdit(dialog)), Qt::AlignLeft);
        dialog.accept();
        QCOMPARE(mText.alignment(), int(Qt::AlignLeft));

        mText.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        TextInfoDialog again(&mText);
        QCOMPARE(combo(again, "comboBoxHorzAlignment")->currentIndex(), 0);
        combo(again, "comboBoxHorzAlignment")->setCurrentIndex(1);
        QCOMPARE(alignmentOfEveryParagraph(textEdit(again)), Qt::AlignHCenter | Qt::AlignVCenter);
        again.accept();
        QCOMPARE(mText.alignment(), int(Qt::AlignHCenter));
    }

    void storedPhraseIsInsertedAtTheCursor()
    {
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->setPlainText(QStringLiteral("Size "));
        textEdit(dialog)->moveCursor(QTextCursor::End);
        QComboBox* phrases = combo(dialog, "comboTextList");
        activate(phrases, 2);
        QCOMPARE(textEdit(dialog)->toPlainText(), QStringLiteral("Size Back"));
        QCOMPARE(phrases->currentIndex(), 0);
        // The separator inserts nothing.
        activate(phrases, 3);
        QCOMPARE(textEdit(dialog)->toPlainText(), QStringLiteral("Size Back"));
        QCOMPARE(phrases->currentIndex(), 0);
    }

    void editOpensThePhraseEditorAndShowsItsPhrases()
    {
        MainWindow window;
        QWidget* previous = VelCoreApplication::instance()->mainWindow();
        VelCoreApplication::instance()->setMainWindow(&window);
        TextInfoDialog dialog(&mText);
        QComboBox* phrases = combo(dialog, "comboTextList");
        bool editorOpened = false;
        DialogTest::answerModal([&editorOpened](QWidget* modal) {
            auto* editor = qobject_cast<TextListDialog*>(modal);
            QVERIFY(editor);
            editorOpened = true;
            auto* list = child<QListWidget>(editor, "listTexts");
            list->addItem(QStringLiteral("Sleeve"));
            editor->accept();
        });
        activate(phrases, phrases->count() - 1);
        VelCoreApplication::instance()->setMainWindow(previous);
        QVERIFY(editorOpened);
        QCOMPARE(itemTexts(phrases).mid(1, 3), QStringList({"Front", "Back", "Sleeve"}));
        QCOMPARE(phrases->count(), 6);
        QCOMPARE(phrases->currentIndex(), 0);
        QCOMPARE(textEdit(dialog)->toPlainText(), QStringLiteral("Style 12\nSize M"));
    }

private:
    QTemporaryDir mSettingsDir;
    CDbTextObject mText;
};

MARKER_TEST(tst_TextInfoDialog)
#include "tst_TextInfoDialog.moc"
