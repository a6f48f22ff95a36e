// StammbaumfensterAktionen: what the pedigree window does: showing a root and its ancestors, the
// data panel of a box, new root and step back.
#include "Stammbaumfenster.h"

#include "StammbaumFlaeche.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "breeding/StorePedigree.h"
#include "cats/Stammdaten.h"
#include "cats/Titel.h"
#include "cats/ui/Psuchdlg.h"
#include "store/EngineError.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <new>

namespace tav::breeding::ui {

using namespace stammbaum8;
using tav::app::TDatenGlobal;

namespace {
const QString Katzentabelle = QStringLiteral("CATSTAMM.DB");
constexpr int InfoBildGenerationen = BildGenerationen; // deeper ancestors show their picture in the panel
constexpr int InfoBildRand = 38;                       // blanks before the lines beside the picture
} // namespace

bool TFormStammbaum::mitBildern() const
{
    const tav::app::tsysteminfo *s = tav::app::tsysteminfo::instance();
    return s && s->StammbaumlangBild;
}

void TFormStammbaum::zeigeBild(QLabel *ziel, QFrame *rahmen, const QString &pfad, int rand)
{
    QImageReader reader(pfad);
    reader.setAutoTransform(true);
    const QImage bild = pfad.isEmpty() ? QImage() : reader.read();
    if (bild.isNull()) {
        rahmen->hide();
        return;
    }
    const QRect r = tav::cats::bildEinpassen(bild.size(), rahmen->size(), rand, true);
    ziel->setPixmap(
        QPixmap::fromImage(bild.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    ziel->setGeometry(r);
    ziel->show();
    rahmen->show();
}

void TFormStammbaum::zeigeKatze(qint32 nummer)
{
    m_wurzel = nummer;
    PanelStammbaumInfoVerbergen();
    try {
        zeigeWurzel();
        fuelleBaum();
    } catch (const tav::store::EngineError &e) {
        tav::widgets::reportDatabaseError(e, e.file().isEmpty() ? Katzentabelle : e.file());
    } catch (const std::bad_alloc &) {
        tav::widgets::showMessage(126, tav::widgets::MsgIcon::Error, tav::widgets::MsgButtons::Ok);
    }
}

void TFormStammbaum::zeigeWurzel()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    const tav::app::KatzenTexte texte =
        g && m_wurzel > 0 ? g->Katzendaten(1, m_wurzel, false, 0) : tav::app::KatzenTexte();
    MemoKatze->setPlainText(texte.daten.join(QLatin1Char('\n')));
    MemoKatze->verticalScrollBar()->setValue(0);
    if (mitBildern() && !texte.bild.isEmpty())
        zeigeBild(ImageKatze, PanelKatze, texte.bild, 2);
    else
        PanelKatze->hide();
}

void TFormStammbaum::fuelleBaum()
{
    for (QLabel *b : std::as_const(m_boxen)) {
        if (b)
            b->clear();
    }
    for (QFrame *r : std::as_const(m_rahmen)) {
        if (r)
            r->hide();
    }
    // read afresh each time (the register may have changed), and the cat table is let go of as
    // soon as the tree is read
    {
        const StorePedigree quelle(*m_db, StorePedigree::Laden::Einzeln);
        m_stammbaum = leseStammbaum8(quelle, m_wurzel);
    }
    m_stammbaum.setzeTitel(tav::cats::titelTexte(*m_db, m_stammbaum.katzen()));

    QVector<qint32> mitRahmen;
    for (int k = 2; k <= Boxen + 1; ++k) {
        const int gen = generationVon(k);
        const int pos = positionVon(k);
        m_boxen[k]->setText(m_stammbaum.text(gen, pos));
        if (gen <= BildGenerationen && m_stammbaum.ahnen[k].nummer)
            mitRahmen.append(m_stammbaum.ahnen[k].nummer);
    }
    if (!mitBildern() || mitRahmen.isEmpty())
        return;
    const QHash<qint32, QString> bilder = stammbaumBilder(*m_db, mitRahmen);
    for (int k = 2; k < index(BildGenerationen + 1, 1); ++k) {
        const QString pfad = bilder.value(m_stammbaum.ahnen[k].nummer);
        if (!pfad.isEmpty())
            zeigeBild(m_bilder[k], m_rahmen[k], pfad, 2);
    }
}

// --- mouse and menu ----------------------------------------------------------------

void TFormStammbaum::BoxMouseDown(QLabel *box)
{
    MemoNr = box->text();
    m_boxGedrueckt = true;
}

void TFormStammbaum::ScrollBoxMouseDown()
{
    m_boxGedrueckt = false;
    PanelStammbaumInfoVerbergen();
}

void TFormStammbaum::BoxClick(QLabel *box)
{
    const int k = box->property(BoxEigenschaft).toInt();
    if (k < 2)
        return;
    const int gen = generationVon(k);
    QPoint ort = box->pos() - QPoint(6, 6);
    MemoStammbaumInfo->clear();
    Panel3->hide();
    if (const std::optional<qint32> nr = nummerAusBoxText(box->text())) {
        QString vorsatz;
        try {
            if (mitBildern() && gen > InfoBildGenerationen) {
                const QString pfad = stammbaumBilder(*m_db, {*nr}).value(*nr);
                if (!pfad.isEmpty()) {
                    zeigeBild(Image2, Panel3, pfad, 2);
                    vorsatz = QString(InfoBildRand, QLatin1Char(' '));
                }
            }
            if (TDatenGlobal *g = TDatenGlobal::instance())
                MemoStammbaumInfo->setPlainText(
                    g->Katzendaten(2, *nr, false, 0, vorsatz).daten.join(QLatin1Char('\n')));
        } catch (const tav::store::EngineError &e) {
            tav::widgets::reportDatabaseError(e, e.file().isEmpty() ? Katzentabelle : e.file());
        }
        MemoStammbaumInfo->verticalScrollBar()->setValue(0);
    }
    // kept inside what the scroll box shows
    const QRect sichtbar(-m_flaeche->pos(), ScrollBox->viewport()->size());
    const QSize s = PanelStammbaumInfo->size();
    if (ort.x() + s.width() > sichtbar.right())
        ort.setX(sichtbar.right() - s.width());
    if (ort.y() + s.height() > sichtbar.bottom())
        ort.setY(sichtbar.bottom() - s.height());
    ort.setX(std::max(ort.x(), sichtbar.left()));
    ort.setY(std::max(ort.y(), sichtbar.top()));
    PanelStammbaumInfo->move(ort);
    PanelStammbaumInfo->show();
    PanelStammbaumInfo->raise();
}

void TFormStammbaum::PanelStammbaumInfoVerbergen()
{
    PanelStammbaumInfo->hide();
}

void TFormStammbaum::PopupMenuPopup()
{
    StammbaumLaden->setEnabled(m_boxGedrueckt);
    Ruecksprung->setEnabled(SaveBookmark.has_value());
}

void TFormStammbaum::StammbaumLadenClick()
{
    // an empty box keeps the step back that is saved
    const std::optional<qint32> nr = nummerAusBoxText(MemoNr);
    if (!nr)
        return;
    SaveBookmark = m_wurzel;
    zeigeKatze(*nr);
}

void TFormStammbaum::RuecksprungClick()
{
    if (!SaveBookmark)
        return;
    const qint32 zurueck = *SaveBookmark;
    SaveBookmark.reset();
    zeigeKatze(zurueck);
}

void TFormStammbaum::BitBtn1Click()
{
    const int nr = tav::cats::ui::runCatSearch(this, 0);
    if (nr <= 0)
        return;
    zeigeKatze(nr);
}

} // namespace tav::breeding::ui
