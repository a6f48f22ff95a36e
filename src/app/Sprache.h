// Sprache: the language catalogues: messages (SPRMEL.DB) and captions (SPRACHE.DB) by number.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::app {

// Language number 0 German, 1 English, 2 Dutch; offset 0, 10000, 20000.
int languageOffset(int languageNumber);
// The setting System/Sprache: "Deutsch" 0, "Englisch" 1, "Holländisch" 2, anything else 0.
int languageNumber(const QString &settingValue);

// The first "&" removed.
QString removeAccelerator(const QString &text);

// The two catalogues: SPRMEL.DB (key Nummer = message number + offset, text Meldung) and
// SPRACHE.DB (key Nummer = tag + offset, caption FeldName, hint FeldHilfe). A list (radio items,
// tabs, combo items, navigator hints) takes its texts from the FeldName of the records that follow
// the component's own record in key order, one per item, as many as the component has items.
// While a catalogue is closed every lookup returns nothing.
class Sprache
{
  public:
    struct Caption {
        QString FeldName;
        QString FeldHilfe;
    };

    Sprache();
    ~Sprache();
    Sprache(const Sprache &) = delete;
    Sprache &operator=(const Sprache &) = delete;

    // Opens both catalogues read-only; a catalogue that fails to open stays closed and its file
    // and the engine's words are kept in openFailures(). True when both are open.
    bool open(tav::store::Database *db);
    // One entry per catalogue that failed to open: its file, then the error dialog's lines.
    QList<QStringList> openFailures() const { return m_openFailures; }
    void close();
    // A catalogue closed by Database::disconnect() counts as closed until open() runs again.
    bool messagesOpen() const;
    bool captionsOpen() const;

    int languageNumber() const { return m_language; }
    int offset() const { return languageOffset(m_language); }
    void setLanguageNumber(int number);

    // Meldung of number + current offset; empty when missing or closed.
    QString message(int number) const;
    // FeldName of number + current offset; empty when missing or closed.
    QString caption(int number) const;
    // FeldName of number + 10000 for "englisch", + 20000 for "hollaendisch"/"holländisch"
    // (compared in lower case), else + 0.
    QString captionFor(int number, const QString &languageName) const;

    // The record of an absolute key (tag + offset), if there is one.
    std::optional<Caption> record(int key) const;
    // The FeldName of up to `count` records that follow `key` in key order (fewer at the end of
    // the catalogue); empty when `key` itself is missing.
    QStringList items(int key, int count) const;

  private:
    std::unique_ptr<tav::store::Table> m_messages;
    std::unique_ptr<tav::store::Table> m_captions;
    QList<QStringList> m_openFailures;
    int m_language = 0;
};

// What the start shows when catalogues failed to open (Sprache::openFailures()): the catalogue
// cannot give this text, so it is built in, German for language 0, English for the others.
QString catalogueFailureText(const QList<QStringList> &failures, int languageNumber);

// The program's catalogues, opened by the main window at start-up.
Sprache &sprache();

// Shortcuts over sprache() for the texts windows set in code.
QString messageText(int number);
QString captionText(int number);
QString captionTextFor(int number, const QString &languageName);

} // namespace tav::app
