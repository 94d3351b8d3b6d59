#include "tools/ToolTestView.h"

#include "dialogs/DialogTestSupport.h"

#include "VelGui/VelApplication.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"

#include "PlatformNoise.h"
#include "TestMain.h"
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;
using DialogTest::child;

namespace {

// On the front leg, and on the first pocket where the second does not cover it.
const GeoPoint2D kLeg(12.0, 50.0);
const GeoPoint2D kPocket(32.0, 2.0);

// Answers the position dialog: the axes' radio buttons and the offsets typed in, then OK or
// Cancel; `okEnabled` gets whether OK could be pressed.
ModalAnswerer answerPosition(bool accept, const char* horizontal = "radioHorizontalCenter",
                             const QString& offsetY = QStringLiteral("0"), bool* okEnabled = nullptr)
{
    return ModalAnswerer([=](QDialog* dialog) {
        child<QRadioButton>(dialog, horizontal)->setChecked(true);
        DialogTest::retype(child<QLineEdit>(dialog, "editOffsetY"), offsetY);
        QPushButton* ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
        if (okEnabled)
            *okEnabled = ok->isEnabled();
        if (accept && ok->isEnabled())
            ok->click();
        else
            dialog->reject();
    });
}

// The tool keeps its state in the host's active marker, as the host sets it.
struct ActiveCutDownView : ToolTestView
{
    ActiveCutDownView() : ToolTestView("cutdown") { VelApplication::instance()->setActiveDocument(marker.document); }
    ~ActiveCutDownView() { VelApplication::instance()->setActiveDocument(nullptr); }
};

CDbGrPolysObject* group(const ToolTestView& v, int i)
{
    return qobject_cast<CDbGrPolysObject*>(v.objectAt(i));
}

} // namespace

class tst_ToolCutDown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void twoClicksMakeAPairThatAClickTakesApart()
    {
        ActiveCutDownView v;
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.click(kLeg);
        QVERIFY(group(v, 0)->cutDownMark());
        QCOMPARE(v.cursor().pixmap().toImage(), VelCursor::target().pixmap().toImage());
        {
            ModalAnswerer answer = answerPosition(true, "radioHorizontalBottom", QStringLiteral("3"));
            v.click(kPocket);
            QCOMPARE(answer.seen, QStringList{QStringLiteral("VelSystem::CutdownPositionDialog")});
        }
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.undo().text(0), QStringLiteral("Cut Down"));
        QVERIFY(v.marker.document->drawing()->isFirstClick());
        CDbGrPolysObject* pair = group(v, 0);
        QCOMPARE(pair->polygonCount(), 2);
        QCOMPARE(pair->polygon(1).pieceOutline().boundingRect().ymin, 3.0);
        QVERIFY(!pair->cutDownMark());

        v.click(kLeg);
        QCOMPARE(v.undo().count(), 2);
        QCOMPARE(v.marker.document->groups(v.marker.fabric, 0).size(), 4);
        v.undo().undo();
        v.undo().undo();
        QVERIFY(LaystoreTest::matches(v.marker, before));
        QVERIFY(v.sink.messages.isEmpty() && v.sink.errors.isEmpty());
    }

    // Neither a cancelled dialog nor a pair the fabric cannot hold lets go of the first piece.
    void refusedSecondClickKeepsTheFirstPieceWaiting_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("dialog cancelled") << false;
        QTest::newRow("union below the fabric's edge") << true;
    }
    void refusedSecondClickKeepsTheFirstPieceWaiting()
    {
        QFETCH(bool, accept);
        ActiveCutDownView v;
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.click(kLeg);
        {
            ModalAnswerer answer = answerPosition(accept, "radioHorizontalBottom", QStringLiteral("-20"));
            v.click(kPocket);
            QCOMPARE(answer.seen.size(), 1);
        }
        QCOMPARE(v.undo().count(), 0);
        QVERIFY(LaystoreTest::matches(v.marker, before));
        QVERIFY(!v.marker.document->drawing()->isFirstClick());
        QCOMPARE(v.marker.fabric->selectsGrPolysCD(0), group(v, 0));

        v.tool->stop();
        QVERIFY(v.marker.document->drawing()->isFirstClick());
        QVERIFY(!v.marker.fabric->selectsGrPolysCD(0));
        QCursor cursor;
        v.tool->cursor(cursor);
        QCOMPARE(cursor.pixmap().toImage(), VelCursor::ufo().pixmap().toImage());
    }

    void altClickChangesThePositionAsOneStep()
    {
        ActiveCutDownView v;
        v.click(kLeg);
        {
            ModalAnswerer answer = answerPosition(true);
            v.click(kPocket);
        }
        const LaystoreTest::Snapshot paired = LaystoreTest::snapshot(v.marker);
        v.key(Qt::Key_Alt, true);
        {
            ModalAnswerer unchanged = answerPosition(true);
            v.click(kLeg);
        }
        QCOMPARE(v.undo().count(), 1);
        {
            ModalAnswerer answer = answerPosition(true, "radioHorizontalTop", QStringLiteral("-2"));
            v.click(kLeg);
        }
        v.key(Qt::Key_Alt, false);
        QCOMPARE(v.undo().count(), 2);
        const CDbGrPolysObject* pair = group(v, 0);
        QCOMPARE(pair->polygon(1).pieceOutline().boundingRect().ymax, 98.0);
        QCOMPARE(pair->polygon(0).cutDownPosition()->horizontalAxis, short(0));
        QVERIFY(LaystoreTest::undoRedoRestores(v.marker, paired, LaystoreTest::snapshot(v.marker)));
    }
};

MARKER_TEST(tst_ToolCutDown)
#include "tst_ToolCutDown.moc"
