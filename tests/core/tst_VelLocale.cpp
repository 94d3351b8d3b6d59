#include "VelCore/VelLocale.h"

#include "TestMain.h"
#include <QtTest>

using VelSystem::VelLocale;

Q_DECLARE_METATYPE(VelLocale::LengthUnit)

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class tst_VelLocale : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { VelLocale::setLengthUnit(VelLocale::Centimetre); }
    void formatLength_data()
    {
        QTest::addColumn<QLocale>("qlocale");
        QTest::addColumn<VelLocale::LengthUnit>("unit");
        QTest::addColumn<double>("centimetres");
        QTest::addColumn<QString>("withUnit");
        const QLocale c = QLocale::c();
        QTest::newRow("cm") << c << VelLocale::Centimetre << 12.5 << "12.50 cm";
        QTest::newRow("cm, rounded") << c << VelLocale::Centimetre << 3.14159 << "3.14 cm";
        QTest::newRow("cm, no group separator") << c << VelLocale::Centimetre << 12345.678 << "12345.68 cm";
        QTest::newRow("mm") << c << VelLocale::Millimetre << 12.5 << "125.0 mm";
        QTest::newRow("inch") << c << VelLocale::Inch << 2.54 << "1.000 in";
        QTest::newRow("negative") << c << VelLocale::Millimetre << -0.25 << "-2.5 mm";
        QTest::newRow("tiny negative is zero") << c << VelLocale::Centimetre << -0.001 << "0.00 cm";
        QTest::newRow("German comma") << kGerman << VelLocale::Centimetre << 1234.5 << "1234,50 cm";
    }

    void formatLength()
    {
        QFETCH(QLocale, qlocale);
        QFETCH(VelLocale::LengthUnit, unit);
        QFETCH(double, centimetres);
        QFETCH(QString, withUnit);
        VelLocale::setLengthUnit(unit);
        const VelLocale locale(qlocale);
        QCOMPARE(locale.formatLength(centimetres, VelLocale::WithUnit), withUnit);
        QCOMPARE(locale.formatLength(centimetres), withUnit.section(QLatin1Char(' '), 0, 0));
    }

    void unknownUnitIsIgnored()
    {
        VelLocale::setLengthUnit(VelLocale::Inch);
        QTest::ignoreMessage(QtWarningMsg, "VelLocale: unknown length unit 3 ignored");
        VelLocale::setLengthUnit(static_cast<VelLocale::LengthUnit>(3));
        QCOMPARE(VelLocale::lengthUnit(), VelLocale::Inch);
    }

    void roundTrip_data()
    {
        QTest::addColumn<VelLocale::LengthUnit>("unit");
        QTest::addColumn<QLocale>("qlocale");
        QTest::addColumn<double>("resolution"); // half the last shown decimal, in cm
        for (const QLocale& locale : {kEnglish, kGerman}) {
            const QByteArray name = locale.name().toLatin1();
            QTest::newRow("cm " + name) << VelLocale::Centimetre << locale << 0.005;
            QTest::newRow("mm " + name) << VelLocale::Millimetre << locale << 0.005;
            QTest::newRow("inch " + name) << VelLocale::Inch << locale << 0.0005 * 2.54;
        }
    }

    void roundTrip()
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

    void parseLength_data()
    {
        QTest::addColumn<QLocale>("qlocale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<double>("centimetres");
        const QLocale c = QLocale::c();
        // The user's unit is millimetres; a symbol overrides it.
        QTest::newRow("user's unit") << c << "25" << true << true << 2.5;
        QTest::newRow("mm") << c << "25 mm" << true << true << 2.5;
        QTest::newRow("cm") << c << "25 cm" << true << true << 25.0;
        QTest::newRow("cm without a space") << c << "25cm" << true << true << 25.0;
        QTest::newRow("in") << c << "2 in" << true << true << 5.08;
        QTest::newRow("upper case") << c << " 2 IN " << true << true << 5.08;
        QTest::newRow("negative") << c << "-1.5cm" << true << true << -1.5;
        QTest::newRow("German comma") << kGerman << "1,5 cm" << true << true << 1.5;
        // The dot is read as a decimal point, never as a thousands separator.
        QTest::newRow("German dot") << kGerman << "1.5 cm" << true << true << 1.5;
        QTest::newRow("German dot, three decimals") << kGerman << "1.250 cm" << true << true << 1.25;
        // In English the comma is no decimal separator: only the 1 is read.
        QTest::newRow("English comma") << kEnglish << "1,5" << true << false << 0.1;
        QTest::newRow("English comma, three decimals") << kEnglish << "1,250" << true << false << 0.1;
        QTest::newRow("number then letters") << c << "12abc" << true << false << 1.2;
        QTest::newRow("number then an unknown unit") << c << "3.5 km" << true << false << 0.35;
        QTest::newRow("two numbers") << c << "4 5" << true << false << 0.4;
        for (const char* bad : {"", "   ", "abc", "cm", "-", "inf", "nan"})
            QTest::newRow(qPrintable(QStringLiteral("bad '%1'").arg(QLatin1String(bad))))
                << c << bad << false << false << 0.0;
    }

    void parseLength()
    {
        QFETCH(QLocale, qlocale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(bool, complete);
        QFETCH(double, centimetres);
        VelLocale::setLengthUnit(VelLocale::Millimetre);
        const VelLocale::Result r = VelLocale(qlocale).parseLength(text);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.complete, complete);
        QVERIFY2(qAbs(r.value - centimetres) < 1e-12, qPrintable(QString::number(r.value)));
    }

    void angles()
    {
        VelLocale::setLengthUnit(VelLocale::Inch); // lengths' unit does not touch angles
        const VelLocale locale(QLocale::c());
        QCOMPARE(locale.formatAngle(45), QStringLiteral("45.00"));
        QCOMPARE(locale.formatAngle(12.345, VelLocale::WithUnit), QStringLiteral("12.35\u00B0"));
        QCOMPARE(VelLocale(kGerman).formatAngle(22.5), QStringLiteral("22,50"));

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
};

MARKER_TEST(tst_VelLocale)
#include "tst_VelLocale.moc"
