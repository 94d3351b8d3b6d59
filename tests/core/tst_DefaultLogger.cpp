#include "VelCore/DefaultLogger.h"

#include <QtTest>

using VelSystem::DefaultLogger;

class tst_DefaultLogger : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void sinkReceivesWholeLines();
    void levelsOutsideTheRangeAreClamped();
    void withoutSinkLinesGoToTheQtStream();

private:
    QList<QPair<int, QString>> mLines;
};

void tst_DefaultLogger::cleanup()
{
    DefaultLogger::setSink(DefaultLogger::Sink());
    mLines.clear();
}

void tst_DefaultLogger::sinkReceivesWholeLines()
{
    const DefaultLogger::Sink previous = DefaultLogger::setSink([this](int level, const QString& line) {
        mLines.append({level, line});
    });
    QVERIFY(!previous);
    {
        DefaultLogger logger(2);
        logger << "tool" << QStringLiteral("cutdown") << std::string("failed:") << 42LL << 2.5;
        QVERIFY(mLines.isEmpty()); // written only when the logger goes
    }
    DefaultLogger(1) << "size" << 7 << std::size_t(3) << short(-2);
    DefaultLogger(0) << "";
    DefaultLogger(3) << "x";

    QCOMPARE(mLines.size(), 4);
    QCOMPARE(mLines[0], qMakePair(2, QStringLiteral("WARNING tool cutdown failed: 42 2.5")));
    QCOMPARE(mLines[1], qMakePair(1, QStringLiteral("INFO size 7 3 -2")));
    QCOMPARE(mLines[2], qMakePair(0, QStringLiteral("DEBUG ")));
    QCOMPARE(mLines[3], qMakePair(3, QStringLiteral("ERROR x")));

    // Replacing the sink answers the one installed before.
    QVERIFY(DefaultLogger::setSink(DefaultLogger::Sink()));
}

void tst_DefaultLogger::levelsOutsideTheRangeAreClamped()
{
    DefaultLogger::setSink([this](int level, const QString& line) { mLines.append({level, line}); });
    DefaultLogger(9) << "high";
    DefaultLogger(-4) << "low";
    QCOMPARE(mLines.size(), 2);
    QCOMPARE(mLines[0], qMakePair(3, QStringLiteral("ERROR high")));
    QCOMPARE(mLines[1], qMakePair(0, QStringLiteral("DEBUG low")));
}

void tst_DefaultLogger::withoutSinkLinesGoToTheQtStream()
{
    QTest::ignoreMessage(QtWarningMsg, "WARNING no plug-in");
    DefaultLogger(2) << "no plug-in";
    QTest::ignoreMessage(QtInfoMsg, "INFO loaded 3");
    DefaultLogger(1) << "loaded" << 3;
    QTest::ignoreMessage(QtCriticalMsg, "ERROR broken");
    DefaultLogger(3) << "broken";
}

QTEST_APPLESS_MAIN(tst_DefaultLogger)
#include "tst_DefaultLogger.moc"
