// InzuchtFormatTexte: the result texts of InzuchtFormat.
#include "InzuchtErgebnis.h"
#include "InzuchtFormat.h"

namespace tav::breeding {

namespace {

class Schreiber
{
  public:
    Schreiber(const InzuchtErgebnis &e, const InzuchtTextArt &a)
        : m_e(e), m_a(a), m_moeglich(e.AnzahlMoeglicherVorf.alsDouble())
    {
    }

    QString meldung(int nr) const { return m_a.meldung ? m_a.meldung(nr) : QString(); }
    QString text(const char *deutsch, const char *englisch) const
    {
        return QString::fromUtf8(m_a.sprache == 0 ? deutsch : englisch);
    }
    QString prozentVonMoeglich(Anzahl n, int p, int d) const
    {
        return festkomma(double(n) * (100.0 / m_moeglich), p, d, m_a.dezimal);
    }
    QString ausgelassen(quint64 n) const { return ausgelasseneZeilenText(n, m_a.meldung); }

    void ahnenverlust(InzuchtTexte &t) const;
    void inzucht(InzuchtTexte &t) const;
    void info(InzuchtTexte &t) const;
    void klone(InzuchtTexte &t) const;
    void rassen(InzuchtTexte &t) const;

  private:
    QString infoZeile(const InzuchtErgebnis::Info &i) const;

    const InzuchtErgebnis &m_e;
    const InzuchtTextArt &m_a;
    double m_moeglich;
};

void Schreiber::ahnenverlust(InzuchtTexte &t) const
{
    const QChar dez = m_a.dezimal;
    t.Stammbaumkomplett = meldung(m_e.komplett ? 42 : 43);
    t.Ahnenverlustkoeffizient = ahnenverlustText(m_e.ahnenverlust, dez);
    t.Ahnenverlust << QString() << meldung(44) + QLatin1Char(' ') + m_e.AnzahlMoeglicherVorf.text()
                   << meldung(93) + QLatin1Char(' ') + anzahlText(m_e.AnzahlVorhandenerVorf)
                   << meldung(45) + QLatin1Char(' ') + anzahlText(m_e.verschiedeneVorfahren) << QString()
                   << meldung(46) + QLatin1Char(' ') + anzahlText(m_e.zaehlerdoppelt)
                   << meldung(47) + QLatin1Char(' ') + festkomma(m_e.ahnenverlust, 3, 2, dez);
}

void Schreiber::inzucht(InzuchtTexte &t) const
{
    const QChar dez = m_a.dezimal;
    if (!m_e.beitrag) {
        t.Inzucht << meldung(48);
        t.Inzuchtkoeffizient = t.Inzuchtkoeffizientkurz = QStringLiteral(" 0%");
        return;
    }
    t.Inzuchtkoeffizient = QLatin1Char(' ') + festkomma(m_e.koeffizient, 4, 5, dez) + QStringLiteral(" = ") +
                           festkomma(m_e.koeffizient * 100.0, 4, 2, dez) + QLatin1Char('%');
    t.Inzuchtkoeffizientkurz = koeffizientKurzText(m_e.koeffizient, true, dez);
    if (!m_e.listen)
        return;
    // the term of a pair depends only on its steps; most lines share a few
    QHash<int, QString> termText;
    const auto term = [&](int schritte) {
        auto it = termText.constFind(schritte);
        if (it == termText.constEnd()) {
            double wert = 0.5;
            for (int j = 0; j < schritte; ++j)
                wert *= 0.5;
            it = termText.insert(schritte, festkomma(wert, 3, 5, dez));
        }
        return *it;
    };
    if (m_e.einzeln) {
        for (const InzuchtErgebnis::Paar &p : m_e.einzelPaare)
            t.Inzucht << p.name + QStringLiteral(" : ") + QString::number(p.s) + QStringLiteral(" : ") +
                             QString::number(p.d) + QStringLiteral(" = ") + term(p.s + p.d);
        if (m_e.einzelPaareWeitere > 0)
            t.Inzucht << ausgelassen(m_e.einzelPaareWeitere);
        return;
    }
    GrosseZahl gesamt = m_e.paareWeitereAnzahl;
    for (const InzuchtErgebnis::Paar &p : m_e.paare) {
        t.Inzucht << p.name + QStringLiteral(" : ") + QString::number(p.s) + QStringLiteral(" : ") +
                         QString::number(p.d) + QStringLiteral(" = ") + term(p.s + p.d) +
                         QStringLiteral(" (") + p.anzahl.text() + QStringLiteral("x)");
        gesamt.addiere(p.anzahl);
    }
    t.Inzucht << text("Liste zusammengefasst: %1 Paare in %2 Zeilen", "List condensed: %1 pairs in %2 lines")
                     .arg(gesamt.text())
                     .arg(quint64(m_e.paare.size()) + m_e.paareWeitere);
    if (m_e.paareWeitere > 0)
        t.Inzucht << ausgelassen(m_e.paareWeitere);
}

QString Schreiber::infoZeile(const InzuchtErgebnis::Info &i) const
{
    const int nr = i.art == InfoArt::VaterFehlt ? 40 : i.art == InfoArt::MutterFehlt ? 41 : 107;
    return QString::number(i.generation) + QLatin1Char(' ') + meldung(39) + i.name + QLatin1Char(' ') +
           meldung(nr);
}

void Schreiber::info(InzuchtTexte &t) const
{
    if (!m_e.listen)
        return;
    if (m_e.einzeln) {
        for (const InzuchtErgebnis::Info &i : m_e.info)
            t.Info << infoZeile(i);
    } else {
        for (const InzuchtErgebnis::Info &i : m_e.info)
            t.Info << infoZeile(i) + QStringLiteral(" (") + anzahlText(i.anzahl) + QStringLiteral("x)");
        if (!m_e.info.isEmpty() || m_e.infoWeitere > 0)
            t.Info << text("Liste zusammengefasst: %1 Einträge in %2 Zeilen",
                           "List condensed: %1 entries in %2 lines")
                          .arg(anzahlText(m_e.infoGesamt))
                          .arg(quint64(m_e.info.size()) + m_e.infoWeitere);
    }
    if (m_e.infoWeitere > 0)
        t.Info << ausgelassen(m_e.infoWeitere);
}

void Schreiber::klone(InzuchtTexte &t) const
{
    for (const InzuchtErgebnis::Klon &k : m_e.klone)
        t.Clon << (m_moeglich == 0.0 ? QStringLiteral("0 %")
                                     : prozentVonMoeglich(k.anzahl, 4, 2) + QStringLiteral(" %/") + k.name);
    if (m_e.kloneWeitere > 0)
        t.Clon << ausgelassen(m_e.kloneWeitere);
    if (t.Clon.isEmpty())
        t.Clon << QStringLiteral("0 %");
}

void Schreiber::rassen(InzuchtTexte &t) const
{
    const RasseKurzname kurz = [this](qint32 r) -> std::optional<QString> {
        const auto it = m_e.rasseKurznamen.constFind(r);
        return it == m_e.rasseKurznamen.constEnd() ? std::nullopt : std::optional<QString>(*it);
    };
    const QChar dez = m_a.dezimal;
    const auto prozent = [dez](float p) { return prozentKurz(double(p), dez); };
    t.RTier = anzeigeForm(m_e.tierRasse, kurz, prozent);
    for (int k = 0; k < 4; ++k) {
        for (const InzuchtErgebnis::Rasse &p : m_e.rassen[k])
            t.r[k] << (p.belegt ? anzeigeForm(p.anteile, kurz, prozent) : QString());
    }
}

} // namespace

InzuchtTexte inzuchtTexte(const InzuchtErgebnis &ergebnis, const InzuchtTextArt &art)
{
    const Schreiber s(ergebnis, art);
    InzuchtTexte t;
    s.ahnenverlust(t);
    s.inzucht(t);
    s.info(t);
    s.klone(t);
    s.rassen(t);
    return t;
}

QString topKatzeAnteilText(const InzuchtErgebnis &ergebnis, int slot, QChar dezimal)
{
    if (slot < 1 || slot > 5)
        return QString();
    const double moeglich = ergebnis.AnzahlMoeglicherVorf.alsDouble();
    if (moeglich == 0.0)
        return QStringLiteral(" 0 %");
    return festkomma(double(ergebnis.AnzahlTopKatzen[slot - 1].anzahl) * (100.0 / moeglich), 6, 2, dezimal) +
           QStringLiteral(" %");
}

QString topKatzeAnteilVon(const InzuchtErgebnis &ergebnis, qint32 katze, QChar dezimal)
{
    for (int slot = 1; slot <= 5; ++slot)
        if (ergebnis.AnzahlTopKatzen[slot - 1].katze == katze)
            return topKatzeAnteilText(ergebnis, slot, dezimal);
    return QString();
}

QString ausgelasseneZeilenText(quint64 anzahl, const Meldungstext &meldung)
{
    return (meldung ? meldung(9402) : QString()) + QLatin1Char(' ') + QString::number(anzahl);
}

QString zyklusText(const InzuchtFehler &fehler)
{
    QStringList katzen;
    for (qsizetype i = 0; i < fehler.zyklus.size(); ++i) {
        const QString nr = QString::number(fehler.zyklus[i]);
        const std::optional<QString> &name = fehler.zyklusNamen.value(i);
        katzen << (name ? *name + QStringLiteral(" (") + nr + QLatin1Char(')') : nr);
    }
    return katzen.join(QStringLiteral(" - "));
}

QString fehlerText(const InzuchtFehler &fehler, const InzuchtTextArt &art)
{
    const auto meldung = [&art](int nr) { return art.meldung ? art.meldung(nr) : QString(); };
    const auto text = [&art](const char *deutsch, const char *englisch) {
        return QString::fromUtf8(art.sprache == 0 ? deutsch : englisch);
    };
    switch (fehler.art) {
    case InzuchtFehler::Art::Keiner:
    case InzuchtFehler::Art::Abbruch: return QString();
    case InzuchtFehler::Art::ElternFehlen: return meldung(83);
    case InzuchtFehler::Art::KeinSpeicher: return meldung(126) + QLatin1Char('\r') + meldung(127);
    case InzuchtFehler::Art::ZuVieleVorfahren:
        return text("Zu viele Vorfahren für die Berechnung!", "Too many ancestors for the calculation!");
    case InzuchtFehler::Art::Zyklus:
        return text("Fehler im Katzenregister: Katze ist ihr eigener Vorfahr: ",
                    "Error in the cat register: a cat is its own ancestor: ") +
               zyklusText(fehler);
    }
    return QString();
}

} // namespace tav::breeding
