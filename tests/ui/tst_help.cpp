#include "UiFixture.h"
#include "app/DataHome.h"
#include "app/HelpPages.h"
#include "app/MenuDefs.h"
#include "app/ProgramHome.h"
#include "widgets/Help.h"

#include <QDialog>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using namespace fixture;

namespace {

// Context numbers the code names: the first literal argument of the help calls, and constants
// named after help contexts. 0 stands for "none".
void scanContexts(const QString &text, const QString &where, QMap<int, QStringList> &into)
{
    static const QRegularExpression call(
        QStringLiteral(R"(\b(?:setHelpContext|showHelp|hilfeKnopf|leereSeite)\s*\(\s*(\d+))"));
    static const QRegularExpression constant(
        QStringLiteral(R"(\b\w*(?:HilfeKontext|HelpContext)\w*\s*=\s*(\d+))"));
    for (const QRegularExpression *re : {&call, &constant}) {
        for (auto it = re->globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            if (const int n = m.captured(1).toInt())
                into[n] << QStringLiteral("%1:%2").arg(where).arg(text.left(m.capturedStart()).count('\n') +
                                                                  1);
        }
    }
}

QString helpSource()
{
    return QStringLiteral(TAV_DATA_DIR "/help");
}

QStringList localLinks(const QString &page)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    QFile f(page);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    const QString text = QString::fromUtf8(f.readAll());
    for (auto it = href.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        if (!target.contains(QLatin1Char(':')))
            out << target;
    }
    return out;
}

class Fenster : public ChildWindow
{
  public:
    explicit Fenster(int context) : ChildWindow(QStringLiteral("hilfetest"))
    {
        setHelpContext(context);
        finishCreate();
    }
};

} // namespace

class TstHelp : public QObject
{
    Q_OBJECT
    std::unique_ptr<TempData> m_data;

    QString page(const QString &folder, int context) const
    {
        return QStringLiteral("%1/Help/%2/%3.html").arg(m_data->home.path(), folder).arg(context);
    }
    static QString shownPage() { return THilfeFenster::current()->Browser->source().toLocalFile(); }

  private Q_SLOTS:
    void initTestCase() { Scripted::enable(true); }
    void init()
    {
        Scripted::reset();
        m_data = std::make_unique<TempData>();
        tav::app::setProgramHome(m_data->home.path());
        QVERIFY(tav::app::installHelpPages(m_data->home.path(), QStringLiteral(TAV_DATA_DIR)).isEmpty());
    }
    void cleanup()
    {
        delete THilfeFenster::current();
        tav::app::setProgramHome(QString());
        m_data.reset();
    }

    void everyContextOfTheCodeHasItsPages()
    {
        QMap<int, QStringList> probe;
        scanContexts("setHelpContext(11); x->addWidget(hilfeKnopf(13, page)); leereSeite(12);\n"
                     "constexpr int HilfeKontext = 1; int m_helpContext = 0; showHelp(a ? b : 10)",
                     "probe", probe);
        QCOMPARE(probe.keys(), (QList<int>{1, 11, 12, 13}));

        QMap<int, QStringList> used;
        const QString root = QStringLiteral(TAV_DATA_DIR "/../src");
        QDirIterator it(root, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            scanContexts(QString::fromUtf8(f.readAll()), QDir(root).relativeFilePath(path), used);
        }
        for (const tav::app::MenuItemDef &item : tav::app::menuItems())
            if (item.helpContext && QLatin1String(item.command) == QLatin1String("hilfe"))
                used[item.helpContext] << QStringLiteral("menu %1").arg(item.name);
        QVERIFY(used.contains(11) && used.contains(THilfeFenster::InhaltKontext));
        QStringList bad;
        for (auto u = used.cbegin(); u != used.cend(); ++u)
            for (const char *lang : {"de", "en", "nl"})
                if (!QFileInfo::exists(QStringLiteral("%1/%2/%3.html").arg(helpSource(), lang).arg(u.key())))
                    bad << QStringLiteral("%1/%2.html (%3)").arg(lang).arg(u.key()).arg(u.value().join(", "));
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    // The three languages have the same pages, every link leads to a page, and the contents reach all.
    void pagesLinkToPagesOnly()
    {
        const QStringList de = QDir(helpSource() + "/de").entryList({"*.html"}, QDir::Files, QDir::Name);
        QCOMPARE(QDir(helpSource() + "/en").entryList({"*.html"}, QDir::Files, QDir::Name), de);
        QCOMPARE(QDir(helpSource() + "/nl").entryList({"*.html"}, QDir::Files, QDir::Name), de);
        QVERIFY(de.contains("1001.html"));
        QStringList bad;
        for (const char *lang : {"de", "en", "nl"}) {
            const QDir dir(helpSource() + '/' + lang);
            for (const QString &p : de)
                for (const QString &target : localLinks(dir.filePath(p)))
                    if (!QFileInfo(dir.filePath(target)).isFile())
                        bad << QStringLiteral("%1/%2 -> %3").arg(lang, p, target);
            QStringList unreached = de;
            unreached.removeAll("1001.html");
            for (const QString &target : localLinks(dir.filePath("1001.html")))
                unreached.removeAll(target);
            for (const QString &p : unreached)
                bad << QStringLiteral("%1/1001.html misses %2").arg(lang, p);
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join('\n')));
    }

    void viewerShowsThePageOfTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("back");
        QTest::newRow("German") << 0 << "de"
                                << "Tavrenno – Hilfe"
                                << "&Zurückblättern";
        QTest::newRow("English") << 1 << "en"
                                 << "Tavrenno – Help"
                                 << "&Back";
        QTest::newRow("Dutch") << 2 << "nl"
                               << "Tavrenno – Help"
                               << "&Terug";
    }
    void viewerShowsThePageOfTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, folder);
        QFETCH(QString, title);
        QFETCH(QString, back);
        tav::app::sprache().setLanguageNumber(language);
        Fenster w(11);
        QVERIFY(w.showHelp());
        THilfeFenster *v = THilfeFenster::current();
        QVERIFY(v);
        QVERIFY(QTest::qWaitForWindowExposed(v));
        QCOMPARE(shownPage(), page(folder, 11));
        QCOMPARE(v->windowTitle(), title);
        QCOMPARE(v->BZurueck->text(), back);
        QVERIFY(!v->Browser->toPlainText().trimmed().isEmpty());
        QVERIFY(!v->BZurueck->isEnabled());
        QVERIFY(v->grab().save(QStringLiteral("/tmp/tav_help_%1.png").arg(language)));

        // a link of the page, back, forward and the contents
        Q_EMIT v->Browser->anchorClicked(QUrl(QStringLiteral("9244.html")));
        QCOMPARE(shownPage(), page(folder, 9244));
        QVERIFY(v->BZurueck->isEnabled());
        QTest::mouseClick(v->BZurueck, Qt::LeftButton);
        QCOMPARE(shownPage(), page(folder, 11));
        QVERIFY(v->BVor->isEnabled());
        QTest::mouseClick(v->BVor, Qt::LeftButton);
        QCOMPARE(shownPage(), page(folder, 9244));
        QTest::mouseClick(v->BInhalt, Qt::LeftButton);
        QCOMPARE(shownPage(), page(folder, THilfeFenster::InhaltKontext));
        QCOMPARE(Scripted::shown().size(), 0);
        tav::app::sprache().setLanguageNumber(0);
    }

    // A Dutch page that is missing in the home is read in English; German and English have no stand-in.
    void missingDutchPageFallsBackToEnglish()
    {
        QVERIFY(QFile::remove(page("nl", 12)));
        QCOMPARE(tav::app::helpPageFile(m_data->home.path(), 12, 2), page("en", 12));
        QCOMPARE(tav::app::helpPageFile(m_data->home.path(), 11, 2), page("nl", 11));
        QVERIFY(QFile::remove(page("de", 12)));
        QCOMPARE(tav::app::helpPageFile(m_data->home.path(), 12, 0), page("de", 12));
        tav::app::sprache().setLanguageNumber(2);
        QVERIFY(showHelp(12));
        QCOMPARE(shownPage(), page("en", 12));
        tav::app::sprache().setLanguageNumber(0);
    }

    void oneViewerFollowsTheAskerAndTheLanguage()
    {
        QVERIFY(showHelp(10));
        QPointer<THilfeFenster> v = THilfeFenster::current();
        QVERIFY(showHelp(1));
        QCOMPARE(THilfeFenster::current(), v.data());
        QCOMPARE(v->context(), 1);
        // asked from a running modal dialog, the viewer moves to it and stays usable there
        QDialog modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        QVERIFY(showHelp(9240, &modal));
        QCOMPARE(THilfeFenster::current(), v.data());
        QCOMPARE(v->parentWidget(), static_cast<QWidget *>(&modal));
        QVERIFY(v->isVisible());
        // switching the language switches the open page
        tav::widgets::translateWindow(v, 10000);
        QCOMPARE(shownPage(), page("en", 9240));
        QCOMPARE(v->windowTitle(), QString("Tavrenno – Help"));
        v->close();
        QTRY_VERIFY(v.isNull());
        QCOMPARE(THilfeFenster::current(), nullptr);
    }

    void missingPageIsReported()
    {
        QVERIFY(!showHelp(4711));
        QCOMPARE(THilfeFenster::current(), nullptr);
        QCOMPARE(Scripted::shown().last().text, tav::app::messageText(179) + "\r" + page("de", 4711));
        Fenster w(4712);
        QVERIFY(!w.showHelp());
        QVERIFY(Scripted::shown().last().text.endsWith(page("de", 4712)));
        // a link to a missing page leaves the page shown
        QVERIFY(showHelp(10));
        Q_EMIT THilfeFenster::current()->Browser->anchorClicked(QUrl(QStringLiteral("4713.html")));
        QCOMPARE(shownPage(), page("de", 10));
        QVERIFY(Scripted::shown().last().text.endsWith(page("de", 4713)));
        QCOMPARE(Scripted::shown().size(), 3);
    }

    // A page delivered later than the copy in the home replaces it; a page edited there stays.
    void deliveredPagesReplaceOlderCopies()
    {
        QTemporaryDir source;
        QDir().mkpath(source.path() + "/help/de");
        const auto write = [](const QString &path, const QByteArray &text, const QDateTime &when) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
            f.flush();
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        };
        const QDateTime now = QDateTime::currentDateTime();
        write(source.path() + "/help/de/1.html", "neu", now);
        write(source.path() + "/help/de/2.html", "neu", now.addDays(-2));
        write(page("de", 1), "alt", now.addDays(-1));
        write(page("de", 2), "eigene", now.addDays(-1));
        QVERIFY(tav::app::installHelpPages(m_data->home.path(), source.path()).isEmpty());
        const auto text = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QCOMPARE(text(page("de", 1)), QByteArray("neu"));
        QCOMPARE(text(page("de", 2)), QByteArray("eigene"));
        QVERIFY(QFileInfo::exists(page("en", 11))); // the earlier installation stays

        // a language folder that cannot be made: its pages are named, none is claimed copied
        QVERIFY(QDir().mkpath(source.path() + "/help/nl"));
        write(source.path() + "/help/nl/3.html", "nieuw", now);
        QTemporaryDir blocked;
        QFile file(blocked.path() + "/Help");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList failed = tav::app::installHelpPages(blocked.path(), source.path());
        QCOMPARE(failed.size(), 3);
        QVERIFY(failed.contains(blocked.path() + "/Help/nl/3.html"));
    }

    // The same for the catalogues: numbers added since the home was made arrive in three
    // languages, a number the home has keeps its text, and a second run adds nothing.
    void deliveredCataloguesCompleteAnOlderHome()
    {
        QTemporaryDir source;
        QVERIFY(QDir().mkpath(source.path() + "/catalogue"));
        QFile f(source.path() + "/catalogue/messages.tsv");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Nummer\tde\ten\tnl\n29\tanders\tother\tanders\n9991\tneu\tnew\tnieuw\n");
        f.close();
        const QString alt = tav::app::sprache().message(29);
        QVERIFY(!alt.isEmpty());
        QCOMPARE(tav::app::completeCatalogues(*m_data->db, source.path()), 1);
        QCOMPARE(tav::app::completeCatalogues(*m_data->db, source.path()), 0);
        tav::app::sprache().open(m_data->db.get());
        QCOMPARE(tav::app::sprache().message(29), alt);
        const QStringList texte{"neu", "new", "nieuw"};
        for (int lang = 0; lang < 3; ++lang) {
            tav::app::sprache().setLanguageNumber(lang);
            QCOMPARE(tav::app::sprache().message(9991), texte[lang]);
        }
        tav::app::sprache().setLanguageNumber(0);
    }
};

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
