#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbLineObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

class tst_MarkerSelection : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        leg = m->add(frontLeg(), {0, 0});
        pocket = m->add(pocketBag(), {40, 0});
        label = m->addText({QStringLiteral("Lot 7")}, {});
        line = new CDbLineObject();
        line->setPoints({0, 120}, {80, 120});
        m->document->addPiece(line, m->fabric, 0);
    }

    void cleanup() { m.reset(); }

    void kindFollowsContents()
    {
        DocumentMak* d = m->document.get();
        QCOMPARE(CMarkerSelection(d).kind(), int(CMarkerSelection::KindNone));
        QCOMPARE(CMarkerSelection(d, {leg, pocket}).kind(), int(CMarkerSelection::KindPieces));
        // The pointer tool edits a line's text on Alt+click for kind 2: lines are 2, texts 3.
        QCOMPARE(CMarkerSelection(d, {label}).kind(), 3);
        QCOMPARE(CMarkerSelection(d, {line, line}).kind(), 2);
        QCOMPARE(CMarkerSelection(d, {leg, label}).kind(), int(CMarkerSelection::KindMixed));
        QCOMPARE(CMarkerSelection(d, {leg, pocket, leg}).count(), 2);
        QCOMPARE(CMarkerSelection(d, {leg, line}).boundingRect(), GeoRectangle(0, 0, 80, 120));
    }

    void applyMakesExactlyTheseSelected()
    {
        CMarkerSelection first(m->document.get(), {leg, label});
        QVERIFY(first.apply());
        QCOMPARE(selected(), (QListEx<CDbAbstractObject*>{leg, label}));
        QVERIFY(!first.apply());

        CMarkerSelection second(m->document.get(), {label, pocket});
        QVERIFY(second.apply());
        QVERIFY(!leg->isSelected());
        QVERIFY(label->isSelected() && pocket->isSelected());
        QCOMPARE(selected().size(), 2);
        QVERIFY(selected().contains(pocket) && selected().contains(label));

        // Applying the document's own selection changes nothing.
        QVERIFY(!m->document->markerSelection()->apply());
        QVERIFY(CMarkerSelection(m->document.get()).apply());
        QVERIFY(selected().isEmpty());
    }

    void setSelectedAndToggleReportChanges()
    {
        CMarkerSelection both(m->document.get(), {leg, pocket});
        QVERIFY(CMarkerSelection(m->document.get(), {leg}).setSelected(true));
        QVERIFY(both.setSelected(true));
        QVERIFY(!both.setSelected(true));
        QCOMPARE(selected(), (QListEx<CDbAbstractObject*>{leg, pocket}));

        QVERIFY(CMarkerSelection(m->document.get(), {pocket, label}).toggle());
        QCOMPARE(selected(), (QListEx<CDbAbstractObject*>{leg, label}));
        QVERIFY(!CMarkerSelection(m->document.get()).toggle());

        // Deselecting through the document's own selection empties it.
        QVERIFY(m->document->markerSelection()->setSelected(false));
        QVERIFY(selected().isEmpty());
        QVERIFY(!leg->isSelected() && !label->isSelected());

        CMarkerSelection(m->document.get(), {leg, line}).apply();
        m->document->markerSelection()->removeLine();
        QCOMPARE(selected(), QListEx<CDbAbstractObject*>{leg});
        QVERIFY(!line->isSelected());
    }

    void deselectAllNotifiesOnlyWhenAsked()
    {
        QSignalSpy announced(m->document.get(), &Document::selectionChanged);
        CMarkerSelection(m->document.get(), {leg}).apply();
        QVERIFY(m->document->deselectAll(false, false));
        QCOMPARE(announced.count(), 0);
        QVERIFY(!leg->isSelected());

        CMarkerSelection(m->document.get(), {pocket}).apply();
        QVERIFY(m->document->deselectAll(true, false));
        QCOMPARE(announced.count(), 1);
        QVERIFY(!m->document->deselectAll(true, false));
        QCOMPARE(announced.count(), 1);
    }

private:
    QListEx<CDbAbstractObject*> selected() const { return m->document->markerSelection()->objects(); }

    std::unique_ptr<Marker> m;
    CDbGrPolysObject* leg = nullptr;
    CDbGrPolysObject* pocket = nullptr;
    CDbTextObject* label = nullptr;
    CDbLineObject* line = nullptr;
};

MARKER_TEST(tst_MarkerSelection)
#include "tst_MarkerSelection.moc"
