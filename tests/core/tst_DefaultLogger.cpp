#include "VelCore/DefaultLogger.h"

#include "TestMain.h"
#include <QtTest>

using VelSystem::DefaultLogger;

class tst_DefaultLogger : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { DefaultLogger::setSink(DefaultLogger::Sink()); }
    void sinkReceivesWholeLines()
    {
        QList<QPair<int, QString>> lines;
        QVERIFY(!DefaultLogger::setSink([&lines](int level, const QString& line) {
            lines.append({level, line});
        }));
        {
            DefaultLogger logger(2);
            logger << "tool" << QStringLiteral("cutdown") << std::string("failed:") << 42LL << 2.5;
            QVERIFY(lines.isEmpty()); // written only when the logger goes
        }
        DefaultLogger(1) << "size" << 7 << std::size_t(3) << short(-2);
        DefaultLogger(0) << "";
        DefaultLogger(3) << "x";
        DefaultLogger(9) << "high"; // levels outside the range are clamped
        DefaultLogger(-4) << "low";

        const QList<QPair<int, QString>> expected = {{2, "WARNING tool cutdown failed: 42 2.5"},
                                                     {1, "INFO size 7 3 -2"},
                                                     {0, "DEBUG "},
                                                     {3, "ERROR x"},
                                                     {3, "ERROR high"},
                                                     {0, "DEBUG low"}};
        QCOMPARE(lines, expected);
        // Replacing the sink answers the one installed before.
        QVERIFY(DefaultLogger::setSink(DefaultLogger::Sink()));
    }

    void withoutSinkLinesGoToTheQtStream()
    {
        QTest::ignoreMessage(QtWarningMsg, "WARNING no plug-in");
        DefaultLogger(2) << "no plug-in";
        QTest::ignoreMessage(QtInfoMsg, "INFO loaded 3");
        DefaultLogger(1) << "loaded" << 3;
        QTest::ignoreMessage(QtCriticalMsg, "ERROR broken");
        DefaultLogger(3) << "broken";
    }
};

MARKER_TEST(tst_DefaultLogger)
#include "tst_DefaultLogger.moc"
