// The chemistry tables: the ion buttons' layout, tab order and texts, the
// notes on variable valency, and the help and information texts.

#include "author.h"
#include "info_texts.h"
#include "ion_table.h"
#include "valency_notes.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace ionvale;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const IonEntry* ionByCaption(const QString& caption)
{
    const auto& table = ionTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const IonEntry& ion) { return qs(ion.caption) == caption; });
    return found == table.end() ? nullptr : &*found;
}

int valencyOf(const IonEntry& ion)
{
    static const QRegularExpression valency(QStringLiteral("^Valency=[A-Za-z0-9]+\\^(\\d)\\+$"));
    const auto match = valency.match(QString::fromStdString(ion.texts.back()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString symbolOf(const IonEntry& ion)
{
    return QString::fromStdString(ion.texts[ion.texts.size() - 2]).section(QLatin1Char(':'), 1);
}

} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void ionLayout_data();
    void ionLayout();
    void ionsFitTheVisiblePicture();
    void tabPositions();
    void ionTextPatterns();
    void exactIonTexts_data();
    void exactIonTexts();

    void goldNote();
    void notesAgreeWithIonButtons();

    void infoTexts_data();
    void infoTexts();
};

// Rows from the layout rules: three columns; tops step by 480 from 360,
// except that column 3's first step is 600.
void ContentTest::ionLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    for (int n = 1; n <= 32; ++n) {
        int left, top, width;
        if (n <= 12) {
            left = 840, width = 1215, top = 360 + 480 * (n - 1);
        } else if (n <= 24) {
            left = 3840, width = 1335, top = 360 + 480 * (n - 13);
        } else {
            left = 6960, width = 1335, top = n == 25 ? 360 : 960 + 480 * (n - 26);
        }
        QTest::addRow("Command%d", n) << n - 1 << left << top << width;
    }
}

void ContentTest::ionLayout()
{
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QCOMPARE(ionTable().size(), std::size_t(32));
    const IonEntry& ion = ionTable()[static_cast<std::size_t>(index)];
    QCOMPARE(qs(ion.name), QStringLiteral("Command%1").arg(index + 1));
    QCOMPARE(ion.left, left);
    QCOMPARE(ion.top, top);
    QCOMPARE(ion.width, width);
    QCOMPARE(ion.height, 375);
}

void ContentTest::ionsFitTheVisiblePicture()
{
    // The window's client area at start is 10200 x 6900 twips, and the
    // picture's border takes 30 twips on each side.
    for (const IonEntry& ion : ionTable()) {
        QVERIFY2(ion.left + ion.width <= 10200 - 30, ion.name.data());
        QVERIFY2(ion.top + ion.height <= 6900 - 30, ion.name.data());
    }
}

void ContentTest::tabPositions()
{
    QSet<int> positions;
    for (const IonEntry& ion : ionTable())
        positions.insert(ion.tabPosition);
    QCOMPARE(positions.size(), 32);
    QCOMPARE(*std::min_element(positions.begin(), positions.end()), 1);
    QCOMPARE(*std::max_element(positions.begin(), positions.end()), 32);

    // Tabbing from the picture: the first four buttons of column 1 from the
    // bottom up, then the rest from the top down.
    QStringList byTab(33);
    for (const IonEntry& ion : ionTable())
        byTab[ion.tabPosition] = qs(ion.caption);
    QCOMPARE(byTab.mid(1, 7), (QStringList{QStringLiteral("Hydrogen "), QStringLiteral("Lithium"),
                                         QStringLiteral("Sodium "), QStringLiteral("Potassium"),
                                         QStringLiteral("Ammonium"), QStringLiteral("Calcium"),
                                         QStringLiteral("Magnesium")}));
    QCOMPARE(byTab[32], QStringLiteral("Mangannic"));
}

void ContentTest::ionTextPatterns()
{
    const QRegularExpression symbol(QStringLiteral("^Chemical Name:[A-Za-z][A-Za-z0-9]{0,2}$"));
    for (const IonEntry& ion : ionTable()) {
        const bool variable = ion.tabPosition >= 15;
        QCOMPARE(ion.texts.size(), std::size_t(variable ? 3 : 2));
        if (variable)
            QCOMPARE(ion.texts[0], std::string("Special Property:It has variable Valency"));
        QVERIFY2(symbol.match(QString::fromStdString(ion.texts[ion.texts.size() - 2])).hasMatch(),
                 ion.name.data());
        QVERIFY2(valencyOf(ion) >= 1 && valencyOf(ion) <= 4, ion.name.data());
    }
}

void ContentTest::exactIonTexts_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("texts");
    const QString variable = QStringLiteral("Special Property:It has variable Valency");
    QTest::newRow("Potassium writes its valency with a small k")
        << QStringLiteral("Potassium") << QStringList{QStringLiteral("Chemical Name:K"), QStringLiteral("Valency=k^1+")};
    QTest::newRow("Cuprous writes cu twice")
        << QStringLiteral("Cuprous")
        << QStringList{variable, QStringLiteral("Chemical Name:cu"), QStringLiteral("Valency=cu^1+")};
    QTest::newRow("Cupric writes Cu, then cu")
        << QStringLiteral("Cupric")
        << QStringList{variable, QStringLiteral("Chemical Name:Cu"), QStringLiteral("Valency=cu^2+")};
    QTest::newRow("Sodium keeps its trailing space")
        << QStringLiteral("Sodium ") << QStringList{QStringLiteral("Chemical Name:Na"), QStringLiteral("Valency=Na^1+")};
    QTest::newRow("Hydrogen keeps its trailing space")
        << QStringLiteral("Hydrogen ") << QStringList{QStringLiteral("Chemical Name:H"), QStringLiteral("Valency=H^1+")};
    QTest::newRow("Mangannous with a double n")
        << QStringLiteral("Mangannous")
        << QStringList{variable, QStringLiteral("Chemical Name:Mn"), QStringLiteral("Valency=Mn^2+")};
    QTest::newRow("Ferric")
        << QStringLiteral("Ferric")
        << QStringList{variable, QStringLiteral("Chemical Name:Fe"), QStringLiteral("Valency=Fe^3+")};
}

void ContentTest::exactIonTexts()
{
    QFETCH(QString, caption);
    QFETCH(QStringList, texts);
    const IonEntry* ion = ionByCaption(caption);
    QVERIFY2(ion, qPrintable(caption));
    QStringList shown;
    for (const std::string& text : ion->texts)
        shown.append(QString::fromStdString(text));
    QCOMPARE(shown, texts);
}

void ContentTest::goldNote()
{
    const auto gold = std::find_if(valencyNotes.begin(), valencyNotes.end(),
                                   [](const ValencyNote& note) { return note.metal == "Gold"; });
    QVERIFY(gold != valencyNotes.end());
    QCOMPARE(noteTexts(*gold), (MessageSequence{"Variable Valency 1+", "Name of Gold Having this Valency:Aurous",
                                                "Variable Valency 3+", "Name of Gold Having this Valency:Auric"}));
}

// Each note's lower ion is a button; the button of the same element with the
// other valency is its higher ion. Their valencies must match the note's.
void ContentTest::notesAgreeWithIonButtons()
{
    for (const ValencyNote& note : valencyNotes) {
        const IonEntry* lower = ionByCaption(qs(note.lowerName));
        QVERIFY2(lower, note.lowerName.data());
        const IonEntry* higher = nullptr;
        for (const IonEntry& ion : ionTable()) {
            if (&ion != lower && symbolOf(ion).compare(symbolOf(*lower), Qt::CaseInsensitive) == 0) {
                QVERIFY2(!higher, note.metal.data());
                higher = &ion;
            }
        }
        QVERIFY2(higher, note.metal.data());
        QCOMPARE(valencyOf(*lower), note.lower);
        QCOMPARE(valencyOf(*higher), note.higher);
        // Manganese's note names its higher ion "Mangannicic"; the button reads "Mangannic".
        QVERIFY2(qs(note.higherName).startsWith(qs(higher->caption)), note.higherName.data());
    }
}

void ContentTest::infoTexts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("texts");
    const QString author = qs(ionvale::author);
    QTest::newRow("topics") << QStringLiteral("topics")
                            << QStringList{QStringLiteral("Click on the Chemicals to Know more About it."),
                                           QStringLiteral("Chemicals having Variable Valencies are given in the "
                                                          "note option,given next to the Help option at the top.")};
    QTest::newRow("about") << QStringLiteral("about")
                           << QStringList{QStringLiteral("Ionvale,1st edition.Created by ") + author};
    QTest::newRow("credits") << QStringLiteral("credits")
                             << QStringList{QStringLiteral("Created By ") + author,
                                            QStringLiteral("My E-Mail is ") + qs(ionvale::authorEmail)};
    QTest::newRow("more") << QStringLiteral("more")
                          << QStringList{QString(23, QLatin1Char(' '))
                                         + QStringLiteral("Wait for 'Ionvale,2nd editon'.It is comming with more information.")
                                         + QString(30, QLatin1Char(' '))};
}

void ContentTest::infoTexts()
{
    QFETCH(QString, item);
    QFETCH(QStringList, texts);
    const auto& all = ionvale::infoTexts();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const InfoText& info) { return qs(info.item) == item; });
    QVERIFY(found != all.end());
    QStringList shown;
    for (const std::string& text : found->texts)
        shown.append(QString::fromStdString(text));
    QCOMPARE(shown, texts);
}

QTEST_APPLESS_MAIN(ContentTest)
#include "test_content.moc"
