// The menu bar: its tree, every command's texts, and mouse clicks on the
// bar. The keys that reach each command are in the keyboard test.

#include "main_window.h"
#include "recording_presenter.h"
#include "window_finder.h"

#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace {

QAction* item(const QString& name)
{
    for (QAction* action : form1()->menuBar()->findChildren<QAction*>())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void closePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QApplication::processEvents();
}

// Lines "level name caption" for the menu's actions, depth first.
void describe(const QList<QAction*>& actions, int level, QStringList& lines)
{
    for (QAction* action : actions) {
        lines.append(QStringLiteral("%1 %2 [%3]").arg(level).arg(action->objectName(), action->text()));
        if (action->menu())
            describe(action->menu()->actions(), level + 1, lines);
    }
}


} // namespace

class MenuBarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tree();
    void leaves_data();
    void leaves();
    void creditsAndMoreRunOnAClick_data();
    void creditsAndMoreRunOnAClick();
    void submenusRunNothing();

private:
    RecordingPresenter presenter_;
    std::unique_ptr<ionvale::MainWindow> window_;
};

void MenuBarTest::initTestCase()
{
    window_ = showMainWindow(&presenter_);
    QVERIFY(window_);
}

void MenuBarTest::init()
{
    presenter_.shown.clear();
}

void MenuBarTest::cleanup()
{
    closePopups();
}

void MenuBarTest::tree()
{
    QStringList lines;
    describe(form1()->menuBar()->actions(), 0, lines);
    const QStringList expected{
        QStringLiteral("0 help [Help]"),
        QStringLiteral("1 topics [ Help about Topics]"),
        QStringLiteral("1 about [About this Program]"),
        QStringLiteral("0 note [Note]"),
        QStringLiteral("1 variable [Chemicals Having Variable Valency]"),
        QStringLiteral("2 cuprous [Copper]"),
        QStringLiteral("2 argentous [Silver]"),
        QStringLiteral("2 mercurous [Mercury]"),
        QStringLiteral("2 aurous [Gold]"),
        QStringLiteral("2 ferrous [Iron]"),
        QStringLiteral("2 plumbous [Lead]"),
        QStringLiteral("2 stannous [Tin]"),
        QStringLiteral("2 platinous [Platinum]"),
        QStringLiteral("2 mangannous [Manganese]"),
        QStringLiteral("0 credits [Credits]"),
        QStringLiteral("0 more [More]"),
    };
    QCOMPARE(lines, expected);

    for (QAction* action : form1()->menuBar()->findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;  // the menus' own internal actions
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        QVERIFY2(!action->text().contains(QLatin1Char('&')), qPrintable(action->objectName()));
        QVERIFY(!action->isSeparator() && !action->isCheckable());
        QVERIFY(action->isEnabled() && action->isVisible());
    }
}

void MenuBarTest::leaves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");
    const auto note = [](const QString& metal, int lower, const QString& lowerName, int higher,
                         const QString& higherName) {
        const QString name = QStringLiteral("Name of %1 Having this Valency:").arg(metal);
        return QStringList{QStringLiteral("Variable Valency %1+").arg(lower), name + lowerName,
                           QStringLiteral("Variable Valency %1+").arg(higher), name + higherName};
    };
    // The help and information texts are checked word for word with the
    // content; here, that each item shows its own.
    QTest::newRow("topics") << QStringLiteral("topics") << infoSequence("topics");
    QTest::newRow("about") << QStringLiteral("about") << infoSequence("about");
    QTest::newRow("cuprous") << QStringLiteral("cuprous") << note(QStringLiteral("Copper"), 1, QStringLiteral("Cuprous"), 2, QStringLiteral("Cupric"));
    QTest::newRow("argentous") << QStringLiteral("argentous") << note(QStringLiteral("Silver"), 1, QStringLiteral("Argentous"), 2, QStringLiteral("Argentic"));
    QTest::newRow("mercurous") << QStringLiteral("mercurous") << note(QStringLiteral("Mercury"), 1, QStringLiteral("Mercurous"), 2, QStringLiteral("Mercuric"));
    QTest::newRow("aurous") << QStringLiteral("aurous") << note(QStringLiteral("Gold"), 1, QStringLiteral("Aurous"), 3, QStringLiteral("Auric"));
    QTest::newRow("ferrous") << QStringLiteral("ferrous") << note(QStringLiteral("Iron"), 2, QStringLiteral("Ferrous"), 3, QStringLiteral("Ferric"));
    QTest::newRow("plumbous") << QStringLiteral("plumbous") << note(QStringLiteral("Lead"), 2, QStringLiteral("Plumbous"), 4, QStringLiteral("Plumbic"));
    QTest::newRow("stannous") << QStringLiteral("stannous") << note(QStringLiteral("Tin"), 2, QStringLiteral("Stannous"), 4, QStringLiteral("Stannic"));
    QTest::newRow("platinous") << QStringLiteral("platinous") << note(QStringLiteral("Platinum"), 2, QStringLiteral("Platinous"), 4, QStringLiteral("Platinic"));
    QTest::newRow("mangannous, whose higher ion reads Mangannicic")
        << QStringLiteral("mangannous") << note(QStringLiteral("Manganese"), 2, QStringLiteral("Mangannous"), 4, QStringLiteral("Mangannicic"));
    QTest::newRow("credits") << QStringLiteral("credits") << infoSequence("credits");
    QTest::newRow("more") << QStringLiteral("more") << infoSequence("more");
}

void MenuBarTest::leaves()
{
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    QAction* leaf = item(name);
    QVERIFY(leaf);
    QVERIFY(!leaf->menu());
    leaf->trigger();
    QCOMPARE(presenter_.shown, texts);
}

void MenuBarTest::creditsAndMoreRunOnAClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("boxes");
    QTest::newRow("Credits") << QStringLiteral("credits") << 2;
    QTest::newRow("More") << QStringLiteral("more") << 1;
}

void MenuBarTest::creditsAndMoreRunOnAClick()
{
    QFETCH(QString, name);
    QFETCH(int, boxes);
    QMenuBar* bar = form1()->menuBar();
    clickAsUser(bar, bar->actionGeometry(item(name)).center());
    QCOMPARE(presenter_.shown.size(), boxes);
    QVERIFY(!QApplication::activePopupWidget());
}

void MenuBarTest::submenusRunNothing()
{
    QMenuBar* bar = form1()->menuBar();
    clickAsUser(bar, bar->actionGeometry(item(QStringLiteral("help"))).center());
    QTRY_VERIFY(item(QStringLiteral("help"))->menu()->isVisible());
    closePopups();

    clickAsUser(bar, bar->actionGeometry(item(QStringLiteral("note"))).center());
    QMenu* note = item(QStringLiteral("note"))->menu();
    QTRY_VERIFY(note->isVisible());
    QAction* variable = item(QStringLiteral("variable"));
    clickAsUser(note, note->actionGeometry(variable).center());
    QTRY_VERIFY(variable->menu()->isVisible());
    QCOMPARE(variable->menu()->actions().size(), 9);
    QVERIFY(presenter_.shown.isEmpty());
}

QTEST_MAIN(MenuBarTest)
#include "test_menu_bar.moc"
