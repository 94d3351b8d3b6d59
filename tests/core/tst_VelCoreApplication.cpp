#include "VelCore/VelCoreApplication.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using VelSystem::VelCoreApplication;

class tst_VelCoreApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VelCoreApplication::instance()->setSink(VelCoreApplication::Sink()); }
    void sinkRecordsEveryReport()
    {
        VelCoreApplication* app = VelCoreApplication::instance();
        QStringList reports;
        QVERIFY(!app->setSink([&reports](VelCoreApplication::ReportKind kind, const QString& text,
                                         const QString& title, int flags) {
            reports << QStringLiteral("%1|%2|%3|%4").arg(kind).arg(text, title).arg(flags);
        }));
        QSignalSpy reported(app, &VelCoreApplication::reported);
        app->showMessage(QStringLiteral("Select a piece first"));
        app->showError(QStringLiteral("Unexpected Error"), QStringLiteral("Invalid Operation"), 3);
        QCOMPARE(
            reports,
            QStringList(
                {QStringLiteral("%1|Select a piece first||0").arg(VelCoreApplication::Message),
                 QStringLiteral("%1|Unexpected Error|Invalid Operation|3").arg(VelCoreApplication::Error)}));
        QCOMPARE(reported.size(), 2);
        QCOMPARE(reported[1],
                 QVariantList({int(VelCoreApplication::Error), QStringLiteral("Unexpected Error")}));

        // Replacing the sink answers the recording one, which then hears nothing more.
        QVERIFY(app->setSink([](VelCoreApplication::ReportKind, const QString&, const QString&, int) {}));
        app->showMessage(QStringLiteral("later"));
        QCOMPARE(reports.size(), 2);
    }

    void withoutSinkReportsBecomeWarningsOffscreen()
    {
        QSignalSpy reported(VelCoreApplication::instance(), &VelCoreApplication::reported);
        QTest::ignoreMessage(QtWarningMsg, "Message: Pieces overlap");
        VelCoreApplication::instance()->showMessage(QStringLiteral("Pieces overlap"));
        QTest::ignoreMessage(QtWarningMsg, "Error: Save: Disk full");
        VelCoreApplication::instance()->showError(QStringLiteral("Disk full"), QStringLiteral("Save"));
        QCOMPARE(reported.size(), 2);
    }

    void mainWindowIsForgottenWhenDeleted()
    {
        auto* window = new QWidget;
        VelCoreApplication::instance()->setMainWindow(window);
        QCOMPARE(VelCoreApplication::instance()->mainWindow(), window);
        delete window;
        QVERIFY(!VelCoreApplication::instance()->mainWindow());
    }
};

MARKER_TEST(tst_VelCoreApplication)
#include "tst_VelCoreApplication.moc"
