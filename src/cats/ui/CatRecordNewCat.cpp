// A new cat in the cat record window: started empty or as a copy of the cat shown, what it shows
// of itself before it is stored, and the question before the window leaves it.
#include "CatRecordBaseDataPage.h"
#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/Stammbaumseite.h"
#include "cats/Stammdaten.h"
#include "shell/Shell.h"
#include "store/EngineError.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QScopedValueRollback>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

void TCatStamm::KatzeNeu()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (g && g->NeuausStb) {
        showText(meldungen({223, 224}), MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!m_katze->isOpen())
        return;
    if (m_src->isEditing() && !posten())
        return;
    showPage(SeiteStammdaten);
    const tsysteminfo &s = einstellungen();
    neueKatzeBeginnen(neueKatzeWerte(
        {s.FarbeStandardeinstellung, s.RasseStandardeinstellung, s.HaarartStandardeinstellung}));
}

void TCatStamm::KatzeKopieren()
{
    if (!m_katze->isOpen() || !m_katze->hasRecord())
        return;
    if (m_src->isEditing() && !posten())
        return;
    showPage(SeiteStammdaten);
    if (!m_katze->text(QStringLiteral("IDCode")).trimmed().isEmpty()) {
        showMessage(142, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    // in the order of the field names, as the copy was always made
    QVariantMap kopie;
    for (const QString &f : kopierteFelder())
        kopie.insert(f, m_katze->value(f));
    QList<QPair<QString, QVariant>> werte;
    for (auto it = kopie.cbegin(); it != kopie.cend(); ++it) {
        if (it.value().isNull())
            continue;
        const bool name = it.key() == QLatin1String("Name");
        werte.append(
            {it.key(), name ? QVariant(kopieName(it.value().toString(), sprachNummer())) : it.value()});
    }
    werte.append({QStringLiteral("AndereRegistrierung"), false});
    neueKatzeBeginnen(werte);
}

void TCatStamm::neueKatzeBeginnen(const QList<QPair<QString, QVariant>> &werte)
{
    const int vorher = aktuelleKatze();
    if (Shell *mw = Shell::current())
        mw->setTierVorNeuaufnahme(vorher);
    m_vorherigeKatze = vorher;
    if (!m_src->append())
        return;
    setProperty("dataTitle", false);
    setTitel(messageText(14));
    {
        const QScopedValueRollback<bool> auffrischend(m_inRefresh, true);
        for (const auto &[feld, wert] : werte)
            m_src->setFieldValue(feld, wert);
    }
    neueKatzeAnzeigen();
    m_tagTmpNeueKatze = 1;
    m_neuerIndex = true;
    m_basis->knoepfeFreigeben(true, true);
    m_basis->nameFokussieren();
}

void TCatStamm::neueKatzeAnzeigen()
{
    // only what the new record itself holds: no pictures of the cat shown before
    m_basis->neueKatzeAnzeigen();
    bilderLaden();
    m_neueEingabe = false;
}

bool TCatStamm::neueKatzeVerlassen()
{
    if (m_katze->state() != Table::State::Insert)
        return true;
    const TDatenGlobal *g = TDatenGlobal::instance();
    // an ancestor entered from the pedigree is left through the search by design
    if ((m_neueEingabe || m_basis->titelEingabe()) && !(g && g->NeuausStb)) {
        const Answer a = showMessage(9150, MsgIcon::Warning, MsgButtons::YesNoCancel);
        if (a == QMessageBox::Yes) {
            // that was the save question: the post does not ask again
            m_src->setSaveWithoutAsking(true);
            Speichern();
            m_src->setSaveWithoutAsking(std::nullopt);
            // the checks before the post either kept the input (stay) or dropped the cat
            return m_katze->state() != Table::State::Insert;
        }
        if (a != QMessageBox::No)
            return false;
    }
    m_tagTmpNeueKatze = 0;
    m_basis->titelEingabeVergessen();
    m_katze->cancel();
    return true;
}

bool TCatStamm::ahnUebernehmen(int nr)
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (!g || !g->NeuausStb)
        return false;
    int meldung = 0;
    try {
        meldung = ahnPruefen(*m_db, nr, g->VMZeiger, g->CatNr);
        if (meldung == 0 && !elternteilEintragen(*m_db, g->CatNr, g->VMZeiger, nr))
            meldung = 50; // the cat whose pedigree is extended is gone
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    if (meldung != 0) {
        if (meldung == meldung::EigenerVorfahr)
            showText(meldungen({meldung::EigenerVorfahr, meldung::AndereKatzeWaehlen}), MsgIcon::Error,
                     MsgButtons::Ok);
        else
            showMessage(meldung, MsgIcon::Information, MsgButtons::Ok);
        showPage(SeiteStammdaten);
        m_basis->nameFokussieren();
        return false;
    }
    // The new record gives way: its cancel ends the entry and shows the pedigree page again
    // (CatRecordPedigreePage); the window goes back to the cat it was started from, read anew.
    m_tagTmpNeueKatze = 0;
    m_basis->titelEingabeVergessen();
    m_src->undo();
    m_basis->knoepfeFreigeben(false, false);
    try {
        m_katze->refresh();
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
    Shell *mw = Shell::current();
    const int zurueck = mw ? mw->tierVorNeuaufnahme() : m_vorherigeKatze;
    if (zurueck <= 0 || !zeigeKatze(zurueck))
        TitelKatzeNeu(Anlass::Stammbaum);
    katzeMelden(true);
    return true;
}

} // namespace tav::cats::ui
