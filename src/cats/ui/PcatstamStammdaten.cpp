#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/global.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "app/ui/Nav2.h"
#include "cats/CatNames.h"
#include "cats/RasseFarbe.h"
#include "cats/Stammdaten.h"
#include "cats/Titel.h"
#include "cats/ui/KatzeGefunden.h"
#include "cats/ui/Pkalend.h"
#include "store/EngineError.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
QColor gespeicherteFarbe(int stored)
{
    return QColor(stored & 0xff, (stored >> 8) & 0xff, (stored >> 16) & 0xff);
}

QLabel *beschriftung(int tag, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setProperty("tag", tag);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

struct MerkmalInfo {
    QStringList kuerzel;
    int farbe = 0;
};

// the trait codes of a cat in the order of its links, and the colour of its first trait
MerkmalInfo merkmaleVon(Database *db, int katze)
{
    MerkmalInfo out;
    if (katze <= 0)
        return out;
    try {
        Table links(db, QStringLiteral("KATZEMERKMAL.DB"));
        links.setReadOnly(true);
        links.setIndexName(QStringLiteral("Katze"));
        links.open();
        links.setRange({katze}, {katze});
        Table katalog(db, QStringLiteral("MERKMALE.DB"));
        katalog.setReadOnly(true);
        katalog.open();
        for (links.first(); !links.eof(); links.next()) {
            if (!katalog.findKey({links.intValue(QStringLiteral("Merkmal"))}))
                continue;
            if (out.kuerzel.isEmpty())
                out.farbe = katalog.intValue(QStringLiteral("farbe"));
            out.kuerzel << katalog.text(QStringLiteral("Kuerzel"));
        }
    } catch (const EngineError &) {
    }
    return out;
}

void hintergrund(QWidget *w, const QColor &c)
{
    w->setStyleSheet(c.isValid() ? QStringLiteral("background-color: %1;").arg(c.name()) : QString());
}
} // namespace

QWidget *mitKalender(QWidget *feld, DataSource *source, const QString &field, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(feld, 1);
    auto *b = new QToolButton(w);
    b->setText(QStringLiteral("..."));
    b->setObjectName(QStringLiteral("Kalender") + field);
    QObject::connect(b, &QToolButton::clicked, w, [source, field, w] {
        tav::store::Table *t = source->table();
        const QDate start = t && (t->hasRecord() || t->isEditing()) ? t->value(field).toDate() : QDate();
        if (const auto d = runCalendar(w->window(), start.isValid() ? start : QDate::currentDate()))
            source->setFieldValue(field, *d);
    });
    l->addWidget(b);
    return w;
}

PostCheck::PostCheck(TCatStamm *window) : QWidget(window), m_window(window)
{
    hide();
}

bool PostCheck::commit()
{
    return m_window->pruefenVorPost();
}

QWidget *TCatStamm::seiteStammdatenBauen()
{
    m_check = new PostCheck(this);
    m_check->bind(m_src, QString());

    auto *page = new QWidget;
    auto *haupt = new QGridLayout(page);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->setHorizontalSpacing(10);
    haupt->setVerticalSpacing(4);

    // upper left: the identity of the cat
    auto *oben = new QGridLayout;
    oben->setHorizontalSpacing(6);
    oben->setVerticalSpacing(3);
    int r = 0;
    auto feld = [&](int tag, const QString &text, QWidget *w, int row, int col, int span = 1) {
        oben->addWidget(beschriftung(tag, text, w, page), row, col);
        oben->addWidget(w, row, col + 1, 1, span);
    };
    m_name = new DBEdit(m_src, QStringLiteral("Name"), page);
    m_name->setObjectName(QStringLiteral("DBName"));
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::returnPressed, this, [this] { m_zwinger->setFocus(); });
    feld(TagName, QStringLiteral("&Name "), m_name, r++, 0, 3);
    m_zwinger = new DBEdit(m_src, QStringLiteral("Zwinger"), page);
    m_zwinger->setObjectName(QStringLiteral("DBzwinger"));
    connect(m_zwinger, &QLineEdit::editingFinished, this, [this] { DBzwingerExit(); });
    feld(TagZwinger, QStringLiteral("Z&winger"), m_zwinger, r, 0);
    auto *rufname = new DBEdit(m_src, QStringLiteral("Rufname"), page);
    feld(TagRufname, QStringLiteral("R&ufname"), rufname, r++, 2);
    m_zbnr1 = new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer1"), page);
    m_zbnr1->setObjectName(QStringLiteral("DBZuchtbuchnummer1"));
    m_zbnr1->setToolTip(QStringLiteral("Ohrmarkennummer"));
    connect(m_zbnr1, &QLineEdit::editingFinished, this, [this] { zuchtbuchnummerPruefen(); });
    feld(TagZbNr1, QStringLiteral("Ohrmnr."), m_zbnr1, r, 0);
    m_taeto = new DBEdit(m_src, QStringLiteral("TaetoNr"), page);
    m_taeto->setToolTip(QStringLiteral("Zuchtbuchnummer"));
    feld(TagTaetoNr, QStringLiteral("Zb.Nr."), m_taeto, r++, 2);
    auto *reg2 = new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer2"), page);
    feld(TagReg2, QStringLiteral("Reg. &2"), reg2, r, 0);
    auto *chip = new DBEdit(m_src, QStringLiteral("ChipNr"), page);
    feld(TagChipNr, QStringLiteral("Chip-Nr."), chip, r++, 2);

    // birth date with the age beside it
    m_geb = new DBDateEdit(m_src, QStringLiteral("GebDatum"), page);
    m_geb->setObjectName(QStringLiteral("DBGebDatum"));
    m_alterPanel = new QWidget(page);
    auto *alterZeile = new QHBoxLayout(m_alterPanel);
    alterZeile->setContentsMargins(0, 0, 0, 0);
    alterZeile->setSpacing(4);
    alterZeile->addWidget(mitKalender(m_geb, m_src, QStringLiteral("GebDatum"), m_alterPanel), 2);
    m_kreuz = new QLabel(QStringLiteral("\u271D"), m_alterPanel);
    m_kreuz->setObjectName(QStringLiteral("LabelKreuz"));
    alterZeile->addWidget(m_kreuz);
    m_alterAkt = new QLineEdit(m_alterPanel);
    m_alterAkt->setObjectName(QStringLiteral("DBAlterAkt"));
    m_alterAkt->setReadOnly(true);
    m_alterAkt->setFocusPolicy(Qt::NoFocus);
    alterZeile->addWidget(m_alterAkt, 3);
    feld(TagGeb, QStringLiteral("G&eb."), m_alterPanel, r, 0);
    m_zuchtsperre = new DBDateEdit(m_src, QStringLiteral("zzlDatum"), page);
    feld(TagZuchtsperre, QStringLiteral("Zuchtsperre"),
         mitKalender(m_zuchtsperre, m_src, QStringLiteral("zzlDatum"), page), r++, 2);
    m_erreicht = beschriftung(TagErreichtesAlter, QStringLiteral("erreichtes Alter"), nullptr, page);
    oben->addWidget(m_erreicht, r++, 1);

    m_rasseCombo = new DBLookupComboBox(page);
    m_rasseCombo->setObjectName(QStringLiteral("DBRasse"));
    m_rasseCombo->bind(m_src, QStringLiteral("Rasse"));
    m_rasseCombo->setList(m_rasse, QStringLiteral("RCode"), QStringLiteral("RName"));
    feld(TagRasse, QStringLiteral("R&asse"), m_rasseCombo, r, 0);
    m_fellartCombo = new DBLookupComboBox(page);
    m_fellartCombo->setObjectName(QStringLiteral("DBFellart"));
    m_fellartCombo->bind(m_src, QStringLiteral("Fellart"));
    m_fellartCombo->setList(m_fellart, QStringLiteral("LaufendeNummer"), QStringLiteral("Bezeichnung"));
    m_fellartCombo->installEventFilter(this);
    feld(TagFellart, QStringLiteral("Fellart"), m_fellartCombo, r++, 2);
    m_farbeCombo = new DBComboBox(page);
    m_farbeCombo->setObjectName(QStringLiteral("DBComboBoxFarbe"));
    m_farbeCombo->setEditable(true);
    m_farbeCombo->setInsertPolicy(QComboBox::NoInsert);
    m_farbeCombo->bind(m_src, QStringLiteral("FellFarbe"));
    feld(TagFarbe, QStringLiteral("&Farbe"), m_farbeCombo, r, 0);
    m_augenCombo = new DBComboBox(page);
    m_augenCombo->setObjectName(QStringLiteral("DBComboBoxAugenfarbe"));
    m_augenCombo->setEditable(true);
    m_augenCombo->setInsertPolicy(QComboBox::NoInsert);
    m_augenCombo->bind(m_src, QStringLiteral("Augenfarbe"));
    feld(TagAugenfarbe, QStringLiteral("Au&genf."), m_augenCombo, r++, 2);
    DBFarbeAfterOpen();
    DBAugenfarbeAfterOpen();

    auto *rute = new DBEdit(m_src, QStringLiteral("Rute"), page);
    feld(TagRute, QStringLiteral("Rute"), rute, r, 0);
    auto *blut = new DBEdit(m_src, QStringLiteral("Blutgruppe"), page);
    feld(TagBlutgruppe, QStringLiteral("Blutgr."), blut, r++, 2);
    auto *groesse = new DBEdit(m_src, QStringLiteral("Groesse"), page);
    feld(TagGroesse, QStringLiteral("Groesse"), groesse, r, 0);
    auto *gewicht = new DBEdit(m_src, QStringLiteral("Gewicht"), page);
    feld(TagGewicht, QStringLiteral("Gewicht"), gewicht, r++, 2);
    auto *tests = new DBEdit(m_src, QStringLiteral("Tests"), page);
    feld(TagTests, QStringLiteral("Tests"), tests, r++, 0, 3);

    m_geschlecht = new DBRadioGroup(QStringLiteral("Gesc&hl."), m_src, QStringLiteral("Geschlecht"), page);
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
        new DBCheckBox(QStringLiteral("And.Reg."), m_src, QStringLiteral("AndereRegistrierung"), page);
    andReg->setProperty("tag", TagAndReg);
    oben->addWidget(andReg, r, 2, 1, 2, Qt::AlignTop);
    ++r;
    m_rfCode = new QLineEdit(page);
    m_rfCode->setObjectName(QStringLiteral("EditRasseFarbcode"));
    m_labelRfCode = beschriftung(TagRfCode, QStringLiteral("Rasse-/Farbcode"), m_rfCode, page);
    oben->addWidget(m_labelRfCode, r, 0);
    oben->addWidget(m_rfCode, r++, 1);
    connect(m_rfCode, &QLineEdit::textEdited, this, [this](const QString &t) { rfCodeEingabe(t); });
    connect(m_rfCode, &QLineEdit::editingFinished, this, [this] {
        RasseFarbeLaden = false;
        SetRFCodeAnz();
    });
    connect(m_rasseCombo, &QComboBox::activated, this, [this] {
        RasseFarbeLaden = false;
        SetRFCodeAnz();
    });
    connect(m_farbeCombo, &QComboBox::activated, this, [this] {
        RasseFarbeLaden = false;
        SetRFCodeAnz();
    });

    // gene code
    m_genetik = new QGroupBox(QStringLiteral("Genetik"), page);
    m_genetik->setProperty("tag", TagGenetik);
    {
        auto *g = new QGridLayout(m_genetik);
        m_genoTyp = new DBLookupComboBox(m_genetik);
        m_genoTyp->setObjectName(QStringLiteral("DBGenoTyp"));
        m_genoTyp->bind(m_src, QStringLiteral("GenoTyp"));
        m_genoTyp->setList(m_farbeGen, QStringLiteral("LaufendeNummer"), QStringLiteral("Farbname"));
        m_genoTyp->setMaxVisibleItems(15);
        m_genoTyp->installEventFilter(this);
        connect(m_genoTyp, &QComboBox::activated, this, [this] { gencodeWaehlen(); });
        g->addWidget(beschriftung(TagGenotyp, QStringLiteral("Genotyp"), m_genoTyp, m_genetik), 0, 0);
        g->addWidget(m_genoTyp, 0, 1);
        auto *gencode = new DBEdit(m_src, QStringLiteral("Gencode"), m_genetik);
        g->addWidget(beschriftung(TagGencode, QStringLiteral("Gencode"), gencode, m_genetik), 1, 0);
        g->addWidget(gencode, 1, 1);
    }
    oben->addWidget(m_genetik, r++, 0, 1, 4);
    oben->setColumnStretch(1, 1);
    oben->setColumnStretch(3, 1);
    oben->setRowStretch(r, 1);
    haupt->addLayout(oben, 0, 0);

    // upper right: picture, titles, coefficients and traits
    auto *rechts = new QVBoxLayout;
    m_bildPanel0 = new QFrame(page);
    m_bildPanel0->setObjectName(QStringLiteral("PanelBild"));
    m_bildPanel0->setFrameShape(QFrame::Panel);
    m_bildPanel0->setFrameShadow(QFrame::Sunken);
    m_bildPanel0->setFixedSize(240, 180);
    m_bildSeite0 = new QLabel(m_bildPanel0);
    m_bildSeite0->setObjectName(QStringLiteral("ImageBild"));
    m_bildSeite0->setScaledContents(true);
    m_keinBild = new QLabel(QStringLiteral("kein Bild -      no picture"), m_bildPanel0);
    m_keinBild->setAlignment(Qt::AlignCenter);
    m_keinBild->setGeometry(0, 0, 240, 180);
    rechts->addWidget(m_bildPanel0, 0, Qt::AlignHCenter);

    m_registerTitel = new QTabWidget(page);
    m_registerTitel->setObjectName(QStringLiteral("PageControlTitel"));
    for (bool kastrat : {false, true}) {
        auto *seite = new QWidget;
        auto *l = new QHBoxLayout(seite);
        for (Register reg : {Register::WCF, Register::TICA, Register::CFA}) {
            static const char *const namen[] = {"W&CF ", "&TICA", "&CFA"};
            auto *gruppe = new DBRadioGroup(QString::fromLatin1(namen[int(reg)]), m_src,
                                            registerTitelFeld(reg, kastrat), seite);
            QVariantList werte;
            for (int i = 1; i <= 6; ++i)
                werte << QString::number(i);
            gruppe->setItems(registerTitelTexte(reg), werte);
            l->addWidget(gruppe);
        }
        m_registerTitel->addTab(seite,
                                kastrat ? QStringLiteral("Titel Kastrat") : QStringLiteral("Titel Normal"));
    }
    rechts->addWidget(m_registerTitel);

    m_titelGruppe = new QGroupBox(QStringLiteral("Titel"), page);
    m_titelGruppe->setObjectName(QStringLiteral("GroupBoxTitel"));
    m_titelGruppe->setProperty("tag", TagTitel);
    auto *titelLayout = new QVBoxLayout(m_titelGruppe);
    titelLayout->setContentsMargins(2, 2, 2, 2);
    m_titelFlaeche = new QWidget(m_titelGruppe);
    titelLayout->addWidget(m_titelFlaeche);
    rechts->addWidget(m_titelGruppe);
    TitelLaden();

    auto *koeff = new QGridLayout;
    m_ik = new QLineEdit(page);
    m_ik->setObjectName(QStringLiteral("DBInzuchtAnz"));
    m_ik->setReadOnly(true);
    m_avk = new QLineEdit(page);
    m_avk->setObjectName(QStringLiteral("DBAhnenverlustAnz"));
    m_avk->setReadOnly(true);
    koeff->addWidget(beschriftung(TagIK, QStringLiteral("IK"), m_ik, page), 0, 0);
    koeff->addWidget(m_ik, 0, 1);
    koeff->addWidget(beschriftung(TagAVK, QStringLiteral("AVK"), m_avk, page), 0, 2);
    koeff->addWidget(m_avk, 0, 3);
    m_rasseProzent = new QPlainTextEdit(page);
    m_rasseProzent->setObjectName(QStringLiteral("RasseProzentAnz"));
    m_rasseProzent->setReadOnly(true);
    m_rasseProzent->setFixedHeight(40);
    koeff->addWidget(beschriftung(TagRasseanteile, QStringLiteral("Rasseanteile"), m_rasseProzent, page), 1,
                     0, 1, 4);
    koeff->addWidget(m_rasseProzent, 2, 0, 1, 4);
    m_merkmaleMemo = new QPlainTextEdit(page);
    m_merkmaleMemo->setObjectName(QStringLiteral("MemoMerkmale"));
    m_merkmaleMemo->setReadOnly(true);
    m_merkmaleMemo->setFixedHeight(40);
    koeff->addWidget(beschriftung(TagMerkmale, QStringLiteral("Merkmale"), m_merkmaleMemo, page), 3, 0, 1, 4);
    koeff->addWidget(m_merkmaleMemo, 4, 0, 1, 4);
    rechts->addLayout(koeff);
    rechts->addStretch();
    haupt->addLayout(rechts, 0, 1);

    // lower area: parents, breeder and owner
    auto *unten = new QGridLayout;
    m_vater = new QLineEdit(page);
    m_vater->setObjectName(QStringLiteral("DBVater"));
    m_vater->setReadOnly(true);
    m_mutter = new QLineEdit(page);
    m_mutter->setObjectName(QStringLiteral("DBMutter"));
    m_mutter->setReadOnly(true);
    m_vaterSuchen = new QPushButton(QStringLiteral("Vater suchen"), page);
    m_vaterSuchen->setProperty("tag", TagVaterSuchen);
    m_mutterSuchen = new QPushButton(QStringLiteral("Mutter suchen"), page);
    m_mutterSuchen->setProperty("tag", TagMutterSuchen);
    connect(m_vaterSuchen, &QPushButton::clicked, this, [this] { elternSuchen(true); });
    connect(m_mutterSuchen, &QPushButton::clicked, this, [this] { elternSuchen(false); });
    unten->addWidget(beschriftung(TagVater, QStringLiteral("&Vater"), m_vater, page), 0, 0);
    unten->addWidget(m_vater, 0, 1);
    unten->addWidget(m_vaterSuchen, 0, 2);
    unten->addWidget(beschriftung(TagMutter, QStringLiteral("&Mutter"), m_mutter, page), 1, 0);
    unten->addWidget(m_mutter, 1, 1);
    unten->addWidget(m_mutterSuchen, 1, 2);
    auto adressGruppe = [&](int tag, const QString &titel, QPlainTextEdit *&memo, const QString &name) {
        auto *g = new QGroupBox(titel, page);
        g->setProperty("tag", tag);
        auto *l = new QVBoxLayout(g);
        l->setContentsMargins(4, 2, 4, 4);
        memo = new QPlainTextEdit(g);
        memo->setObjectName(name);
        memo->setReadOnly(true);
        memo->setFixedHeight(78);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        l->addWidget(memo);
        return g;
    };
    auto *adressen = new QHBoxLayout;
    adressen->addWidget(adressGruppe(TagZuechter, QStringLiteral("Züchter"), m_zuechterMemo,
                                     QStringLiteral("AdresseZuechter")));
    adressen->addWidget(adressGruppe(TagBesitzer, QStringLiteral("Besitzer"), m_besitzerMemo,
                                     QStringLiteral("AdresseBesitzer")));
    unten->addLayout(adressen, 2, 0, 1, 3);
    unten->setColumnStretch(1, 1);
    haupt->addLayout(unten, 1, 0, 1, 2);

    m_infoVorschau = new QPlainTextEdit(page);
    m_infoVorschau->setObjectName(QStringLiteral("ButtonInfo"));
    m_infoVorschau->setReadOnly(true);
    m_infoVorschau->setFixedHeight(26);
    m_infoVorschau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_infoVorschau->hide();
    haupt->addWidget(m_infoVorschau, 2, 0, 1, 2);

    // bottom row
    auto *leiste = new QHBoxLayout;
    m_nav = new TDBNavigatorSpec(page);
    m_nav->setObjectName(QStringLiteral("DBNavigator1"));
    m_nav->setProperty("tag", 380);
    m_nav->setDataSource(m_src);
    m_nav->setVisibleButtons({TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext,
                              TNavigateBtn::nbLast, TNavigateBtn::nbMark, TNavigateBtn::nbGoto});
    m_nav->setHints(TDBNavigatorSpec::germanHints());
    m_nav->installEventFilter(this);
    for (int i = 0; i < NavButtonCount; ++i)
        m_nav->button(TNavigateBtn(i))->installEventFilter(this);
    leiste->addWidget(m_nav);
    m_statusCombo = new DBLookupComboBox(page);
    m_statusCombo->setObjectName(QStringLiteral("DBStatus"));
    m_statusCombo->setToolTip(QStringLiteral("Status der Katze"));
    m_statusCombo->bind(m_src, QStringLiteral("Status"));
    m_statusCombo->setList(m_status, QStringLiteral("Nummer"), QStringLiteral("Status"));
    m_statusCombo->setMinimumWidth(110);
    connect(m_statusCombo, &QComboBox::activated, this, [this] { adressenAnzeigen(); });
    leiste->addSpacing(12);
    leiste->addWidget(beschriftung(TagStatus, QStringLiteral("&Status"), m_statusCombo, page));
    leiste->addWidget(m_statusCombo);
    leiste->addStretch();
    m_speichern = new QPushButton(QStringLiteral("Speichern"), page);
    m_speichern->setObjectName(QStringLiteral("BitBtnSpeichern"));
    m_speichern->setProperty("tag", TagSpeichern);
    m_rueckgaengig = new QPushButton(QStringLiteral("R&ückgängig"), page);
    m_rueckgaengig->setObjectName(QStringLiteral("BitBtnRueckgaengig"));
    m_rueckgaengig->setProperty("tag", TagRueckgaengig);
    connect(m_speichern, &QPushButton::clicked, this, [this] { Speichern(); });
    connect(m_rueckgaengig, &QPushButton::clicked, this, [this] { Rueckgaengig(); });
    connect(m_src, &DataSource::stateChanged, this, [this] {
        const bool editing = m_src->isEditing();
        m_speichern->setEnabled(editing || TitelEingabe);
        m_rueckgaengig->setEnabled(editing || TitelEingabe || tagTmpNeueKatze == 1);
    });
    m_speichern->setEnabled(false);
    m_rueckgaengig->setEnabled(false);
    leiste->addWidget(m_speichern);
    leiste->addWidget(m_rueckgaengig);
    leiste->addWidget(hilfeKnopf(11, page));
    haupt->addLayout(leiste, 3, 0, 1, 2);
    haupt->setColumnStretch(0, 1);
    return page;
}

// --- colour lists -------------------------------------------------------------

void TCatStamm::DBFarbeAfterOpen()
{
    if (!m_farbeCombo || !m_farbe || !m_farbe->isOpen())
        return;
    QStringList eintraege;
    try {
        for (m_farbe->first(); !m_farbe->eof(); m_farbe->next())
            eintraege << farbEintragText(m_farbe->text(QStringLiteral("Rasseinfo")),
                                         m_farbe->text(QStringLiteral("Farbname")));
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("FARBE.DB"));
    }
    eintraege.sort(Qt::CaseInsensitive);
    QSignalBlocker block(m_farbeCombo);
    m_farbeCombo->clear();
    m_farbeCombo->addItems(eintraege);
    m_farbeCombo->readField();
}

void TCatStamm::DBAugenfarbeAfterOpen()
{
    if (!m_augenCombo || !m_augen || !m_augen->isOpen())
        return;
    QStringList eintraege;
    try {
        for (m_augen->first(); !m_augen->eof(); m_augen->next())
            eintraege << m_augen->text(QStringLiteral("Augenfarbe"));
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("AUGEN.DB"));
    }
    QSignalBlocker block(m_augenCombo);
    m_augenCombo->clear();
    m_augenCombo->addItems(eintraege);
    m_augenCombo->readField();
}

// --- name, cattery and breeder -------------------------------------------------

void TCatStamm::DBNameNeu()
{
    if (QApplication::focusWidget() == m_rueckgaengig || !m_src->isEditing())
        return;
    const QString getippt = m_katze->text(QStringLiteral("Name"));
    const QString name = normalizedName(getippt);
    if (name != getippt && !name.isEmpty())
        m_src->setFieldValue(QStringLiteral("Name"), name);
    const TDatenGlobal *g = TDatenGlobal::instance();
    const NameVerlassen schritte =
        nameVerlassen(false, m_katze->state() == Table::State::Insert, einstellungen().SuchebeiNeuaufnahme,
                      g && g->NeuausStb, name, m_katze->text(QStringLiteral("Zwinger")));
    if (schritte.duplikatPruefen && duplikatPruefen(name))
        return;
    if (schritte.katzenSuche) {
        if (TMirravel *mw = TMirravel::instance())
            mw->KatzeSuchen();
        return;
    }
    if (schritte.zwingerAbleiten)
        zwingerAbleiten();
}

// True when an existing cat was loaded instead of the new one.
bool TCatStamm::duplikatPruefen(const QString &name)
{
    if (name.isEmpty())
        return false;
    QVector<GefundeneKatze> gefunden;
    try {
        gefunden = katzenMitNamen(*m_db, name);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    if (gefunden.isEmpty())
        return false;
    TDatenGlobal *g = TDatenGlobal::instance();
    if (neuaufnehmenTrotzGleichemNamen(this, g && g->NeuausStb))
        return false;
    const GefundeneKatze &katze = gefunden.first();
    if (g && g->NeuausStb) {
        const int meldung = ahnenlueckePruefen(katze, g->VMZeiger, g->CatNr);
        if (meldung != 0) {
            if (meldung == meldung::EigenerVorfahr)
                showText(messageText(meldung::EigenerVorfahr) + QLatin1Char(' ') +
                             messageText(meldung::AndereKatzeWaehlen),
                         MsgIcon::Error, MsgButtons::Ok);
            else
                showMessage(meldung, MsgIcon::Information, MsgButtons::Ok);
            m_src->setFieldValue(QStringLiteral("Name"), QStringLiteral(" "));
            m_name->setFocus();
            return true;
        }
    }
    m_katze->cancel();
    tagTmpNeueKatze = 0;
    zeigeKatze(katze.LaufendeNummer);
    if (g && g->NeuausStb) {
        m_speichern->setEnabled(true);
        m_rueckgaengig->setEnabled(true);
    }
    return true;
}

void TCatStamm::zwingerAbleiten()
{
    if (!m_katze->text(QStringLiteral("Zwinger")).isEmpty())
        return;
    const auto ableitung =
        zwingerAusName(m_katze->text(QStringLiteral("Name")), einstellungen().ZusatzBeiZwinger);
    if (!ableitung)
        return;
    m_src->setFieldValue(QStringLiteral("Zwinger"), ableitung->zwinger);
    DBzwingerExit();
}

void TCatStamm::DBzwingerExit()
{
    if (!m_katze->isOpen() || m_katze->intValue(QStringLiteral("Züchter")) >= 1)
        return;
    std::optional<int> adresse;
    try {
        adresse = zuechterZumZwinger(*m_db, m_katze->text(QStringLiteral("Zwinger")));
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
    }
    if (adresse) {
        const bool ruhig = m_inRefresh;
        m_inRefresh = true;
        m_src->setFieldValue(QStringLiteral("Züchter"), *adresse);
        m_inRefresh = ruhig;
    }
    adressenAnzeigen();
}

// --- address blocks ---------------------------------------------------------------

void TCatStamm::adressenAnzeigen()
{
    auto block = [this](int nr) -> QString {
        if (nr <= 0 || !m_adr->isOpen())
            return QString();
        try {
            if (!m_adr->findKey({nr}))
                return QString();
        } catch (const EngineError &) {
            return QString();
        }
        Adresse a{m_adr->text(QStringLiteral("Name")),    m_adr->text(QStringLiteral("Vorname")),
                  m_adr->text(QStringLiteral("Strasse")), m_adr->text(QStringLiteral("Plz")),
                  m_adr->text(QStringLiteral("Ort")),     m_adr->text(QStringLiteral("Land")),
                  m_adr->text(QStringLiteral("Telefon"))};
        return adressBlock(a).join(QLatin1Char('\n'));
    };
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    m_zuechterMemo->setPlainText(hatKatze ? block(m_katze->intValue(QStringLiteral("Züchter"))) : QString());
    QString besitzer;
    if (hatKatze && m_katze->intValue(QStringLiteral("Status")) == 1) {
        try {
            Table eigen(m_db, QStringLiteral("EIGEN.DB"));
            eigen.setReadOnly(true);
            eigen.open();
            if (!eigen.isEmpty()) {
                eigen.first();
                Adresse a{eigen.text(QStringLiteral("Name")),    eigen.text(QStringLiteral("Vorname")),
                          eigen.text(QStringLiteral("Strasse")), eigen.text(QStringLiteral("Plz")),
                          eigen.text(QStringLiteral("Ort")),     eigen.text(QStringLiteral("land")),
                          eigen.text(QStringLiteral("Telefon"))};
                besitzer = adressBlock(a).join(QLatin1Char('\n'));
            }
        } catch (const EngineError &) {
        }
    } else if (hatKatze) {
        besitzer = block(m_katze->intValue(QStringLiteral("Besitzer")));
    }
    m_besitzerMemo->setPlainText(besitzer);
    m_zuechterMemo->moveCursor(QTextCursor::Start);
    m_besitzerMemo->moveCursor(QTextCursor::Start);
}

QString TCatStamm::adresseBesitzerText() const
{
    return m_besitzerMemo ? m_besitzerMemo->toPlainText() : QString();
}

// --- parents, traits, ages ----------------------------------------------------------

void TCatStamm::elternAnzeigen()
{
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    for (bool vater : {true, false}) {
        QLineEdit *feld = vater ? m_vater : m_mutter;
        const int nr =
            hatKatze ? m_katze->intValue(vater ? QStringLiteral("Vater") : QStringLiteral("Mutter")) : 0;
        QString text;
        QColor farbe;
        if (nr > 0 && m_stammbaum->isOpen()) {
            try {
                if (m_stammbaum->findKey({nr}))
                    text = m_stammbaum->text(QStringLiteral("Name"));
            } catch (const EngineError &) {
            }
            const MerkmalInfo m = merkmaleVon(m_db, nr);
            if (!m.kuerzel.isEmpty())
                text += QStringLiteral(" -- ") + m.kuerzel.join(QStringLiteral(" / "));
            if (m.farbe != 0)
                farbe = gespeicherteFarbe(m.farbe);
        }
        feld->setText(text);
        feld->setCursorPosition(0);
        hintergrund(feld, farbe.isValid() ? farbe : palette().color(QPalette::Button));
    }
}

void TCatStamm::merkmaleAnzeigen()
{
    const int nr = aktuelleKatze();
    const MerkmalInfo m = merkmaleVon(m_db, nr);
    m_merkmaleMemo->setPlainText(m.kuerzel.join(QStringLiteral(" / ")));
    m_merkmaleMemo->moveCursor(QTextCursor::Start);
    QColor farbe;
    if (m.farbe != 0)
        farbe = gespeicherteFarbe(m.farbe);
    if (nr > 0 && !(!m.kuerzel.isEmpty() && einstellungen().MerkmalvorTop)) {
        if (TMirravel *mw = TMirravel::instance()) {
            const int top = mw->TableTopKatzeLaden(nr);
            if (top != 0)
                farbe = gespeicherteFarbe(top);
        }
    }
    hintergrund(m_name, farbe);
}

void TCatStamm::alterAnzeigen()
{
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    const QDate geb = hatKatze ? m_katze->value(QStringLiteral("GebDatum")).toDate() : QDate();
    const QDate tod = hatKatze ? m_katze->value(QStringLiteral("Toddatum")).toDate() : QDate();
    const int status = hatKatze ? m_katze->intValue(QStringLiteral("Status")) : 0;
    const QDate ende = alterEnde(tod, status, QDate::currentDate());
    const AlterTeile teile = alterTeile(0, QDate(), ende, geb);
    const AlterAnzeige a =
        alterAnzeige(geb, tod, status, teile.jahre, TDatenGlobal::alterBerechnen(0, QDate(), ende, geb));
    m_kreuz->setVisible(a.tot);
    m_erreicht->setVisible(a.tot);
    m_alterAkt->setVisible(a.mitGeburt);
    m_alterAkt->setText(a.tot ? germanDateText(tod) : a.alterAkt);
    m_alterAkt->setToolTip(a.tot ? a.alter : a.alterAkt);
}

void TCatStamm::bemerkungVorschau()
{
    const QString bemerkung =
        m_katze->hasRecord() || m_katze->isEditing() ? m_katze->text(QStringLiteral("Bemerkung")) : QString();
    const TMirravel *mw = TMirravel::instance();
    const bool zeigen = (!mw || mw->height() > 699) && !bemerkung.isEmpty();
    m_infoVorschau->setPlainText(zeigen ? tav::cats::bemerkungVorschau(bemerkung) : QString());
    m_infoVorschau->setToolTip(bemerkung);
    m_infoVorschau->setVisible(zeigen);
}

// --- stud-book number ---------------------------------------------------------------

void TCatStamm::zuchtbuchnummerPruefen()
{
    if (!m_src->isEditing() || !m_stammbaum->isOpen())
        return;
    const QString nummer = m_katze->text(QStringLiteral("Zuchtbuchnummer1")).trimmed();
    if (nummer.isEmpty())
        return;
    const int eigene = m_katze->state() == Table::State::Insert ? 0 : aktuelleKatze();
    int andere = 0;
    try {
        m_stammbaum->setIndexName(QStringLiteral("Zuchtbuchnummer1"));
        m_stammbaum->setRange({nummer}, {nummer});
        for (m_stammbaum->first(); !m_stammbaum->eof(); m_stammbaum->next()) {
            const int nr = m_stammbaum->intValue(QStringLiteral("LaufendeNummer"));
            if (nr != eigene) {
                andere = nr;
                break;
            }
        }
        m_stammbaum->cancelRange();
        m_stammbaum->setIndexName(QString());
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("catstamm.db"));
        return;
    }
    if (andere == 0)
        return;
    if (showMessage(143, MsgIcon::Information, MsgButtons::YesNo) == QMessageBox::Yes) {
        TitelEintragen();
        TitelEingabe = false;
        m_src->undo();
        tagTmpNeueKatze = 0;
        zeigeKatze(andere);
    } else {
        m_src->setFieldValue(QStringLiteral("Zuchtbuchnummer1"), QVariant());
    }
}

// --- breed/colour code and gene code ---------------------------------------------------

void TCatStamm::SetRFCodeAnz()
{
    if (RasseFarbeLaden || !m_rfCode)
        return;
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    QString code;
    if (hatKatze) {
        try {
            code = rfCodeAnzeige(*m_db, m_katze->intValue(QStringLiteral("Rasse")),
                                 m_katze->text(QStringLiteral("FellFarbe")));
        } catch (const EngineError &) {
        }
    }
    m_rfCode->setText(code);
    RasseFarbeLaden = true;
}

void TCatStamm::rfCodeEingabe(const QString &text)
{
    if (!RasseFarbeLaden || text.trimmed().isEmpty())
        return;
    RFCodeTreffer treffer;
    try {
        treffer = rfCodeSuchen(*m_db, text);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("FARBE.DB"));
        return;
    }
    const bool ruhig = m_inRefresh;
    m_inRefresh = true; // the typed code stays while the fields follow it
    if (treffer.rasse)
        m_src->setFieldValue(QStringLiteral("Rasse"), *treffer.rasse);
    if (treffer.fellFarbe)
        m_src->setFieldValue(QStringLiteral("FellFarbe"), *treffer.fellFarbe);
    m_inRefresh = ruhig;
}

void TCatStamm::gencodeWaehlen()
{
    const int typ = m_katze->intValue(QStringLiteral("GenoTyp"));
    std::optional<GenTyp> zeile;
    if (typ > 0) {
        try {
            zeile = genTypLesen(*m_db, typ);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("FARBEGEN.DB"));
            return;
        }
        if (!zeile)
            return;
    }
    const auto code = gencodeFuer(typ, m_katze->text(QStringLiteral("Geschlecht")), zeile.value_or(GenTyp()));
    if (code)
        m_src->setFieldValue(QStringLiteral("Gencode"), code->isEmpty() ? QVariant() : QVariant(*code));
}

// --- free titles --------------------------------------------------------------------

void TCatStamm::TitelLaden()
{
    qDeleteAll(m_titelBoxen);
    m_titelBoxen.clear();
    m_titelNummern.clear();
    zaehlerTitel = 0;
    QVector<TitelBez> katalog;
    try {
        katalog = titelKatalog(*m_db);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("TITELBEZ.DB"));
    }
    const QString aufloesung = einstellungen().Aufloesung;
    int hoehe = 0;
    for (const TitelBez &t : std::as_const(katalog)) {
        auto *box = new QCheckBox(t.Kuerzel, m_titelFlaeche);
        box->setObjectName(QStringLiteral("Titel_%1").arg(++zaehlerTitel));
        box->setToolTip(t.Titel);
        const QPoint p = titelBoxPosition(int(m_titelBoxen.size()), aufloesung);
        box->setGeometry(p.x(), p.y(), TitelBoxBreite, box->sizeHint().height());
        box->show();
        hoehe = qMax(hoehe, p.y() + box->sizeHint().height());
        connect(box, &QCheckBox::clicked, this, [this] { titelBoxGeklickt(); });
        m_titelBoxen << box;
        m_titelNummern << t.LaufendeNummer;
    }
    m_titelFlaeche->setMinimumSize(2 * TitelBoxBreite + 10, hoehe + 2);
    TitelEintragen();
}

void TCatStamm::TitelEintragen()
{
    TitelEingabe = false;
    QSet<int> halten;
    const int nr = aktuelleKatze();
    if (nr > 0) {
        try {
            halten = titelDerKatze(*m_db, nr);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("TITELHUND.DB"));
        }
    }
    for (int i = 0; i < m_titelBoxen.size(); ++i)
        m_titelBoxen[i]->setChecked(halten.contains(m_titelNummern[i]));
}

void TCatStamm::titelBoxGeklickt()
{
    TitelEingabe = true;
    m_speichern->setEnabled(true);
    m_rueckgaengig->setEnabled(true);
}

QStringList TCatStamm::titelKuerzelAngehakt() const
{
    QStringList out;
    for (QCheckBox *b : m_titelBoxen) {
        if (b->isChecked())
            out << b->text();
    }
    return out;
}

bool TCatStamm::Titelspeichern()
{
    const int nr = aktuelleKatze();
    if (!m_src->saveWithoutAsking())
        HundGespeichert = showMessage(29, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes;
    bool ok = true;
    if ((m_src->saveWithoutAsking() || HundGespeichert) && nr > 0) {
        QSet<int> angehakt;
        for (int i = 0; i < m_titelBoxen.size(); ++i) {
            if (m_titelBoxen[i]->isChecked())
                angehakt.insert(m_titelNummern[i]);
        }
        try {
            titelSpeichern(*m_db, nr, angehakt);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("TITELHUND.DB"));
            ok = false;
        }
    }
    m_speichern->setEnabled(m_src->isEditing());
    m_rueckgaengig->setEnabled(m_src->isEditing());
    TitelEingabe = false;
    HundGespeichert = false;
    return ok;
}

// --- parents --------------------------------------------------------------------------

void TCatStamm::elternSuchen(bool vater)
{
    const auto &suchen = TMirravel::catRecordHooks().katzeSuchen;
    if (!suchen || !m_katze->isOpen())
        return;
    const int nr = suchen();
    if (nr <= 0 || nr == aktuelleKatze())
        return;
    QString geschlecht;
    try {
        if (!m_stammbaum->findKey({nr}))
            return;
        geschlecht = m_stammbaum->text(QStringLiteral("Geschlecht"));
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    const bool maennlich = geschlecht == QLatin1String("1") || geschlecht == QLatin1String("3");
    if (vater != maennlich) {
        showMessage(meldung::FalschesGeschlecht, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    m_src->setFieldValue(vater ? QStringLiteral("Vater") : QStringLiteral("Mutter"), nr);
    elternAnzeigen();
}

} // namespace tav::cats::ui
