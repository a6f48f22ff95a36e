// Stammdaten: rules of a cat's master record: new-cat values, addresses, age, pictures, caption.
#include "Stammdaten.h"

#include "app/Global.h"
#include "store/Database.h"
#include "store/Namen_office.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::cats {

QList<QPair<QString, QVariant>> neueKatzeWerte(const NeueKatzeVorgaben &vorgaben)
{
    QList<QPair<QString, QVariant>> werte{{QStringLiteral("AndereRegistrierung"), false}};
    if (!vorgaben.farbe.isEmpty())
        werte.append({QStringLiteral("FellFarbe"), vorgaben.farbe});
    if (vorgaben.rasse > 0)
        werte.append({QStringLiteral("Rasse"), vorgaben.rasse});
    if (vorgaben.fellart > 0)
        werte.append({QStringLiteral("Fellart"), vorgaben.fellart});
    werte.append({QStringLiteral("Status"), StatusNeueKatze});
    return werte;
}

QStringList adressBlock(const Adresse &a, const QString &anzeige)
{
    QStringList lines;
    if (!anzeige.isEmpty())
        lines << anzeige;
    else
        lines << (a.vorname.isEmpty() ? a.name : a.name + QStringLiteral(", ") + a.vorname);
    if (!a.strasse.isEmpty())
        lines << a.strasse;
    QString ort = a.plz.isEmpty() ? a.ort : a.plz + QLatin1Char(' ') + a.ort;
    const QString land = a.land.trimmed();
    if (!land.isEmpty() && land.size() <= 3)
        ort = land + QLatin1Char('-') + ort;
    if (!ort.trimmed().isEmpty())
        lines << ort;
    if (!a.telefon.isEmpty())
        lines << a.telefon;
    if (land.size() > 3)
        lines << land;
    return lines;
}

namespace {
Adresse adresseDerZeile(const tav::store::Table &t)
{
    return {t.text(eigen::Name), t.text(eigen::Vorname),         t.text(eigen::Strasse), t.text(eigen::Plz),
            t.text(eigen::Ort),  t.text(QStringLiteral("Land")), t.text(eigen::Telefon)};
}
} // namespace

QString adressText(tav::store::Table &adressen, int nr)
{
    if (nr <= 0 || !adressen.findKey({nr}))
        return QString();
    return adressBlock(adresseDerZeile(adressen)).join(QLatin1Char('\n'));
}

QString eigeneAdresseText(tav::store::Database &db)
{
    tav::store::Table eigen(&db, eigen::Datei);
    eigen.setReadOnly(true);
    eigen.open();
    if (eigen.isEmpty())
        return QString();
    eigen.first();
    return adressBlock(adresseDerZeile(eigen)).join(QLatin1Char('\n'));
}

QDate alterEnde(const QDate &tod, int status, const QDate &heute)
{
    if (!tod.isValid() && status != 4)
        return heute;
    return tod;
}

AlterAnzeige alterAnzeigeAm(const QDate &geb, const QDate &tod, int status, const QDate &heute)
{
    const QDate ende = alterEnde(tod, status, heute);
    const tav::app::AlterTeile teile = tav::app::alterTeile(0, QDate(), ende, geb);
    return alterAnzeige(geb, tod, status, teile.jahre,
                        tav::app::TDatenGlobal::alterBerechnen(0, QDate(), ende, geb));
}

AlterAnzeige alterAnzeige(const QDate &geb, const QDate &tod, int status, int jahre, const QString &alterText)
{
    AlterAnzeige out;
    if (!geb.isValid())
        return out;
    out.mitGeburt = true;
    if (!tod.isValid() && status != 4 && jahre <= 25) {
        out.alterAkt = alterText;
        return out;
    }
    out.tot = true;
    if (tod.isValid())
        out.alter = alterText;
    return out;
}

QString bemerkungVorschau(const QString &bemerkung)
{
    QString rest = bemerkung;
    QString out;
    for (int i = 0; i < 6; ++i) {
        const int blank = rest.indexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        out += rest.left(blank + 1);
        rest = rest.mid(blank + 1);
    }
    if (!rest.contains(QLatin1Char(' ')))
        out += rest.left(20);
    if (out.size() < bemerkung.size())
        out += QStringLiteral(" ...");
    return out;
}

QRect bildEinpassen(const QSize &bild, const QSize &panel, int rand, bool anpassen)
{
    if (bild.isEmpty())
        return QRect();
    int w = bild.width();
    int h = bild.height();
    const int innenB = panel.width() - 2 * rand;
    const int innenH = panel.height() - 2 * rand;
    if (anpassen && innenB > 0 && innenH > 0) {
        double f = double(innenB) / bild.width();
        if (bild.height() * f > innenH)
            f = double(innenH) / bild.height();
        w = qMax(1, int(bild.width() * f));
        h = qMax(1, int(bild.height() * f));
    }
    const int left = innenB / 2 + rand - w / 2;
    const int top = innenH / 2 + rand - h / 2;
    return QRect(left, top, w, h);
}

int druckBildNachLoeschen(int feld2, int geloescht)
{
    if (feld2 == geloescht)
        return 0;
    if (feld2 > geloescht)
        return feld2 - 1;
    return feld2;
}

bool druckBildGueltig(int feld2, int anzahl)
{
    return feld2 >= 1 && feld2 <= anzahl;
}

QString bildZaehler(int akt, int anzahl, int sprache)
{
    if (sprache == 1)
        return QStringLiteral("Picture %1 of %2").arg(akt).arg(anzahl);
    if (sprache == 2)
        return QStringLiteral("Afbeelding %1 van %2").arg(akt).arg(anzahl);
    return QStringLiteral("Bild %1 von %2").arg(akt).arg(anzahl);
}

QString katzeUeberschrift(const QString &name, const QString &gebText, const QString &farbe)
{
    QString out = name;
    if (!gebText.trimmed().isEmpty())
        out += QStringLiteral(", ") + gebText;
    if (!farbe.trimmed().isEmpty())
        out += QStringLiteral(", ") + farbe;
    return out;
}

} // namespace tav::cats
