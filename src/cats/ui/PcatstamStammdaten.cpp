#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
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

#include <QAbstractItemView>
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
#include <QScrollArea>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
QLabel *beschriftung(int tag, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setProperty("tag", tag);
    if (buddy)
        l->setBuddy(buddy);
    return l;
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

    // birth date with the age beside it; the age panel has a fixed width (see alterAnzeigen)
    m_geb = new DBDateEdit(m_src, QStringLiteral("GebDatum"), page);
    m_geb->setObjectName(QStringLiteral("DBGebDatum"));
    auto *gebZeile = new QWidget(page);
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
    m_alterAkt = new QLineEdit(m_alterPanel);
    m_alterAkt->setObjectName(QStringLiteral("DBAlterAkt"));
    m_alterAkt->setReadOnly(true);
    m_alterAkt->setFocusPolicy(Qt::NoFocus);
    alterZeile->addWidget(m_alterAkt, 1);
    gebLayout->addWidget(m_alterPanel);
    feld(TagGeb, QStringLiteral("G&eb."), gebZeile, r, 0);
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
    m_farbeCombo->setCompleter(nullptr);
    connect(m_farbeCombo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &t) { farbeSuchen(false, t); });
    m_farbeCombo->view()->installEventFilter(this);
    feld(TagFarbe, QStringLiteral("&Farbe"), m_farbeCombo, r, 0);
    m_augenCombo = new DBComboBox(page);
    m_augenCombo->setObjectName(QStringLiteral("DBComboBoxAugenfarbe"));
    m_augenCombo->setEditable(true);
    m_augenCombo->setInsertPolicy(QComboBox::NoInsert);
    m_augenCombo->bind(m_src, QStringLiteral("Augenfarbe"));
    m_augenCombo->setCompleter(nullptr);
    connect(m_augenCombo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &t) { farbeSuchen(true, t); });
    m_augenCombo->view()->installEventFilter(this);
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
        m_rasseFarbeLaden = false;
        SetRFCodeAnz();
    });
    connect(m_rasseCombo, &QComboBox::activated, this, [this] {
        m_rasseFarbeLaden = false;
        SetRFCodeAnz();
    });
    connect(m_farbeCombo, &QComboBox::activated, this, [this] {
        m_rasseFarbeLaden = false;
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
        // the gene code follows the gene type; "Ändern" opens it for typing
        m_gencode = new DBEdit(m_src, QStringLiteral("Gencode"), m_genetik);
        m_gencode->setObjectName(QStringLiteral("DBGencode"));
        m_gencode->setReadOnly(true);
        m_gencode->installEventFilter(this);
        g->addWidget(beschriftung(TagGencode, QStringLiteral("Gencode"), m_gencode, m_genetik), 1, 0);
        g->addWidget(m_gencode, 1, 1);
        m_aendern = new QPushButton(QStringLiteral("Ändern"), m_genetik);
        m_aendern->setObjectName(QStringLiteral("BitBtnGencodeAendern"));
        m_aendern->setProperty("tag", TagAendern);
        m_aendern->setToolTip(QStringLiteral("Gencode ändern"));
        connect(m_aendern, &QPushButton::clicked, this, [this] {
            m_gencode->setReadOnly(false);
            m_gencode->setFocus();
            m_gencode->selectAll();
        });
        g->addWidget(m_aendern, 1, 2);
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
    m_keinBild = new QLabel(QStringLiteral("kein Bild"), m_bildPanel0);
    m_keinBild->setProperty("tag", 9103);
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
    // the list of titles scrolls: a long catalogue must not make the window taller
    auto *titelScroll = new QScrollArea(m_titelGruppe);
    titelScroll->setObjectName(QStringLiteral("ScrollBoxTitel"));
    titelScroll->setFrameShape(QFrame::NoFrame);
    titelScroll->setWidgetResizable(true);
    titelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    titelScroll->setMinimumHeight(80);
    m_titelFlaeche = new QWidget;
    titelScroll->setWidget(m_titelFlaeche);
    titelLayout->addWidget(titelScroll);
    rechts->addWidget(m_titelGruppe, 1);
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
    m_infoVorschau->viewport()->installEventFilter(this);
    m_infoVorschau->viewport()->setCursor(Qt::PointingHandCursor);
    haupt->addWidget(m_infoVorschau, 2, 0, 1, 2);
    // the full remark, laid over the lower area when the preview is clicked
    m_zusatzPanel = new QFrame(page);
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
    m_statusCombo->installEventFilter(this);
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
        m_speichern->setEnabled(editing || m_titelEingabe);
        m_rueckgaengig->setEnabled(editing || m_titelEingabe || m_tagTmpNeueKatze == 1);
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

} // namespace tav::cats::ui
