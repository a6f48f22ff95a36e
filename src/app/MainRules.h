// MainRules: rules of the main window that need no window.
#pragma once

#include "store/EngineError.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Database;
class EngineError;
} // namespace tav::store

// Rules of the main window that need no window: the cat list filter, row colours, the recent-cats
// list, the exclusive-window check and the opening of the main window's tables.
namespace tav::app {

// "alle" lists every cat; otherwise each character is a status: "123" -> Status=1 OR Status=2 OR Status=3
QString statusFilter(const QString &statusSetting);

// Colour of a row of the cat list: 24-bit values with red in the low byte; 0 = none, the grid's
// normal colour.
int rowColour(bool merkmalVorTop, int topCatColour, int traitColour);

// Whether text on a stored colour (red in the low byte) reads better in white than in black: the
// contrast of both against the colour's relative luminance decides, so pure blue gets white text
// and yellow or a pale trait colour black.
bool needsLightText(int colour);

// The five entries Cat1..Cat5 of the section LASTCATS: "{}" or "Name {Nummer}".
class RecentCats
{
  public:
    static constexpr int Size = 5;
    RecentCats();
    explicit RecentCats(const QStringList &entries);

    // Puts a cat first unless it is in the list already (compared by its number).
    bool add(const QString &displayName, int catNumber);
    // Drops the cat's entry, the later ones moving up; false when it had none.
    bool remove(int catNumber);
    // The number between "{" and the last character of an entry, 0 when none.
    static int numberOf(const QString &entry);
    static QString entryFor(const QString &displayName, int catNumber);
    QStringList entries() const { return m_entries; } // always five, empty ones "{}"
    QStringList shown() const;                        // the non-empty ones, in order

    void load(const QString &iniPath);
    // False when the settings file could not be written.
    [[nodiscard]] bool save(const QString &iniPath) const;

  private:
    QStringList m_entries;
};

// The exclusive windows in the order of their codes' check, with their window names.
struct ExclusiveWindow {
    int code;
    const char *name;
};
const QVector<ExclusiveWindow> &exclusiveWindows();

// The code of the open exclusive window that blocks a command (0 when none). `openWindows` are the
// lower-case names of the open child windows; `asker` is the name the command passes.
int exclusiveCode(const QStringList &openWindows, const QString &asker, bool programEnding);

// Where "Symbole anordnen" puts the icons of the minimised windows: side by side along the bottom
// of the area from its left edge, a full row pushing the next one above it.
QVector<QPoint> symbolPlaetze(const QSize &area, const QVector<QSize> &symbole);

// Opens, creates, seeds and upgrades the main window's tables in their order. An error that is to
// be reported goes to `report` with the table's file name; the steps go on after it.
struct OpenReport {
    QVector<QPair<QString, tav::store::EngineError>> errors; // file name, what went wrong
    bool zusatzFailed = false;                               // message 9
};
OpenReport dateienOeffnen(tav::store::Database &db);

} // namespace tav::app
