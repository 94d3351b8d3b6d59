#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"

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

} // namespace

class tst_CmdsManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void registeredAtLoad();
    void createKnownAndUnknown();
    void replaceAndUnregister();
    void refusesIncompleteRegistrations();
};

void tst_CmdsManager::cleanup()
{
    CmdsManager::instance()->unregisterCommand(QStringLiteral("Test.Cmd"));
}

void tst_CmdsManager::registeredAtLoad()
{
    QVERIFY(CmdsManager::instance()->hasCommand(QStringLiteral("Test.AtLoad")));
    const std::unique_ptr<AbstractCmd> cmd =
        CmdsManager::instance()->createCommand(QStringLiteral("Test.AtLoad"));
    QVERIFY(dynamic_cast<FirstCmd*>(cmd.get()));
    // The base accepts any parameters.
    QCOMPARE(cmd->setDocument(nullptr, {QVariant(1)}), short(0));
}

void tst_CmdsManager::createKnownAndUnknown()
{
    CmdsManager* manager = CmdsManager::instance();
    QCOMPARE(manager, CmdsManager::instance());
    manager->registerCommand(QStringLiteral("Test.Cmd"), [] { return new SecondCmd(); });
    QVERIFY(manager->hasCommand(QStringLiteral("Test.Cmd")));
    const std::vector<QString> names = manager->commandNames();
    QVERIFY(std::find(names.begin(), names.end(), QStringLiteral("Test.Cmd")) != names.end());

    const auto first = manager->createCommand(QStringLiteral("Test.Cmd"));
    const auto second = manager->createCommand(QStringLiteral("Test.Cmd"));
    QVERIFY(dynamic_cast<SecondCmd*>(first.get()));
    QVERIFY(first.get() != second.get()); // every request gets its own command
    QCOMPARE(first->setDocument(nullptr, {}), short(3));

    QVERIFY(!manager->hasCommand(QStringLiteral("Test.Missing")));
    QVERIFY(!manager->createCommand(QStringLiteral("Test.Missing")));
    QVERIFY(!manager->createCommand(QStringLiteral("test.cmd"))); // names are case-sensitive
}

void tst_CmdsManager::replaceAndUnregister()
{
    CmdsManager* manager = CmdsManager::instance();
    manager->registerCommand(QStringLiteral("Test.Cmd"), [] { return new FirstCmd(); });
    manager->registerCommand(QStringLiteral("Test.Cmd"), [] { return new SecondCmd(); });
    QVERIFY(dynamic_cast<SecondCmd*>(manager->createCommand(QStringLiteral("Test.Cmd")).get()));
    const std::vector<QString> names = manager->commandNames();
    QCOMPARE(int(std::count(names.begin(), names.end(), QStringLiteral("Test.Cmd"))), 1);

    manager->unregisterCommand(QStringLiteral("Test.Cmd"));
    QVERIFY(!manager->createCommand(QStringLiteral("Test.Cmd")));
    QVERIFY(manager->hasCommand(QStringLiteral("Test.AtLoad")));
}

void tst_CmdsManager::refusesIncompleteRegistrations()
{
    CmdsManager* manager = CmdsManager::instance();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused.*Test.Cmd"));
    manager->registerCommand(QStringLiteral("Test.Cmd"), CmdsManager::Factory());
    QVERIFY(!manager->hasCommand(QStringLiteral("Test.Cmd")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused"));
    manager->registerCommand(QString(), [] { return new FirstCmd(); });
    QVERIFY(!manager->hasCommand(QString()));
}

QTEST_APPLESS_MAIN(tst_CmdsManager)
#include "tst_CmdsManager.moc"
