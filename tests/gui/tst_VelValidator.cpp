#include "VelGui/VelValidator.h"

#include "TestMain.h"
#include <QtTest>
#include <memory>

using namespace VelSystem;

namespace {

QString flags(bool parsed, bool inRange)
{
    return QStringLiteral("%1 %2").arg(parsed).arg(inRange);
}

// The flags rangeCheck sets, the same whatever they held before.
QString rangeCheck(const VelValidator& validator, const QString& text)
{
    bool parsed = false;
    bool inRange = false;
    validator.rangeCheck(text, &parsed, &inRange);
    bool parsedAgain = true;
    bool inRangeAgain = true;
    validator.rangeCheck(text, &parsedAgain, &inRangeAgain);
    if (parsed != parsedAgain || inRange != inRangeAgain)
        return QStringLiteral("flags left unset");
    return flags(parsed, inRange);
}

QValidator::State validate(const VelValidator& validator, QString text)
{
    int pos = text.size();
    return validator.validate(text, pos);
}

} // namespace

class tst_VelValidator : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        mLength = std::make_unique<VelValidator>(VelValidator::Length, -8.0, 8.0);
        mLength->setLocale(QLocale::c());
    }

    void cleanup() { VelLocale::setLengthUnit(VelLocale::Centimetre); }

    // Typing is never refused (the range is for OK); the range check at the limits.
    void validateAndRangeCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<bool>("inRange");
        const int acceptable = QValidator::Acceptable;
        const int intermediate = QValidator::Intermediate;
        QTest::newRow("with unit") << " 7.5 cm " << acceptable << true << true;
        QTest::newRow("millimetres") << "75mm" << acceptable << true << true;
        QTest::newRow("out of range") << "1200" << acceptable << true << false;
        QTest::newRow("maximum") << "8" << acceptable << true << true;
        QTest::newRow("minimum") << "-8" << acceptable << true << true;
        QTest::newRow("within the slack") << "8.0000000000001" << acceptable << true << true;
        QTest::newRow("just beyond") << "8.000001" << acceptable << true << false;
        QTest::newRow("maximum in millimetres") << "80 mm" << acceptable << true << true;
        QTest::newRow("beyond in millimetres") << "81mm" << acceptable << true << false;
        QTest::newRow("trailing junk") << "7.5x" << intermediate << false << false;
        QTest::newRow("sign only") << "-" << intermediate << false << false;
        QTest::newRow("blank") << "  " << intermediate << false << false;
    }

    void validateAndRangeCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, parsed);
        QFETCH(bool, inRange);
        QTEST(int(validate(*mLength, text)), "state");
        QCOMPARE(rangeCheck(*mLength, text), flags(parsed, inRange));
    }

    void fixupKeepsTheLongestNumber_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("junk at the end") << "12.5abc" << QStringLiteral("12.50 cm");
        QTest::newRow("already fine") << "3" << QStringLiteral("3.00 cm");
        QTest::newRow("nothing parses") << "abc" << QStringLiteral("abc");
        QTest::newRow("empty stays") << "" << QString();
    }

    void fixupKeepsTheLongestNumber()
    {
        QFETCH(QString, input);
        QFETCH(QString, fixed);
        mLength->fixup(input);
        QCOMPARE(input, fixed);
    }

    void emptyInputFollowsTheEmptyFlag()
    {
        mLength->setEmptyAllowed(true);
        QCOMPARE(rangeCheck(*mLength, QString()), flags(true, true));
        QCOMPARE(validate(*mLength, QString()), QValidator::Acceptable);
    }

    void anglesUseTheAngleFormat()
    {
        VelValidator validator(VelValidator::Angle, -360.0, 360.0);
        validator.setLocale(QLocale::c());
        QCOMPARE(validate(validator, QStringLiteral("45\u00B0")), QValidator::Acceptable);
        QString typed = QStringLiteral("90.5q");
        validator.fixup(typed);
        QCOMPARE(typed, QStringLiteral("90.50\u00B0"));
        QCOMPARE(rangeCheck(validator, QStringLiteral("361")), flags(true, false));
        QCOMPARE(validator.rangeText(), QStringLiteral("-360.00\u00B0 to 360.00\u00B0"));
    }

    void rangeTextFollowsTheLengthUnit()
    {
        QCOMPARE(mLength->rangeText(), QStringLiteral("-8.00 cm to 8.00 cm"));
        VelLocale::setLengthUnit(VelLocale::Millimetre);
        QCOMPARE(mLength->rangeText(), QStringLiteral("-80.0 mm to 80.0 mm"));
        // A bare number is now read in millimetres.
        QCOMPARE(rangeCheck(*mLength, QStringLiteral("80")), flags(true, true));
        QCOMPARE(rangeCheck(*mLength, QStringLiteral("81")), flags(true, false));
    }

private:
    std::unique_ptr<VelValidator> mLength;
};

MARKER_TEST(tst_VelValidator)
#include "tst_VelValidator.moc"
