// The real message boxes: how they look, every way of dismissing one leads on
// to the next, and the window takes no input while one is open.

#include "main_window.h"
#include "window_finder.h"

#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Answers each message box as it opens: notes its text, lets the test look
// at it, then dismisses it.
class BoxAnswerer : public QObject {
public:
    using Answer = std::function<void(QMessageBox*)>;

    explicit BoxAnswerer(Answer answer) : answer_(std::move(answer))
    {
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::look);
        timer_.start(5);
    }

    QStringList texts;
    int mostOpenAtOnce = 0;

private:
    void look()
    {
        const QList<QMessageBox*> boxes = openBoxes();
        mostOpenAtOnce = std::max(mostOpenAtOnce, int(boxes.size()));
        if (boxes.isEmpty() || boxes.first() == last_)
            return;
        last_ = boxes.first();
        texts.append(last_->text());
        answer_(last_);
    }

    Answer answer_;
    QTimer timer_;
    QPointer<QMessageBox> last_;  // boxes come and go at the same address
};

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void boxLooks_data();
    void boxLooks();
    void everyDismissalLeadsOn_data();
    void everyDismissalLeadsOn();
    void windowIsBlockedWhileABoxIsOpen();

private:
    std::unique_ptr<ionvale::MainWindow> window_;
};

void MessageBoxTest::initTestCase()
{
    window_ = showMainWindow();
    QVERIFY(window_);
}

void MessageBoxTest::boxLooks_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("firstText");
    QTest::newRow("Potassium") << 1 << QStringLiteral("Chemical Name:K");
    QTest::newRow("Ferric") << 27 << QStringLiteral("Special Property:It has variable Valency");
}

void MessageBoxTest::boxLooks()
{
    QFETCH(int, number);
    QFETCH(QString, firstText);
    struct Look {
        QString title;
        QString text;
        Qt::TextFormat format;
        QMessageBox::Icon icon;
        QList<QMessageBox::StandardButton> buttons;
        bool okIsDefault;
        Qt::WindowModality modality;
        QWidget* owner;
    };
    QList<Look> looks;
    BoxAnswerer answerer([&](QMessageBox* box) {
        Look look{box->windowTitle(), box->text(), box->textFormat(), box->icon(), {},
                  box->defaultButton() == box->buttons().value(0), box->windowModality(), box->parentWidget()};
        for (QAbstractButton* b : box->buttons())
            look.buttons.append(box->standardButton(b));
        looks.append(look);
        box->buttons().first()->click();
    });
    QTest::mouseClick(button(number), Qt::LeftButton);
    QVERIFY(!looks.isEmpty());
    QCOMPARE(looks.first().text, firstText);
    for (const Look& look : std::as_const(looks)) {
        QCOMPARE(look.title, QStringLiteral("IONVAL~1"));
        QCOMPARE(look.format, Qt::PlainText);
        QCOMPARE(look.icon, QMessageBox::NoIcon);
        QCOMPARE(look.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(look.okIsDefault);
        QCOMPARE(look.modality, Qt::ApplicationModal);
        QCOMPARE(look.owner, form1());
    }
    QCOMPARE(answerer.mostOpenAtOnce, 1);
}

void MessageBoxTest::everyDismissalLeadsOn_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space on OK") << int(Qt::Key_Space);
    QTest::newRow("close control") << 0;
    QTest::newRow("OK clicked") << -1;
}

void MessageBoxTest::everyDismissalLeadsOn()
{
    QFETCH(int, key);
    BoxAnswerer answerer([key](QMessageBox* box) {
        if (key == 0)
            box->close();
        else if (key < 0)
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        else if (key == Qt::Key_Space)
            QTest::keyClick(box->buttons().first(), Qt::Key_Space);
        else
            QTest::keyClick(box, Qt::Key(key));
    });
    QTest::mouseClick(button(27), Qt::LeftButton);  // Ferric: three boxes
    QCOMPARE(answerer.texts, (QStringList{QStringLiteral("Special Property:It has variable Valency"),
                                          QStringLiteral("Chemical Name:Fe"), QStringLiteral("Valency=Fe^3+")}));
    QCOMPARE(answerer.mostOpenAtOnce, 1);
}

void MessageBoxTest::windowIsBlockedWhileABoxIsOpen()
{
    int boxes = 0;
    BoxAnswerer answerer([&](QMessageBox* box) {
        if (++boxes == 1) {
            // Potassium, Hydrogen and the menu bar, clicked while Ferric's
            // first box is open; and F10 pressed on the main window.
            clickAsUser(button(1));
            clickAsUser(button(4));
            QMenuBar* bar = form1()->menuBar();
            for (QAction* action : bar->actions())
                clickAsUser(bar, bar->actionGeometry(action).center());
            QTest::keyClick(form1()->windowHandle(), Qt::Key_F10);
            QTest::qWait(50);
            QVERIFY(!QApplication::activePopupWidget());
            QCOMPARE(openBoxes().size(), 1);
            QCOMPARE(openBoxes().first(), box);
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(button(27), Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(answerer.texts.size(), 3);
    QCOMPARE(answerer.texts.last(), QStringLiteral("Valency=Fe^3+"));
    QVERIFY(openBoxes().isEmpty());
}

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
