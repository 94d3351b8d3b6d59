#include "VelCore/VelLocale.h"

#include <QtTest>

using VelSystem::VelLocale;

Q_DECLARE_METATYPE(VelLocale::LengthUnit)

class tst_VelLocale : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formatLength_data();
    void formatLength();
    void roundTrip_data();
    void roundTrip();
    void germanUsesTheComma();
    void unitSymbolConverts_data();
    void unitSymbolConverts();
    void badText_data();
    void badText();
    void angles();
};

void tst_VelLocale::init()
{
    VelLocale::setLengthUnit(VelLocale::Centimetre);
}

void tst_VelLocale::cleanup()
{
    VelLocale::setLengthUnit(VelLocale::Centimetre);
}

void tst_VelLocale::formatLength_data()
{
    QTest::addColumn<VelLocale::LengthUnit>("unit");
    QTest::addColumn<double>("centimetres");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("withUnit");
    QTest::newRow("cm") << VelLocale::Centimetre << 12.5 << "12.50"
                        << "12.50 cm";
    QTest::newRow("cm, rounded") << VelLocale::Centimetre << 3.14159 << "3.14"
                                 << "3.14 cm";
    QTest::newRow("cm, long, no group separator") << VelLocale::Centimetre << 12345.678 << "12345.68"
                                                  << "12345.68 cm";
    QTest::newRow("mm") << VelLocale::Millimetre << 12.5 << "125.0"
                        << "125.0 mm";
    QTest::newRow("inch") << VelLocale::Inch << 2.54 << "1.000"
                          << "1.000 in";
    QTest::newRow("negative") << VelLocale::Millimetre << -0.25 << "-2.5"
                              << "-2.5 mm";
    QTest::newRow("tiny negative is zero") << VelLocale::Centimetre << -0.001 << "0.00"
                                           << "0.00 cm";
}

void tst_VelLocale::formatLength()
{
    QFETCH(VelLocale::LengthUnit, unit);
    QFETCH(double, centimetres);
    QFETCH(QString, plain);
    QFETCH(QString, withUnit);
    VelLocale::setLengthUnit(unit);
    QCOMPARE(VelLocale::lengthUnit(), unit);
    QTest::ignoreMessage(QtWarningMsg, "VelLocale: unknown length unit 3 ignored");
    VelLocale::setLengthUnit(static_cast<VelLocale::LengthUnit>(3));
    QCOMPARE(VelLocale::lengthUnit(), unit);
    const VelLocale locale(QLocale::c());
    QCOMPARE(locale.formatLength(centimetres), plain);
    QCOMPARE(locale.formatLength(centimetres, VelLocale::WithUnit), withUnit);
}

void tst_VelLocale::roundTrip_data()
{
    QTest::addColumn<VelLocale::LengthUnit>("unit");
    QTest::addColumn<QLocale>("qlocale");
    QTest::addColumn<double>("resolution"); // half the last shown decimal, in cm
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("cm, English") << VelLocale::Centimetre << english << 0.005;
    QTest::newRow("mm, English") << VelLocale::Millimetre << english << 0.005;
    QTest::newRow("inch, English") << VelLocale::Inch << english << 0.0005 * 2.54;
    QTest::newRow("cm, German") << VelLocale::Centimetre << german << 0.005;
    QTest::newRow("mm, German") << VelLocale::Millimetre << german << 0.005;
    QTest::newRow("inch, German") << VelLocale::Inch << german << 0.0005 * 2.54;
}

void tst_VelLocale::roundTrip()
{
    QFETCH(VelLocale::LengthUnit, unit);
    QFETCH(QLocale, qlocale);
    QFETCH(double, resolution);
    VelLocale::setLengthUnit(unit);
    const VelLocale locale(qlocale);
    for (double cm : {0.0, 1.0, 2.54, 12.345, -7.77, 1234.5678, 0.01}) {
        for (int options : {int(VelLocale::Plain), int(VelLocale::WithUnit)}) {
            const QString text = locale.formatLength(cm, options);
            const VelLocale::Result r = locale.parseLength(text);
            QVERIFY2(r.ok && r.complete, qPrintable(text));
            QVERIFY2(qAbs(r.value - cm) <= resolution + 1e-12, qPrintable(text));
            // Formatting what was read gives the same text again.
            QCOMPARE(locale.formatLength(r.value, options), text);
        }
    }
}

void tst_VelLocale::germanUsesTheComma()
{
    const VelLocale german(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(german.formatLength(1.5), QStringLiteral("1,50"));
    QCOMPARE(german.formatLength(1234.5, VelLocale::WithUnit), QStringLiteral("1234,50 cm"));
    QCOMPARE(german.formatAngle(22.5), QStringLiteral("22,50"));

    VelLocale::Result r = german.parseLength(QStringLiteral("1,5"));
    QVERIFY(r.ok && r.complete);
    QCOMPARE(r.value, 1.5);
    // The dot is read as a decimal point, never as a thousands separator.
    r = german.parseLength(QStringLiteral("1.5"));
    QVERIFY(r.ok && r.complete);
    QCOMPARE(r.value, 1.5);
    r = german.parseLength(QStringLiteral("1.250"));
    QVERIFY(r.ok && r.complete);
    QCOMPARE(r.value, 1.25);
    // In English the comma is no decimal separator: only the 1 is read.
    const VelLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const QString& text : {QStringLiteral("1,5"), QStringLiteral("1,250")}) {
        r = english.parseLength(text);
        QVERIFY(r.ok && !r.complete);
        QCOMPARE(r.value, 1.0);
    }
}

void tst_VelLocale::unitSymbolConverts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("centimetres");
    // The user's unit is millimetres; a symbol overrides it.
    QTest::newRow("user's unit") << "25" << 2.5;
    QTest::newRow("mm") << "25 mm" << 2.5;
    QTest::newRow("cm") << "25 cm" << 25.0;
    QTest::newRow("cm without a space") << "25cm" << 25.0;
    QTest::newRow("in") << "2 in" << 5.08;
    QTest::newRow("upper case") << " 2 IN " << 5.08;
    QTest::newRow("negative") << "-1.5cm" << -1.5;
}

void tst_VelLocale::unitSymbolConverts()
{
    QFETCH(QString, text);
    QFETCH(double, centimetres);
    VelLocale::setLengthUnit(VelLocale::Millimetre);
    const VelLocale::Result r = VelLocale(QLocale::c()).parseLength(text);
    QVERIFY(r.ok && r.complete);
    QVERIFY(qAbs(r.value - centimetres) < 1e-12);
}

void tst_VelLocale::badText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("garbage") << "abc" << false << 0.0;
    QTest::newRow("a unit alone") << "cm" << false << 0.0;
    QTest::newRow("a sign alone") << "-" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("number then letters") << "12abc" << true << 12.0;
    QTest::newRow("number then an unknown unit") << "3.5 km" << true << 3.5;
    QTest::newRow("two numbers") << "4 5" << true << 4.0;
}

void tst_VelLocale::badText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const VelLocale::Result r = VelLocale(QLocale::c()).parseLength(text);
    QCOMPARE(r.ok, ok);
    QVERIFY(!r.complete);
    QCOMPARE(r.value, value);
}

void tst_VelLocale::angles()
{
    VelLocale::setLengthUnit(VelLocale::Inch); // lengths' unit does not touch angles
    const VelLocale locale(QLocale::c());
    QCOMPARE(locale.formatAngle(45), QStringLiteral("45.00"));
    QCOMPARE(locale.formatAngle(12.345, VelLocale::WithUnit), QStringLiteral("12.35\u00B0"));

    for (const QString& text :
         {QStringLiteral("30.5"), QStringLiteral("30.5\u00B0"), QStringLiteral(" 30.5 \u00B0 ")}) {
        const VelLocale::Result r = locale.parseAngle(text);
        QVERIFY2(r.ok && r.complete, qPrintable(text));
        QCOMPARE(r.value, 30.5);
    }
    VelLocale::Result r = locale.parseAngle(QStringLiteral("30 cm"));
    QVERIFY(r.ok && !r.complete);
    r = locale.parseAngle(QStringLiteral("\u00B0"));
    QVERIFY(!r.ok);
    r = locale.parseAngle(locale.formatAngle(-90.125, VelLocale::WithUnit));
    QVERIFY(r.ok && r.complete);
    QVERIFY(qAbs(r.value + 90.13) < 1e-9);
}

QTEST_APPLESS_MAIN(tst_VelLocale)
#include "tst_VelLocale.moc"
