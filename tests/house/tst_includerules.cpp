// The floors of the house, read from the #include lines: a lower floor never includes a higher one.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Include {
    QString from; // source file, relative to the source root
    QString to;   // included file, relative to the source root (as resolved)
    int line = 0;
};

QVector<Include> scanIncludes(const QString &root, const QStringList &folders)
{
    static const char *const pattern = "^\\s*#\\s*include\\s+\"([^\"]+)\"";
    static const QRegularExpression quoted(QString::fromLatin1(pattern), QRegularExpression::MultilineOption);
    QVector<Include> all;
    for (const QString &folder : folders) {
        QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(f.readAll());
            const QString from = path.mid(root.size() + 1);
            const QString here = QFileInfo(from).path();
            for (auto m = quoted.globalMatch(text); m.hasNext();) {
                const auto hit = m.next();
                QString to = hit.captured(1);
                // "X.h" and "../X.h" are relative to the including file; "room/X.h" to src/ or tools/
                if (!QFileInfo::exists(root + QStringLiteral("/src/") + to) ||
                    to.startsWith(QLatin1Char('.')))
                    to = QDir::cleanPath(here + QLatin1Char('/') + to);
                else
                    to = QStringLiteral("src/") + to;
                const int line = int(text.left(hit.capturedStart()).count(QLatin1Char('\n'))) + 1;
                all.push_back({from, to, line});
            }
        }
    }
    return all;
}

bool isWindow(const QString &p)
{
    return p.contains(QStringLiteral("/ui/"));
}
bool under(const QString &p, const char *folder)
{
    return p.startsWith(QLatin1String(folder));
}
bool isCore(const QString &p)
{
    return under(p, "src/") && !isWindow(p) && !under(p, "src/widgets/") && !under(p, "src/shell/") &&
           p != QLatin1String("src/main.cpp");
}

} // namespace

class TstIncludeRules : public QObject
{
    Q_OBJECT
    QVector<Include> m_includes;

  private Q_SLOTS:
    void initTestCase()
    {
        m_includes =
            scanIncludes(QStringLiteral(TAV_SOURCE_DIR), {QStringLiteral("src"), QStringLiteral("tools")});
        QVERIFY2(m_includes.size() > 1000, "the sources were not found");
    }

    void rule_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::newRow("the store includes only the store") << "store";
        QTest::newRow("the core includes no widget, window or shell") << "core";
        QTest::newRow("the widgets include no window and no shell") << "widgets";
        QTest::newRow("the command-line tool includes no widget, window or shell") << "cli";
        QTest::newRow("a window reaches the shell only through its interface") << "windows";
    }

    void rule()
    {
        QFETCH(QString, rule);
        const auto aboveCore = [](const QString &to) {
            return isWindow(to) || under(to, "src/widgets/") || under(to, "src/shell/");
        };
        QStringList faults;
        for (const Include &i : std::as_const(m_includes)) {
            bool fault = false;
            if (rule == QLatin1String("store"))
                fault = under(i.from, "src/store/") && !under(i.to, "src/store/");
            else if (rule == QLatin1String("core"))
                fault = isCore(i.from) && aboveCore(i.to);
            else if (rule == QLatin1String("widgets"))
                fault = under(i.from, "src/widgets/") && (isWindow(i.to) || under(i.to, "src/shell/"));
            else if (rule == QLatin1String("cli"))
                fault = under(i.from, "tools/") && aboveCore(i.to);
            else if (rule == QLatin1String("windows"))
                fault = under(i.from, "src/") && isWindow(i.from) && under(i.to, "src/shell/") &&
                        i.to != QLatin1String("src/shell/Shell.h");
            if (fault)
                faults << QStringLiteral("%1:%2 includes %3").arg(i.from).arg(i.line).arg(i.to);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TstIncludeRules)
#include "tst_includerules.moc"
