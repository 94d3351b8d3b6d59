#include "tools/ToolTestView.h"

#include "PlatformNoise.h"
#include "TestMain.h"

#include "laystore/CDbTextObject.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// Empty fabric right of the pockets, on a whole pixel of the test view.
const GeoPoint2D kEmpty(70.0, 40.0);

// Types `text` and a letter size into the text information dialog and accepts it, or rejects
// it; an empty text keeps the dialog open, and the user gives up.
void answer(QDialog* dialog, const QString& text, const QString& letterSize = QString(), bool accept = true)
{
    dialog->findChild<QTextEdit*>(QStringLiteral("textList"))->setPlainText(text);
    if (!letterSize.isEmpty())
        dialog->findChild<QComboBox*>(QStringLiteral("comboBoxLetterSize"))->setEditText(letterSize);
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    if (dialog->isVisible())
        buttons->button(QDialogButtonBox::Cancel)->click();
}

struct TextView : ToolTestView
{
    TextView() : ToolTestView("text")
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
        bool busyInDialog = false;
        ModalAnswerer answerer([&](QDialog* dialog) {
            busyInDialog = view.tool->isBusy();
            // A click while the dialog is open starts no second text.
            view.click(kEmpty + GeoPoint2D(10.0, 0.0));
            answer(dialog, QStringLiteral("Lot 12"));
        });
        view.click(kEmpty);
        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY(busyInDialog && !view.tool->isBusy());
        QCOMPARE(view.texts().size(), 1);
        QCOMPARE(view.texts().first()->center(), kEmpty);
        // The new text alone is selected.
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.texts().first()});
        QCOMPARE(view.undo().count(), 1);
        QCOMPARE(view.undo().undoText(), QStringLiteral("Text"));
    }

    void textThatCannotBePlacedAddsNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("letterSize");
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled") << "Lot 12" << QString() << false;
        QTest::newRow("empty") << QString() << QString() << true;
        QTest::newRow("blank lines only") << "\n\n" << QString() << true;
        QTest::newRow("letter size not a number") << "Lot 12"
                                                  << "big" << true;
    }

    void textThatCannotBePlacedAddsNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, letterSize);
        QFETCH(bool, accept);
        TextView view;
        const auto before = LaystoreTest::snapshot(view.marker);
        QSignalSpy modified(view.marker.document.get(), &Document::modified);
        ModalAnswerer answerer([&](QDialog* dialog) { answer(dialog, text, letterSize, accept); });

        view.click(kEmpty);

        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY(LaystoreTest::matches(view.marker, before));
        QCOMPARE(view.undo().count(), 0);
        // The click still cleared the selection and reported the document.
        QVERIFY(view.selection().isEmpty());
        QCOMPARE(modified.count(), 1);
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
        ModalAnswerer answerer([](QDialog* dialog) { answer(dialog, QStringLiteral("Top")); });
        view.click({kEmpty.x, y});
        QCOMPARE(view.texts().size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(view.texts().first()->workSection(), short(piecesShown ? 1 : 2));
    }

private:
    QTemporaryDir mSettingsDir;
};

MARKER_TEST(tst_ToolText)
#include "tst_ToolText.moc"
