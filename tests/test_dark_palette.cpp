// With a dark desktop palette, the window and the picture box take their
// background from the palette's 3D face colour, and the boxes follow it too.

#include "main_window.h"
#include "recording_presenter.h"
#include "window_finder.h"

#include <QTimer>

#include <memory>

namespace {

const QColor face = QColor::fromRgb(0x2b2d3a);    // buttons and 3D faces
const QColor window = QColor::fromRgb(0x1e1f26);  // dialogs and windows
const QColor text = QColor::fromRgb(0xe8e8e8);

QPalette darkPalette()
{
    QPalette palette(text, face, face.lighter(150), face.darker(150), face.darker(120), text,
                     QColor::fromRgb(0xffffff), QColor::fromRgb(0x15161b), window);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowFollowsThePalette();
    void boxesFollowThePalette();

private:
    std::unique_ptr<ionvale::MainWindow> window_;
};

void DarkPaletteTest::initTestCase()
{
    QApplication::setPalette(darkPalette());
    window_ = showMainWindow();
    QVERIFY(window_);
}

void DarkPaletteTest::windowFollowsThePalette()
{
    form1()->resize(1000, 700);  // so that the client area shows beyond the picture
    QApplication::processEvents();
    const QImage grab = form1()->grab().toImage();
    QWidget* client = form1()->centralWidget();
    QWidget* picture = control(QStringLiteral("Picture1"));

    // The client area below and right of the picture, and the band of the
    // picture box right of the bitmap.
    for (QPoint p : {QPoint(950, 100), QPoint(100, 650), QPoint(950, 650)})
        QCOMPARE(QColor(grab.pixel(client->mapTo(form1(), p))), face);
    const QPoint band = picture->mapTo(form1(), picture->contentsRect().topLeft() + QPoint(800, 100));
    QCOMPARE(QColor(grab.pixel(band)), face);
    // The bitmap itself is unchanged: its white field stays white.
    const QPoint field = picture->mapTo(form1(), picture->contentsRect().topLeft() + QPoint(5, 5));
    QCOMPARE(QColor(grab.pixel(field)), QColor(Qt::white));
}

void DarkPaletteTest::boxesFollowThePalette()
{
    QColor background;
    QColor label;
    QTimer::singleShot(50, [&] {
        QMessageBox* box = openBoxes().value(0);
        if (!box)
            return;
        background = box->grab().toImage().pixelColor(3, 3);
        label = box->palette().color(QPalette::WindowText);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTimer::singleShot(1000, [] {
        for (QMessageBox* box : openBoxes())
            box->close();
    });
    form1()->findChild<QAction*>(QStringLiteral("more"))->trigger();
    QCOMPARE(background, window);
    QCOMPARE(label, text);
}

QTEST_MAIN(DarkPaletteTest)
#include "test_dark_palette.moc"
