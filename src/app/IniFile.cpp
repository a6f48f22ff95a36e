#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace tav::app {

namespace {

bool readText(const QString &path, QString &text, bool &exists)
{
    exists = QFileInfo::exists(path);
    text.clear();
    if (!exists)
        return true;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// "[Name]" -> Name; empty when the line is no section header
QString sectionName(const QString &trimmed)
{
    if (trimmed.size() < 2 || !trimmed.startsWith(QLatin1Char('[')) || !trimmed.endsWith(QLatin1Char(']')))
        return QString();
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value must stay on its line, or it would turn into further keys or sections.
QString oneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

bool parseDecimal(const QString &text, double &out)
{
    QString t = text.trimmed();
    if (t.isEmpty() || t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1)
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !qIsFinite(v))
        return false;
    out = v;
    return true;
}

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QString text;
    if (!readText(path, text, m_exists))
        return false;
    Section *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.isEmpty() || isComment(t))
            continue;
        if (t.startsWith(QLatin1Char('['))) {
            const QString name = sectionName(t);
            current = nullptr;
            // a repeated section is ignored: readers and writers both use the first one
            bool seen = false;
            for (const Section &s : m_sections)
                seen = seen || sameName(s.name, name);
            if (!seen && !name.isEmpty()) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const int eq = t.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        current->keys.append({t.left(eq).trimmed(), t.mid(eq + 1).trimmed()});
    }
    return true;
}

const QString *IniFile::find(const QString &section, const QString &key) const
{
    for (const Section &s : m_sections) {
        if (!sameName(s.name, section))
            continue;
        for (const auto &kv : s.keys)
            if (sameName(kv.first, key))
                return &kv.second;
        return nullptr;
    }
    return nullptr;
}

bool IniFile::hasSection(const QString &section) const
{
    for (const Section &s : m_sections)
        if (sameName(s.name, section))
            return true;
    return false;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    return find(section, key) != nullptr;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const QString *v = find(section, key);
    return v ? *v : def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const QString *v = find(section, key);
    if (!v)
        return def;
    bool ok = false;
    const int n = v->toInt(&ok);
    return ok ? n : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    const QString *v = find(section, key);
    if (!v)
        return def;
    if (v->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (v->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int n = v->toInt(&ok);
    return ok ? n != 0 : def;
}

double IniFile::readFloat(const QString &section, const QString &key, double def) const
{
    const QString *v = find(section, key);
    double d = def;
    if (v && parseDecimal(*v, d))
        return d;
    return def;
}

QString IniFile::apply(const QString &text, const QList<Entry> &entries)
{
    const QString eol = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    for (const Entry &e : entries) {
        const QString newLine = e.key + QLatin1Char('=') + oneLine(e.value);
        int sectionLine = -1;
        int end = lines.size(); // first line after the section
        for (int i = 0; i < lines.size(); ++i) {
            const QString t = lines[i].trimmed();
            if (!t.startsWith(QLatin1Char('[')))
                continue;
            if (sectionLine >= 0) {
                end = i;
                break;
            }
            if (sameName(sectionName(t), e.section))
                sectionLine = i;
        }
        if (sectionLine < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines.append(QString());
            lines.append(QLatin1Char('[') + e.section + QLatin1Char(']'));
            lines.append(newLine);
            continue;
        }
        bool done = false;
        int lastContent = sectionLine;
        for (int i = sectionLine + 1; i < end && !done; ++i) {
            const QString t = lines[i].trimmed();
            if (t.isEmpty())
                continue;
            lastContent = i;
            if (isComment(t))
                continue;
            const int eq = t.indexOf(QLatin1Char('='));
            if (eq > 0 && sameName(t.left(eq).trimmed(), e.key)) {
                // keep the spelling the file uses for the key
                lines[i] = t.left(eq).trimmed() + QLatin1Char('=') + oneLine(e.value);
                done = true;
            }
        }
        if (!done)
            lines.insert(lastContent + 1, newLine);
    }
    return lines.join(eol) + eol;
}

bool IniFile::write(const QString &path, const QList<Entry> &entries)
{
    QString text;
    bool exists = false;
    if (!readText(path, text, exists))
        return false;
    // written beside the old file and renamed over it, so a failed write leaves the old file
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(apply(text, entries).toUtf8());
    return f.commit();
}

bool IniFile::write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    return write(path, QList<Entry>{{section, key, value}});
}

bool IniFile::write(const QString &path, const QString &section, const QString &key, int value)
{
    return write(path, section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &path, const QString &section, const QString &key, bool value)
{
    return write(path, section, key, boolText(value));
}

} // namespace tav::app
