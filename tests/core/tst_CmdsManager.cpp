#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;

namespace {

class FirstCmd : public AbstractCmd
{
};

class SecondCmd : public AbstractCmd
{
public:
    short setDocument(const boost::shared_ptr<Document>&, const QList<QVariant>& parameters) override
    {
        return parameters.isEmpty() ? 3 : 0;
    }
};

// Registered while the test program loads, as a library's commands are.
const CmdRegistration<FirstCmd> registration(QStringLiteral("Test.AtLoad"));

const QString kName = QStringLiteral("Test.Cmd");

int countOf(const QString& name)
{
    const std::vector<QString> names = CmdsManager::instance()->commandNames();
    return int(std::count(names.begin(), names.end(), name));
}

} // namespace

class tst_CmdsManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CmdsManager::instance()->unregisterCommand(kName); }
    void createKnownAndUnknown()
    {
        CmdsManager* manager = CmdsManager::instance();
        const std::unique_ptr<AbstractCmd> atLoad = manager->createCommand(QStringLiteral("Test.AtLoad"));
        QVERIFY(dynamic_cast<FirstCmd*>(atLoad.get()));
        QCOMPARE(atLoad->setDocument(nullptr, {QVariant(1)}), short(0)); // the base accepts any parameters

        manager->registerCommand(kName, [] { return new SecondCmd(); });
        QVERIFY(manager->hasCommand(kName));
        QCOMPARE(countOf(kName), 1);
        const auto first = manager->createCommand(kName);
        const auto second = manager->createCommand(kName);
        QVERIFY(dynamic_cast<SecondCmd*>(first.get()));
        QVERIFY(first.get() != second.get()); // every request gets its own command
        QCOMPARE(first->setDocument(nullptr, {}), short(3));

        QVERIFY(!manager->hasCommand(QStringLiteral("Test.Missing")));
        QVERIFY(!manager->createCommand(QStringLiteral("Test.Missing")));
        QVERIFY(!manager->createCommand(QStringLiteral("test.cmd"))); // names are case-sensitive
    }

    void replaceAndUnregister()
    {
        CmdsManager* manager = CmdsManager::instance();
        manager->registerCommand(kName, [] { return new FirstCmd(); });
        manager->registerCommand(kName, [] { return new SecondCmd(); });
        QVERIFY(dynamic_cast<SecondCmd*>(manager->createCommand(kName).get()));
        QCOMPARE(countOf(kName), 1);

        manager->unregisterCommand(kName);
        QVERIFY(!manager->createCommand(kName));
        QCOMPARE(countOf(kName), 0);
        QVERIFY(manager->hasCommand(QStringLiteral("Test.AtLoad")));
    }

    void refusesIncompleteRegistrations()
    {
        CmdsManager* manager = CmdsManager::instance();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused.*Test.Cmd"));
        manager->registerCommand(kName, CmdsManager::Factory());
        QVERIFY(!manager->hasCommand(kName));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
        manager->registerCommand(QString(), [] { return new FirstCmd(); });
        QVERIFY(!manager->hasCommand(QString()));
    }
};

MARKER_TEST(tst_CmdsManager)
#include "tst_CmdsManager.moc"
