#include "PlatformNoise.h"
#include "gui/GuiTestDoubles.h"

#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/MainWindow.h"
#include "VelGui/TextListDialog.h"
#include "VelGui/VelApplication.h"

#include "TestMain.h"
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoCommand>
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;

namespace {

DocumentWindow* newWindow(const boost::shared_ptr<Document>& document, QObject* sceneOwner)
{
    auto* scene = new DocumentScene(document, sceneOwner);
    return new DocumentWindow(new DocumentView(scene));
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mSettingsDir.isValid());
        HostTest::silencePlatformNoise();
        QCoreApplication::setOrganizationName(QStringLiteral("VelSystemTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_MainWindow"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettingsDir.path());
    }

    void init() { QSettings().setValue(TextListDialog::kSettingsKey, QStringList({"Front", "Back"})); }

    void documentWindowTitleFollowsTheDocument()
    {
        QObject owner;
        const auto document = boost::make_shared<RecordingDocument>();
        document->setFileName(QStringLiteral("/data/shirts.mak"));
        std::unique_ptr<DocumentWindow> window(newWindow(document, &owner));
        QCOMPARE(window->windowTitle(), QStringLiteral("shirts.mak[*]"));
        QVERIFY(!window->isWindowModified());
        document->undoStack()->push(new QUndoCommand(QStringLiteral("Move")));
        QVERIFY(window->isWindowModified());
        document->setClean();
        QVERIFY(!window->isWindowModified());
        document->setFileName(QStringLiteral("/data/other.mak"));
        QCOMPARE(window->windowTitle(), QStringLiteral("other.mak[*]"));
        QCOMPARE(window->document(), boost::shared_ptr<Document>(document));
    }

    void addedWindowBecomesTheActiveDocument()
    {
        MainWindow mainWindow;
        QCOMPARE(VelCoreApplication::instance()->mainWindow(), &mainWindow);
        const auto first = boost::make_shared<RecordingDocument>();
        const auto second = boost::make_shared<RecordingDocument>();
        DocumentWindow* firstWindow = newWindow(first, &mainWindow);
        DocumentWindow* secondWindow = newWindow(second, &mainWindow);
        QSignalSpy spy(VelApplication::instance(), &VelApplication::activeDocumentChanged);

        mainWindow.addDocumentWindow(firstWindow);
        QCOMPARE(mainWindow.activeMdiChild(), firstWindow);
        QCOMPARE(VelApplication::instance()->activeDocument(), boost::shared_ptr<Document>(first));
        mainWindow.addDocumentWindow(secondWindow);
        QCOMPARE(mainWindow.activeMdiChild(), secondWindow);
        QCOMPARE(VelApplication::instance()->activeDocument(), boost::shared_ptr<Document>(second));
        QVERIFY(spy.count() >= 2);

        mainWindow.workspace()->setActiveSubWindow(mainWindow.workspace()->subWindowList().first());
        QCOMPARE(mainWindow.activeMdiChild(), firstWindow);
        QCOMPARE(VelApplication::instance()->activeDocument(), boost::shared_ptr<Document>(first));
    }

    void closingTheLastWindowClearsTheActiveDocument()
    {
        {
            MainWindow mainWindow;
            const auto document = boost::make_shared<RecordingDocument>();
            mainWindow.addDocumentWindow(newWindow(document, &mainWindow));
            QVERIFY(VelApplication::instance()->activeDocument());
            mainWindow.workspace()->closeAllSubWindows();
            QTRY_VERIFY(mainWindow.workspace()->subWindowList().isEmpty());
            QCOMPARE(mainWindow.activeMdiChild(), nullptr);
            QVERIFY(!VelApplication::instance()->activeDocument());
            mainWindow.addDocumentWindow(newWindow(document, &mainWindow));
        }
        // A destroyed main window leaves no dangling pointer and no document behind.
        QCOMPARE(VelCoreApplication::instance()->mainWindow(), nullptr);
        QVERIFY(!VelApplication::instance()->activeDocument());
    }

    void textListStoresOnlyAcceptedEdits()
    {
        TextListDialog cancelled;
        cancelled.addText();
        cancelled.findChild<QListWidget*>(QStringLiteral("listTexts"))
            ->currentItem()
            ->setText(QStringLiteral("New"));
        cancelled.reject();
        QCOMPARE(QSettings().value(TextListDialog::kSettingsKey).toStringList(),
                 QStringList({"Front", "Back"}));

        TextListDialog dialog;
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("listTexts"));
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(0);
        dialog.removeCurrentText();
        dialog.addText();
        list->currentItem()->setText(QStringLiteral("  Sleeve  "));
        dialog.addText(); // left blank
        list->item(0)->setText(QStringLiteral("Back panel"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QSettings().value(TextListDialog::kSettingsKey).toStringList(),
                 QStringList({"Back panel", "Sleeve"}));
    }

private:
    QTemporaryDir mSettingsDir;
};

MARKER_TEST(tst_MainWindow)
#include "tst_MainWindow.moc"
