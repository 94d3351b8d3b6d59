#include "app/HostTestMarker.h"

#include "MarkerMainWindow.h"
#include "PluginModule.h"
#include "ToolController.h"
#include "ToolPalette.h"

#include "VelCore/InfoBox.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/AbstractTool.h"
#include "VelGui/DocumentView.h"
#include "VelGui/ToolFactory.h"

#include "TestMain.h"
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace VelSystem;

namespace {

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage imageOf(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// The palette built from the real plug-in, loaded the way the host loads it.
class tst_ToolPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(mModule.load(PluginModule::defaultPath(), &error), qPrintable(error));
        QVERIFY(mDir.isValid());
        mFile = HostTest::writeTestMarker(QDir(mDir.path()));
    }

    void cleanupTestCase() { mModule.unload(); }

    void init()
    {
        KeyboardMonitor::instance().releaseAll();
        mWindow = new MarkerMainWindow;
        QVERIFY(mWindow->openFile(mFile));
        mWindow->setToolFactory(mModule.factory());
    }

    void cleanup()
    {
        delete mWindow;
        mWindow = nullptr;
        KeyboardMonitor::instance().releaseAll();
    }

    void hasOneButtonPerToolInTheFactorysOrder()
    {
        const QList<QToolButton*> buttons = mWindow->toolPalette()->buttons();
        const std::vector<std::string> ids = mModule.factory()->toolIds();
        QCOMPARE(buttons.size(), 22);
        for (int i = 0; i < buttons.size(); ++i) {
            const QString id = QString::fromStdString(ids.at(size_t(i)));
            QCOMPARE(buttons.at(i)->objectName(), QStringLiteral("tool_") + id);
            QCOMPARE(buttons.at(i)->isEnabled(), id != QLatin1String("spacing"));
            if (id != QLatin1String("spacing"))
                QVERIFY2(!buttons.at(i)->icon().isNull(), qPrintable(id));
        }
        ToolPalette* palette = mWindow->toolPalette();
        const QString control = QKeySequence(Qt::Key_Control).toString(QKeySequence::NativeText);
        const QString space = QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText);
        QCOMPARE(palette->button("select")->toolTip(), QStringLiteral("Pointer (hold %1)").arg(control));
        QCOMPARE(palette->button("zoom")->toolTip(),
                 QStringLiteral("Zoom In/Out (hold %1+%2)").arg(control, space));
    }

    void buttonsShowTheNormalHoverAndDownImages()
    {
        const QIcon icon = mWindow->toolPalette()->button("cutdown")->icon();
        const QSize size(24, 24);
        const QImage normal = imageOf(icon.pixmap(size, QIcon::Normal, QIcon::Off));
        QCOMPARE(normal, imageOf(QStringLiteral(":/images/tool_cutdown.png")));
        QCOMPARE(imageOf(icon.pixmap(size, QIcon::Active, QIcon::Off)),
                 imageOf(QStringLiteral(":/images/tool_cutdown_hover.png")));
        QCOMPARE(imageOf(icon.pixmap(size, QIcon::Normal, QIcon::On)),
                 imageOf(QStringLiteral(":/images/tool_cutdown_down.png")));
        // Disabled tools get Qt's greyed rendering of the normal image.
        QVERIFY(imageOf(icon.pixmap(size, QIcon::Disabled, QIcon::Off)) != normal);
    }

    void theHandGripHasADrawnButton()
    {
        QToolButton* hand = mWindow->toolPalette()->button("handgrip");
        QVERIFY(hand);
        QVERIFY(hand->isEnabled());
        QVERIFY(!hand->icon().isNull());
        QVERIFY(hand->toolTip().startsWith(QStringLiteral("Hand Grip (hold ")));
        hand->click();
        QCOMPARE(mWindow->toolController()->currentId(), std::string("handgrip"));
        QCOMPARE(mWindow->activeView()->tool()->id(), std::string("handgrip"));
    }

    void startsWithThePointerAndAClickMakesAToolCurrent()
    {
        QCOMPARE(mWindow->toolController()->currentId(), std::string("select"));
        QVERIFY(mWindow->toolPalette()->button("select")->isChecked());
        QCOMPARE(mWindow->activeView()->tool()->id(), std::string("select"));
        QVERIFY(GetInfoBox()->instructions().contains(QStringLiteral("Move Single Piece:")));
        QVERIFY(mWindow->toolPalette()->isVisibleTo(mWindow));

        ToolPalette* palette = mWindow->toolPalette();
        palette->button("ruler")->click();
        QCOMPARE(mWindow->toolController()->currentId(), std::string("ruler"));
        QCOMPARE(mWindow->activeView()->tool()->id(), std::string("ruler"));
        QVERIFY(palette->button("ruler")->isChecked());
        QVERIFY(!palette->button("select")->isChecked());
        QVERIFY(GetInfoBox()->instructions().contains(QStringLiteral("click the first reference point")));
    }

    void theModuleUnloadsOnceTheWindowReleasedItsTools()
    {
        mWindow->toolPalette()->button("magnetic")->click();
        delete mWindow;
        mWindow = nullptr;
        // Unloading runs the module's destructors; a tool still held would now point nowhere.
        mModule.unload();
        QVERIFY(!QFile::exists(QStringLiteral(":/images/tool_arrow.png")));
        QString error;
        QVERIFY2(mModule.load(PluginModule::defaultPath(), &error), qPrintable(error));
    }

private:
    PluginModule mModule;
    QTemporaryDir mDir;
    QString mFile;
    MarkerMainWindow* mWindow = nullptr;
};

MARKER_TEST(tst_ToolPalette)
#include "tst_ToolPalette.moc"
