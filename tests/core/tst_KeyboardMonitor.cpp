#include "VelCore/KeyboardMonitor.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>
#include <memory>

using VelSystem::KeyboardMonitor;

class tst_KeyboardMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        KeyboardMonitor::instance().install();
        KeyboardMonitor::instance().install(); // a second call changes nothing
    }

    void init()
    {
        KeyboardMonitor::instance().releaseAll();
        mWidget = std::make_unique<QWidget>();
        mWidget->show();
    }

    void cleanup() { mWidget.reset(); }
    void followsRealKeyEvents()
    {
        QSignalSpy changed(&KeyboardMonitor::instance(), &KeyboardMonitor::keyChanged);
        QTest::keyPress(mWidget.get(), Qt::Key_Space);
        QVERIFY(pressed(Qt::Key_Space));
        QVERIFY(!pressed(Qt::Key_A));
        QTest::keyPress(mWidget.get(), Qt::Key_A);
        QVERIFY(pressed(Qt::Key_A));
        QTest::keyRelease(mWidget.get(), Qt::Key_Space);
        QVERIFY(!pressed(Qt::Key_Space));
        QVERIFY(pressed(Qt::Key_A));
        QTest::keyRelease(mWidget.get(), Qt::Key_A);
        QVERIFY(!pressed(Qt::Key_A));
        // One signal per change, although the application sees each event more than once.
        QCOMPARE(changed.size(), 4);
        QCOMPARE(changed[0], QVariantList({int(Qt::Key_Space), true}));
        QCOMPARE(changed[2], QVariantList({int(Qt::Key_Space), false}));

        // A key typed with a modifier presses the modifier first and releases it last.
        QTest::keyPress(mWidget.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(pressed(Qt::Key_Control));
        QVERIFY(pressed(Qt::Key_Z));
        QTest::keyRelease(mWidget.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!pressed(Qt::Key_Z));
        QVERIFY(!pressed(Qt::Key_Control));
    }

    void ignoresAutoRepeat()
    {
        QTest::keyPress(mWidget.get(), Qt::Key_Plus);
        QSignalSpy changed(&KeyboardMonitor::instance(), &KeyboardMonitor::keyChanged);
        // Holding a key repeats release/press pairs flagged as auto-repeat.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Plus, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(mWidget.get(), &release);
        QVERIFY(pressed(Qt::Key_Plus));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(mWidget.get(), &press);
        QVERIFY(changed.isEmpty());
    }

    void heldKeysEndByReleaseOrLeavingTheApplication()
    {
        KeyboardMonitor& monitor = KeyboardMonitor::instance();
        QSignalSpy changed(&monitor, &KeyboardMonitor::keyChanged);
        monitor.setKeyPressed(Qt::Key_Alt, true);
        monitor.setKeyPressed(Qt::Key_Alt, true);
        QVERIFY(pressed(Qt::Key_Alt));
        QCOMPARE(changed.size(), 1);
        // A real release ends a key a test held.
        QTest::keyRelease(mWidget.get(), Qt::Key_Alt);
        QVERIFY(!pressed(Qt::Key_Alt));
        monitor.setKeyPressed(Qt::Key_Alt, false);
        QCOMPARE(changed.size(), 2);

        QTest::keyPress(mWidget.get(), Qt::Key_Shift);
        monitor.setKeyPressed(Qt::Key_Space, true);
        changed.clear();
        QEvent deactivate(QEvent::ApplicationDeactivate);
        QApplication::sendEvent(qApp, &deactivate);
        QVERIFY(!pressed(Qt::Key_Shift));
        QVERIFY(!pressed(Qt::Key_Space));
        QCOMPARE(changed.size(), 2);
    }

private:
    bool pressed(int key) const { return KeyboardMonitor::instance().keyPressed(key); }
    std::unique_ptr<QWidget> mWidget;
};

MARKER_TEST(tst_KeyboardMonitor)
#include "tst_KeyboardMonitor.moc"
