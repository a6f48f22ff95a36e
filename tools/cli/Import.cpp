// import-pedigree: cats and their parents from a semicolon file.
//
// The pedigree file: UTF-8 (a leading byte-order mark is skipped), first line
// "Name;Geschlecht;Vater;Mutter;GebDatum;Rasse". Fields are split at every ';' and trimmed; quotes
// are part of the text. Blank lines are skipped. A parent is the name of a cat further up in the
// file or in the register; it must be of the parent's sex (sire 1 or 3, dam 2 or 4), and among the
// cats of that sex the name must pick out exactly one, else the line is refused: a sire of the wrong
// sex is nearly always a mix-up of names and would distort every later calculation. Control
// characters (those of text direction too), names longer than 70 characters (not UTF-16 units) and
// birth dates after today or before 1900 are refused too; a line longer than any legal line is
// refused as soon as it is read, whatever the size of the file. Every line is checked before
// anything is written; one bad line and nothing is imported. A new cat gets what the cat record
// window gives it: the status of a new cat, and the cattery and breeder its name implies.
#include "Cli.h"

#include "app/DataHome.h"
#include "app/IniFile.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/Stammdaten.h"
#include "maintenance/Registerpruefung.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"
#include "store/TextRules.h"
#include "store/Transaction.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

using namespace tav::store::namen;

using namespace tav;
using store::Database;
using store::Query;

namespace {

const QString Katzen = catstamm::Datei;

struct Kandidat {
    qint32 nummer = 0; // in the register, or 0
    int zeile = 0;     // line of the file, or 0
    QString geschlecht;

    QString text() const
    {
        return nummer ? QStringLiteral("Nr. %1").arg(nummer) : QStringLiteral("Zeile %1").arg(zeile);
    }
};

struct NeueKatze {
    int zeile = 0;
    QString name;
    QString geschlecht;
    QDate geboren;
    qint32 rasse = 0;
    QString zwinger;
    int zuechter = 0;
    // a parent is either a cat of the register (nummer) or one of the new cats (index), or absent
    qint32 vaterNr = 0, mutterNr = 0;
    int vaterNeu = -1, mutterNeu = -1;
};

std::optional<QDate> leseDatum(const QString &s)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    static const QRegularExpression deutsch(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(\\d{4})$"));
    if (s.isEmpty())
        return QDate();
    QDate d;
    if (const auto m = iso.match(s); m.hasMatch())
        d = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto m = deutsch.match(s); m.hasMatch())
        d = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

struct Rasse {
    qint32 code = 0;
    QString kurzname, name;
};

// A breed as the user names it: its number first, then its short name, then its name, each
// without regard to case. 0 and `fehler` when nothing or more than one breed fits.
qint32 rasseFinden(const QVector<Rasse> &rassen, const QString &text, QString &fehler)
{
    bool zahl = false;
    const qint32 nummer = text.toInt(&zahl);
    for (const Rasse &r : rassen)
        if (zahl && r.code == nummer)
            return r.code;
    for (QString Rasse::*feld : {&Rasse::kurzname, &Rasse::name}) {
        QStringList treffer;
        qint32 code = 0;
        for (const Rasse &r : rassen) {
            if ((r.*feld).compare(text, Qt::CaseInsensitive) == 0) {
                treffer << QStringLiteral("Nr. %1").arg(r.code);
                code = r.code;
            }
        }
        if (treffer.size() == 1)
            return code;
        if (treffer.size() > 1) {
            fehler = QStringLiteral("Rasse „%1“ ist nicht eindeutig (%2)").arg(text, treffer.join(", "));
            return 0;
        }
    }
    fehler = QStringLiteral("Rasse „%1“ ist nicht in der Rassentabelle").arg(text);
    return 0;
}

// The most bytes a legal line can hold: three names, the sex, a date and a breed (its name, short
// name or number), each character at most four bytes of UTF-8, the separators, a byte-order mark and
// a carriage return. Blanks around a field are trimmed, so they may use the room the shorter fields
// leave.
qint64 laengsteZeile()
{
    const auto laenge = [](const QString &tabelle, const QString &feld) {
        return qint64(store::findTableDef(tabelle)->field(feld)->size);
    };
    const qint64 rasse =
        std::max({laenge(rasse::Datei, rasse::RName), laenge(rasse::Datei, rasse::RKurzname), qint64(11)});
    const qint64 zeichen = 3 * laenge(catstamm::Datei, catstamm::Name) + 1 + 10 + rasse + 5;
    return 4 * zeichen + 3 + 1;
}

// The cattery form of the settings (with or without the particle), as the cat record window reads it.
bool zusatzBeiZwinger()
{
    app::IniFile ini;
    ini.load(app::settingsPath());
    app::tsysteminfo s;
    s.read(ini);
    return s.ZusatzBeiZwinger;
}

} // namespace

int importPedigree(const QString &home, const QString &pfad, QTextStream &out, QTextStream &err)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        err << "Datei kann nicht gelesen werden: " << pfad << "\nNichts importiert.\n";
        return 1;
    }
    // line by line, so that a file in another encoding is refused with the first line that is not
    // UTF-8, and a line longer than any legal one before it is held in memory
    const qint64 laengste = laengsteZeile();
    QStringList zeilen;
    while (!datei.atEnd()) {
        QByteArray roh = datei.readLine(laengste + 2);
        if (roh.endsWith('\n'))
            roh.chop(1);
        if (roh.size() > laengste) {
            err << "Zeile " << zeilen.size() + 1 << ": länger als " << laengste
                << " Bytes, so lang ist keine gültige Zeile (" << pfad << ")\nNichts importiert.\n";
            return 1;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString z = utf8.decode(roh);
        if (utf8.hasError()) {
            err << "Zeile " << zeilen.size() + 1 << ": nicht in UTF-8 geschrieben (" << pfad
                << ")\nNichts importiert.\n";
            return 1;
        }
        if (z.endsWith(QLatin1Char('\r')))
            z.chop(1);
        zeilen << z;
    }

    Database db(app::dataDirOf(home));
    if (!db.tableExists(Katzen)) {
        err << "Kein Katzenregister in " << db.dataDir() << " (zuerst: init)\nNichts importiert.\n";
        return 1;
    }

    const QStringList kopf = {QStringLiteral("Name"),     QStringLiteral("Geschlecht"),
                              QStringLiteral("Vater"),    QStringLiteral("Mutter"),
                              QStringLiteral("GebDatum"), QStringLiteral("Rasse")};
    QStringList fehler;
    auto fehlerIn = [&](int zeile, const QString &text) {
        fehler << QStringLiteral("Zeile %1: %2").arg(zeile).arg(text);
    };
    QStringList kopfZeile = zeilen.value(0).split(QLatin1Char(';'));
    for (QString &f : kopfZeile)
        f = f.trimmed();
    if (kopfZeile != kopf) {
        fehlerIn(1, QStringLiteral("Kopfzeile muss „%1“ lauten").arg(kopf.join(QLatin1Char(';'))));
        err << fehler.first() << "\nNichts importiert.\n";
        return 1;
    }

    // names are compared in the form the cat record window stores them
    QHash<QString, QVector<Kandidat>> namen;
    {
        Query q(&db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht FROM \"catstamm.db\""));
        for (q.open(); !q.eof(); q.next())
            namen[cats::normalizedName(q.value(1).toString())].append(
                Kandidat{q.value(0).toInt(), 0, q.value(2).toString()});
    }
    QVector<Rasse> rassen;
    if (db.tableExists(rasse::Datei)) {
        Query q(&db, QStringLiteral("SELECT RCode, RKurzname, RName FROM \"rasse.db\" ORDER BY RCode"));
        for (q.open(); !q.eof(); q.next())
            rassen.append(
                {q.value(0).toInt(), q.value(1).toString().trimmed(), q.value(2).toString().trimmed()});
    }
    const bool zusatz = zusatzBeiZwinger();
    const bool mitAdressen = db.tableExists(adr_dat::Datei);
    QHash<QString, int> zuechterVon; // cattery -> address, 0 for none
    const int nameLaenge = store::findTableDef(Katzen)->field(QStringLiteral("Name"))->size;

    QVector<NeueKatze> neu;
    QHash<int, int> neuNachZeile; // line -> index in neu
    for (int i = 1; i < zeilen.size(); ++i) {
        const int nr = i + 1;
        if (zeilen[i].trimmed().isEmpty())
            continue;
        QStringList f = zeilen[i].split(QLatin1Char(';'));
        if (f.size() != kopf.size()) {
            fehlerIn(nr, QStringLiteral("%1 Spalten statt %2").arg(f.size()).arg(kopf.size()));
            continue;
        }
        // checked before trimming, which would take a tab or a line feed at either end away
        bool steuerzeichen = false;
        for (int spalte = 0; spalte < f.size() && !steuerzeichen; ++spalte) {
            if (const qsizetype at = store::controlCharacterAt(f[spalte]); at >= 0) {
                fehlerIn(nr, QStringLiteral("Steuerzeichen U+%1 in %2")
                                 .arg(f[spalte][at].unicode(), 4, 16, QLatin1Char('0'))
                                 .arg(kopf[spalte]));
                steuerzeichen = true;
            }
        }
        if (steuerzeichen)
            continue;
        for (QString &s : f)
            s = s.trimmed();
        for (const int spalte : {0, 2, 3})
            f[spalte] = cats::normalizedName(f[spalte]);
        NeueKatze k;
        k.zeile = nr;
        k.name = f[0];
        k.geschlecht = f[1];
        bool gut = true;
        if (k.name.isEmpty()) {
            fehlerIn(nr, QStringLiteral("Name fehlt"));
            gut = false;
        } else if (store::textLength(k.name) > nameLaenge) {
            fehlerIn(nr, QStringLiteral("Name länger als %1 Zeichen").arg(nameLaenge));
            gut = false;
        }
        if (!istKater(k.geschlecht) && !istKatze(k.geschlecht)) {
            fehlerIn(nr, QStringLiteral("Geschlecht „%1“ ist nicht 1, 2, 3 oder 4").arg(k.geschlecht));
            gut = false;
        }
        if (const auto d = leseDatum(f[4])) {
            k.geboren = *d;
            if (d->isValid() && (*d > QDate::currentDate() || d->year() < 1900)) {
                fehlerIn(nr, QStringLiteral("Geburtsdatum „%1“ liegt %2")
                                 .arg(f[4], *d > QDate::currentDate() ? QStringLiteral("in der Zukunft")
                                                                      : QStringLiteral("vor 1900")));
                gut = false;
            }
        } else {
            fehlerIn(
                nr,
                QStringLiteral("Geburtsdatum „%1“ ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ)").arg(f[4]));
            gut = false;
        }
        if (!f[5].isEmpty()) {
            QString text;
            k.rasse = rasseFinden(rassen, f[5], text);
            if (!k.rasse) {
                fehlerIn(nr, text);
                gut = false;
            }
        }
        // a parent must name exactly one cat of the right sex above this line or in the register
        auto elter = [&](const QString &name, bool vater, qint32 &nummer, int &index) {
            if (name.isEmpty())
                return true;
            const QString rolle = vater ? QStringLiteral("Vater") : QStringLiteral("Mutter");
            const QVector<Kandidat> alle = namen.value(name);
            QVector<Kandidat> passend;
            for (const Kandidat &c : alle)
                if (vater ? istKater(c.geschlecht) : istKatze(c.geschlecht))
                    passend << c;
            if (alle.isEmpty()) {
                fehlerIn(nr,
                         QStringLiteral("%1 „%2“ steht weder weiter oben in der Datei noch im Katzenregister")
                             .arg(rolle, name));
                return false;
            }
            if (passend.isEmpty()) {
                fehlerIn(nr, QStringLiteral("%1 „%2“ ist %3")
                                 .arg(rolle, name,
                                      vater ? QStringLiteral("kein Kater") : QStringLiteral("keine Katze")));
                return false;
            }
            if (passend.size() > 1) {
                QStringList wer;
                for (const Kandidat &c : passend)
                    wer << c.text();
                fehlerIn(nr,
                         QStringLiteral("%1 „%2“ ist nicht eindeutig (%3)").arg(rolle, name, wer.join(", ")));
                return false;
            }
            nummer = passend.first().nummer;
            index = passend.first().nummer ? -1 : neuNachZeile.value(passend.first().zeile, -1);
            return true;
        };
        gut = elter(f[2], true, k.vaterNr, k.vaterNeu) && gut;
        gut = elter(f[3], false, k.mutterNr, k.mutterNeu) && gut;
        if (!k.name.isEmpty())
            namen[k.name].append(Kandidat{0, nr, k.geschlecht});
        if (gut) {
            if (const auto ableitung = cats::zwingerAusName(k.name, zusatz)) {
                k.zwinger = ableitung->zwinger;
                const QString schluessel = k.zwinger.toCaseFolded();
                if (!zuechterVon.contains(schluessel))
                    zuechterVon.insert(schluessel,
                                       mitAdressen ? cats::zuechterZumZwinger(db, k.zwinger).value_or(0) : 0);
                k.zuechter = zuechterVon.value(schluessel);
            }
            neuNachZeile.insert(nr, int(neu.size()));
            neu << k;
        }
    }
    if (!fehler.isEmpty()) {
        for (const QString &f : fehler)
            err << f << "\n";
        err << "Nichts importiert.\n";
        return 1;
    }

    // the findings of the register check that the new cats would bring, before anything is written;
    // they do not stop the import (a date may be uncertain), the program offers the check afterwards
    {
        QVector<maintenance::PruefKatze> pruef;
        for (int i = 0; i < neu.size(); ++i) {
            const NeueKatze &k = neu[i];
            const auto nummer = [](int index, qint32 nr) { return index >= 0 ? -(index + 1) : nr; };
            pruef.append({-(i + 1), k.zeile, k.name, k.zwinger, k.geschlecht, k.geboren, QDate(),
                          nummer(k.vaterNeu, k.vaterNr), nummer(k.mutterNeu, k.mutterNr)});
        }
        importHinweise(db, pruef, out);
    }

    store::Table t(&db, Katzen);
    t.open();
    QVector<qint32> nummern(neu.size(), 0);
    store::Transaction txn(db, Katzen);
    try {
        for (int i = 0; i < neu.size(); ++i) {
            const NeueKatze &k = neu[i];
            const qint32 vater = k.vaterNeu >= 0 ? nummern[k.vaterNeu] : k.vaterNr;
            const qint32 mutter = k.mutterNeu >= 0 ? nummern[k.mutterNeu] : k.mutterNr;
            t.append();
            for (const auto &[feld, wert] : cats::neueKatzeWerte())
                t.setValue(feld, wert);
            t.setValue(catstamm::Name, k.name);
            t.setValue(catstamm::Zwinger, k.zwinger);
            t.setValue(catstamm::Zuechter, k.zuechter ? QVariant(k.zuechter) : QVariant());
            t.setValue(catstamm::Geschlecht, k.geschlecht);
            t.setValue(catstamm::GebDatum, k.geboren);
            t.setValue(catstamm::Rasse, k.rasse ? QVariant(k.rasse) : QVariant());
            t.setValue(catstamm::Vater, vater ? QVariant(vater) : QVariant());
            t.setValue(catstamm::Mutter, mutter ? QVariant(mutter) : QVariant());
            t.post();
            nummern[i] = t.value(catstamm::LaufendeNummer).toInt();
        }
        txn.commit();
        maintenance::importVermerken(db.dataDir(), int(neu.size()));
    } catch (...) {
        if (t.isEditing())
            t.cancel();
        throw;
    }
    out << neu.size() << (neu.size() == 1 ? " Katze importiert\n" : " Katzen importiert\n");
    return 0;
}
