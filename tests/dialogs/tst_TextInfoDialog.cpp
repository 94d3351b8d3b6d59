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
        QCOMPARE(itemTexts(sizes), QStringList({"6", "8", "10", "18", "24", "27", "30", "36"}));
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

    void emptyTextKeepsTheDialogOpen()
    {
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->clear();
        combo(dialog, "comboBoxLetterSize")->setEditText(QStringLiteral("30"));
        combo(dialog, "comboBoxHorzAlignment")->setCurrentIndex(0);
        editAngle(dialog)->setText(QStringLiteral("10"));
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(mText.getLines(), QStringList({"Style 12", "Size M"}));
        QCOMPARE(mText.letterSize(), short(18));
        QCOMPARE(mText.alignment(), int(Qt::AlignRight));
        QCOMPARE(mText.angle(), 45.0);
    }

    void okWritesTheTextWithoutBlankLines()
    {
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->setPlainText(QStringLiteral("a\n\nb\n"));
        combo(dialog, "comboBoxLetterSize")->setEditText(QStringLiteral("24"));
        editAngle(dialog)->setText(QStringLiteral("-30"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mText.getLines(), QStringList({"a", "b"}));
        QCOMPARE(mText.letterSize(), short(24));
        QCOMPARE(mText.angle(), -30.0);

        // Only blank lines are no empty text: accepted, with no lines left for the tool to place.
        TextInfoDialog blank(&mText);
        textEdit(blank)->setPlainText(QStringLiteral("\n\n"));
        blank.accept();
        QCOMPARE(blank.result(), int(QDialog::Accepted));
        QVERIFY(mText.getLines().isEmpty());
    }

    void angleLimits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("angle");
        QTest::newRow("-360") << "-360" << true << -360.0;
        QTest::newRow("360") << "360°" << true << 360.0;
        QTest::newRow("400") << "400" << false << 45.0;
        QTest::newRow("-360.01") << "-360.01" << false << 45.0;
        QTest::newRow("not a number") << "north" << false << 45.0;
    }

    void angleLimits()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, angle);
        RecordingSink sink;
        TextInfoDialog dialog(&mText);
        textEdit(dialog)->setPlainText(QStringLiteral("Lot 7"));
        editAngle(dialog)->setText(typed);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(mText.angle(), angle);
        // The rest of the text is written before the fields are checked.
        QCOMPARE(mText.getLines(), QStringList({"Lot 7"}));
        if (accepted) {
            QVERIFY(sink.messages.isEmpty());
        } else {
            QCOMPARE(sink.messages.size(), 1);
            QVERIFY2(sink.messages.first().startsWith(QStringLiteral("The value of \"Angle\"")),
                     qPrintable(sink.messages.first()));
            QVERIFY2(
                sink.messages.first().endsWith(QStringLiteral("Enter a value from -360.00° to 360.00°.")),
                qPrintable(sink.messages.first()));
            QCOMPARE(dialog.focusWidget(), editAngle(dialog));
        }
    }

    void letterSizeThatIsNoNumberBecomesZero_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<short>("size");
        QTest::newRow("6") << "6" << short(6);
        QTest::newRow("32767") << "32767" << short(32767);
        QTest::newRow("word") << "big" << short(0);
        QTest::newRow("fraction") << "12.5" << short(0);
        QTest::newRow("beyond 16 bits") << "70000" << short(0);
        QTest::newRow("empty") << "" << short(0);
    }

    void letterSizeThatIsNoNumberBecomesZero()
    {
        QFETCH(QString, typed);
        QFETCH(short, size);
        TextInfoDialog dialog(&mText);
        combo(dialog, "comboBoxLetterSize")->setEditText(typed);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(mText.letterSize(), size);
        QCOMPARE(mText.isValid(), size > 0);
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
