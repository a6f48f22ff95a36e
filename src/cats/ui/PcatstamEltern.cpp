// What page "&Stammdaten" shows of related records: the address blocks, the parents with their
// traits, the ages, the remark preview; and the choice of a parent through the search dialog.
#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "app/ui/StoredColour.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/Stammdaten.h"
#include "cats/ui/Psuchdlg.h"
#include "store/Database.h"
#include "store/EngineError.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
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
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("KATZEMERKMAL.DB"));
    }
    return out;
}

} // namespace

// --- address blocks ---------------------------------------------------------------

void TCatStamm::adressenAnzeigen()
{
    auto block = [this](int nr) -> QString {
        if (nr <= 0 || !m_adr->isOpen())
            return QString();
        try {
            if (!m_adr->findKey({nr}))
                return QString();
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
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
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("EIGEN.DB"));
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
            } catch (const EngineError &e) {
                reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
            }
            const MerkmalInfo m = merkmaleVon(m_db, nr);
            if (!m.kuerzel.isEmpty())
                text += QStringLiteral(" -- ") + m.kuerzel.join(QStringLiteral(" / "));
            if (m.farbe != 0)
                farbe = storedColour(m.farbe);
        }
        feld->setText(text);
        feld->setCursorPosition(0);
        colourField(feld, farbe.isValid() ? farbe : palette().color(QPalette::Button));
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
        farbe = storedColour(m.farbe);
    if (nr > 0 && !(!m.kuerzel.isEmpty() && einstellungen().MerkmalvorTop)) {
        if (TMirravel *mw = TMirravel::instance()) {
            const int top = mw->TableTopKatzeLaden(nr);
            if (top != 0)
                farbe = storedColour(top);
        }
    }
    colourField(m_name, farbe);
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
    m_alterPanel->setFixedWidth(!a.mitGeburt ? 120 : m_grosseSchrift ? 192 : 167);
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

// --- parents --------------------------------------------------------------------------

void TCatStamm::elternSuchen(bool vater)
{
    if (!m_katze->isOpen())
        return;
    // the search of the parent buttons (caller 3): toms for the father, queens for the mother,
    // never the cat itself
    Aufrufer kontext;
    kontext.fokus = vater ? Fokus::VaterSuchen : Fokus::MutterSuchen;
    kontext.eigenerName = m_name->text();
    kontext.eigeneNummer = aktuelleKatze();
    KatzeTreffer gewaehlt;
    const int nr = runCatSearch(this, int(Formular::Eltern), kontext, QString(), &gewaehlt);
    if (nr <= 0 || nr == aktuelleKatze())
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
