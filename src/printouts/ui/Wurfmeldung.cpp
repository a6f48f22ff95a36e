#include "Wurfmeldung.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "printouts/ReportWurfbuch.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/EngineError.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tav::printouts::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {

QString beschriftung(int tag, const char *vorgabe)
{
    const QString t = app::sprache().caption(tag);
    return t.isEmpty() ? QString::fromUtf8(vorgabe) : t;
}

// The kittens a print leaves out, named before it runs.
void fehlendeNennen(int meldung, const QStringList &namen)
{
    if (!namen.isEmpty())
        widgets::showMessage(meldung, MsgIcon::Information, MsgButtons::Ok, QString(),
                             QLatin1Char(' ') + namen.join(QStringLiteral(", ")));
}

} // namespace

TformWurfmeldung::TformWurfmeldung(store::Database &db, int katzeNr, int wurf, QWidget *parent)
    : QDialog(parent), m_db(db)
{
    if (shell::Shell *mw = shell::Shell::current(); mw && mw->catRecord())
        mw->catRecord()->eingabeSperren();
    setObjectName(QStringLiteral("FormWurfmeldung"));
    setProperty("tag", 6220);
    setWindowTitle(QStringLiteral("Wurfmeldung und Antrag auf Ahnentafel"));
    bauen();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Wurfmeldung m;
    try {
        m = wurfmeldungLesen(db, katzeNr, wurfLesen(db, katzeNr, wurf),
                             [](int tag) { return app::sprache().caption(tag); });
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
    }
    QApplication::restoreOverrideCursor();
    fuellen(m);
    widgets::translateOnCreate(this);
    fehlendeNennen(MeldungNurZehn, m.nichtAufgenommen);
}

QLineEdit *TformWurfmeldung::feld(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

void TformWurfmeldung::bauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *oben = new QHBoxLayout;
    haupt->addLayout(oben);
    QGridLayout *wurfGitter = nullptr;
    const auto gruppe = [&](const char *titel, int tag) {
        auto *g = new QGroupBox(QString::fromUtf8(titel), this);
        g->setProperty("tag", tag);
        auto *gitter = new QGridLayout(g);
        gitter->setColumnStretch(1, 1);
        oben->addWidget(g, 1);
        return gitter;
    };
    // one caption and field a row; clicking the caption puts the focus into its field
    const auto zeile = [&](QGridLayout *g, const char *name, const char *text, int tag,
                           std::function<QString &(Wurfmeldung &)> ziel) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(g == wurfGitter ? 110 : 190);
        auto *l = new QLabel(QString::fromUtf8(text), this);
        l->setProperty("tag", tag);
        l->setBuddy(edit);
        const int r = g->rowCount();
        g->addWidget(l, r, 0);
        g->addWidget(edit, r, 1);
        m_felder.append({edit, std::move(ziel)});
        return edit;
    };
    using M = Wurfmeldung;
    QGridLayout *wurf = gruppe("Wurf", 4210);
    wurfGitter = wurf;
    zeile(wurf, "Deckdatum", "Deckdatum", 6277, [](M &m) -> QString & { return m.deckdatum; });
    zeile(wurf, "GebDatum", "Geburtsdatum", 1404, [](M &m) -> QString & { return m.gebDatum; });
    zeile(wurf, "Jungtiere", "Jungtiere m./w.", 6221, [](M &m) -> QString & { return m.jungtiere; });
    zeile(wurf, "Mitgliedsnummer", "Mitgliedsnummer", 6222,
          [](M &m) -> QString & { return m.mitgliedsnummer; });
    zeile(wurf, "Zwinger", "Zwinger", 1409, [](M &m) -> QString & { return m.zwinger; });
    wurf->setRowStretch(wurf->rowCount(), 1);

    for (const bool vater : {true, false}) {
        QGridLayout *g = gruppe(vater ? "Vater" : "Mutter", vater ? 716 : 717);
        const auto e = [vater](M &m) -> Elternteil & { return vater ? m.vater : m.mutter; };
        const auto n = [vater](const char *v, const char *mu) { return vater ? v : mu; };
        zeile(g, n("VaterName", "Muttername"), "Titel / Name / Zwingername", 6224,
              [e](M &m) -> QString & { return e(m).name; });
        zeile(g, n("VaterRasse", "MutterRasse"), "Rasse", 1406,
              [e](M &m) -> QString & { return e(m).rasse; });
        zeile(g, n("VaterFarbe", "MutterFarbe"), "Farbe", 1405,
              [e](M &m) -> QString & { return e(m).farbe; });
        zeile(g, n("VaterZuchtbNr", "MutterZuchtbNr"), "Zuchtb.-Nr.", 6225,
              [e](M &m) -> QString & { return e(m).zuchtbNr; });
        zeile(g, n("gebDatumVater", "gebDatumMutter"), "Geburtsdatum", 1404,
              [e](M &m) -> QString & { return e(m).gebDatum; });
        zeile(g, n("VaterChipNr", "MutterChipNr"), "Chip-Nr.", 3124,
              [e](M &m) -> QString & { return e(m).chipNr; });
        zeile(g, n("VaterBesitzer", "MutterBesitzer"), "Besitzer", 1410, [e](M &m) -> QString & {
            return e(m).besitzer.besitzer;
        })->setReadOnly(!vater);
        zeile(g, n("VaterStrasse", "MutterStrasse"), "Straße", 6227,
              [e](M &m) -> QString & { return e(m).besitzer.strasse; });
        zeile(g, n("VaterOrt", "MutterOrt"), "PLZ / Ort", 6228,
              [e](M &m) -> QString & { return e(m).besitzer.ort; });
        zeile(g, n("VaterTelefon", "MutterTelefon"), "Telefon", 6278,
              [e](M &m) -> QString & { return e(m).besitzer.telefon; });
        if (!vater)
            zeile(g, "MutterFax", "Fax", 6279, [e](M &m) -> QString & { return e(m).besitzer.fax; });
        zeile(g, n("VaterZwingerNr", "MutterZwingerNr"), "Zwinger-Nr.", 6226,
              [e](M &m) -> QString & { return e(m).zwingerNr; });
        if (vater)
            zeile(g, "VaterMitglNr", "Mitgl.-Nr.", 6243, [e](M &m) -> QString & { return e(m).mitglNr; });
        g->setRowStretch(g->rowCount(), 1);
    }

    StringGrid1 = new QTableWidget(MaxJungtiere, 5, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({beschriftung(6280, "Name max 24 Zeichen"),
                                            beschriftung(4231, "Geschl."), beschriftung(1406, "Rasse"),
                                            beschriftung(1408, "Augenfarbe"),
                                            beschriftung(6230, "Fellfarbe und Zeichnung")});
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StringGrid1->setMinimumHeight(StringGrid1->verticalHeader()->defaultSectionSize() * (MaxJungtiere + 1) +
                                  6);
    haupt->addWidget(StringGrid1, 1);

    auto *knoepfe = new QGridLayout;
    const auto knopf = [&](const char *name, const char *text, int tag, int r, int c) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        b->setAutoDefault(false);
        knoepfe->addWidget(b, r, c);
        return b;
    };
    BitBtnDruckvorschau = knopf("BitBtnDruckvorschau", "&Druckvorschau", 6281, 0, 0);
    BitBtnOK = knopf("BitBtnOK", "&Drucken", 6286, 1, 0);
    Druckvorschau1Dekzv = knopf("Druckvorschau1Dekzv", "Druckvorschau 1. DEKZV", 6282, 0, 1);
    Drucken1Dekzv = knopf("Drucken1Dekzv", "Drucken 1. DEKZV", 6283, 1, 1);
    BitBtnVorschauDeutschRassekatzenunion =
        knopf("BitBtnVorschauDeutschRassekatzenunion", "Druckvorschau D.R.U.", 6284, 0, 2);
    BitBtnDruckenDeutscheRassekatzenunion =
        knopf("BitBtnDruckenDeutscheRassekatzenunion", "Drucken D.R.U.", 6285, 1, 2);
    BitBtnHilfe = knopf("BitBtnHilfe", "&Hilfe", 22, 0, 3);
    BitBtnAbbruch = knopf("BitBtnAbbruch", "&Zurück", 4853, 1, 3);
    haupt->addLayout(knoepfe);

    connect(BitBtnDruckvorschau, &QPushButton::clicked, this, [this] { vorschau(Wurfformular::Allgemein); });
    connect(Druckvorschau1Dekzv, &QPushButton::clicked, this, [this] { vorschau(Wurfformular::Dekzv); });
    connect(BitBtnVorschauDeutschRassekatzenunion, &QPushButton::clicked, this,
            [this] { vorschau(Wurfformular::Dru); });
    connect(BitBtnOK, &QPushButton::clicked, this, [this] { drucken(Wurfformular::Allgemein); });
    connect(Drucken1Dekzv, &QPushButton::clicked, this, [this] { drucken(Wurfformular::Dekzv); });
    connect(BitBtnDruckenDeutscheRassekatzenunion, &QPushButton::clicked, this,
            [this] { drucken(Wurfformular::Dru); });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { widgets::showHelp(HilfeKontext, this); });
    widgets::setHelpKey(this, HilfeKontext);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
}

void TformWurfmeldung::fuellen(const Wurfmeldung &m)
{
    Wurfmeldung quelle = m;
    for (const Feld &f : std::as_const(m_felder))
        f.edit->setText(f.ziel(quelle));
    for (int r = 0; r < m.kitten.size(); ++r) {
        const Jungtier &k = m.kitten[r];
        const QString zellen[] = {k.name, k.geschlecht, k.rasse, k.augenfarbe, k.fellfarbe};
        for (int c = 0; c < 5; ++c)
            StringGrid1->setItem(r, c, new QTableWidgetItem(zellen[c]));
    }
}

Wurfmeldung TformWurfmeldung::felder() const
{
    Wurfmeldung m;
    for (const Feld &f : m_felder)
        f.ziel(m) = f.edit->text();
    const QString maennlich = app::sprache().caption(TagWortMaennlich);
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        QStringList zellen;
        for (int c = 0; c < StringGrid1->columnCount(); ++c)
            zellen << (StringGrid1->item(r, c) ? StringGrid1->item(r, c)->text() : QString());
        if (const auto k =
                jungtierDerZeile(zellen, maennlich.isEmpty() ? QStringLiteral("männlich") : maennlich))
            m.kitten.append(*k);
    }
    return m;
}

report::ReportJob TformWurfmeldung::formular(Wurfformular f)
{
    Wurfmeldung m = felder();
    try {
        farbnummernErgaenzen(m_db, m);
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
    }
    fehlendeNennen(MeldungFuenfUndFuenf, nichtGedruckt(f, m));
    return reportWurfmeldung(f, m, formtexteLesen(app::sprache().languageNumber()));
}

void TformWurfmeldung::vorschau(Wurfformular f)
{
    report::ui::zeigeVorschau(formular(f), this);
}

void TformWurfmeldung::drucken(Wurfformular f)
{
    report::ReportJob job = formular(f);
    job.prepare(report::programJobSettings());
    report::ui::TVorschau druck(job.layout(report::FontMeasure()), this);
    if (druck.print())
        accept();
}

void wurfmeldungOeffnen(QWidget *parent, store::Database &db, int katzeNr, int wurf)
{
    auto *w = new TformWurfmeldung(db, katzeNr, wurf, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    widgets::execDialog(*w);
}

namespace {
// the queen's litter, or message 165
std::optional<Wurf> wurfOderMeldung(store::Database &db, int katzeNr, int wurf)
{
    std::optional<Wurf> w = wurfLesen(db, katzeNr, wurf);
    if (!w)
        widgets::showMessage(165, MsgIcon::Information, MsgButtons::Ok);
    return w;
}
} // namespace

void wurfbuchDrucken(QWidget *parent, store::Database &db, int katzeNr, int wurf)
{
    const auto w = wurfOderMeldung(db, katzeNr, wurf);
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    if (w)
        report::ui::zeigeVorschau(
            reportWurfbuch(wurfbuchLesen(db, katzeNr, *w, s ? s->TageTraechtigkeit : 65)), parent);
}

void wurfdatenDrucken(QWidget *parent, store::Database &db, int katzeNr, int wurf)
{
    const auto w = wurfOderMeldung(db, katzeNr, wurf);
    if (w)
        report::ui::zeigeVorschau(
            reportWurfdaten(wurfdatenblattLesen(
                db, katzeNr, *w, [](int tag) { return app::sprache().caption(tag); }, druckzeilenBreite())),
            parent);
}

} // namespace tav::printouts::ui
