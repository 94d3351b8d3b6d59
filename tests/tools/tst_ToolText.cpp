#include "tools/ToolTestView.h"

#include "PlatformNoise.h"
#include "TestMain.h"

#include "ToolText.h"

#include "laystore/CDbTextObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// Empty fabric right of the pockets, on whole pixels of the test view.
const GeoPoint2D kEmpty(70.0, 40.0);

// What the user does in the text information dialog.
struct Answer
{
    explicit Answer(const QString& text = QString(), const QString& angle = QString(), bool reverse = false,
                    const QString& letterSize = QString(), bool accept = true)
        : text(text), angle(angle), reverse(reverse), letterSize(letterSize), accept(accept)
    {}

    QString text;
    QString angle;
    bool reverse;
    QString letterSize;
    bool accept;
};

void fill(QDialog* dialog, const Answer& answer)
{
    dialog->findChild<QTextEdit*>(QStringLiteral("textList"))->setPlainText(answer.text);
    if (!answer.angle.isEmpty())
        dialog->findChild<QLineEdit*>(QStringLiteral("editAngle"))->setText(answer.angle);
    if (answer.reverse)
        dialog->findChild<QCheckBox*>(QStringLiteral("checkReverse"))->click();
    if (!answer.letterSize.isEmpty())
        dialog->findChild<QComboBox*>(QStringLiteral("comboBoxLetterSize"))->setEditText(answer.letterSize);
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    buttons->button(answer.accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    // An empty text keeps the dialog open: the user gives up.
    if (dialog->isVisible())
        buttons->button(QDialogButtonBox::Cancel)->click();
}

struct TextView : ToolTestView
{
    TextView() : ToolTestView("text") {}

    void selectFirstObject()
    {
        objectAt(0)->setSelected(true);
        marker.document->markerSelection()->add(objectAt(0));
    }

    QList<CDbTextObject*> texts() const
    {
        QList<CDbTextObject*> found;
        for (CDbAbstractObject* object : marker.document->objects(marker.fabric, 0)) {
            if (auto* text = qobject_cast<CDbTextObject*>(object))
                found << text;
        }
        return found;
    }
};

} // namespace

Q_DECLARE_METATYPE(Answer)

class tst_ToolText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostTest::silencePlatformNoise();
        // The dialog reads the stored phrases: never the user's own settings.
        QVERIFY(mSettingsDir.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("VelSystemTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_ToolText"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettingsDir.path());
    }

    void acceptedTextIsOneUndoableCommand()
    {
        TextView view;
        view.selectFirstObject();
        QSignalSpy modified(view.marker.document.get(), &Document::modified);
        bool busyInDialog = false;
        ModalAnswerer answerer([&](QDialog* dialog) {
            busyInDialog = view.tool->isBusy();
            // A click while the dialog is open starts no second text.
            view.click(kEmpty + GeoPoint2D(10.0, 0.0));
            fill(dialog, Answer(QStringLiteral("Lot 12\n\nDenim 14 oz"), QStringLiteral("90"), true));
        });
        const int objects = view.marker.document->objects(view.marker.fabric, 0).size();

        view.click(kEmpty);

        QCOMPARE(answerer.seen, QStringList{QStringLiteral("VelSystem::TextInfoDialog")});
        QVERIFY(busyInDialog);
        QVERIFY(!view.tool->isBusy());
        QCOMPARE(view.texts().size(), 1);
        CDbTextObject* text = view.texts().first();
        QCOMPARE(text->getLines(), (QStringList{QStringLiteral("Lot 12"), QStringLiteral("Denim 14 oz")}));
        QCOMPARE(text->center(), kEmpty);
        QCOMPARE(text->angle(), 270.0);
        QCOMPARE(text->workSection(), short(1));
        QVERIFY(text->boundingRect().contains(kEmpty));
        // The new text alone is selected.
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{text});
        QVERIFY(modified.count() >= 1);

        QCOMPARE(view.undo().count(), 1);
        QCOMPARE(view.undo().undoText(), QStringLiteral("Text"));
        view.undo().undo();
        QVERIFY(view.texts().isEmpty());
        QCOMPARE(view.marker.document->objects(view.marker.fabric, 0).size(), objects);
        view.undo().redo();
        QCOMPARE(view.texts(), QList<CDbTextObject*>{text});
    }

    void textThatCannotBePlacedAddsNothing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("cancelled") << Answer(QStringLiteral("Lot 12"), QString(), false, QString(), false);
        QTest::newRow("empty") << Answer();
        QTest::newRow("blank lines only") << Answer(QStringLiteral("\n\n"));
        QTest::newRow("letter size not a number")
            << Answer(QStringLiteral("Lot 12"), QString(), false, QStringLiteral("big"));
    }

    void textThatCannotBePlacedAddsNothing()
    {
        QFETCH(Answer, answer);
        TextView view;
        view.selectFirstObject();
        const auto before = LaystoreTest::snapshot(view.marker);
        QSignalSpy modified(view.marker.document.get(), &Document::modified);
        ModalAnswerer answerer([&answer](QDialog* dialog) { fill(dialog, answer); });

        view.click(kEmpty);

        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY(LaystoreTest::matches(view.marker, before));
        QCOMPARE(view.undo().count(), 0);
        // The click still cleared the selection and reported the document.
        QVERIFY(view.selection().isEmpty());
        QCOMPARE(modified.count(), 1);
        QVERIFY(!view.tool->isBusy());
    }

    // A text may start a little above the area the view works in: the fabric, or with the
    // pieces hidden, the standby area above it.
    void clickAboveTheWorkAreaOpensNothing_data()
    {
        QTest::addColumn<bool>("piecesShown");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("opens");
        const double width = LaystoreTest::kLayerWidth;
        QTest::newRow("fabric, just above") << true << width + 2.5 << true;
        QTest::newRow("fabric, beyond") << true << width + 2.75 << false;
        QTest::newRow("standby, just above") << false << 2.0 * width + 2.5 << true;
        QTest::newRow("standby, beyond") << false << 2.0 * width + 2.75 << false;
    }

    void clickAboveTheWorkAreaOpensNothing()
    {
        QFETCH(bool, piecesShown);
        QFETCH(double, y);
        QFETCH(bool, opens);
        TextView view;
        view.scene.filter().setVisible(CDbAbstractObject::KindGroup, piecesShown);
        ModalAnswerer answerer([](QDialog* dialog) { fill(dialog, Answer(QStringLiteral("Top"))); });

        view.click({kEmpty.x, y});

        QCOMPARE(answerer.seen.size(), opens ? 1 : 0);
        QCOMPARE(view.texts().size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(view.texts().first()->workSection(), short(piecesShown ? 1 : 2));
    }

private:
    QTemporaryDir mSettingsDir;
};

MARKER_TEST(tst_ToolText)
#include "tst_ToolText.moc"
