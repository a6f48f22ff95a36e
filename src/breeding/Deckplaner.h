// Deckplaner: the candidate toms for a queen, each with the kittens' inbreeding coefficient,
// ancestor loss, shared ancestors and breed composition as the inbreeding engine would give them.
#pragma once

#include "GrosseZahl.h"
#include "InzuchtDaten.h"
#include "InzuchtFormat.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <vector>

namespace tav::store {
class Database;
}

namespace tav::breeding {

// One cat of the register as the planner reads it.
struct PlanKatze {
    qint32 nummer = 0;
    QString name;
    QString geschlecht; // "1".."4"
    qint32 vater = 0, mutter = 0;
    qint32 rasse = 0;
    int status = 0;
    QDate geburt, tod;
    QVector<qint32> merkmale; // in the order of the trait rows
};

struct DeckFilter {
    qint32 rasse = 0;                 // 0: every breed
    int status = 0;                   // 0: every status
    bool nurEigene = false;           // status 1: the breeder's own cats
    bool nurLebende = true;           // no date of death
    int alterVon = -1, alterBis = -1; // full years; -1: no limit (a tom without birth date fails a limit)
    QSet<qint32> meiden;              // traits a tom must not carry
    QDate heute = QDate::currentDate();
};

struct GemeinsamerVorfahr {
    qint32 nummer = 0;
    QString name;
    double beitrag = 0.0; // its part of the kittens' coefficient
};

struct DeckZeile {
    qint32 kater = 0;
    QString name;
    qint32 rasse = 0;
    int status = 0;
    QDate geburt;
    int alter = -1; // full years, -1 unknown
    int fehler = 0; // message of a tom without figures: 9403 cycle in the register, 7603 too many ancestors
    double koeffizient = 0.0;
    double ahnenverlust = 0.0;              // percent
    bool beitrag = false;                   // some pair of lines contributes
    QString ik, avk;                        // as the inbreeding window shows them
    QVector<GemeinsamerVorfahr> gemeinsame; // the largest parts first
    bool teileGenau = true; // false: an inbred parent of a shared ancestor, the parts count too much
    int anzahlGemeinsame = 0;
    QString rassen; // the kittens' breed composition, display form
    QStringList merkmale;
};

enum class DeckSpalte { Kater, Rasse, Alter, Status, IK, AVK, Gemeinsame, Rassen, Merkmale };

// The planned-mating coefficient of the engine, (1/2)^(s+d+1) summed over the pairs of lines
// from sire and dam (s, d <= G - 2) to one ancestor whose last steps differ (a step: a cat and
// one of its parent slots), factors per ancestor: with L(X) the sum of (1/2)^k over the lines of
// length k from one side to X, all pairs to A give L_s(A) L_d(A) / 2, and those whose last step
// is the same, from a child C through a slot A fills, are the pairs to C one step shorter,
// L'_s(C) L'_d(C) / 8 per such slot. That counts pairs whose lines share an earlier step; where
// a parent P of a shared ancestor is itself inbred within the limit, the pairs that go on from P
// through both of its parents are taken off again, from the pair sums G(sire of P, dam of P) of
// the remaining steps, which are kept across toms. The parts per ancestor leave that correction
// out: they are the pairs whose last steps differ. So the queen's L, L' and
// occurrence counts are worked out once, each tom's own side in one pass over its ancestors, and
// the pair only touches the ancestors both share. The same holds for breed compositions, kept per
// ancestor and remaining depth across toms. Up to about 20 generations every term is exact in a
// double, so the coefficient is the engine's to the last bit.
class Deckplaner
{
  public:
    void aufbauen(const QVector<PlanKatze> &katzen, const QHash<qint32, QString> &merkmalNamen,
                  const QHash<qint32, QString> &rassen, const QHash<int, QString> &status = {});
    // CATSTAMM.DB, KatzeMerkmal.db with Merkmale.db, RASSE.DB and STATUS.DB
    void lese(store::Database &db);

    // Toms (sex "1") that pass the filter, in order of name and number.
    QVector<qint32> kandidaten(const DeckFilter &f) const;

    // The queen's side for G generations (3..255). False with `fehler`: 83 not in the register,
    // 7600 not a queen, 9403 on a cycle of the register.
    bool waehleKatze(qint32 katze, int generationen, QChar dezimal);
    DeckZeile zeile(qint32 kater);
    // every tom of the list; `fortschritt` hears (done, all) now and then and cancels with false
    bool rechne(const QVector<qint32> &kater, QVector<DeckZeile> &zeilen, const Fortschritt &fortschritt);

    int fehler = 0;
    int gemeinsameGrenze = 3; // shared ancestors kept per row

    // A column as the window, the print-out and the files show it; a tom without figures shows the
    // message `meldung` gives in the coefficient column.
    QString text(const DeckZeile &z, DeckSpalte spalte, const std::function<QString(int)> &meldung) const;

    const PlanKatze *katze(qint32 nummer) const;
    QString merkmalName(qint32 merkmal) const { return m_merkmalNamen.value(merkmal); }
    QString rasseName(qint32 rasse) const { return m_rassen.value(rasse); }
    QString statusName(int status) const { return m_status.value(status); }
    const QHash<qint32, QString> &rassen() const { return m_rassen; }
    const QHash<qint32, QString> &merkmalNamen() const { return m_merkmalNamen; }
    const QHash<int, QString> &statusNamen() const { return m_status; }
    int generationen() const { return m_g; }
    QChar dezimal() const { return m_dezimal; }

  private:
    struct Wert {
        double l = 0.0, lKurz = 0.0; // lines to the cat, and those one step short of the limit
        Anzahl vorkommen = 0;
    };
    struct Seite {
        std::vector<Wert> wert; // per cat

        QVector<int> ahnen; // the cats reached
        struct Eintrag {
            int katze, k;
            double linien; // lines of length k, times (1/2)^k
        };
        std::vector<Eintrag> stufen; // every level entry
        Anzahl knoten = 0;
        bool ueberlauf = false;
        void leeren();
    };
    void seite(int start, Seite &s);
    int anteil(int i, int g); // index into m_anteile of a cat's composition at generation g; -1 none
    double paare(int x, int y, int a, int b); // G(x, y) over lines of at most a and b steps
    double nachgezaehlt(const QVector<int> &gemeinsam);
    DeckZeile kopf(int i) const;

    QVector<PlanKatze> m_katzen;
    QHash<qint32, int> m_position; // cat number -> m_katzen
    QVector<int> m_ordnung;        // m_katzen position -> index in parent order, -1 on or below a cycle
    // by index in parent order
    QVector<int> m_katze, m_vater, m_mutter, m_tiefe;
    QVector<qint32> m_rasse;
    QHash<qint32, QString> m_merkmalNamen, m_rassen;
    QHash<int, QString> m_status;

    int m_g = 5;
    QChar m_dezimal = QLatin1Char(',');
    int m_koenigin = -1;
    Seite m_k, m_t;
    std::vector<double> m_beitrag;
    struct Stufe {
        int katze;
        Anzahl anzahl;
        double linien; // anzahl as a double
    };
    std::vector<Stufe> m_ebene, m_naechste;
    std::vector<std::array<int, 2>> m_eltern; // followed parents, -1 none
    std::vector<int> m_platz;
    QHash<quint64, double> m_paare;
    std::vector<signed char> m_ingezuechtet; // per cat: its parents' lines may meet within the limit
    std::vector<int> m_korrektur;            // per cat: position in the work lists, -1 none
    std::vector<int> m_anteilNr, m_anteilAb; // per cat and remaining depth, -2 not yet; where a cat's begin
    std::vector<RasseAnteile> m_anteile;
    // equal compositions share one entry, so the kittens' text is made once per composition
    QHash<QByteArray, int> m_gleicheAnteile;
    QHash<int, QString> m_rassenText;
    QHash<float, QString> m_prozentText;
    QDate m_heute;
};

// Full years from a birth date to a day; -1 without birth date.
int volleJahre(const QDate &geburt, const QDate &heute);
// Sorts by a column, rows without figures last; equal values keep name and number order.
void sortiere(QVector<DeckZeile> &zeilen, DeckSpalte spalte, bool absteigend);
// "Name 6,25%; Name 3,13%"
QString gemeinsameText(const DeckZeile &z, QChar dezimal);

} // namespace tav::breeding
