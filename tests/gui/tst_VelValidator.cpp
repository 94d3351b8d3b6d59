#include "VelGui/VelValidator.h"

#include <QtTest>

using namespace VelSystem;

class tst_VelValidator : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { VelLocale::setLengthUnit(VelLocale::Centimetre); }

    void validateNeverRefusesTyping_data();
    void validateNeverRefusesTyping();
    void fixupKeepsTheLongestNumber_data();
    void fixupKeepsTheLongestNumber();
    void rangeCheckAtTheLimits_data();
    void rangeCheckAtTheLimits();
    void emptyInputFollowsTheEmptyFlag();
    void anglesUseTheAngleFormat();
    void rangeTextFollowsTheLengthUnit();

private:
    static VelValidator* lengthValidator(QObject* parent)
    {
        auto* validator = new VelValidator(VelValidator::Length, -8.0, 8.0, parent);
        validator->setLocale(QLocale::c());
        return validator;
    }
};

void tst_VelValidator::validateNeverRefusesTyping_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");
    QTest::newRow("number") << "7.5" << int(QValidator::Acceptable);
    QTest::newRow("with unit") << " 7.5 cm " << int(QValidator::Acceptable);
    QTest::newRow("millimetres") << "75mm" << int(QValidator::Acceptable);
    // The range is for OK, not for each keystroke.
    QTest::newRow("out of range") << "1200" << int(QValidator::Acceptable);
    QTest::newRow("trailing junk") << "7.5x" << int(QValidator::Intermediate);
    QTest::newRow("sign only") << "-" << int(QValidator::Intermediate);
    QTest::newRow("letters") << "abc" << int(QValidator::Intermediate);
    QTest::newRow("empty") << "" << int(QValidator::Intermediate);
}

void tst_VelValidator::validateNeverRefusesTyping()
{
    QFETCH(QString, input);
    QFETCH(int, state);
    QObject owner;
    VelValidator* validator = lengthValidator(&owner);
    int pos = input.size();
    QCOMPARE(int(validator->validate(input, pos)), state);
}

void tst_VelValidator::fixupKeepsTheLongestNumber_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("junk at the end") << "12.5abc"
                                     << "12.50 cm";
    QTest::newRow("already fine") << "3"
                                  << "3.00 cm";
    QTest::newRow("nothing parses") << "abc"
                                    << "abc";
    QTest::newRow("empty stays") << ""
                                 << "";
}

void tst_VelValidator::fixupKeepsTheLongestNumber()
{
    QFETCH(QString, input);
    QFETCH(QString, fixed);
    QObject owner;
    VelValidator* validator = lengthValidator(&owner);
    validator->fixup(input);
    QCOMPARE(input, fixed);
}

void tst_VelValidator::rangeCheckAtTheLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("maximum") << "8" << true << true;
    QTest::newRow("minimum") << "-8" << true << true;
    QTest::newRow("within the slack") << "8.0000000000001" << true << true;
    QTest::newRow("just beyond") << "8.000001" << true << false;
    QTest::newRow("below") << "-8.01" << true << false;
    QTest::newRow("maximum in millimetres") << "80 mm" << true << true;
    QTest::newRow("beyond in millimetres") << "81mm" << true << false;
    QTest::newRow("junk") << "8x" << false << false;
}

void tst_VelValidator::rangeCheckAtTheLimits()
{
    QFETCH(QString, text);
    QFETCH(bool, parsed);
    QFETCH(bool, inRange);
    QObject owner;
    VelValidator* validator = lengthValidator(&owner);
    bool isParsed = !parsed;
    bool isInRange = !inRange;
    validator->rangeCheck(text, &isParsed, &isInRange);
    QCOMPARE(isParsed, parsed);
    QCOMPARE(isInRange, inRange);
}

void tst_VelValidator::emptyInputFollowsTheEmptyFlag()
{
    QObject owner;
    VelValidator* validator = lengthValidator(&owner);
    bool parsed = true;
    bool inRange = true;
    validator->rangeCheck(QStringLiteral("  "), &parsed, &inRange);
    QVERIFY(!parsed);
    QVERIFY(!inRange);

    validator->setEmptyAllowed(true);
    validator->rangeCheck(QString(), &parsed, &inRange);
    QVERIFY(parsed);
    QVERIFY(inRange);
    QString empty;
    int pos = 0;
    QCOMPARE(validator->validate(empty, pos), QValidator::Acceptable);
}

void tst_VelValidator::anglesUseTheAngleFormat()
{
    VelValidator validator(VelValidator::Angle, -360.0, 360.0);
    validator.setLocale(QLocale::c());
    QString input = QStringLiteral("45\u00B0");
    int pos = 0;
    QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
    QString typed = QStringLiteral("90.5q");
    validator.fixup(typed);
    QCOMPARE(typed, QStringLiteral("90.50\u00B0"));
    bool parsed = false;
    bool inRange = true;
    validator.rangeCheck(QStringLiteral("361"), &parsed, &inRange);
    QVERIFY(parsed);
    QVERIFY(!inRange);
    QCOMPARE(validator.rangeText(), QStringLiteral("-360.00\u00B0 to 360.00\u00B0"));
}

void tst_VelValidator::rangeTextFollowsTheLengthUnit()
{
    QObject owner;
    VelValidator* validator = lengthValidator(&owner);
    QCOMPARE(validator->rangeText(), QStringLiteral("-8.00 cm to 8.00 cm"));
    VelLocale::setLengthUnit(VelLocale::Millimetre);
    QCOMPARE(validator->rangeText(), QStringLiteral("-80.0 mm to 80.0 mm"));
    // A bare number is now read in millimetres.
    bool parsed = false;
    bool inRange = false;
    validator->rangeCheck(QStringLiteral("80"), &parsed, &inRange);
    QVERIFY(inRange);
    validator->rangeCheck(QStringLiteral("81"), &parsed, &inRange);
    QVERIFY(!inRange);
}

QTEST_MAIN(tst_VelValidator)
#include "tst_VelValidator.moc"
