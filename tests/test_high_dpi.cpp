// At a device pixel ratio of 2 the layout keeps its logical pixels and the
// picture is drawn from its double-resolution rendering, not blown up.
// Run with QT_SCALE_FACTOR=2.

#include "main_window.h"
#include "recording_presenter.h"
#include "window_finder.h"

#include <QFile>

#include <memory>

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutInLogicalPixels();
    void pictureAtDoubleResolution();

private:
    RecordingPresenter presenter_;
    std::unique_ptr<ionvale::MainWindow> window_;
};

void HighDpiTest::initTestCase()
{
    window_ = showMainWindow(&presenter_);
    QVERIFY(window_);
    QCOMPARE(form1()->devicePixelRatio(), 2);
}

void HighDpiTest::layoutInLogicalPixels()
{
    QCOMPARE(form1()->centralWidget()->size(), QSize(680, 460));
    QWidget* picture = control(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 873, 497));
    QCOMPARE(button(27)->geometry().translated(-picture->contentsRect().topLeft()), QRect(464, 96, 89, 25));
}

void HighDpiTest::pictureAtDoubleResolution()
{
    const QImage sharp(QStringLiteral(":/ionvale/background@2x.bmp"));
    QCOMPARE(sharp.size(), QSize(1474, 988));
    QWidget* picture = control(QStringLiteral("Picture1"));
    const QImage grab = form1()->grab().toImage();
    QCOMPARE(grab.size(), form1()->size() * 2);
    const QPoint origin = picture->mapTo(form1(), picture->contentsRect().topLeft()) * 2;

    // A strip between the first two columns of buttons, down through the
    // blue square and the medal's rim: every device pixel is the sharp
    // drawing's own.
    int compared = 0;
    for (int y = 0; y < 2 * 455; y += 3) {
        for (int x = 2 * 140; x < 2 * 250; x += 3) {
            if (grab.pixel(origin + QPoint(x, y)) != sharp.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) of the picture differs").arg(x).arg(y)));
            ++compared;
        }
    }
    QVERIFY(compared > 10000);
}

QTEST_MAIN(HighDpiTest)
#include "test_high_dpi.moc"
