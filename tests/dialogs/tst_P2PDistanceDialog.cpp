#include "TestMain.h"
#include "dialogs/DialogTestSupport.h"

#include "Dialog/P2PDistanceDialog.h"

#include <QCheckBox>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace VelSystem;
using DialogTest::child;

namespace {

// A ruler's mark as the ruler leaves it: the measured line and an arrow head.
struct Mark
{
    explicit Mark(QGraphicsScene* scene)
        : group(new QGraphicsItemGroup), line(new QGraphicsLineItem(0.0, 0.0, 3.0, 4.0)),
          arrow(new QGraphicsPolygonItem(QPolygonF({{3.0, 4.0}, {2.5, 3.0}, {2.0, 3.5}})))
    {
        group->addToGroup(line);
        group->addToGroup(arrow);
        scene->addItem(group);
    }

    QColor lineColour() const { return line->pen().color(); }
    QColor arrowColour() const { return arrow->brush().color(); }

    QGraphicsItemGroup* group;
    QGraphicsLineItem* line;
    QGraphicsPolygonItem* arrow;
};

P2PDistanceDialog* measure(const Mark& mark, QWidget* view)
{
    return new P2PDistanceDialog(GeoPoint2D(1.0, 1.0), GeoPoint2D(4.0, 5.0), mark.group, view);
}

void deleteClosedDialogs()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_P2PDistanceDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogTest::setUpDialogTests(); }

    void showsTheMeasurement()
    {
        QWidget view;
        auto* dialog = new P2PDistanceDialog(GeoPoint2D(2.0, 7.0), GeoPoint2D(-1.0, 3.0), nullptr, &view);
        QCOMPARE(dialog->parentWidget(), &view);
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!dialog->isModal());
        QCOMPARE(child<QLabel>(dialog, "labelDistance")->text(), QStringLiteral("5.00 cm"));
        QCOMPARE(child<QLabel>(dialog, "labelDistanceX")->text(), QStringLiteral("-3.00 cm"));
        QCOMPARE(child<QLabel>(dialog, "labelDistanceY")->text(), QStringLiteral("-4.00 cm"));
        QCOMPARE(child<QLabel>(dialog, "labelAngle")->text(), QStringLiteral("233.13°"));
        QCOMPARE(child<QLabel>(dialog, "labelOpening")->text(), QStringLiteral("53.13°"));
        for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
            QVERIFY(box->isChecked());
    }

    void copyPutsTheCheckedValuesOnTheClipboard()
    {
        QWidget view;
        auto* dialog = new P2PDistanceDialog(GeoPoint2D(1.0, 1.0), GeoPoint2D(4.0, 5.0), nullptr, &view);
        for (const char* name : {"checkDistanceX", "checkDistanceY", "checkOpening"})
            child<QCheckBox>(dialog, name)->setChecked(false);
        child<QPushButton>(dialog, "buttonCopy")->click();
        QCOMPARE(VelCoreApplication::instance()->clipboard().text(), QStringLiteral("5.00 cm\t53.13°"));

        child<QCheckBox>(dialog, "checkOpening")->setChecked(true);
        child<QCheckBox>(dialog, "checkDistance")->setChecked(false);
        child<QPushButton>(dialog, "buttonCopy")->click();
        QCOMPARE(VelCoreApplication::instance()->clipboard().text(), QStringLiteral("53.13°\t53.13°"));

        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            box->setChecked(false);
        child<QPushButton>(dialog, "buttonCopy")->click();
        QCOMPARE(VelCoreApplication::instance()->clipboard().text(), QString());
    }

    void markIsRedWhileItsDialogIsActive()
    {
        QGraphicsScene scene;
        QWidget view;
        const Mark first(&scene);
        const Mark second(&scene);
        P2PDistanceDialog* firstDialog = measure(first, &view);
        QCOMPARE(first.lineColour(), QColor(Qt::red));
        // A centimetre-wide pen would hide what is measured.
        QVERIFY(first.line->pen().isCosmetic());
        QCOMPARE(first.arrowColour(), QColor(Qt::red));
        firstDialog->show();
        QApplication::setActiveWindow(firstDialog);
        QCOMPARE(first.lineColour(), QColor(Qt::red));

        // Each measurement opens its dialog in front of the others.
        P2PDistanceDialog* secondDialog = measure(second, &view);
        secondDialog->show();
        QApplication::setActiveWindow(secondDialog);
        QCOMPARE(first.lineColour(), QColor(Qt::lightGray));
        QCOMPARE(first.arrowColour(), QColor(Qt::lightGray));
        QCOMPARE(first.arrow->brush().style(), Qt::SolidPattern);
        QCOMPARE(second.lineColour(), QColor(Qt::red));
        QCOMPARE(second.arrowColour(), QColor(Qt::red));

        QApplication::setActiveWindow(firstDialog);
        QCOMPARE(first.lineColour(), QColor(Qt::red));
        QCOMPARE(first.arrowColour(), QColor(Qt::red));
        QCOMPARE(second.lineColour(), QColor(Qt::lightGray));
        QCOMPARE(second.arrowColour(), QColor(Qt::lightGray));
    }

    void closingTheDialogTakesTheMarkOutOfTheScene()
    {
        QGraphicsScene scene;
        QWidget view;
        const Mark mark(&scene);
        const Mark other(&scene);
        QPointer<P2PDistanceDialog> dialog = measure(mark, &view);
        dialog->show();
        child<QPushButton>(dialog, "buttonOk")->click();
        deleteClosedDialogs();
        QVERIFY(dialog.isNull());
        QCOMPARE(scene.items().size(), 3);
        QVERIFY(scene.items().contains(other.group));
    }

    void dialogOutlivesItsScene()
    {
        QWidget view;
        auto* scene = new QGraphicsScene;
        const Mark mark(scene);
        QPointer<P2PDistanceDialog> dialog = measure(mark, &view);
        dialog->show();
        delete scene;
        QApplication::setActiveWindow(&view);
        child<QPushButton>(dialog, "buttonCopy")->click();
        QCOMPARE(VelCoreApplication::instance()->clipboard().text(),
                 QStringLiteral("5.00 cm\t3.00 cm\t4.00 cm\t53.13°\t53.13°"));
        dialog->close();
        deleteClosedDialogs();
        QVERIFY(dialog.isNull());
    }
};

MARKER_TEST(tst_P2PDistanceDialog)
#include "tst_P2PDistanceDialog.moc"
