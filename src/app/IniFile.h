#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tav::app {

// A settings file in the INI format: "[Section]" lines, "Key=Value" lines, comments starting with
// ";" or "#". Section and key names match without regard to case, values are kept exactly (only
// surrounding blanks are dropped). Reading takes a snapshot of the file; every writer opens the
// file, changes its keys and closes it at once, keeping comments, unknown keys and the order of
// the lines. The file is UTF-8; an older file in Latin-1 is read as such and written as UTF-8.
class IniFile
{
  public:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    IniFile() = default;
    explicit IniFile(const QString &path) { load(path); }

    // Reads the file; false when it exists but cannot be read. A missing file reads as empty.
    bool load(const QString &path);
    bool exists() const { return m_exists; }

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &def = QString()) const;
    // A missing key or a value that is not an integer gives the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // "1"/"0" (also "true"/"false"); any other integer counts as true; other text gives the default.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Accepts a comma or a dot as decimal separator; anything else gives the default.
    double readFloat(const QString &section, const QString &key, double def) const;

    // Writes one key (opens, writes, closes). False when the file cannot be written.
    static bool write(const QString &path, const QString &section, const QString &key, const QString &value);
    static bool write(const QString &path, const QString &section, const QString &key, int value);
    static bool writeBool(const QString &path, const QString &section, const QString &key, bool value);
    // Writes several keys in one open/close; all or nothing.
    static bool write(const QString &path, const QList<Entry> &entries);

    // The text the file would hold after setting the entries; used by the writers.
    static QString apply(const QString &text, const QList<Entry> &entries);
    static QString boolText(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }

  private:
    const QString *find(const QString &section, const QString &key) const;

    struct Section {
        QString name;
        QList<QPair<QString, QString>> keys;
    };
    QList<Section> m_sections;
    bool m_exists = false;
};

// Reads a decimal number written with a comma or a dot.
bool parseDecimal(const QString &text, double &out);

} // namespace tav::app
