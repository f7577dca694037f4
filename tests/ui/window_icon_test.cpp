// The window's icon read ahead on a thread of its own is the icon of the
// program's resources: the same 84 × 84 pixels as read where it is needed.
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <future>

#include "app/window_icon.h"

class WindowIconTest : public QObject {
    Q_OBJECT

  private slots:
    void readAheadGivesTheResourcesIcon() {
        std::future<QImage> ahead = pilaro::readWindowIconAhead();
        const QImage icon = ahead.get();
        QVERIFY(!icon.isNull());
        // pilaro.png is drawn at 84 × 84.
        QCOMPARE(icon.size(), QSize(84, 84));
        QImageReader direct(QStringLiteral(":/pilaro.png"), "png");
        direct.setAutoDetectImageFormat(false);
        QCOMPARE(icon, direct.read());
    }

    // Asked for twice, from two threads at once, the icon is the same.
    void twoReadsAtOnceAgree() {
        std::future<QImage> first = pilaro::readWindowIconAhead();
        std::future<QImage> second = pilaro::readWindowIconAhead();
        const QImage a = first.get();
        const QImage b = second.get();
        QVERIFY(!a.isNull());
        QCOMPARE(a, b);
    }
};

QTEST_MAIN(WindowIconTest)
#include "window_icon_test.moc"
