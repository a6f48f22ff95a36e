#include "CatRecordBaseDataPage.h"
#include "PcatstamIntern.h"

#include "app/Sprache.h"
#include "cats/Referenzlisten.h"
#include "cats/Stammdaten.h"
#include "shell/Shell.h"
#include "store/Table.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Nav2.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace tav::store;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
QLabel *beschriftung(int tag, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = textMitTag(tag, text, parent);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

DBLookupComboBox *nachschlageListe(const QString &name, DataSource *src, const QString &feld, Table *liste,
                                   const QString &schluessel, const QString &anzeige, QWidget *parent)
{
    auto *c = new DBLookupComboBox(parent);
    c->setObjectName(name);
    c->bind(src, feld);
    c->setList(liste, schluessel, anzeige);
    return c;
}

QLineEdit *anzeigeFeld(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    return e;
}

QPlainTextEdit *anzeigeMemo(const QString &name, int hoehe, QWidget *parent)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setFixedHeight(hoehe);
    return m;
}
} // namespace

CatRecordBaseDataPage::CatRecordBaseDataPage(const Quellen &q, Fenster fenster, QPushButton *hilfe,
                                             QWidget *parent)
    : QWidget(parent), m_q(q), m_db(q.db), m_src(q.katze), m_katze(q.katze->table()),
      m_fenster(std::move(fenster))
{
    m_grosseSchrift = logicalDpiX() > 96;
    auto *haupt = new QGridLayout(this);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->setHorizontalSpacing(10);
    haupt->setVerticalSpacing(4);
    haupt->addLayout(identitaetBauen(), 0, 0);
    haupt->addLayout(rechtsBauen(), 0, 1);
    haupt->addLayout(untenBauen(), 1, 0, 1, 2);
    zusatzBauen(haupt);
    haupt->addLayout(leisteBauen(hilfe), 3, 0, 1, 2);
    haupt->setColumnStretch(0, 1);
}

// upper left: the identity of the cat
QLayout *CatRecordBaseDataPage::identitaetBauen()
{
    auto *oben = new QGridLayout;
    oben->setHorizontalSpacing(6);
    oben->setVerticalSpacing(3);
    int r = 0;
    auto feld = [&](int tag, const QString &text, QWidget *w, int row, int col, int span = 1) {
        oben->addWidget(beschriftung(tag, text, w, this), row, col);
        oben->addWidget(w, row, col + 1, 1, span);
    };
    m_name = new DBEdit(m_src, QStringLiteral("Name"), this);
    m_name->setObjectName(QStringLiteral("DBName"));
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::returnPressed, this, [this] { m_zwinger->setFocus(); });
    feld(TagName, QStringLiteral("&Name "), m_name, r++, 0, 3);
    m_zwinger = new DBEdit(m_src, QStringLiteral("Zwinger"), this);
    m_zwinger->setObjectName(QStringLiteral("DBzwinger"));
    connect(m_zwinger, &QLineEdit::editingFinished, this, [this] { DBzwingerExit(); });
    feld(TagZwinger, QStringLiteral("Z&winger"), m_zwinger, r, 0);
    feld(TagRufname, QStringLiteral("R&ufname"), new DBEdit(m_src, QStringLiteral("Rufname"), this), r++, 2);
    m_zbnr1 = new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer1"), this);
    m_zbnr1->setObjectName(QStringLiteral("DBZuchtbuchnummer1"));
    m_zbnr1->setToolTip(QStringLiteral("Ohrmarkennummer"));
    m_zbnr1->setProperty("tag", TagZbNr1); // the hint in the program's language
    connect(m_zbnr1, &QLineEdit::editingFinished, this, [this] { zuchtbuchnummerPruefen(); });
    feld(TagZbNr1, QStringLiteral("Ohrmnr."), m_zbnr1, r, 0);
    auto *taeto = new DBEdit(m_src, QStringLiteral("TaetoNr"), this);
    taeto->setToolTip(QStringLiteral("Zuchtbuchnummer"));
    taeto->setProperty("tag", TagTaetoNr);
    feld(TagTaetoNr, QStringLiteral("Zb.Nr."), taeto, r++, 2);
    feld(TagReg2, QStringLiteral("Reg. &2"), new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer2"), this), r,
         0);
    feld(TagChipNr, QStringLiteral("Chip-Nr."), new DBEdit(m_src, QStringLiteral("ChipNr"), this), r++, 2);

    // birth date with the age beside it; the age panel has a fixed width (see alterAnzeigen)
    m_geb = new DBDateEdit(m_src, QStringLiteral("GebDatum"), this);
    m_geb->setObjectName(QStringLiteral("DBGebDatum"));
    auto *gebZeile = new QWidget(this);
    auto *gebLayout = new QHBoxLayout(gebZeile);
    gebLayout->setContentsMargins(0, 0, 0, 0);
    gebLayout->setSpacing(4);
    gebLayout->addWidget(mitKalender(m_geb, m_src, QStringLiteral("GebDatum"), gebZeile), 1);
    m_alterPanel = new QWidget(gebZeile);
    m_alterPanel->setObjectName(QStringLiteral("PanelAlter"));
    m_alterPanel->setFixedWidth(120);
    auto *alterZeile = new QHBoxLayout(m_alterPanel);
    alterZeile->setContentsMargins(0, 0, 0, 0);
    alterZeile->setSpacing(4);
    m_kreuz = new QLabel(QStringLiteral("\u271D"), m_alterPanel);
    m_kreuz->setObjectName(QStringLiteral("LabelKreuz"));
    alterZeile->addWidget(m_kreuz);
    m_alterAkt = anzeigeFeld(QStringLiteral("DBAlterAkt"), m_alterPanel);
    m_alterAkt->setFocusPolicy(Qt::NoFocus);
    alterZeile->addWidget(m_alterAkt, 1);
    gebLayout->addWidget(m_alterPanel);
    feld(TagGeb, QStringLiteral("G&eb."), gebZeile, r, 0);
    auto *zuchtsperre = new DBDateEdit(m_src, QStringLiteral("zzlDatum"), this);
    feld(TagZuchtsperre, QStringLiteral("Zuchtsperre"),
         mitKalender(zuchtsperre, m_src, QStringLiteral("zzlDatum"), this), r++, 2);
    m_erreicht = beschriftung(TagErreichtesAlter, QStringLiteral("erreichtes Alter"), nullptr, this);
    oben->addWidget(m_erreicht, r++, 1);

    m_rasseCombo = nachschlageListe(QStringLiteral("DBRasse"), m_src, QStringLiteral("Rasse"), m_q.rasse,
                                    QStringLiteral("RCode"), QStringLiteral("RName"), this);
    feld(TagRasse, QStringLiteral("R&asse"), m_rasseCombo, r, 0);
    m_fellartCombo =
        nachschlageListe(QStringLiteral("DBFellart"), m_src, QStringLiteral("Fellart"), m_q.fellart,
                         QStringLiteral("LaufendeNummer"), QStringLiteral("Bezeichnung"), this);
    m_fellartCombo->installEventFilter(this);
    feld(TagFellart, QStringLiteral("Fellart"), m_fellartCombo, r++, 2);
    // the colour lists find an entry by what is typed (farbeSuchen)
    for (bool augen : {false, true}) {
        auto *combo = new DBComboBox(this);
        combo->setObjectName(augen ? QStringLiteral("DBComboBoxAugenfarbe")
                                   : QStringLiteral("DBComboBoxFarbe"));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->bind(m_src, augen ? QStringLiteral("Augenfarbe") : QStringLiteral("FellFarbe"));
        combo->setCompleter(nullptr);
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, augen](const QString &t) { farbeSuchen(augen, t); });
        combo->view()->installEventFilter(this);
        if (augen)
            feld(TagAugenfarbe, QStringLiteral("Au&genf."), combo, r++, 2);
        else
            feld(TagFarbe, QStringLiteral("&Farbe"), combo, r, 0);
        (augen ? m_augenCombo : m_farbeCombo) = combo;
    }
    farbListenLaden();

    feld(TagRute, QStringLiteral("Rute"), new DBEdit(m_src, QStringLiteral("Rute"), this), r, 0);
    feld(TagBlutgruppe, QStringLiteral("Blutgr."), new DBEdit(m_src, QStringLiteral("Blutgruppe"), this), r++,
         2);
    feld(TagGroesse, QStringLiteral("Größe"), new DBEdit(m_src, QStringLiteral("Groesse"), this), r, 0);
    feld(TagGewicht, QStringLiteral("Gewicht"), new DBEdit(m_src, QStringLiteral("Gewicht"), this), r++, 2);
    feld(TagTests, QStringLiteral("Tests"), new DBEdit(m_src, QStringLiteral("Tests"), this), r++, 0, 3);

    m_geschlecht = new DBRadioGroup(QStringLiteral("Gesc&hl."), m_src, QStringLiteral("Geschlecht"), this);
    m_geschlecht->setObjectName(QStringLiteral("DBGeschlecht"));
    m_geschlecht->setProperty("tag", TagGeschlecht);
    m_geschlecht->setItems(
        {QStringLiteral("m"), QStringLiteral("w"), QStringLiteral("m/k"), QStringLiteral("w/k")},
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    {
        // two columns
        const QList<QRadioButton *> knoepfe =
            m_geschlecht->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        delete m_geschlecht->layout();
        auto *g = new QGridLayout(m_geschlecht);
        g->setContentsMargins(6, 2, 6, 2);
        for (int i = 0; i < knoepfe.size(); ++i)
            g->addWidget(knoepfe[i], i / 2, i % 2);
    }
    oben->addWidget(m_geschlecht, r, 0, 1, 2);
    auto *andReg =
        new DBCheckBox(QStringLiteral("And.Reg."), m_src, QStringLiteral("AndereRegistrierung"), this);
    andReg->setProperty("tag", TagAndReg);
    oben->addWidget(andReg, r, 2, 1, 2, Qt::AlignTop);
    ++r;
    m_rfCode = new QLineEdit(this);
    m_rfCode->setObjectName(QStringLiteral("EditRasseFarbcode"));
    m_labelRfCode = beschriftung(TagRfCode, QStringLiteral("Rasse-/Farbcode"), m_rfCode, this);
    oben->addWidget(m_labelRfCode, r, 0);
    oben->addWidget(m_rfCode, r++, 1);
    connect(m_rfCode, &QLineEdit::textEdited, this, [this](const QString &t) { rfCodeEingabe(t); });
    connect(m_rfCode, &QLineEdit::editingFinished, this, [this] { rasseFarbeNeu(); });
    connect(m_rasseCombo, &QComboBox::activated, this, [this] { rasseFarbeNeu(); });
    connect(m_farbeCombo, &QComboBox::activated, this, [this] { rasseFarbeNeu(); });

    oben->addWidget(genetikBauen(), r++, 0, 1, 4);
    oben->setColumnStretch(1, 1);
    oben->setColumnStretch(3, 1);
    oben->setRowStretch(r, 1);
    return oben;
}

QWidget *CatRecordBaseDataPage::genetikBauen()
{
    m_genetik = new QGroupBox(QStringLiteral("Genetik"), this);
    m_genetik->setProperty("tag", TagGenetik);
    auto *g = new QGridLayout(m_genetik);
    m_genoTyp = nachschlageListe(QStringLiteral("DBGenoTyp"), m_src, QStringLiteral("GenoTyp"), m_q.farbeGen,
                                 QStringLiteral("LaufendeNummer"), QStringLiteral("Farbname"), m_genetik);
    m_genoTyp->setMaxVisibleItems(15);
    m_genoTyp->installEventFilter(this);
    connect(m_genoTyp, &QComboBox::activated, this, [this] { gencodeWaehlen(); });
    g->addWidget(beschriftung(TagGenotyp, QStringLiteral("Genotyp"), m_genoTyp, m_genetik), 0, 0);
    g->addWidget(m_genoTyp, 0, 1);
    // the gene code follows the gene type; "Ändern" opens it for typing
    m_gencode = new DBEdit(m_src, QStringLiteral("Gencode"), m_genetik);
    m_gencode->setObjectName(QStringLiteral("DBGencode"));
    m_gencode->setReadOnly(true);
    m_gencode->installEventFilter(this);
    g->addWidget(beschriftung(TagGencode, QStringLiteral("Gencode"), m_gencode, m_genetik), 1, 0);
    g->addWidget(m_gencode, 1, 1);
    auto *aendern = knopfMitTag(TagAendern, QStringLiteral("Ändern"), m_genetik);
    aendern->setObjectName(QStringLiteral("BitBtnGencodeAendern"));
    aendern->setToolTip(QStringLiteral("Gencode ändern"));
    connect(aendern, &QPushButton::clicked, this, [this] {
        m_gencode->setReadOnly(false);
        m_gencode->setFocus();
        m_gencode->selectAll();
    });
    g->addWidget(aendern, 1, 2);
    // the factors the cat carries
    m_traegt = beschriftung(TagTraegt, QStringLiteral("trägt"), nullptr, m_genetik);
    m_traegt->setObjectName(QStringLiteral("LabelTraegt"));
    m_traegt->setToolTip(QStringLiteral("trägt"));
    m_traegt->installEventFilter(this);
    g->addWidget(m_traegt, 2, 0);
    auto *faktoren = new QHBoxLayout;
    auto *agouti = new DBCheckBox(QStringLiteral("Agouti"), m_src, QStringLiteral("Agouti"), m_genetik);
    agouti->setObjectName(QStringLiteral("DBAgouti"));
    agouti->setProperty("tag", TagAgouti);
    auto *verd =
        new DBCheckBox(QStringLiteral("Verdünnung"), m_src, QStringLiteral("Verduennung"), m_genetik);
    verd->setObjectName(QStringLiteral("DBVerduennung"));
    verd->setProperty("tag", TagVerduennung);
    faktoren->addWidget(agouti);
    faktoren->addWidget(verd);
    faktoren->addStretch();
    g->addLayout(faktoren, 2, 1, 1, 2);
    return m_genetik;
}

// upper right: picture, titles, coefficients and traits
QLayout *CatRecordBaseDataPage::rechtsBauen()
{
    auto *rechts = new QVBoxLayout;
    m_bildPanel = new QFrame(this);
    m_bildPanel->setObjectName(QStringLiteral("PanelBild"));
    m_bildPanel->setFrameShape(QFrame::Panel);
    m_bildPanel->setFrameShadow(QFrame::Sunken);
    m_bildPanel->setFixedSize(240, 180);
    m_bild = new QLabel(m_bildPanel);
    m_bild->setObjectName(QStringLiteral("ImageBild"));
    m_bild->setScaledContents(true);
    m_keinBild = textMitTag(9103, QStringLiteral("kein Bild"), m_bildPanel);
    m_keinBild->setAlignment(Qt::AlignCenter);
    m_keinBild->setGeometry(0, 0, 240, 180);
    rechts->addWidget(m_bildPanel, 0, Qt::AlignHCenter);

    titelBauen(rechts);

    auto *koeff = new QGridLayout;
    m_ik = anzeigeFeld(QStringLiteral("DBInzuchtAnz"), this);
    m_avk = anzeigeFeld(QStringLiteral("DBAhnenverlustAnz"), this);
    koeff->addWidget(beschriftung(TagIK, QStringLiteral("IK"), m_ik, this), 0, 0);
    koeff->addWidget(m_ik, 0, 1);
    koeff->addWidget(beschriftung(TagAVK, QStringLiteral("AVK"), m_avk, this), 0, 2);
    koeff->addWidget(m_avk, 0, 3);
    m_rasseProzent = anzeigeMemo(QStringLiteral("RasseProzentAnz"), 40, this);
    koeff->addWidget(beschriftung(TagRasseanteile, QStringLiteral("Rasseanteile"), m_rasseProzent, this), 1,
                     0, 1, 4);
    koeff->addWidget(m_rasseProzent, 2, 0, 1, 4);
    m_merkmaleMemo = anzeigeMemo(QStringLiteral("MemoMerkmale"), 40, this);
    koeff->addWidget(beschriftung(TagMerkmale, QStringLiteral("Merkmale"), m_merkmaleMemo, this), 3, 0, 1, 4);
    koeff->addWidget(m_merkmaleMemo, 4, 0, 1, 4);
    rechts->addLayout(koeff);
    return rechts;
}

// lower area: parents, breeder and owner
QLayout *CatRecordBaseDataPage::untenBauen()
{
    auto *unten = new QGridLayout;
    m_vater = anzeigeFeld(QStringLiteral("DBVater"), this);
    m_mutter = anzeigeFeld(QStringLiteral("DBMutter"), this);
    auto *vaterSuchen = knopfMitTag(TagVaterSuchen, QStringLiteral("Vater suchen"), this);
    auto *mutterSuchen = knopfMitTag(TagMutterSuchen, QStringLiteral("Mutter suchen"), this);
    connect(vaterSuchen, &QPushButton::clicked, this, [this] { elternSuchen(true); });
    connect(mutterSuchen, &QPushButton::clicked, this, [this] { elternSuchen(false); });
    unten->addWidget(beschriftung(TagVater, QStringLiteral("&Vater"), m_vater, this), 0, 0);
    unten->addWidget(m_vater, 0, 1);
    unten->addWidget(vaterSuchen, 0, 2);
    unten->addWidget(beschriftung(TagMutter, QStringLiteral("&Mutter"), m_mutter, this), 1, 0);
    unten->addWidget(m_mutter, 1, 1);
    unten->addWidget(mutterSuchen, 1, 2);
    // each block: the address window on this address, and the search that puts an address on the cat
    auto adressGruppe = [&](int tag, const QString &titel, QPlainTextEdit *&memo, const QString &name,
                            bool besitzer) {
        auto *g = new QGroupBox(titel, this);
        g->setProperty("tag", tag);
        auto *l = new QHBoxLayout(g);
        l->setContentsMargins(4, 2, 4, 4);
        memo = anzeigeMemo(name, 78, g);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        l->addWidget(memo, 1);
        auto *knoepfe = new QVBoxLayout;
        auto *oeffnen = knopfMitTag(TagAdressen, QStringLiteral("Adressen"), g);
        oeffnen->setObjectName(besitzer ? QStringLiteral("AdrNeuBesitzer")
                                        : QStringLiteral("AdrNeuZuechter"));
        connect(oeffnen, &QPushButton::clicked, this, [besitzer] {
            if (Shell *mw = Shell::current(); mw && mw->catRecord())
                mw->catRecord()->adressenOeffnen(besitzer ? 2 : 1);
        });
        auto *suchen = knopfMitTag(TagAdresseSuchen, QStringLiteral("Suchen"), g);
        suchen->setObjectName(besitzer ? QStringLiteral("AdrSuchenBesitzer")
                                       : QStringLiteral("AdrSuchenZuechter"));
        connect(suchen, &QPushButton::clicked, this, [this, besitzer] {
            if (Shell *mw = Shell::current(); mw && mw->catRecord())
                if (const int nr = mw->catRecord()->adresseSuchen())
                    adresseSetzen(besitzer, nr);
        });
        knoepfe->addWidget(oeffnen);
        knoepfe->addWidget(suchen);
        knoepfe->addStretch();
        l->addLayout(knoepfe);
        return g;
    };
    auto *adressen = new QHBoxLayout;
    adressen->addWidget(adressGruppe(TagZuechter, QStringLiteral("Züchter"), m_zuechterMemo,
                                     QStringLiteral("AdresseZuechter"), false));
    adressen->addWidget(adressGruppe(TagBesitzer, QStringLiteral("Besitzer"), m_besitzerMemo,
                                     QStringLiteral("AdresseBesitzer"), true));
    unten->addLayout(adressen, 2, 0, 1, 3);
    unten->setColumnStretch(1, 1);
    return unten;
}

// the remark: a preview line, and the full text laid over the lower area when the preview is clicked
void CatRecordBaseDataPage::zusatzBauen(QGridLayout *haupt)
{
    m_infoVorschau = anzeigeMemo(QStringLiteral("ButtonInfo"), 26, this);
    m_infoVorschau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_infoVorschau->hide();
    m_infoVorschau->viewport()->installEventFilter(this);
    m_infoVorschau->viewport()->setCursor(Qt::PointingHandCursor);
    haupt->addWidget(m_infoVorschau, 2, 0, 1, 2);
    m_zusatzPanel = new QFrame(this);
    m_zusatzPanel->setObjectName(QStringLiteral("PanelZusatzInfo"));
    m_zusatzPanel->setFrameShape(QFrame::Panel);
    m_zusatzPanel->setFrameShadow(QFrame::Raised);
    m_zusatzPanel->setAutoFillBackground(true);
    m_zusatzPanel->setMouseTracking(true);
    m_zusatzPanel->installEventFilter(this);
    auto *zusatzLayout = new QVBoxLayout(m_zusatzPanel);
    zusatzLayout->setContentsMargins(10, 10, 10, 10);
    m_infoZusatz = new QPlainTextEdit(m_zusatzPanel);
    m_infoZusatz->setObjectName(QStringLiteral("DBInfoZusatz"));
    m_infoZusatz->setReadOnly(true);
    m_infoZusatz->viewport()->installEventFilter(this);
    zusatzLayout->addWidget(m_infoZusatz);
    m_zusatzPanel->hide();
}

// bottom row: the window's navigator, the status, save and undo
QLayout *CatRecordBaseDataPage::leisteBauen(QPushButton *hilfe)
{
    auto *leiste = new QHBoxLayout;
    m_nav = new TDBNavigatorSpec(this);
    m_nav->setObjectName(QStringLiteral("DBNavigator1"));
    m_nav->setProperty("tag", 380);
    m_nav->setDataSource(m_src);
    m_nav->setVisibleButtons({TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext,
                              TNavigateBtn::nbLast, TNavigateBtn::nbMark, TNavigateBtn::nbGoto});
    m_nav->setHints(TDBNavigatorSpec::germanHints());
    leiste->addWidget(m_nav);
    m_statusCombo = nachschlageListe(QStringLiteral("DBStatus"), m_src, QStringLiteral("Status"), m_q.status,
                                     QStringLiteral("Nummer"), QStringLiteral("Status"), this);
    m_statusCombo->setDisplay([](Table &t) {
        return statusAnzeige(t.intValue(QStringLiteral("Nummer")), t.text(QStringLiteral("Status")));
    });
    m_statusCombo->setToolTip(QStringLiteral("Status der Katze"));
    m_statusCombo->setProperty("tag", TagStatus);
    m_statusCombo->setMinimumWidth(110);
    m_statusCombo->installEventFilter(this);
    connect(m_statusCombo, &QComboBox::activated, this, [this] { adressenAnzeigen(); });
    leiste->addSpacing(12);
    leiste->addWidget(beschriftung(TagStatus, QStringLiteral("&Status"), m_statusCombo, this));
    leiste->addWidget(m_statusCombo);
    leiste->addStretch();
    m_speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    m_speichern->setObjectName(QStringLiteral("BitBtnSpeichern"));
    m_rueckgaengig = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    m_rueckgaengig->setObjectName(QStringLiteral("BitBtnRueckgaengig"));
    connect(m_speichern, &QPushButton::clicked, this, [this] { Q_EMIT speichernGewuenscht(); });
    connect(m_rueckgaengig, &QPushButton::clicked, this, [this] { Q_EMIT rueckgaengigGewuenscht(); });
    knoepfeFreigeben(false, false);
    leiste->addWidget(m_speichern);
    leiste->addWidget(m_rueckgaengig);
    leiste->addWidget(hilfe);
    return leiste;
}

void CatRecordBaseDataPage::knoepfeFreigeben(bool speichern, bool rueckgaengig)
{
    m_speichern->setEnabled(speichern);
    m_rueckgaengig->setEnabled(rueckgaengig);
}

void CatRecordBaseDataPage::rueckgaengigFreigeben()
{
    m_rueckgaengig->setEnabled(true);
}

void CatRecordBaseDataPage::speichernZurueckStammbaum(bool an)
{
    const QString text = tav::app::captionText(an ? TagSpeichernZurueck : TagSpeichern);
    m_speichern->setText(!text.isEmpty() ? text
                         : an            ? QStringLiteral("&Speichern->Zurück Stammbaum")
                                         : QStringLiteral("Speichern"));
}

void CatRecordBaseDataPage::nameFokussieren()
{
    m_name->setFocus();
}

void CatRecordBaseDataPage::editionEinrichten()
{
    m_genetik->hide();
    m_labelRfCode->hide();
    m_rfCode->hide();
    m_registerTitel->hide();
    m_titelGruppe->show();
}

QString CatRecordBaseDataPage::ueberschrift() const
{
    return katzeUeberschrift(m_name->text(), m_geb->text(), m_farbeCombo->currentText());
}

void CatRecordBaseDataPage::druckBildZeigen(const QString &pfad)
{
    if (pfad.isEmpty()) {
        m_bild->hide();
        m_keinBild->show();
    } else {
        m_keinBild->hide();
        druckBildAnpassen(pfad);
    }
}

void CatRecordBaseDataPage::druckBildAnpassen(const QString &pfad)
{
    BildanGroesseAnpassen(m_bild, pfad, m_bildPanel, 0, true);
}

} // namespace tav::cats::ui
