// Every one of the 45 commands, reached by keys alone: Tab and Space for the
// ion buttons, F10 and the arrow keys for the menus.

#include "ion_table.h"
#include "main_window.h"
#include "recording_presenter.h"
#include "valency_notes.h"
#include "window_finder.h"

#include <QMenuBar>

#include <memory>

using Keys = QList<int>;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCommand_data();
    void everyCommand();

private:
    RecordingPresenter presenter_;
    std::unique_ptr<ionvale::MainWindow> window_;
};

void KeyboardTest::initTestCase()
{
    window_ = showMainWindow(&presenter_);
    QVERIFY(window_);
}

void KeyboardTest::everyCommand_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QStringList>("texts");
    const int f10 = Qt::Key_F10, down = Qt::Key_Down, right = Qt::Key_Right, left = Qt::Key_Left,
              enter = Qt::Key_Return;

    // From the picture, Tab moves through the buttons by their tab positions.
    for (const ionvale::IonEntry& ion : ionvale::ionTable()) {
        Keys keys(ion.tabPosition, Qt::Key_Tab);
        keys.append(Qt::Key_Space);
        QTest::addRow("%s", ion.caption.data()) << keys << toStringList(ion.texts);
    }
    QTest::newRow(" Help about Topics") << Keys{f10, down, enter} << infoSequence("topics");
    QTest::newRow("About this Program") << Keys{f10, down, down, enter} << infoSequence("about");
    int below = 0;
    for (const ionvale::ValencyNote& note : ionvale::valencyNotes) {
        // Note, then its one item opens the metals with the first one chosen.
        Keys keys{f10, right, down, right};
        keys.append(Keys(below++, down));
        keys.append(enter);
        QTest::addRow("%s", note.metal.data()) << keys << toStringList(ionvale::noteTexts(note));
    }
    QTest::newRow("Credits") << Keys{f10, right, right, enter} << infoSequence("credits");
    QTest::newRow("More") << Keys{f10, left, enter} << infoSequence("more");
}

void KeyboardTest::everyCommand()
{
    QFETCH(Keys, keys);
    QFETCH(QStringList, texts);
    presenter_.shown.clear();
    control(QStringLiteral("Picture1"))->setFocus();
    QWidget* start = QApplication::focusWidget();
    for (int key : keys) {
        QTest::qWait(10);  // a menu opens from the event loop
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                             : QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key(key));
    }
    QCOMPARE(presenter_.shown, texts);
    QVERIFY(!QApplication::activePopupWidget());
    if (keys.first() == Qt::Key_F10)
        QCOMPARE(QApplication::focusWidget(), start);  // the menu bar hands the focus back
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
