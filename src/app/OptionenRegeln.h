// OptionenRegeln: rules of the options window that need no window: the order lists of the
// description lines, the status choice, and which settings keys each page writes.
#pragma once

#include "IniFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::app {

class tsysteminfo;

// The pages of the options window, in their order.
enum OptionenSeite {
    SeiteStammdaten,
    SeiteAuswahlfenster,
    SeiteStammbaum,
    SeiteWurfbuch,
    SeiteAllgemeines,
    SeiteWarnungen,
    SeiteDruckStammbaum,
    SeiteAdressen,
    SeiteDruck,
    SeiteStatistiken,
    SeiteVerpaarung,
    SeiteInzucht,
    SeitenAnzahl
};

// An order list of description lines: the pedigree orders (22 tokens) or the matings order (23).
class Reihenfolge
{
  public:
    enum Art { Stammbaum, Verpaarung };
    Reihenfolge(Art art, int sprache) : m_art(art), m_sprache(sprache) {}

    int anzahl() const { return m_art == Stammbaum ? 22 : 23; }
    // display word of token 1..anzahl() in the language; storage word of the settings file
    QString anzeigeWort(int token) const;
    QString speicherWort(int token) const;
    // token of a display word, 0 when none
    int token(const QString &anzeige) const;

    // The lines of the order list for an order string: its tokens in order of appearance.
    QStringList zeilen(const QString &order) const;
    // The lines offered to add: every token (except "RF-Code") whose storage word the order
    // string does not hold.
    QStringList auswahl(const QString &order) const;
    // The order string of a list: the storage words joined without separator.
    QString order(const QStringList &zeilen) const;

  private:
    Art m_art;
    int m_sprache;
};

// Moves line `von` of an order list to the place of line `nach`.
void zeileVerschieben(QStringList &zeilen, int von, int nach);

// "alle" when all is ticked, else the digits of the ticked boxes 1..9 in increasing order.
QString statusText(bool alle, const QVector<bool> &angekreuzt);
// Whether box i (1..9) is ticked for a status setting.
bool statusAngekreuzt(const QString &status, int box);

// The settings keys a page shows, as (section, key).
QVector<QPair<QString, QString>> seitenSchluessel(OptionenSeite seite);
// The entries of the settings that the given pages show: what "Speichern" writes for them.
QList<IniFile::Entry> seitenEintraege(const tsysteminfo &s, const QVector<OptionenSeite> &seiten);

// The index names of the sort choices of the pages "&Stammdaten" and "A&uswahlfenster", in the
// order of their items.
const QStringList &stammdatenIndexe();
const QStringList &auswahlIndexe();
// The item of a sort choice that names `index`, compared as the store compares index names
// (without regard to case, so the default "Nameidx" is the item "NameIdx"); -1 when none does.
int sortierungsWahl(const QStringList &indexe, const QString &index);

// The language setting's value for a language number (0 German, 1 English, 2 Dutch).
QString spracheWert(int nummer);

} // namespace tav::app
