// Each designed typeface is used by its own name where it is installed (Windows) and by
// its metric-compatible stand-in where it is missing (Debian). The log names the face each
// request resolved to, so a run under Wine shows what Wine offered.
#include "support/SuiteMain.h"
#include "window/Typefaces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QTest>
#include <QtEndian>

namespace {

// The family named in the file the glyphs are drawn from (its name table's family, id 1, as
// Windows records it), which may differ from the family the request matched: DirectWrite counts
// a narrow cut as a width of its regular family, so a carried narrow face can stand in for it.
QString drawnFamily(const QFont& font) {
    const QByteArray table = QRawFont::fromFont(font).fontTable("name");
    const auto field = [&table](qsizetype at) {
        return at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at) : 0;
    };
    const int count = field(2), strings = field(4);
    for (int record = 0; record < count; ++record) {
        const qsizetype at = 6 + 12 * record;
        if (field(at) != 3 || field(at + 6) != 1) // Windows platform, family name
            continue;
        const QByteArray name = table.mid(strings + field(at + 10), field(at + 8));
        QString family;
        for (qsizetype i = 0; i + 1 < name.size(); i += 2)
            family += QChar(qFromBigEndian<quint16>(name.constData() + i));
        return family;
    }
    return {};
}

} // namespace

class TypefacesTest : public QObject {
    Q_OBJECT

private slots:
    // Each request resolves to the designed face where the system offers it at any size (Wine
    // 10 offers its own Tahoma, Wine 8 none), else to the stand-in written here, and draws at
    // the asked size and weight (a bitmap face of a few sizes would not). Under Wine the stock
    // fonts have no face for the reels but the one the Windows build carries.
    void designedFaceOrItsStandIn_data() {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("expected");
        QTest::newRow("buttons") << "Times New Roman" << 29 << true << "Liberation Serif";
        QTest::newRow("amounts") << "MS Sans Serif" << 32 << false << "Liberation Sans";
        QTest::newRow("comment") << "MS Sans Serif" << 18 << false << "Liberation Sans";
        QTest::newRow("heading") << "Tahoma" << 29 << true << "Liberation Sans";
        QTest::newRow("reels") << "News Gothic MT" << 64 << true << "Liberation Sans Narrow";
    }

    void designedFaceOrItsStandIn() {
        QFETCH(QString, designed);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QString, expected);
        QFont font(quorvex::typefaceFor(designed));
        font.setPixelSize(pixels);
        font.setBold(bold);
        const QFontInfo resolved(font);
        qInfo().noquote() << designed << pixels << "px resolved to" << resolved.family()
                          << "drawn from" << drawnFamily(font);
        const bool designedOffered =
            QFontDatabase::families().contains(designed, Qt::CaseInsensitive) &&
            QFontDatabase::isScalable(designed);
        QCOMPARE(resolved.family(), designedOffered ? designed : expected);
        QCOMPARE(resolved.pixelSize(), pixels);
        QCOMPARE(resolved.bold(), bold);
        QCOMPARE(drawnFamily(font), resolved.family());
    }

    // The reels' digits take the room they were designed for wherever the game runs: in the
    // stand-in on either Debian release, and in the face the Windows build carries.
    void reelDigitsMeasure() {
        QFont font(quorvex::typefaceFor("News Gothic MT"));
        font.setPixelSize(64);
        font.setBold(true);
        const QFontMetrics metrics(font);
        const QRect ink = metrics.tightBoundingRect("0123456789");
        qInfo() << QFontInfo(font).family() << "digits" << metrics.horizontalAdvance('0')
                << "px wide," << ink.height() << "px high";
        for (char digit = '0'; digit <= '9'; ++digit)
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char(digit)), 29);
        QVERIFY2(qAbs(ink.height() - 47) <= 1, qPrintable(QString::number(ink.height())));
    }

    void facesWithoutStandInAskedByName() {
        for (const char* face : {"Liberation Serif", "DejaVu Sans", "Arial"})
            QCOMPARE(quorvex::typefaceFor(face), QString(face));
    }
};

QUORVEX_SUITE_MAIN(TypefacesTest, Window)
#include "tst_typefaces.moc"
