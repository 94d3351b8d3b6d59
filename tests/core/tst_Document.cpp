#include "VelConjoin/Document.h"
#include "VelConjoin/Selection.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;

namespace {

// The smallest complete document: no objects, nothing to pick.
class EmptyDocument : public Document
{
public:
    boost::shared_ptr<Selection> selection() const override { return nullptr; }
    boost::shared_ptr<Selection> pick(const GeoPoint2D&, double, const ViewFilter*) const override
    {
        return nullptr;
    }
    boost::shared_ptr<Selection> pick(const QPolygonF&, const ViewFilter*) const override { return nullptr; }
    bool deselectAll(bool, bool) override { return false; }
    GeoRectangle extent() const override { return GeoRectangle(); }
};

class SetValue : public QUndoCommand
{
public:
    SetValue(int& target, int value) : mTarget(target), mOld(target), mNew(value) {}
    void redo() override { mTarget = mNew; }
    void undo() override { mTarget = mOld; }

private:
    int& mTarget;
    int mOld, mNew;
};

} // namespace

class tst_Document : public QObject
{
    Q_OBJECT
private slots:
    void fileNameIsAnnouncedWhenItChanges()
    {
        EmptyDocument document;
        QSignalSpy fileName(&document, &Document::fileNameChanged);
        document.setFileName(QStringLiteral("/tmp/a.marker"));
        document.setFileName(QStringLiteral("/tmp/a.marker"));
        QCOMPARE(fileName.size(), 1);
        QCOMPARE(fileName[0][0].toString(), QStringLiteral("/tmp/a.marker"));
    }

    void modifiedFollowsTheUndoStack()
    {
        EmptyDocument document;
        QVERIFY(!document.isModified());
        int value = 0;
        document.undoStack()->push(new SetValue(value, 5));
        QVERIFY(document.isModified());
        document.setClean(); // saved
        QVERIFY(!document.isModified());
        document.undoStack()->undo();
        QCOMPARE(value, 0);
        QVERIFY(document.isModified()); // differs from what was saved
        document.undoStack()->redo();
        QVERIFY(!document.isModified());
    }
};

MARKER_TEST(tst_Document)
#include "tst_Document.moc"
