// StatistikDatei: the cats of the register that match a trait query, sex, age and colour, with
// their parents and, filled in afterwards, their inbreeding.
#pragma once

#include "InzuchtBerechnung.h"
#include "InzuchtRegister.h"

#include <QDate>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>
#include <array>
#include <functional>
#include <memory>

namespace tav::store {
class Database;
}

namespace tav::breeding {

struct DateiFilter {
    QString farbe;                                          // empty: every colour
    std::array<bool, 4> geschlecht{true, true, true, true}; // codes "1".."4"
    int ab = 0, bis = 0;                                    // 0: not set
    bool monate = false;                                    // the ages are months, not years
    QDate heute = QDate::currentDate();

    bool einGeschlecht() const { return geschlecht[0] || geschlecht[1] || geschlecht[2] || geschlecht[3]; }
    // the birth dates an age range allows: "ab" gives the latest, "bis" the earliest (swapped
    // when "bis" is the smaller); invalid where no limit applies
    QPair<QDate, QDate> geburtGrenzen() const;
};

struct DateiAbfrage {
    bool erweitert = false;
    QString text; // the trait expression of the memo; empty in the simple mode: every cat
};

struct DateiZeile {
    qint32 nummer = 0, vater = 0, mutter = 0;
    QString name, geschlecht, fellfarbe, vaterName, mutterName;
    QDate geburt, tod;
    QString merkmal; // simple query: the trait of the row; extended: "- A -- B -"
    int farbe = 0;   // stored colour of the row's trait, 0 none
    QString ik, avk; // filled by the inbreeding pass
};

// Message 120 for an expression that is refused.
struct DateiAbfrageFehler {
    int meldung = 120;
};

// The rows in order of name and cat number (a cat with two chosen traits of the simple query once
// per trait). Throws DateiAbfrageFehler for a refused expression, store::EngineError when a
// table cannot be read.
QVector<DateiZeile> statistikDatei(store::Database &db, const DateiAbfrage &abfrage,
                                   const DateiFilter &filter);

// The trait names of Merkmale.db.
QStringList merkmalNamen(store::Database &db);

using Beschriftung = std::function<QString(int tag)>;
// The sex display text (captions 1280, 1281, 1579, 1580) and the age (the unit words of alterText).
QString geschlechtText(const QString &code, const Beschriftung &caption);
QString alterZeile(const DateiZeile &z, const QDate &heute, const Beschriftung &caption);

// IK and AVK of the rows, once per parent pair: by the whole-register pass where the generation
// limit cuts nothing, else by the engine's core over the register held in memory, and by the
// engine itself where that cannot answer. Runs in steps so that a window stays
// responsive and shows each result as it arrives.
class BegrenzteQuelle;

class DateiInzucht
{
  public:
    DateiInzucht(store::Database &db, int generationen, QChar dezimal);
    // the same over any register (tests, tools); `register_` may be null
    DateiInzucht(const PedigreeSource &quelle, std::shared_ptr<InzuchtRegister> register_, int generationen,
                 QChar dezimal);
    ~DateiInzucht();

    void setzeZeilen(const QVector<DateiZeile> &zeilen);
    // Works until `millisekunden` have passed; `fertig` hears of every pair done with the rows
    // it fills. False once all are done.
    using Fertig = std::function<void(const QVector<int> &zeilen, const QString &ik, const QString &avk)>;
    bool weiter(int millisekunden, const Fertig &fertig);
    int paare() const { return int(m_paare.size()); }
    int erledigt() const { return m_naechstes; }
    int ueberRegister() const { return m_ueberRegister; } // pairs the whole-register pass answered
    int imSchnitt() const { return m_imSchnitt; }         // pairs answered in memory under the cut

  private:
    struct Paar {
        qint32 vater, mutter;
        QVector<int> zeilen;
    };
    std::unique_ptr<PedigreeSource> m_eigeneQuelle;
    const PedigreeSource &m_quelle;
    std::shared_ptr<InzuchtRegister> m_register;
    store::Database *m_db = nullptr; // reads the register on the first step
    std::unique_ptr<BegrenzteQuelle> m_begrenzt;
    InzuchtBerechnung m_engine;
    int m_generationen;
    QChar m_dezimal;
    QVector<Paar> m_paare;
    int m_naechstes = 0;
    int m_ueberRegister = 0;
    int m_imSchnitt = 0;
};

} // namespace tav::breeding
