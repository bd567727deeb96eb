// The main window as built: its size, the picture box, the 32 buttons, the
// tab order, and each button's sequence through a recording presenter.

#include "ion_table.h"
#include "main_window.h"
#include "recording_presenter.h"
#include "window_finder.h"

#include <QAccessible>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void captionAndClientArea();
    void pictureBox();
    void buttonPlaces_data();
    void buttonPlaces();
    void tabOrder();
    void activation_data();
    void activation();
    void resizeMovesNothing();
    void bitmapAtTopLeft();

private:
    RecordingPresenter presenter_;
    std::unique_ptr<ionvale::MainWindow> window_;
};

void MainWindowTest::initTestCase()
{
    window_ = showMainWindow(&presenter_);
    QVERIFY(window_);
}

void MainWindowTest::init()
{
    presenter_.shown.clear();
}

void MainWindowTest::captionAndClientArea()
{
    QCOMPARE(form1()->windowTitle(), QStringLiteral("Ionvale,1st Edition"));
    QCOMPARE(form1()->centralWidget()->size(), QSize(680, 460));
    QCOMPARE(form1()->centralWidget()->y(), form1()->menuBar()->height());
    // The window icon: the 16-colour icon as Qt's own reader decodes it
    // (the program decodes it itself), and the smooth large drawing.
    const QIcon icon = form1()->windowIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(128, 128)}));
    const QImage expected = QImage(QStringLiteral(":/ionvale/ionvale.ico")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32), expected);
}

void MainWindowTest::pictureBox()
{
    QWidget* picture = control(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QCOMPARE(picture->parentWidget(), form1()->centralWidget());
    QCOMPARE(picture->geometry(), QRect(0, 0, 873, 497));
    // A border on every side, the same width all round.
    const QRect inside = picture->contentsRect();
    QVERIFY(inside.left() > 0);
    QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name), QStringLiteral("Chemicals"));
    QCOMPARE(inside, picture->rect().adjusted(inside.left(), inside.left(), -inside.left(), -inside.left()));
}

// Pixel places, from the layout in twips at 15 to the pixel.
void MainWindowTest::buttonPlaces_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    const char* const captions[]{
        "Potassium", "Sodium ",  "Lithium",   "Hydrogen ", "Ammonium",  "Calcium",    "Magnesium", "Zinc",
        "Barium",    "Nickel",   "Cobalt",    "Uranium",   "Aluminium", "Chromium",   "Cuprous",   "Argentous",
        "Mercurous", "Aurous",   "Cupric",    "Argentic",  "Mercuric",  "Ferrous",    "Plumbous",  "Stannous",
        "Platinous", "Mangannous", "Ferric",  "Auric",     "Plumbic",   "Stannic",    "Platinic",  "Mangannic"};
    for (int n = 1; n <= 32; ++n) {
        QRect place;
        if (n <= 12)
            place = QRect(56, 24 + 32 * (n - 1), 81, 25);
        else if (n <= 24)
            place = QRect(256, 24 + 32 * (n - 13), 89, 25);
        else
            place = QRect(464, n == 25 ? 24 : 64 + 32 * (n - 26), 89, 25);
        QTest::addRow("Command%d", n) << n << QString::fromLatin1(captions[n - 1]) << place;
    }
}

void MainWindowTest::buttonPlaces()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QPushButton* b = button(number);
    QVERIFY(b);
    QWidget* picture = control(QStringLiteral("Picture1"));
    QCOMPARE(b->parentWidget(), picture);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->geometry().translated(-picture->contentsRect().topLeft()), place);
    QVERIFY(picture->contentsRect().contains(b->geometry()));
    QVERIFY(b->isVisible() && b->isEnabled());
    QVERIFY(!b->isDefault() && !b->autoDefault());

    // What a screen reader says: the caption, and what the button does.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(b);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), caption);
    QCOMPARE(accessible->text(QAccessible::Description),
             QStringLiteral("Shows the symbol and valency of the %1 ion").arg(caption.trimmed()));
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    // The caption fits on one line inside the button's frame.
    QStyleOptionButton option;
    option.initFrom(b);
    const QRect contents = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    QVERIFY2(b->fontMetrics().horizontalAdvance(caption.trimmed()) <= contents.width(), qPrintable(caption));
}

void MainWindowTest::tabOrder()
{
    QApplication::setActiveWindow(form1());
    QVERIFY(QTest::qWaitForWindowActive(form1()));
    control(QStringLiteral("Picture1"))->setFocus();

    QStringList forward;
    for (int n : {4, 3, 2, 1})
        forward.append(QStringLiteral("Command%1").arg(n));
    for (int n = 5; n <= 32; ++n)
        forward.append(QStringLiteral("Command%1").arg(n));
    forward.append(QStringLiteral("Picture1"));

    QStringList seen;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(seen, forward);

    QStringList backward(forward.rbegin() + 1, forward.rend());
    backward.append(QStringLiteral("Picture1"));
    seen.clear();
    for (int i = 0; i < backward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        seen.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(seen, backward);
}

void MainWindowTest::activation_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("bySpace");
    for (int n = 1; n <= 32; ++n) {
        QTest::addRow("Command%d clicked", n) << n << false;
        QTest::addRow("Command%d by Space", n) << n << true;
    }
}

void MainWindowTest::activation()
{
    QFETCH(int, number);
    QFETCH(bool, bySpace);
    QPushButton* b = button(number);
    if (bySpace) {
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
    } else {
        clickAsUser(b);
    }
    QCOMPARE(presenter_.shown, toStringList(ionvale::ionTable()[static_cast<std::size_t>(number - 1)].texts));
}

void MainWindowTest::resizeMovesNothing()
{
    QList<QRect> before;
    for (QWidget* child : form1()->centralWidget()->findChildren<QWidget*>())
        before.append(child->geometry());
    const QSize start = form1()->size();
    for (QSize size : {QSize(1000, 700), QSize(300, 200), QSize(1600, 1000)}) {
        form1()->resize(size);
        QApplication::processEvents();
        QList<QRect> after;
        for (QWidget* child : form1()->centralWidget()->findChildren<QWidget*>())
            after.append(child->geometry());
        QCOMPARE(after, before);
    }
    form1()->resize(start);
}

void MainWindowTest::bitmapAtTopLeft()
{
    const QImage bitmap(QStringLiteral(":/ionvale/background.bmp"));
    QCOMPARE(bitmap.size(), QSize(737, 494));
    QWidget* picture = control(QStringLiteral("Picture1"));
    const QImage grab = form1()->grab().toImage();
    const QPoint origin = picture->mapTo(form1(), picture->contentsRect().topLeft());
    // Places between the buttons: the white field, the blue square, the medal.
    for (QPoint p : {QPoint(0, 0), QPoint(20, 10), QPoint(140, 20), QPoint(200, 200), QPoint(400, 16),
                     QPoint(620, 300)}) {
        QCOMPARE(QColor(grab.pixel(origin + p)), QColor(bitmap.pixel(p)));
    }
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
