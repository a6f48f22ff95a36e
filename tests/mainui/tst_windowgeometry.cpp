#include "../common/GeometryCheck.h"
#include "../common/Mnemonics.h"
#include "../common/WindowRegistry.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "widgets/Fenstergroesse.h"
#include "widgets/Nav2.h"
#include "widgets/Translator.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace tav::app;
using namespace tav::widgets;

// Opens every registered window and dialog in German, English and Dutch and checks what a user
// would see: no control overlapping a sibling, outside its parent or squeezed below its minimum,
// and no text that is not the catalogue's (or Qt's own translated) text for the language.
namespace {

using geometry::checkGeometry;

const char *const languageNames[] = {"Deutsch", "Englisch", "Holländisch"};
const char *const languageCodes[] = {"de", "en", "nl"};

QString normalized(QString t)
{
    t = removeAccelerator(t).simplified();
    while (t.endsWith(QLatin1Char(':')) || t.endsWith(QLatin1Char('.')) || t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QSet<QString> catalogueTexts(const QString &file, const QList<int> &columns)
{
    QSet<QString> texts;
    QFile f(QStringLiteral(TAV_DATA_DIR "/catalogue/") + file);
    if (!f.open(QIODevice::ReadOnly))
        return texts;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QStringList cells = line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))
                                      ? QStringList()
                                      : line.split(QLatin1Char('\t'));
        for (int c : columns)
            if (c < cells.size())
                texts << normalized(cells[c].trimmed());
    }
    return texts;
}

// The visible texts of a window that are not data.
QStringList visibleTexts(QWidget *top)
{
    QStringList out;
    auto *frame = qobject_cast<QMdiSubWindow *>(top);
    if (!frame || !frame->widget() || !frame->widget()->property("dataTitle").toBool())
        out << top->windowTitle();
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top))
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            out << e->placeholderText();
            continue;
        }
        // data shown, not text of the program
        if (w->property("dataAware").toBool() || w->property("dataText").toBool())
            continue;
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) {
            if (!sub->widget() || !sub->widget()->property("dataTitle").toBool())
                out << sub->windowTitle();
        } else if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull()) {
            out << l->text();
            // a label with a mnemonic but no control to go to would show the "&" itself
            if (!l->buddy() && l->text().contains(QRegularExpression(QStringLiteral("&[^&]"))))
                out << QStringLiteral("literal & in ") + l->text();
        } else if (auto *b = qobject_cast<QAbstractButton *>(w))
            out << b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            out << g->title();
        else if (auto *bar = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                out << bar->tabText(i);
        } else if (auto *h = qobject_cast<QHeaderView *>(w);
                   h && h->orientation() == Qt::Horizontal && h->model()) {
            for (int c = 0; c < h->count(); ++c)
                if (!h->isSectionHidden(c))
                    out << h->model()->headerData(c, Qt::Horizontal).toString();
        } else if (auto *m = qobject_cast<QMenuBar *>(w)) {
            for (QAction *a : m->actions())
                out << a->text();
        }
    }
    return out;
}

} // namespace

class TstWindowGeometry : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    int m_language = -1;
    QSet<QString> m_texts[3];
    QDir m_grabs;

    void switchLanguage(int language)
    {
        if (language == m_language)
            return;
        tsysteminfo *s = tsysteminfo::instance();
        s->Sprache = QString::fromUtf8(languageNames[language]);
        s->SpracheGeaendert = true;
        s->setzen();
        m_language = language;
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString failed = f.start(QSize(1280, 800));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        connectTranslator(tsysteminfo::instance());
        for (int l = 0; l < 3; ++l) {
            m_texts[l] = catalogueTexts("captions.tsv", {1 + 2 * l, 2 + 2 * l}) +
                         catalogueTexts("messages.tsv", {1 + l});
        }
        m_grabs.setPath(QCoreApplication::applicationDirPath() + "/window-grabs");
        QVERIFY(m_grabs.mkpath("."));
    }

    void cleanupTestCase() { f.stop(); }

    // At start the cat record window fills the free client area; a smaller frame leaves it its
    // minimum and lets the area scroll to its bottom row; a larger one refits it.
    void fitting()
    {
        switchLanguage(0);
        QWidget *sub = openCatRecordWindow(f);
        QVERIFY(sub);
        QMdiArea *mdi = f.main->mdiArea();
        settle();
        QCOMPARE(sub->geometry(), QRect(QPoint(0, 0), mdi->viewport()->size()));
        f.main->resize(800, 560);
        settle();
        const QSize least = sub->minimumSizeHint();
        QVERIFY(sub->width() >= least.width() && sub->height() >= least.height());
        QVERIFY2(sub->height() <= mdi->viewport()->height() || mdi->verticalScrollBar()->maximum() > 0,
                 "the bottom row cannot be reached");
        f.main->resize(1280, 800);
        settle();
        QCOMPARE(sub->geometry(), QRect(QPoint(0, 0), mdi->viewport()->size()));
    }

    void window_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("entry");
        for (int l = 0; l < 3; ++l)
            for (int i = 0; i < registeredWindows().size(); ++i)
                QTest::addRow("%s %s", languageCodes[l], registeredWindows()[i].name) << l << i;
    }

    void window()
    {
        QFETCH(int, language);
        QFETCH(int, entry);
        switchLanguage(language);
        const RegisteredWindow &r = registeredWindows()[entry];
        QWidget *w = r.open(f);
        QVERIFY(w);
        settle();
        w->grab().save(m_grabs.filePath(QStringLiteral("%1-%2.png")
                                            .arg(QString::fromLatin1(r.name).replace(' ', '-'),
                                                 QString::fromLatin1(languageCodes[language]))));
        QStringList problems;
        checkGeometry(w, w, problems);
        // a window translated from the catalogue takes its title from there
        auto *frame = qobject_cast<QMdiSubWindow *>(w);
        if (QWidget *form = frame ? frame->widget() : w;
            form && form->property("tag").toInt() && w->windowTitle().trimmed().isEmpty())
            problems << QStringLiteral("the window has no title");
        // a window of the frame opens inside its free area
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w);
            sub && !QRect(QPoint(0, 0), sub->mdiArea()->viewport()->size()).contains(sub->geometry()))
            problems << QStringLiteral("the window (%1,%2 %3x%4) reaches beyond the free area (%5x%6)")
                            .arg(sub->x())
                            .arg(sub->y())
                            .arg(sub->width())
                            .arg(sub->height())
                            .arg(sub->mdiArea()->viewport()->width())
                            .arg(sub->mdiArea()->viewport()->height());
        // no Alt key that two controls shown at once claim
        QStringList doppelt = mnemonics::duplicates(w);
        QStringList texts = visibleTexts(w);
        // every page of every tab widget, as the user would turn them
        for (QTabWidget *tabs : w->findChildren<QTabWidget *>()) {
            if (!tabs->isVisibleTo(w))
                continue;
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                if (i == shown)
                    continue;
                tabs->setCurrentIndex(i);
                settle();
                texts << visibleTexts(w);
                checkGeometry(tabs->widget(i), w, problems);
                doppelt << mnemonics::duplicates(w);
            }
            tabs->setCurrentIndex(shown);
            settle();
        }
        QStringList foreign;
        // Qt's own texts come translated with the language
        QDialogButtonBox qtButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                   QDialogButtonBox::No | QDialogButtonBox::Close | QDialogButtonBox::Help);
        QSet<QString> accepted = m_texts[language];
        for (QAbstractButton *b : qtButtons.buttons())
            accepted << normalized(b->text());
        for (const QString &text : std::as_const(texts)) {
            const QString t = normalized(text);
            static const QRegularExpression letters(QStringLiteral("\\p{L}{2,}"));
            if (!t.contains(letters) || accepted.contains(t) || t.startsWith(QLatin1String("Tavrenno")))
                continue;
            foreign << text;
        }
        if (r.ownedByTest)
            delete w;
        static const char *const cancel[] = {"Abbrechen", "Cancel", "Annuleren"};
        if (qtButtons.button(QDialogButtonBox::Cancel)->text().remove('&') != QLatin1String(cancel[language]))
            problems << QStringLiteral("Qt's own buttons are not translated: ") +
                            qtButtons.button(QDialogButtonBox::Cancel)->text();
        foreign.removeDuplicates();
        if (!foreign.isEmpty())
            problems << QStringLiteral("texts not in the %1 catalogue: \"%2\"")
                            .arg(QString::fromLatin1(languageCodes[language]), foreign.join("\", \""));
        doppelt.removeDuplicates();
        problems << doppelt;
        problems.removeDuplicates();
        for (const QString &p : problems)
            qInfo().noquote() << p;
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1 problems, listed above").arg(problems.size())));
    }
};

QTEST_MAIN(TstWindowGeometry)
#include "tst_windowgeometry.moc"
