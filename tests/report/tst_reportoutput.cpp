// Reports written as PDF and HTML: the text is there to extract, a bad path loses nothing.
#include "report/ReportHtml.h"
#include "report/ReportJob.h"
#include "report/ReportPainter.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tav::report;

namespace {

const QString Names = QStringLiteral("Jürgen Groß, Čestmír Łukasz, Ærø");

Pages samplePages(int rows)
{
    Report r;
    r.title = QStringLiteral("Probe");
    r.add(Band::Kind::Title, 12).elements
        << label(QRectF(0, 0, 150, 8), QStringLiteral("Inzucht von : ") + Names);
    r.add(Band::Kind::ColumnHeader, 8).elements << label(QRectF(0, 0, 60, 6), QStringLiteral("Name <&>"));
    r.add(Band::Kind::Detail, 5).elements << field(QRectF(0, 0, 60, 5), QStringLiteral("Name"));
    r.add(Band::Kind::Summary, 20).elements << frame(QRectF(0, 2, 50, 10))
                                            << shape(QRectF(60, 2, 10, 10), Qt::red);
    addFooter(r, true);
    ListRows l({QStringLiteral("Name")});
    for (int i = 0; i < rows; ++i)
        l.append({QStringLiteral("Kätzchen %1").arg(i)});
    return layout(r, &l, FontMeasure());
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstReportOutput : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

  private Q_SLOTS:
    void pdfHoldsExtractableText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString path = m_dir.filePath(QStringLiteral("probe.pdf"));
        QVERIFY(writePdf(samplePages(80), path).ok());
        const QString text =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        QVERIFY2(text.contains(Names), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("Kätzchen 79")));
        QVERIFY(text.contains(QStringLiteral("Seite 2")));
        QCOMPARE(text.count(QLatin1Char('\f')), samplePages(80).pages.size());
        QVERIFY(run(QStringLiteral("pdfinfo"), {path}).contains(QStringLiteral("Probe")));
    }

    void htmlHoldsTheSameTextAndIsValid()
    {
        const QString path = m_dir.filePath(QStringLiteral("probe.html"));
        QVERIFY(writeHtml(samplePages(80), path).ok());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QVERIFY(html.contains(Names));
        QVERIFY(html.contains(QStringLiteral("Name &lt;&amp;&gt;")));
        QVERIFY(html.contains(QStringLiteral("<title>Probe</title>")));
        if (!QStandardPaths::findExecutable(QStringLiteral("tidy")).isEmpty()) {
            QProcess tidy;
            tidy.start(QStringLiteral("tidy"), {QStringLiteral("-errors"), QStringLiteral("-q"), path});
            QVERIFY(tidy.waitForFinished());
            QVERIFY2(tidy.exitCode() < 2, tidy.readAllStandardError().constData());
        }
    }

    void badPathsLoseNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("message");
        QTest::addColumn<bool>("forUnprivileged"); // the system lets a privileged user write there
        QTest::newRow("read-only file") << QStringLiteral("alt.pdf") << int(MsgReadOnlyFile) << false;
        QTest::newRow("missing folder") << QStringLiteral("fehlt/neu.pdf") << int(MsgFolderMissing) << false;
        QTest::newRow("read-only folder") << QStringLiteral("zu/neu.pdf") << int(MsgFolderMissing) << true;
        QTest::newRow("folder of that name") << QStringLiteral("zu") << int(MsgFolderNamed) << false;
    }
    void badPathsLoseNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, message);
        QFETCH(bool, forUnprivileged);
        const QString old = m_dir.filePath(QStringLiteral("alt.pdf"));
        if (!QFile::exists(old)) {
            QFile f(old);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("alter Inhalt");
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner));
            QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("zu")));
            QVERIFY(QFile::setPermissions(m_dir.filePath(QStringLiteral("zu")),
                                          QFile::ReadOwner | QFile::ExeOwner));
        }
        if (forUnprivileged && QFileInfo(m_dir.filePath(QStringLiteral("zu"))).isWritable())
            QSKIP("running with rights that ignore read-only folders");
        const QString path = m_dir.filePath(name);
        for (const WriteResult &r : {writePdf(samplePages(1), path), writeHtml(samplePages(1), path)}) {
            QCOMPARE(r.message, message);
            QVERIFY(!r.detail.isEmpty());
        }
        QFile f(old);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("alter Inhalt"));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("zu/neu.pdf"))));
    }
};

QTEST_MAIN(TstReportOutput)
#include "tst_reportoutput.moc"
