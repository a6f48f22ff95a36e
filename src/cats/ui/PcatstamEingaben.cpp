// The input checks of page "&Stammdaten": name, cattery and breeder, stud-book number, breed/colour
// code, gene code and the free titles.
#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/RasseFarbe.h"
#include "cats/Stammdaten.h"
#include "cats/Titel.h"
#include "cats/ui/KatzeGefunden.h"
#include "store/EngineError.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

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
                showText(meldungen({meldung::EigenerVorfahr, meldung::AndereKatzeWaehlen}), MsgIcon::Error,
                         MsgButtons::Ok);
            else
                showMessage(meldung, MsgIcon::Information, MsgButtons::Ok);
            m_src->setFieldValue(QStringLiteral("Name"), QStringLiteral(" "));
            m_name->setFocus();
            return true;
        }
    }
    m_katze->cancel();
    m_tagTmpNeueKatze = 0;
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

// --- stud-book number ---------------------------------------------------------------

void TCatStamm::zuchtbuchnummerPruefen()
{
    if (!m_src->isEditing() || !m_stammbaum->isOpen())
        return;
    const int eigene = m_katze->state() == Table::State::Insert ? 0 : aktuelleKatze();
    int andere = 0;
    try {
        andere = andereKatzeMitZuchtbuchnummer(*m_stammbaum,
                                               m_katze->text(QStringLiteral("Zuchtbuchnummer1")), eigene);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("catstamm.db"));
        return;
    }
    if (andere == 0)
        return;
    if (showMessage(143, MsgIcon::Information, MsgButtons::YesNo) == QMessageBox::Yes) {
        TitelEintragen();
        m_titelEingabe = false;
        m_src->undo();
        m_tagTmpNeueKatze = 0;
        zeigeKatze(andere);
    } else {
        m_src->setFieldValue(QStringLiteral("Zuchtbuchnummer1"), QVariant());
    }
}

// --- breed/colour code and gene code ---------------------------------------------------

void TCatStamm::SetRFCodeAnz()
{
    if (m_rasseFarbeLaden || !m_rfCode)
        return;
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    QString code;
    if (hatKatze) {
        try {
            code = rfCodeAnzeige(*m_db, m_katze->intValue(QStringLiteral("Rasse")),
                                 m_katze->text(QStringLiteral("FellFarbe")));
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("FARBE.DB"));
        }
    }
    m_rfCode->setText(code);
    m_rasseFarbeLaden = true;
}

void TCatStamm::rfCodeEingabe(const QString &text)
{
    if (!m_rasseFarbeLaden || text.trimmed().isEmpty())
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
    m_zaehlerTitel = 0;
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
        box->setObjectName(QStringLiteral("Titel_%1").arg(++m_zaehlerTitel));
        box->setToolTip(t.Titel);
        // rows as far apart as the font needs, never closer than the classic spacing
        const int i = int(m_titelBoxen.size());
        const QPoint p = titelBoxPosition(i, aufloesung);
        const int zeile = qMax(titelBoxPosition(2, aufloesung).y(), box->sizeHint().height());
        box->setGeometry(p.x(), (i / 2) * zeile, TitelBoxBreite, box->sizeHint().height());
        box->setProperty("dataText", true);
        box->show();
        hoehe = qMax(hoehe, box->geometry().bottom() + 1);
        connect(box, &QCheckBox::clicked, this, [this] { titelBoxGeklickt(); });
        m_titelBoxen << box;
        m_titelNummern << t.LaufendeNummer;
    }
    m_titelFlaeche->setMinimumSize(2 * TitelBoxBreite + 10, hoehe + 2);
    if (auto *scroll = qobject_cast<QScrollArea *>(
            m_titelFlaeche->parentWidget() ? m_titelFlaeche->parentWidget()->parentWidget() : nullptr))
        scroll->setMinimumWidth(m_titelFlaeche->minimumWidth() +
                                scroll->verticalScrollBar()->sizeHint().width());
    TitelEintragen();
}

void TCatStamm::TitelEintragen()
{
    m_titelEingabe = false;
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
    m_titelEingabe = true;
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
        m_hundGespeichert = showMessage(29, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes;
    bool ok = true;
    if ((m_src->saveWithoutAsking() || m_hundGespeichert) && nr > 0) {
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
    m_titelEingabe = false;
    m_hundGespeichert = false;
    return ok;
}

// --- colour lists and the extra information panel ----------------------------------

void TCatStamm::DBFarbeAfterOpen()
{
    farbListeFuellen(m_farbeCombo, m_farbe, true, [](const Table &t) {
        return farbEintragText(t.text(QStringLiteral("Rasseinfo")), t.text(QStringLiteral("Farbname")));
    });
}

void TCatStamm::DBAugenfarbeAfterOpen()
{
    farbListeFuellen(m_augenCombo, m_augen, false,
                     [](const Table &t) { return t.text(QStringLiteral("Augenfarbe")); });
}

void TCatStamm::farbListeFuellen(DBComboBox *liste, Table *tabelle, bool sortiert,
                                 const std::function<QString(const Table &)> &eintrag)
{
    if (!liste || !tabelle || !tabelle->isOpen())
        return;
    QStringList eintraege;
    try {
        for (tabelle->first(); !tabelle->eof(); tabelle->next())
            eintraege << eintrag(*tabelle);
    } catch (const EngineError &e) {
        reportDatabaseError(e, tabelle->tableName());
    }
    if (sortiert)
        eintraege.sort(Qt::CaseInsensitive);
    QSignalBlocker block(liste);
    liste->clear();
    liste->addItems(eintraege);
    liste->readField();
}

// Typing into the colour or eye-colour combo: the text typed so far moves the list table to the
// nearest entry, which the drop-down then offers as its current row.
void TCatStamm::farbeSuchen(bool augen, const QString &text)
{
    m_sucheFarbe = text;
    Table *t = augen ? m_augen : m_farbe;
    QComboBox *combo = augen ? static_cast<QComboBox *>(m_augenCombo) : m_farbeCombo;
    int &treffer = augen ? m_augenTreffer : m_farbeTreffer;
    treffer = -1;
    if (!t || !t->isOpen() || text.isEmpty())
        return;
    try {
        if (!t->findNearest({text}))
            return;
        const QString eintrag = augen ? t->text(QStringLiteral("Augenfarbe"))
                                      : farbEintragText(t->text(QStringLiteral("Rasseinfo")),
                                                        t->text(QStringLiteral("Farbname")));
        treffer = combo->findText(eintrag);
    } catch (const EngineError &e) {
        reportDatabaseError(e, augen ? QStringLiteral("AUGEN.DB") : QStringLiteral("FARBE.DB"));
        return;
    }
    if (treffer >= 0 && combo->view()->isVisible())
        combo->view()->setCurrentIndex(combo->model()->index(treffer, 0));
}

// The full remark over the lower area of page 0, or the preview line again.
void TCatStamm::zusatzInfoZeigen(bool zeigen)
{
    if (!m_zusatzPanel)
        return;
    if (!zeigen) {
        m_zusatzPanel->hide();
        return;
    }
    const bool hatKatze = m_katze->hasRecord() || m_katze->isEditing();
    m_infoZusatz->setPlainText(hatKatze ? m_katze->text(QStringLiteral("Bemerkung")) : QString());
    m_infoZusatz->moveCursor(QTextCursor::Start);
    const QWidget *seite = m_zusatzPanel->parentWidget();
    const int hoehe = qMin(180, qMax(60, m_infoVorschau->y() + m_infoVorschau->height() - 6));
    m_zusatzPanel->setGeometry(m_infoVorschau->x(), m_infoVorschau->y() + m_infoVorschau->height() - hoehe,
                               qMin(m_infoVorschau->width(), seite->width()), hoehe);
    m_zusatzPanel->show();
    m_zusatzPanel->raise();
}

} // namespace tav::cats::ui
