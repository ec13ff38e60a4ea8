// What the desktop reads of the running game: its id, its title, its icon sizes, and message
// boxes wide enough for their title.
#include "support/GameFixture.h"
#include "support/SuiteMain.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void oneIdForClassAppIdAndMenuEntry() {
        Game game;
        QCOMPARE(QCoreApplication::applicationName(), QString("org.example.quorvex"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.example.quorvex"));
        // Qt would append a display name to every title the desktop shows.
        QVERIFY(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());
        QCOMPARE(game.window().windowTitle(), QString("Quorvex!"));
    }

    void windowIconOffersLargeSizes() {
        Game game;
        const QIcon icon = QGuiApplication::windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
            const QImage drawn = icon.pixmap(QSize(side, side)).toImage();
            QCOMPARE(drawn.size(), QSize(side, side));
            // The cyan title bar, under the frame's top edge; small sizes blend its edges.
            const QColor bar = drawn.pixelColor(side / 2, side * 9 / 32);
            QVERIFY2(bar.red() < 64 && bar.green() > 224 && bar.blue() > 224,
                     qPrintable(bar.name()));
        }
        // A size between two drawn ones is scaled down from the next larger drawing.
        QCOMPARE(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    }

    void messageBoxLeavesRoomForItsTitle() {
        Game game;
        QString title;
        int width = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        game.window().Bet.click();
        QTest::mouseClick(&game.window().Dollar[0], Qt::RightButton);
        QCOMPARE(title, QString("Quorvex 2.0"));
        // About 124 pixels before: window managers showed "Quorve..." in the title bar.
        QVERIFY2(width >= 240, qPrintable(QString::number(width)));
    }
};

QUORVEX_SUITE_MAIN(TestDesktop, Window)
#include "tst_desktop.moc"
