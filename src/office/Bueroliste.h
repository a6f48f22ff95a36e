// Bueroliste: the office's small list windows (clubs, show dates, pharmacy) declared once each:
// table, order, fields, grid columns and sort criteria, which the shared list window builds from.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tav::store {
class Table;
}

namespace tav::office {

struct BueroFeld {
    enum class Art { Text, Datum, Memo, Auswahl };
    QString name;
    int tag = 0; // caption tag of its label; 0: no label
    Art art = Art::Text;
    bool nebenher = false; // stands in the row of the field before it
    bool kalender = false; // a calendar button beside it
    // Auswahl: the German choices; the catalogue gives each language its texts after the tag
    QStringList auswahl;

    // the lists name a field by what differs from a text field with a label of its own
    BueroFeld(const QString &name, int tag = 0, Art art = Art::Text, bool nebenher = false,
              bool kalender = false, const QStringList &auswahl = {})
        : name(name), tag(tag), art(art), nebenher(nebenher), kalender(kalender), auswahl(auswahl)
    {
    }
};

struct BueroSpalte {
    QString feld;
    int tag = 0; // caption tag of the column title
};

struct Sortierkriterium {
    QString text;  // German; the catalogue gives each language its text after the sort box's tag
    QString index; // the index it selects
};

struct Bueroliste {
    QString fenster;    // window name (menu and exclusive check), e.g. "formvereine"
    QString objektName; // e.g. "FormVereine"
    int tag = 0;        // window caption
    QString tabelle, index;
    QVector<BueroFeld> felder;
    QString fokusFeld; // gets the focus when a record is added
    QVector<BueroSpalte> spalten;
    int sortTag = 0; // the sort box
    QVector<Sortierkriterium> sortierung;
    bool einfuegen = false; // "Hinzufügen" inserts at the current record instead of appending
    int hilfe = 0;
    // a clickable home page under the fields and "E-Mail schreiben" to this field's address
    QString homepageFeld, emailFeld;
    int mailTag = 6613;               // the caption of "E-Mail schreiben"
    bool produktseiteVorgabe = false; // an empty home page shows (and opens) the product's own
};

const Bueroliste &vereinsliste();
const Bueroliste &ausstellungsliste();
const Bueroliste &apothekenliste();
const Bueroliste &adressliste();
const Bueroliste &statusadressenliste();

// The index criterion `kriterium` of the sort box selects; empty for none.
QString sortIndex(const Bueroliste &liste, int kriterium);

// Moves the open show dates (in the order of DatumIdx) to the first show dated `heute` or later;
// to the last show when every show is past. False when there is none to stand on.
bool ersteKommendeAusstellung(tav::store::Table &termine, const QDate &heute);

} // namespace tav::office
