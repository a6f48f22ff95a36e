// The print preview on a started program: it opens on the whole first page, turns pages, and
// saves PDF and HTML files; a bad path is said and changes nothing.
#include "../common/Controls.h"
#include "../common/ProgramFixture.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "printouts/ReportInzucht.h"
#include "report/ui/Vorschau.h"

#include <QLabel>
#include <QScrollArea>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

using namespace tav;
using tav::widgets::Scripted;

namespace {

// the inbreeding print-out of the demo cat with the most ancestors in the register
report::ReportJob demoPrintout(store::Database &db)
{
    breeding::StorePedigree stamm(db);
    const qint32 nr = scalar(db, "SELECT LaufendeNummer FROM catstamm WHERE Vater > 0 AND Mutter > 0 "
                                 "ORDER BY LaufendeNummer DESC LIMIT 1")
                          .toInt();
    breeding::InzuchtBerechnung e(stamm);
    e.Berechne(nr, stamm.katze(nr)->vater, stamm.katze(nr)->mutter, 6, true);
    breeding::InzuchtTextArt art;
    art.meldung = [](int n) { return app::messageText(n); };
    auto name = [&](qint32 k) { return stamm.katze(k) ? stamm.katze(k)->name : QString(); };
    printouts::InzuchtDruck d = printouts::inzuchtDruck(*e.ergebnis(), art, name(nr), stamm.katze(nr)->vater,
                                                        stamm.katze(nr)->mutter, name);
    d.mitInzuchtliste = d.mitVorfahrenliste = d.mitKlonliste = true;
    return printouts::reportInzucht(d);
}

report::ReportJob longList()
{
    report::Report r;
    r.add(report::Band::Kind::Detail, 5).elements << report::field(QRectF(0, 0, 80, 5), "Name");
    auto rows = std::make_shared<report::ListRows>(QStringList{"Name"});
    for (int i = 0; i < 150; ++i)
        rows->append({QStringLiteral("Zeile %1").arg(i)});
    return report::ReportJob(r, rows);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstVorschau : public QObject
{
    Q_OBJECT
    ProgramFixture f;
    QTemporaryDir m_out;

    // runs `check` on the preview zeigeVorschau opens, while it is open
    void withPreview(const report::ReportJob &job, const std::function<void(report::ui::TVorschau &)> &check)
    {
        bool ran = false;
        Scripted::dialog([&](QDialog &d) {
            auto *v = qobject_cast<report::ui::TVorschau *>(&d);
            if (!v)
                return int(QDialog::Rejected);
            v->show();
            QTest::qWait(20);
            check(*v);
            ran = true;
            return int(QDialog::Accepted);
        });
        report::ui::zeigeVorschau(job, f.main.get());
        QVERIFY(ran);
    }

  private Q_SLOTS:
    void initTestCase() { QCOMPARE(f.start(QSize(1024, 768)), QString()); }
    void cleanupTestCase() { f.stop(); }
    void init() { Scripted::reset(); }

    void opensMaximisedOnTheWholeFirstPage()
    {
        withPreview(demoPrintout(*f.db), [&](report::ui::TVorschau &v) {
            QVERIFY(v.windowState() & Qt::WindowMaximized);
            QVERIFY(v.isModal());
            QCOMPARE(v.currentPage(), 0);
            QCOMPARE(v.windowTitle(), QStringLiteral("Druckvorschau"));
            // the whole page in sight, not much smaller than the room there is
            auto *scroll = v.findChild<QScrollArea *>();
            const QSize room = scroll->viewport()->size(), page = scroll->widget()->size();
            QVERIFY2(page.width() <= room.width() && page.height() <= room.height(),
                     qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                    .arg(page.width())
                                    .arg(page.height())
                                    .arg(room.width())
                                    .arg(room.height())));
            QVERIFY(page.height() > room.height() * 0.9 || page.width() > room.width() * 0.9);
            v.grab().save(QDir::temp().filePath("tavrenno-preview.png"));
        });
    }

    void turnsPagesAndZooms()
    {
        withPreview(longList(), [&](report::ui::TVorschau &v) {
            QVERIFY(v.pageCount() >= 3);
            QVERIFY(!control<QToolButton>(&v, "BZurueck")->isEnabled());
            control<QToolButton>(&v, "BVor")->click();
            QCOMPARE(v.currentPage(), 1);
            QCOMPARE(control<QLabel>(&v, "LabelSeite")->text(),
                     QStringLiteral("Seite 2 von %1").arg(v.pageCount()));
            QTest::keyClick(&v, Qt::Key_End);
            QCOMPARE(v.currentPage(), v.pageCount() - 1);
            QVERIFY(!control<QToolButton>(&v, "BVor")->isEnabled());
            const double whole = v.zoom();
            control<QToolButton>(&v, "BGroesser")->click();
            QVERIFY(v.zoom() > whole);
            control<QToolButton>(&v, "BGanzeSeite")->click();
            QCOMPARE(v.zoom(), whole);
        });
    }

    void savesPdfAndHtml()
    {
        const QString pdf = m_out.filePath("inzucht.pdf"), html = m_out.filePath("inzucht");
        withPreview(demoPrintout(*f.db), [&](report::ui::TVorschau &v) {
            Scripted::file(pdf);
            control<QToolButton>(&v, "BPdf")->click();
            Scripted::file(html);
            control<QToolButton>(&v, "BHtml")->click();
            // cancelled: nothing written, nothing said
            control<QToolButton>(&v, "BPdf")->click();
            QVERIFY(!v.print());
        });
        QVERIFY(Scripted::shown().size() >= 3);
        for (const Scripted::Shown &s : Scripted::shown())
            QVERIFY2(s.kind != "message", qPrintable(s.text));
        QVERIFY(contents(html + ".html").contains("Inzucht von"));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess p;
        p.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
        QVERIFY(p.waitForFinished());
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains("Inzucht von") && text.contains("Der Inzuchtkoeffizient beträgt"),
                 qPrintable(text));
    }

    void badPathIsSaidAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("message");
        QTest::newRow("missing folder") << "fehlt/neu.pdf" << 9652;
        QTest::newRow("read-only file") << "alt.pdf" << 9651;
        // %D: the register's data folder
        QTest::newRow("into the data folder") << "%D/neu.pdf" << 9655;
        QTest::newRow("onto the cat table") << "%D/CATSTAMM.DB" << 9656;
    }
    void badPathIsSaidAndChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, message);
        const QString old = m_out.filePath("alt.pdf");
        if (!QFile::exists(old)) {
            QFile f(old);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("alt");
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
        }
        const QString daten = f.db->dataDir();
        const QByteArray katzen = contents(daten + "/CATSTAMM.DB");
        withPreview(longList(), [&](report::ui::TVorschau &v) {
            Scripted::file(name.startsWith("%D") ? QString(name).replace("%D", daten) : m_out.filePath(name));
            QVERIFY(!v.savePdf());
        });
        QCOMPARE(contents(daten + "/CATSTAMM.DB"), katzen);
        QVERIFY(!QFile::exists(daten + "/neu.pdf"));
        QCOMPARE(Scripted::shown().last().kind, QStringLiteral("message"));
        QVERIFY2(Scripted::shown().last().text.startsWith(app::messageText(message)),
                 qPrintable(Scripted::shown().last().text));
        QCOMPARE(Scripted::shown().last().icon, tav::widgets::MsgIcon::Error);
        QCOMPARE(contents(old), QByteArray("alt"));
        QVERIFY(!QFile::exists(m_out.filePath("fehlt")));
    }
};

QTEST_MAIN(TstVorschau)
#include "tst_vorschau.moc"
