// What the base-data page shows of the cat and its related records: the address blocks, the
// parents with their traits, the cat's traits, the age, the remark; and the choice of a parent
// through the search dialog.
#include "CatRecordBaseDataPage.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/Stammdaten.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
KatzeMerkmale merkmaleLesen(Database &db, int katze)
{
    try {
        return merkmaleDerKatze(db, katze);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("KATZEMERKMAL.DB"));
        return {};
    }
}
} // namespace

bool CatRecordBaseDataPage::hatKatze() const
{
    return m_katze->hasRecord() || m_katze->isEditing();
}

void CatRecordBaseDataPage::katzeAnzeigen()
{
    elternAnzeigen();
    merkmaleAnzeigen();
    titelEintragen();
    adressenAnzeigen();
    rasseFarbeNeu();
    alterAnzeigen();
}

void CatRecordBaseDataPage::neueKatzeAnzeigen()
{
    // no traits, titles, name colour or coefficients of the cat shown before
    m_merkmaleMemo->clear();
    koeffizientenZeigen(QString(), QString(), QString());
    for (QCheckBox *b : std::as_const(m_titelBoxen))
        b->setChecked(false);
    m_titelEingabe = false;
    colourField(m_name, QColor());
    rasseFarbeNeu();
    elternAnzeigen();
    adressenAnzeigen();
    alterAnzeigen();
    bemerkungVorschau();
}

void CatRecordBaseDataPage::koeffizientenZeigen(const QString &ik, const QString &avk,
                                                const QString &rasseAnteile)
{
    m_ik->setText(ik);
    m_avk->setText(avk);
    m_rasseProzent->setPlainText(rasseAnteile);
}

// --- address blocks ---------------------------------------------------------------

void CatRecordBaseDataPage::adressenAnzeigen()
{
    auto block = [this](int nr) -> QString {
        if (nr <= 0 || !m_q.adressen->isOpen())
            return QString();
        try {
            return adressText(*m_q.adressen, nr);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
            return QString();
        }
    };
    const bool katze = hatKatze();
    m_zuechterMemo->setPlainText(katze ? block(m_katze->intValue(QStringLiteral("Züchter"))) : QString());
    QString besitzer;
    if (katze && m_katze->intValue(QStringLiteral("Status")) == 1) {
        try {
            besitzer = eigeneAdresseText(*m_db);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("EIGEN.DB"));
        }
    } else if (katze) {
        besitzer = block(m_katze->intValue(QStringLiteral("Besitzer")));
    }
    m_besitzerMemo->setPlainText(besitzer);
    m_zuechterMemo->moveCursor(QTextCursor::Start);
    m_besitzerMemo->moveCursor(QTextCursor::Start);
}

bool CatRecordBaseDataPage::adresseSetzen(bool besitzer, int adresse)
{
    if (adresse <= 0 ||
        !m_src->setFieldValue(besitzer ? QStringLiteral("Besitzer") : QStringLiteral("Züchter"), adresse))
        return false;
    adressenAnzeigen();
    return true;
}

QString CatRecordBaseDataPage::adresseBesitzerText() const
{
    return m_besitzerMemo->toPlainText();
}

// --- parents, traits, age -----------------------------------------------------------

void CatRecordBaseDataPage::elternAnzeigen()
{
    const bool katze = hatKatze();
    for (bool vater : {true, false}) {
        QLineEdit *feld = vater ? m_vater : m_mutter;
        const int nr =
            katze ? m_katze->intValue(vater ? QStringLiteral("Vater") : QStringLiteral("Mutter")) : 0;
        QString text;
        QColor farbe;
        if (nr > 0 && m_q.stammbaum->isOpen()) {
            QString name;
            try {
                if (m_q.stammbaum->findKey({nr}))
                    name = m_q.stammbaum->text(QStringLiteral("Name"));
            } catch (const EngineError &e) {
                reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
            }
            const KatzeMerkmale m = merkmaleLesen(*m_db, nr);
            text = elternText(name, m.kuerzel);
            if (m.farbe != 0)
                farbe = storedColour(m.farbe);
        }
        feld->setText(text);
        feld->setCursorPosition(0);
        colourField(feld, farbe.isValid() ? farbe : palette().color(QPalette::Button));
    }
}

void CatRecordBaseDataPage::elternLeeren()
{
    m_vater->clear();
    m_mutter->clear();
}

void CatRecordBaseDataPage::merkmaleAnzeigen()
{
    const int nr = m_fenster.aktuelleKatze();
    const KatzeMerkmale m = merkmaleLesen(*m_db, nr);
    m_merkmaleMemo->setPlainText(m.kuerzel.join(QStringLiteral(" / ")));
    m_merkmaleMemo->moveCursor(QTextCursor::Start);
    QColor farbe;
    if (m.farbe != 0)
        farbe = storedColour(m.farbe);
    if (nr > 0 && !(!m.kuerzel.isEmpty() && einstellungen().MerkmalvorTop)) {
        if (Shell *mw = Shell::current()) {
            const int top = mw->TableTopKatzeLaden(nr);
            if (top != 0)
                farbe = storedColour(top);
        }
    }
    colourField(m_name, farbe);
}

void CatRecordBaseDataPage::alterAnzeigen()
{
    const bool katze = hatKatze();
    const QDate geb = katze ? m_katze->value(QStringLiteral("GebDatum")).toDate() : QDate();
    const QDate tod = katze ? m_katze->value(QStringLiteral("Toddatum")).toDate() : QDate();
    const int status = katze ? m_katze->intValue(QStringLiteral("Status")) : 0;
    const AlterAnzeige a = alterAnzeigeAm(geb, tod, status, QDate::currentDate());
    m_alterPanel->setFixedWidth(!a.mitGeburt ? 120 : m_grosseSchrift ? 192 : 167);
    m_kreuz->setVisible(a.tot);
    m_erreicht->setVisible(a.tot);
    m_alterAkt->setVisible(a.mitGeburt);
    m_alterAkt->setText(a.tot ? germanDateText(tod) : a.alterAkt);
    m_alterAkt->setToolTip(a.tot ? a.alter : a.alterAkt);
}

void CatRecordBaseDataPage::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    // the age's unit words follow a switch of the language
    if (e->type() == QEvent::LanguageChange)
        alterAnzeigen();
}

// --- the remark ------------------------------------------------------------------------

void CatRecordBaseDataPage::bemerkungVorschau()
{
    const QString bemerkung = hatKatze() ? m_katze->text(QStringLiteral("Bemerkung")) : QString();
    Shell *mw = Shell::current();
    const bool zeigen = (!mw || mw->frame()->height() > 699) && !bemerkung.isEmpty();
    m_infoVorschau->setPlainText(zeigen ? tav::cats::bemerkungVorschau(bemerkung) : QString());
    m_infoVorschau->setToolTip(bemerkung);
    m_infoVorschau->setVisible(zeigen);
}

void CatRecordBaseDataPage::kompaktZeigen(bool kompakt)
{
    m_infoVorschau->setVisible(!kompakt && !m_infoVorschau->toPlainText().isEmpty());
    if (kompakt)
        zusatzInfoZeigen(false);
}

// The full remark over the lower area of the page, or the preview line again.
void CatRecordBaseDataPage::zusatzInfoZeigen(bool zeigen)
{
    if (!zeigen) {
        m_zusatzPanel->hide();
        return;
    }
    m_infoZusatz->setPlainText(hatKatze() ? m_katze->text(QStringLiteral("Bemerkung")) : QString());
    m_infoZusatz->moveCursor(QTextCursor::Start);
    const int hoehe = qMin(180, qMax(60, m_infoVorschau->y() + m_infoVorschau->height() - 6));
    m_zusatzPanel->setGeometry(m_infoVorschau->x(), m_infoVorschau->y() + m_infoVorschau->height() - hoehe,
                               qMin(m_infoVorschau->width(), width()), hoehe);
    m_zusatzPanel->show();
    m_zusatzPanel->raise();
}

// --- choosing a parent -----------------------------------------------------------------

void CatRecordBaseDataPage::elternSuchen(bool vater)
{
    if (!m_katze->isOpen())
        return;
    // the search of the parent buttons (caller 3): toms for the father, queens for the mother,
    // never the cat itself
    Aufrufer kontext;
    kontext.fokus = vater ? Fokus::VaterSuchen : Fokus::MutterSuchen;
    kontext.eigenerName = m_name->text();
    kontext.eigeneNummer = m_fenster.aktuelleKatze();
    KatzeTreffer gewaehlt;
    const int nr = runCatSearch(this, int(Formular::Eltern), kontext, QString(), &gewaehlt);
    if (nr <= 0 || nr == m_fenster.aktuelleKatze())
        return;
    // the search offers the right sex only; a hit of the other sex is still refused
    if (vater ? !istKater(gewaehlt.Geschlecht) : !istKatze(gewaehlt.Geschlecht)) {
        showMessage(meldung::FalschesGeschlecht, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    m_src->setFieldValue(vater ? QStringLiteral("Vater") : QStringLiteral("Mutter"), nr);
    elternAnzeigen();
}

} // namespace tav::cats::ui
