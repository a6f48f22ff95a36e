#include "app/MenuDefs.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// Every message number and caption tag the program's code names must have its texts in all three
// languages of the delivered catalogues.
namespace {

struct Uses {
    QMap<int, QStringList> messages; // number -> where
    QMap<int, QStringList> captions; // read as caption text: FeldName needed
    QMap<int, QStringList> tags;     // component tags: caption or hint
};

void scan(const QString &text, const QString &where, Uses &uses)
{
    // read by number, shown by number (showMessage), or named once as a constant
    static const QRegularExpression message(QStringLiteral(
        R"(\b(?:(?:messageText|message)\s*\(\s*(\d+)\s*\)|showMessage\s*\(\s*(\d+)\s*,|)"
        R"(constexpr\s+int\s+Meldung\w*\s*=\s*(\d+)\s*;))"));
    static const QRegularExpression caption(
        QStringLiteral(R"(\b(?:captionText|captionTextFor|caption|captionFor)\s*\(\s*(\d+)\s*[,)])"));
    static const QRegularExpression tag(
        QStringLiteral(R"(setProperty\s*\(\s*(?:QStringLiteral\s*\(\s*)?"tag"\s*\)?\s*,\s*(\d+)\s*\))"));
    const auto collect = [&](const QRegularExpression &re, QMap<int, QStringList> &into) {
        for (auto it = re.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const int line = int(text.left(m.capturedStart()).count(QLatin1Char('\n'))) + 1;
            int nr = 0;
            for (int g = 1; g <= re.captureCount() && nr == 0; ++g)
                nr = m.captured(g).toInt();
            into[nr] << QStringLiteral("%1:%2").arg(where).arg(line);
        }
    };
    collect(message, uses.messages);
    collect(caption, uses.captions);
    collect(tag, uses.tags);
}

// number -> the text cells after it
QHash<int, QStringList> readCatalogue(const QString &path)
{
    QHash<int, QStringList> rows;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return rows;
    for (QString line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int nr = cells.value(0).toInt(&ok);
        if (ok)
            rows.insert(nr, cells.mid(1));
    }
    return rows;
}

} // namespace

class TstCatalogueUsage : public QObject
{
    Q_OBJECT
    Uses m_uses;
    QHash<int, QStringList> m_messages, m_captions;

  private Q_SLOTS:
    void initTestCase()
    {
        const QString root = QStringLiteral(TAV_DATA_DIR "/../src");
        QVERIFY(QFileInfo(root).isDir());
        QDirIterator it(root, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            scan(QString::fromUtf8(f.readAll()), QDir(root).relativeFilePath(path), m_uses);
        }
        // tags declared in tables rather than set one by one
        for (const tav::app::MenuItemDef &item : tav::app::menuItems()) {
            if (item.tag)
                m_uses.tags[item.tag] << QStringLiteral("menu %1").arg(item.name);
            if (item.toolTag)
                m_uses.tags[item.toolTag] << QStringLiteral("tool button %1").arg(item.toolButton);
        }
        m_messages = readCatalogue(QStringLiteral(TAV_DATA_DIR "/catalogue/messages.tsv"));
        m_captions = readCatalogue(QStringLiteral(TAV_DATA_DIR "/catalogue/captions.tsv"));
        QVERIFY(!m_messages.isEmpty());
        QVERIFY(!m_captions.isEmpty());
        QVERIFY(!m_uses.tags.isEmpty());
    }

    // The scanner itself: what it must find and what it must leave.
    void scanner_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("messages");
        QTest::addColumn<QList<int>>("captions");
        QTest::addColumn<QList<int>>("tags");
        QTest::newRow("message") << "box(messageText(25));" << QList<int>{25} << QList<int>{} << QList<int>{};
        QTest::newRow("member") << "sprache().message( 29 ) + sprache().caption(1485)" << QList<int>{29}
                                << QList<int>{1485} << QList<int>{};
        QTest::newRow("for language")
            << "captionTextFor(134, lang)" << QList<int>{} << QList<int>{134} << QList<int>{};
        QTest::newRow("tags") << "b->setProperty(\"tag\", 97); a->setProperty(QStringLiteral(\"tag\"), 1315);"
                              << QList<int>{} << QList<int>{} << QList<int>{97, 1315};
        QTest::newRow("not literal") << "messageText(nr); captionText(base + 1); e.message()" << QList<int>{}
                                     << QList<int>{} << QList<int>{};
        QTest::newRow("tag 0 found, not checked")
            << "w->setProperty(\"tag\", 0);" << QList<int>{} << QList<int>{} << QList<int>{0};
        QTest::newRow("other names") << "errorMessage(3); mycaption(4); setProperty(\"tags\", 5)"
                                     << QList<int>{} << QList<int>{} << QList<int>{};
    }
    void scanner()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, messages);
        QFETCH(QList<int>, captions);
        QFETCH(QList<int>, tags);
        Uses u;
        scan(code, "x", u);
        QCOMPARE(u.messages.keys(), messages);
        QCOMPARE(u.captions.keys(), captions);
        QCOMPARE(u.tags.keys(), tags);
    }

    void everyMessageInThreeLanguages()
    {
        QStringList bad;
        for (auto it = m_uses.messages.cbegin(); it != m_uses.messages.cend(); ++it) {
            const QStringList t = m_messages.value(it.key());
            if (t.size() < 3 || t[0].isEmpty() || t[1].isEmpty() || t[2].isEmpty())
                bad << QStringLiteral("message %1 (%2)").arg(it.key()).arg(it.value().join(", "));
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    void everyCaptionInThreeLanguages()
    {
        QStringList bad;
        for (auto it = m_uses.captions.cbegin(); it != m_uses.captions.cend(); ++it) {
            const QStringList t = m_captions.value(it.key());
            if (t.size() < 5 || t[0].isEmpty() || t[2].isEmpty() || t[4].isEmpty())
                bad << QStringLiteral("caption %1 (%2)").arg(it.key()).arg(it.value().join(", "));
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    // A tagged component shows FeldName, FeldHilfe or both: whatever German has, every language has.
    void everyTagInThreeLanguages()
    {
        QStringList bad;
        for (auto it = m_uses.tags.cbegin(); it != m_uses.tags.cend(); ++it) {
            if (it.key() == 0)
                continue; // tag 0: never translated
            const QStringList t = m_captions.value(it.key());
            const bool present = t.size() >= 6 && (!t[0].isEmpty() || !t[1].isEmpty());
            bool complete = present;
            for (int lang = 1; present && lang < 3; ++lang)
                complete = complete && (t[0].isEmpty() || !t[2 * lang].isEmpty()) &&
                           (t[1].isEmpty() || !t[2 * lang + 1].isEmpty());
            if (!complete)
                bad << QStringLiteral("tag %1 (%2)").arg(it.key()).arg(it.value().join(", "));
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    // The catalogues as delivered: no language left out where German has a text.
    void cataloguesAreComplete()
    {
        QStringList bad;
        for (auto it = m_messages.cbegin(); it != m_messages.cend(); ++it)
            if (it.value().size() != 3 || it.value().contains(QString()))
                bad << QStringLiteral("message %1").arg(it.key());
        for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it) {
            const QStringList &t = it.value();
            if (t.size() != 6) {
                bad << QStringLiteral("caption %1: %2 cells").arg(it.key()).arg(t.size());
                continue;
            }
            for (int lang = 1; lang < 3; ++lang)
                if ((!t[0].isEmpty() && t[2 * lang].isEmpty()) ||
                    (!t[1].isEmpty() && t[2 * lang + 1].isEmpty()))
                    bad << QStringLiteral("caption %1, language %2").arg(it.key()).arg(lang);
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    // Every text speaks its own language; each rule is a kind of leftover users have met.
    void textsSpeakTheirLanguage_data()
    {
        QTest::addColumn<int>("rule");
        QTest::newRow("German or Dutch with the English after a slash") << 0;
        QTest::newRow("English file words in German") << 1;
        QTest::newRow("German umlauts written out") << 2;
        QTest::newRow("German letters in English") << 3;
        QTest::newRow("Dutch left in German") << 4;
        QTest::newRow("words run together that are written apart") << 5;
    }
    void textsSpeakTheirLanguage()
    {
        QFETCH(int, rule);
        struct Text {
            QString where, de, en, nl;
        };
        QVector<Text> texts;
        for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it)
            for (int part = 0; part < 2; ++part) {
                const QStringList &c = it.value();
                texts.append({QStringLiteral("caption %1").arg(it.key()), c.value(part), c.value(2 + part),
                              c.value(4 + part)});
            }
        for (auto it = m_messages.cbegin(); it != m_messages.cend(); ++it)
            texts.append({QStringLiteral("message %1").arg(it.key()), it.value().value(0),
                          it.value().value(1), it.value().value(2)});
        const auto plain = [](const QString &s) { return QString(s).remove(QLatin1Char('&')).trimmed(); };
        // Dutch words that are German as well
        static const QStringList cognates = {
            "adressen", "alle",      "als html", "als pdf",  "analyse", "automatisch", "chipnummer",
            "datum",    "exterieur", "finale",   "firma",    "geb.",    "geboren",     "gencode",
            "gewicht",  "homepage",  "idnr.",    "info",     "ja",      "kalender",    "kater",
            "klassen",  "laden",     "land",     "langhaar", "links",   "nr.",         "rassen",
            "rechts",   "saldo",     "status",   "stb.",     "titel"};
        const auto cognate = [&](const QString &s) {
            QString w = plain(s).toLower();
            while (w.endsWith(QLatin1Char(':')) || w.endsWith(QLatin1Char(' ')))
                w.chop(1);
            return cognates.contains(w);
        };
        static const QRegularExpression fileWord(QStringLiteral("\\bFiles?\\b"));
        // ae, oe, ue after a consonant other than q, as in "Wuerfe"; "zuerst", "Koeffizient" and
        // the words on -uell are German as written
        static const QRegularExpression writtenOut(QStringLiteral("[bcdfghjklmnprstvwxyzß](ae|oe|ue)"),
                                                   QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression word(QStringLiteral("\\p{L}+"));
        static const QRegularExpression germanLetter(QStringLiteral("[äöüÄÖÜß]"));
        static const QRegularExpression lettersOnly(QStringLiteral("^[\\p{L} ]+$"));
        QStringList bad;
        for (const Text &t : std::as_const(texts)) {
            switch (rule) {
            case 0:
                for (const QString *cell : {&t.de, &t.nl})
                    for (const QString &part : cell->split(QLatin1Char('/')).mid(1))
                        if (!t.en.isEmpty() && plain(part) == plain(t.en) && plain(*cell) != plain(t.en))
                            bad << t.where + ": " + *cell;
                break;
            case 1:
                if (t.de.contains(fileWord))
                    bad << t.where + ": " + t.de;
                break;
            case 2:
                for (auto m = word.globalMatch(t.de); m.hasNext();) {
                    const QString w = m.next().captured();
                    const QString lower = w.toLower();
                    if (w.contains(writtenOut) && !lower.contains(QLatin1String("zuerst")) &&
                        !lower.contains(QLatin1String("koeffizient")) &&
                        !lower.contains(QLatin1String("uell")))
                        bad << t.where + ": " + w;
                }
                break;
            case 3:
                if (t.en.contains(germanLetter))
                    bad << t.where + ": " + t.en;
                break;
            case 4:
                if (!t.nl.isEmpty() && t.nl == t.de && t.de != t.en && !cognate(t.nl))
                    bad << t.where + ": " + t.nl;
                break;
            case 5: break;
            }
        }
        if (rule == 5) {
            for (int lang = 0; lang < 3; ++lang) {
                QHash<QString, QString> apart; // without blanks -> as written
                for (const Text &t : std::as_const(texts)) {
                    const QString s = plain(lang == 0 ? t.de : lang == 1 ? t.en : t.nl);
                    if (s.contains(QLatin1Char(' ')) && s.contains(lettersOnly))
                        apart.insert(QString(s).remove(QLatin1Char(' ')), s);
                }
                for (const Text &t : std::as_const(texts)) {
                    const QString s = plain(lang == 0 ? t.de : lang == 1 ? t.en : t.nl);
                    if (!s.contains(QLatin1Char(' ')) && s.contains(lettersOnly) && apart.contains(s))
                        bad << QStringLiteral("%1: %2 (elsewhere %3)").arg(t.where, s, apart.value(s));
                }
            }
        }
        bad.removeDuplicates();
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TstCatalogueUsage)
#include "tst_catalogueusage.moc"
