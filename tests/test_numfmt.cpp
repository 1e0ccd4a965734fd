// Str and Format against hand-checked strings.
#include "integer.h"
#include "numfmt.h"
#include "testkit.h"

#include <cmath>
#include <limits>

using testkit::q;

class TestNumfmt : public QObject {
    Q_OBJECT
  private slots:
    void strInteger_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0 << " 0";
        QTest::newRow("seven") << 7 << " 7";
        QTest::newRow("hundred") << 100 << " 100";
        QTest::newRow("negative") << -45 << "-45";
        QTest::newRow("max") << 32767 << " 32767";
        QTest::newRow("min") << -32768 << "-32768";
    }
    void strInteger() {
        QFETCH(int, value);
        QFETCH(QString, expected);
        QCOMPARE(q(rt::Str(value)), expected);
    }

    void strDouble_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("whole") << 100.0 << " 100";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("negative half") << -0.5 << "-.5";
        QTest::newRow("pi") << 3.14159265358979 << " 3.14159265358979";
        QTest::newRow("two pi") << 2 * 3.14159265358979 << " 6.28318530717958";
        QTest::newRow("trailing zeros dropped")
            << 7.0 * 7.0 * 3.14159265358979 << " 153.9380400259";
        QTest::newRow("circle area 10") << 100 * 3.14159265358979 << " 314.159265358979";
        QTest::newRow("circle per 6") << 3.14159265358979 * 12 << " 37.6991118430775";
        QTest::newRow("rounds 15th digit up") << 0.1234567890123456 << " .123456789012346";
        QTest::newRow("rounds 15th digit down") << 0.1234567890123454 << " .123456789012345";
        QTest::newRow("rounds up to whole") << 0.49999999999999953 << " .5";
        QTest::newRow("nines stay") << 4.999999999999991 << " 4.99999999999999";
        QTest::newRow("0.0001 fixed") << 0.0001 << " .0001";
        QTest::newRow("just below 0.0001") << 0.0000999999 << " 9.99999E-05";
        QTest::newRow("rounds into fixed") << std::nextafter(0.0001, 0.0) << " .0001";
        QTest::newRow("segment 0.01°") << 0.01 / 180 << " 5.55555555555556E-05";
        QTest::newRow("small") << 0.000166666666666667 << " .000166666666666667";
        QTest::newRow("negative exponent") << -1.5e-7 << "-1.5E-07";
        QTest::newRow("below 1E15") << 999999999999999.0 << " 999999999999999";
        QTest::newRow("1E15") << 1e15 << " 1E+15";
        QTest::newRow("rounds up to 1E15") << 999999999999999.9 << " 1E+15";
        QTest::newRow("large mantissa") << 1.25e20 << " 1.25E+20";
        QTest::newRow("three-digit exponent") << 1e-100 << " 1E-100";
        QTest::newRow("tan near right angle") << 619437081704021.0 << " 619437081704021";
        QTest::newRow("parallelogram h") << 0.0523572193118505 << " .0523572193118505";
    }
    void strDouble() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(q(rt::Str(value)), expected);
    }

    void strNonFiniteIsAnError() {
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError,
                                 rt::Str(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError,
                                 rt::Str(std::numeric_limits<double>::infinity()));
    }

    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("length 0.01") << 0.01 << "000.00"
                                     << "."
                                     << "000.01";
        QTest::newRow("length 100") << 100.0 << "000.00"
                                    << "."
                                    << "100.00";
        QTest::newRow("length 7.77") << 7.77 << "000.00"
                                     << "."
                                     << "007.77";
        QTest::newRow("zero") << 0.0 << "000.00"
                              << "."
                              << "000.00";
        QTest::newRow("greek comma") << 0.01 << "000.00"
                                     << ","
                                     << "000,01";
        QTest::newRow("binary just below half") << 1.005 << "000.00"
                                                << "."
                                                << "001.00";
        QTest::newRow("rounds") << 2.3456 << "000.00"
                                << "."
                                << "002.35";
        QTest::newRow("wider than pattern") << 12345.5 << "000.00"
                                            << "."
                                            << "12345.50";
        QTest::newRow("degrees") << 45.0 << "000"
                                 << "."
                                 << "045";
        QTest::newRow("rounds to whole") << 44.6 << "000"
                                         << "."
                                         << "045";
        QTest::newRow("minutes") << 7.0 << "00"
                                 << "."
                                 << "07";
        QTest::newRow("zero two digits") << 0.0 << "00"
                                         << "."
                                         << "00";
        QTest::newRow("point zero") << 0.0 << ".0"
                                    << "."
                                    << ".0";
        QTest::newRow("point zero greek") << 0.0 << ".0"
                                          << ","
                                          << ",0";
        QTest::newRow("point pattern fraction") << 0.26 << ".0"
                                                << "."
                                                << ".3";
        QTest::newRow("point pattern whole") << 12.34 << ".0"
                                             << "."
                                             << "12.3";
        QTest::newRow("negative") << -3.7 << "00"
                                  << "."
                                  << "-04";
        QTest::newRow("negative rounds to zero") << -0.001 << "000.00"
                                                 << "."
                                                 << "000.00";
    }
    void format() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(q(rt::Format(value, pattern.toStdString(), separator.toStdString())), expected);
    }

    void formatText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Str of whole") << " 45"
                                      << "000"
                                      << "045";
        QTest::newRow("Str of zero") << " 0"
                                     << ".0"
                                     << ".0";
        QTest::newRow("Str of two digits") << " 12"
                                           << "00"
                                           << "12";
        QTest::newRow("Str without zero") << " .75"
                                          << "00"
                                          << "01";
        QTest::newRow("Str exponent") << " 2.8E-14"
                                      << ".0"
                                      << ".0";
        QTest::newRow("negative") << "-12"
                                  << "000"
                                  << "-012";
    }
    void formatText() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(q(rt::Format(text.toStdString(), pattern.toStdString(), ".")), expected);
    }

    void formatTextThatIsNoNumber() {
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, rt::Format(std::string_view("φ"), "00", "."));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, rt::Format(std::string_view(" "), "00", "."));
    }

    // Every Str of a double parses back to the value to 15 significant digits.
    void strParsesBack() {
        std::uint64_t seed = 12345;
        for (int i = 0; i < 200000; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            const double mantissa = static_cast<double>(seed >> 11) / 9007199254740992.0;
            const int exponent = static_cast<int>((seed >> 3) % 40) - 20;
            const double value = (i % 2 ? -1 : 1) * mantissa * std::pow(10.0, exponent);
            const std::string s = rt::Str(value);
            const double back = std::stod(s);
            if (value != 0)
                QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 5.1e-15, s.c_str());
            QVERIFY(s[0] == ' ' || s[0] == '-');
            QVERIFY(s.size() > 1 && s[1] != '0');
        }
    }

    void integerOverflow() {
        QCOMPARE(rt::add16(32000, 767), 32767);
        QCOMPARE(rt::mul16(120, 273), 32760);
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, rt::mul16(120, 274));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, rt::add16(1200, rt::mul16(300, 106)));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, rt::sub16(-32768, 1));
        try {
            rt::mul16(300, 200);
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), rt::RuntimeError::Overflow);
        }
    }
};

TESTKIT_MAIN(TestNumfmt)
#include "test_numfmt.moc"
