#include "VelCore/VelCoreApplication.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using VelSystem::VelCoreApplication;

class tst_VelCoreApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void sinkRecordsEveryReport();
    void withoutSinkReportsBecomeWarningsOffscreen();
    void mainWindowIsForgottenWhenDeleted();
    void clipboardRoundTrip();

private:
    struct Report
    {
        VelCoreApplication::ReportKind kind;
        QString text, title;
        int flags;
    };
    QList<Report> mReports;
};

void tst_VelCoreApplication::cleanup()
{
    VelCoreApplication::instance()->setSink(VelCoreApplication::Sink());
    mReports.clear();
}

void tst_VelCoreApplication::sinkRecordsEveryReport()
{
    VelCoreApplication* app = VelCoreApplication::instance();
    QCOMPARE(app, VelCoreApplication::instance());
    QVERIFY(!app->setSink(
        [this](VelCoreApplication::ReportKind kind, const QString& text, const QString& title, int flags) {
            mReports.append({kind, text, title, flags});
        }));
    QSignalSpy reported(app, &VelCoreApplication::reported);

    app->showMessage(QStringLiteral("Select a piece first"));
    app->showError(QStringLiteral("Unexpected Error"), QStringLiteral("Invalid Operation"), 3);

    QCOMPARE(mReports.size(), 2);
    QCOMPARE(mReports[0].kind, VelCoreApplication::Message);
    QCOMPARE(mReports[0].text, QStringLiteral("Select a piece first"));
    QVERIFY(mReports[0].title.isEmpty());
    QCOMPARE(mReports[0].flags, 0);
    QCOMPARE(mReports[1].kind, VelCoreApplication::Error);
    QCOMPARE(mReports[1].text, QStringLiteral("Unexpected Error"));
    QCOMPARE(mReports[1].title, QStringLiteral("Invalid Operation"));
    QCOMPARE(mReports[1].flags, 3);

    QCOMPARE(reported.size(), 2);
    QCOMPARE(reported[0],
             QVariantList({int(VelCoreApplication::Message), QStringLiteral("Select a piece first")}));
    QCOMPARE(reported[1], QVariantList({int(VelCoreApplication::Error), QStringLiteral("Unexpected Error")}));

    // Replacing the sink answers the recording one, which then hears nothing more.
    QVERIFY(app->setSink([](VelCoreApplication::ReportKind, const QString&, const QString&, int) {}));
    app->showMessage(QStringLiteral("later"));
    QCOMPARE(mReports.size(), 2);
}

void tst_VelCoreApplication::withoutSinkReportsBecomeWarningsOffscreen()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QSignalSpy reported(VelCoreApplication::instance(), &VelCoreApplication::reported);
    QTest::ignoreMessage(QtWarningMsg, "Message: Pieces overlap");
    VelCoreApplication::instance()->showMessage(QStringLiteral("Pieces overlap"));
    QTest::ignoreMessage(QtWarningMsg, "Error: Save: Disk full");
    VelCoreApplication::instance()->showError(QStringLiteral("Disk full"), QStringLiteral("Save"));
    QCOMPARE(reported.size(), 2);
}

void tst_VelCoreApplication::mainWindowIsForgottenWhenDeleted()
{
    auto* window = new QWidget;
    VelCoreApplication::instance()->setMainWindow(window);
    QCOMPARE(VelCoreApplication::instance()->mainWindow(), window);
    delete window;
    QVERIFY(!VelCoreApplication::instance()->mainWindow());
}

void tst_VelCoreApplication::clipboardRoundTrip()
{
    VelCoreApplication::instance()->clipboard().setText(QStringLiteral("12.50 cm"));
    QCOMPARE(VelCoreApplication::instance()->clipboard().text(), QStringLiteral("12.50 cm"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.50 cm"));
}

QTEST_MAIN(tst_VelCoreApplication)
#include "tst_VelCoreApplication.moc"
