// The two show entry windows: their fields, groups and buttons.
#include "Meldeformular.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tav::printouts::ui {

namespace {

QGridLayout *raster(QGroupBox *g)
{
    auto *r = new QGridLayout(g);
    r->setHorizontalSpacing(6);
    r->setVerticalSpacing(3);
    r->setColumnStretch(1, 1);
    r->setColumnStretch(3, 1);
    return r;
}

// the cat's names are the longest texts of the window
void breiteNamen(QGridLayout *g)
{
    g->setColumnMinimumWidth(1, 200);
    g->setColumnMinimumWidth(3, 200);
}

} // namespace

TFormMeldeformular::TFormMeldeformular(const Meldung &gelesen, QWidget *parent)
    : MeldeformularBasis(gelesen, QStringLiteral("FormMeldeformular"), 6300, parent)
{
    setWindowTitle(QStringLiteral("Anmeldeformular"));
    // this window shows postcode and town in one field
    m_gelesen.ort2 = m_gelesen.plzOrt();
    m_gelesen.plz.clear();
    using M = Meldung;

    auto *show = gruppe(6301, QStringLiteral("Ausstellung"));
    auto *gs = raster(show);
    ADatum = feld(gs, 0, 0, 3181, QStringLiteral("Datum"), "ADatum", &M::datum);
    AOrt = feld(gs, 0, 1, 3182, QStringLiteral("Ausstellungsort"), "AOrt", &M::ort);
    Verein = feld(gs, 1, 0, 3183, QStringLiteral("Verein"), "Verein", &M::verein);
    auto *fuer = gruppe(6304, QStringLiteral(" Meldung für "));
    auto *hf = new QHBoxLayout(fuer);
    CheckBoxSamstag = marke(6305, QStringLiteral("Samstag"), "CheckBoxSamstag", &M::samstag);
    CheckBoxSonntag = marke(6306, QStringLiteral("Sonntag"), "CheckBoxSonntag", &M::sonntag);
    hf->addWidget(CheckBoxSamstag);
    hf->addWidget(CheckBoxSonntag);
    gs->addWidget(fuer, 1, 2, 1, 2);

    auto *aussteller = gruppe(6302, QStringLiteral("Aussteller"));
    auto *ga = raster(aussteller);
    AusstellerEdit = feld(ga, 0, 0, 6307, QStringLiteral("Aussteller:"), "AusstellerEdit", &M::aussteller);
    AusstellerEdit->setReadOnly(true);
    feld(ga, 0, 1, 6308, QStringLiteral("Telefon:"), "Telefonedit", &M::telefon);
    feld(ga, 1, 0, 6309, QStringLiteral("Straße:"), "StrasseEdit", &M::strasse);
    feld(ga, 1, 1, 6310, QStringLiteral("Ort:"), "OrtEdit", &M::ort2);
    feld(ga, 2, 0, 6311, QStringLiteral("Land:"), "LandEdit", &M::land);
    feld(ga, 2, 1, 6312, QStringLiteral("Mitglied bei:"), "MitgleidbeiEdit", &M::mitgliedBei);

    auto *katze = gruppe(6303, QStringLiteral("Katze"));
    auto *gk = raster(katze);
    NameKatzeEdit = feld(gk, 0, 0, 6313, QStringLiteral("Name der Katze:"), "NameKatzeEdit", &M::name);
    feld(gk, 0, 1, 6314, QStringLiteral("Geb.Datum:"), "GebDatEdit", &M::gebDatum);
    feld(gk, 1, 0, 757, QStringLiteral("Rasse:"), "RasseEdit", &M::rasse);
    feld(gk, 1, 1, 6315, QStringLiteral("Zuchtbuch-Nr.:"), "ZuchtbNrEdit", &M::zuchtbuchNr);
    feld(gk, 2, 0, 761, QStringLiteral("Farbe:"), "FarbeEdit", &M::farbe);
    feld(gk, 2, 1, 835, QStringLiteral("Chip-Nr.:"), "ChipNrEdit", &M::chipNr);
    feld(gk, 3, 0, 765, QStringLiteral("Züchter:"), "ZuechterEdit", &M::zuechter);
    feld(gk, 3, 1, 762, QStringLiteral("Augenfarbe:"), "AugenfarbeEdit", &M::augenfarbe);
    feld(gk, 4, 0, 1428, QStringLiteral("Geschlecht:"), "GeschlechtEdit", &M::geschlecht);
    VaterEdit = feld(gk, 5, 0, 763, QStringLiteral("Vater:"), "VaterEdit", &M::vater);
    feld(gk, 5, 1, 761, QStringLiteral("Farbe:"), "VFarbeEdit", &M::vaterFarbe);
    feld(gk, 6, 0, 764, QStringLiteral("Mutter:"), "MutterEdit", &M::mutter);
    feld(gk, 6, 1, 761, QStringLiteral("Farbe:"), "MFarbeEdit", &M::mutterFarbe);
    breiteNamen(gk);

    auto *meldung = gruppe(6365, QStringLiteral("Meldung"));
    auto *gm = raster(meldung);
    feld(gm, 0, 0, 6316, QStringLiteral("Anzahl gemeldeter Tiere:"), "AnzahlEdit", &M::anzahl);
    feld(gm, 1, 0, 6317, QStringLiteral("Einzel-/Doppelkäfige:"), "EinzelEdit", &M::einzelKaefige);
    auto *doppel = new QLineEdit(m_gelesen.doppelKaefige, this);
    doppel->setObjectName(QStringLiteral("DoppelEdit"));
    m_texte.append({doppel, &M::doppelKaefige});
    gm->addWidget(doppel, 1, 2, 1, 2);
    feld(gm, 2, 0, 6318, QStringLiteral("Doppelkäfig 1 Katze:"), "Doppel1Edit", &M::doppelKaefigEineKatze);
    feld(gm, 3, 0, 6319, QStringLiteral("Plazierungswunsch/Doppelkäfig mit:"), "PlatzEdit", &M::plazierung)
        ->setMinimumWidth(160);
    gm->addWidget(jaNein(6320, QStringLiteral("Verkäuflich"), "RadioGroupVerkaeuflich", &M::verkaeuflich), 0,
                  2, 1, 2);
    auto *bank = gruppe(6323, QStringLiteral("Bankverbindung"));
    auto *gb = raster(bank);
    feld(gb, 0, 0, 6324, QStringLiteral("Bank:"), "BankEdit", &M::bank);
    feld(gb, 1, 0, 6325, QStringLiteral("BLZ:"), "BLZEdit", &M::blz);
    feld(gb, 1, 1, 6326, QStringLiteral("Konto-Nr.:"), "KontoEdit", &M::konto);
    gm->addWidget(bank, 4, 0, 1, 4);

    auto *klassen = gruppe(6327, QStringLiteral(" gemeldete Klasse "));
    auto *gkl = new QGridLayout(klassen);
    gkl->setVerticalSpacing(1);
    const QVector<MeldeKlasse> &alle = meldeKlassen();
    const int proSpalte = (int(alle.size()) + 2) / 3;
    for (int i = 0; i < alle.size(); ++i) {
        auto *c = new QCheckBox(alle[i].box, klassen);
        c->setObjectName(QStringLiteral("CheckBoxKlasse%1").arg(i + 1));
        // the registries' class names read the same in every language, on screen as on the forms
        c->setProperty("dataText", true);
        m_klassen << c;
        gkl->addWidget(c, i % proSpalte, i / proSpalte);
    }

    auto *schluss = new QGridLayout;
    schluss->addWidget(marke(6328, QStringLiteral("Steward"), "CheckBoxSteward", &M::steward), 0, 0);
    schluss->addWidget(
        marke(6329, QStringLiteral("Zahlung Meldegebühren am Einlaß"), "CheckBoxEinlass", &M::zahlungEinlass),
        0, 1);
    schluss->addWidget(
        marke(6330, QStringLiteral("Einzugsermächtigung liegt vor"), "CheckBoxEinzug", &M::einzug), 0, 2);
    schluss->addWidget(
        marke(6331, QStringLiteral("Gebühr wird überwiesen"), "CheckBoxUeberweisung", &M::ueberweisung), 1,
        0);
    schluss->addWidget(
        marke(6332, QStringLiteral("Bezahlung mit Gutschein"), "CheckBoxGutschein", &M::gutschein), 1, 1);
    auto *datum = new QGridLayout;
    feld(datum, 0, 0, 6333, QStringLiteral("Datum:"), "DatumEdit", &M::ausgestellt);
    schluss->addLayout(datum, 1, 2);

    BitBtnVorschau = knopf(6334, QStringLiteral("&Druckvorschau"), "BitBtnVorschau");
    BitBtnDrucken = knopf(6335, QStringLiteral("&Drucken"), "BitBtnDrucken");
    BitBtnVorschauFIFE = knopf(6336, QStringLiteral("&Druckvorschau FIFE"), "BitBtnVorschauFIFE");
    BitBtnDruckenFIFE = knopf(6337, QStringLiteral("Drucken &FIFE"), "BitBtnDruckenFIFE");
    BitBtnVorschauDRU = knopf(6338, QStringLiteral("&Druckvorschau D.R.U."), "BitBtnVorschauDRU");
    BitBtnDruckenDRU = knopf(6339, QStringLiteral("Drucken &D.R.U."), "BitBtnDruckenDRU");
    for (const auto &[vorschau, druck, form] :
         {std::tuple{BitBtnVorschau, BitBtnDrucken, Meldeform::Allgemein},
          std::tuple{BitBtnVorschauFIFE, BitBtnDruckenFIFE, Meldeform::FIFE},
          std::tuple{BitBtnVorschauDRU, BitBtnDruckenDRU, Meldeform::DRU}}) {
        connect(vorschau, &QPushButton::clicked, this, [this, f = form] { zeigen(f); });
        connect(druck, &QPushButton::clicked, this, [this, f = form] { drucken(f); });
    }

    auto *abschluss = new QWidget(this);
    abschluss->setLayout(schluss);
    zusammensetzen(QStringLiteral("Anmeldeformular - Katzenausstellung"), {show, aussteller, katze},
                   {meldung, klassen, abschluss},
                   {BitBtnVorschau, BitBtnDrucken, BitBtnVorschauFIFE, BitBtnDruckenFIFE, BitBtnVorschauDRU,
                    BitBtnDruckenDRU});
}

TFormMeldeformularCFA::TFormMeldeformularCFA(const Meldung &gelesen, QWidget *parent)
    : MeldeformularBasis(gelesen, QStringLiteral("FormMeldeformularCFA"), 6341, parent)
{
    setWindowTitle(QStringLiteral("Anmeldeformular CFA"));
    m_klassenTeil = &Meldung::cfa;
    using M = Meldung;

    auto *show = gruppe(6301, QStringLiteral("Ausstellung"));
    auto *gs = raster(show);
    ADatum = feld(gs, 0, 0, 3181, QStringLiteral("Datum"), "ADatum", &M::datum);
    AOrt = feld(gs, 0, 1, 3182, QStringLiteral("Ausstellungsort"), "AOrt", &M::ort);
    Verein = feld(gs, 1, 0, 3183, QStringLiteral("Verein"), "Verein", &M::verein);

    auto *aussteller = gruppe(6302, QStringLiteral("Aussteller"));
    auto *ga = raster(aussteller);
    feld(ga, 0, 0, 6307, QStringLiteral("Aussteller:"), "AusstellerEdit", &M::aussteller)->setReadOnly(true);
    feld(ga, 0, 1, 6308, QStringLiteral("Telefon:"), "TelefonEdit", &M::telefon);
    feld(ga, 1, 0, 6309, QStringLiteral("Straße:"), "StrasseEdit", &M::strasse);
    feld(ga, 1, 1, 6342, QStringLiteral("Fax:"), "FaxEdit", &M::telefax);
    feld(ga, 2, 0, 6343, QStringLiteral("PLZ:"), "PLZEdit", &M::plz);
    feld(ga, 2, 1, 6310, QStringLiteral("Ort:"), "OrtEdit", &M::ort2);
    feld(ga, 3, 0, 6311, QStringLiteral("Land:"), "LandEdit", &M::land);

    auto *katze = gruppe(6303, QStringLiteral("Katze"));
    auto *gk = raster(katze);
    NameKatzeEdit =
        feld(gk, 0, 0, 6313, QStringLiteral("Name der Katze:"), "NameKatzeEdit", &M::nameOhneTitel);
    GebDatEdit = feld(gk, 0, 1, 6314, QStringLiteral("Geb.Datum:"), "GebDatEdit", &M::cfaGebDatum);
    feld(gk, 1, 0, 757, QStringLiteral("Rasse:"), "RasseEdit", &M::rasse);
    feld(gk, 1, 1, 6344, QStringLiteral("CFA Reg.no.:"), "RegNoEdit", &M::zuchtbuchNr);
    feld(gk, 2, 0, 761, QStringLiteral("Farbe:"), "FarbeEdit", &M::farbe);
    FarbklasseEdit =
        feld(gk, 2, 1, 6345, QStringLiteral("Farbklassen no:"), "FarbklasseEdit", &M::farbklasse);
    feld(gk, 3, 0, 765, QStringLiteral("Züchter:"), "ZuechterEdit", &M::zuechter);
    feld(gk, 3, 1, 762, QStringLiteral("Augenfarbe:"), "AugenfarbeEdit", &M::augenfarbe);
    feld(gk, 4, 0, 1428, QStringLiteral("Geschlecht:"), "GeschlechtEdit", &M::geschlecht);
    feld(gk, 5, 0, 763, QStringLiteral("Vater:"), "VaterEdit", &M::vater);
    feld(gk, 5, 1, 764, QStringLiteral("Mutter:"), "MutterEdit", &M::mutter);
    breiteNamen(gk);

    auto *vertreter = gruppe(6346, QStringLiteral("Vertreter"));
    auto *gv = raster(vertreter);
    feld(gv, 0, 0, 2318, QStringLiteral("Name"), "VertreterEdit", &M::vertreter);
    feld(gv, 0, 1, 6308, QStringLiteral("Telefon:"), "VTelefonEdit", &M::vertreterTelefon);
    feld(gv, 1, 0, 6309, QStringLiteral("Straße:"), "VStrasseEdit", &M::vertreterStrasse);
    feld(gv, 1, 1, 6343, QStringLiteral("PLZ:"), "VPLZEdit", &M::vertreterPlz);
    feld(gv, 2, 0, 6310, QStringLiteral("Ort:"), "VOrtEdit", &M::vertreterOrt);
    feld(gv, 2, 1, 6311, QStringLiteral("Land:"), "VLandEdit", &M::vertreterLand);

    auto *klassen = gruppe(6363, QStringLiteral("Klassen"));
    auto *hk = new QHBoxLayout(klassen);
    for (const CfaKlassenGruppe &g : cfaKlassen()) {
        auto *box = gruppe(g.tag, g.kopf);
        auto *v = new QVBoxLayout(box);
        v->setSpacing(1);
        for (const QString &k : g.klassen) {
            auto *c = new QCheckBox(k, box);
            c->setObjectName(QStringLiteral("CheckBoxCFA%1").arg(m_klassen.size() + 1));
            c->setProperty("dataText", true);
            m_klassen << c;
            v->addWidget(c);
        }
        v->addStretch();
        hk->addWidget(box);
    }

    auto *wuensche = gruppe(6364, QStringLiteral("Wünsche"));
    auto *gw = new QGridLayout(wuensche);
    gw->addWidget(jaNein(6320, QStringLiteral("Verkäuflich"), "RadioGroupVerkaeuflich", &M::verkaeuflich), 0,
                  0);
    gw->addWidget(jaNein(6350, QStringLiteral("Extrakäfig"), "RadioGroupExtrakaefig", &M::extrakaefig), 0, 1);
    gw->addWidget(jaNein(6353, QStringLiteral("Pflegeplatz"), "RadioGroupPflegeplatz", &M::pflegeplatz), 0,
                  2);
    auto *gz = new QGridLayout;
    feld(gz, 0, 0, 6356, QStringLiteral("Käfig neben:"), "KaefigNebenEdit", &M::kaefigNeben);
    feld(gz, 1, 0, 6361, QStringLiteral("Idnr.:"), "IdnrEdit", &M::idnr);
    auto *regionText = new QLabel(QStringLiteral("Nummer Ihrer Region"), this);
    regionText->setProperty("tag", 6357);
    ComboBoxRegion = new QComboBox(this);
    ComboBoxRegion->setObjectName(QStringLiteral("ComboBoxRegion"));
    ComboBoxRegion->addItem(QString());
    ComboBoxRegion->addItems(cfaRegionen());
    ComboBoxRegion->setCurrentIndex(m_gelesen.region);
    m_region = ComboBoxRegion;
    gz->addWidget(regionText, 2, 0);
    gz->addWidget(ComboBoxRegion, 2, 1);
    gw->addLayout(gz, 1, 0, 1, 3);
    auto *mitglied = jaNein(6358, QStringLiteral("Ich bin Vereinsmitglied beim"), "RadioGroupMitglied",
                            &M::vereinsmitglied);
    LabelVereinsmitglied = new QLabel(Verein->text(), mitglied);
    LabelVereinsmitglied->setObjectName(QStringLiteral("LabelVereinsmitglied"));
    LabelVereinsmitglied->setProperty("dataText", true);
    static_cast<QHBoxLayout *>(mitglied->layout())->insertWidget(0, LabelVereinsmitglied);
    connect(Verein, &QLineEdit::textChanged, LabelVereinsmitglied, &QLabel::setText);
    gw->addWidget(mitglied, 2, 0, 1, 3);

    BitBtnVorschau = knopf(6334, QStringLiteral("&Druckvorschau"), "BitBtnVorschau");
    BitBtnDrucken = knopf(6362, QStringLiteral("Drucken "), "BitBtnDrucken");
    connect(BitBtnVorschau, &QPushButton::clicked, this, [this] { zeigen(Meldeform::CFA); });
    connect(BitBtnDrucken, &QPushButton::clicked, this, [this] { drucken(Meldeform::CFA); });

    zusammensetzen(QStringLiteral("Anmeldeformular - Katzenausstellung CFA"), {show, aussteller, katze},
                   {vertreter, klassen, wuensche}, {BitBtnVorschau, BitBtnDrucken});
}

} // namespace tav::printouts::ui
