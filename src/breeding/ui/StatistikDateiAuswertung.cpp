// StatistikDateiAuswertung: running the register query, the result grid and the inbreeding pass
// that fills its IK and AVK columns.
#include "StatistikDateiFenster.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "report/ui/Vorschau.h"
#include "store/EngineError.h"
#include "widgets/DBGrid.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

namespace tav::breeding::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {
QString beschriftung(int tag)
{
    return app::sprache().caption(tag);
}
} // namespace

void DateiErgebnisModell::setzen(QVector<DateiZeile> zeilen, bool mitMerkmalen, const QDate &heute)
{
    beginResetModel();
    m_zeilen = std::move(zeilen);
    m_mitMerkmalen = mitMerkmalen;
    m_alter.clear();
    for (const DateiZeile &z : std::as_const(m_zeilen))
        m_alter << alterZeile(z, heute, beschriftung);
    endResetModel();
}

void DateiErgebnisModell::inzucht(const QVector<int> &zeilen, const QString &ik, const QString &avk)
{
    const int ikSpalte = columnCount() - 2;
    for (int i : zeilen) {
        m_zeilen[i].ik = ik;
        m_zeilen[i].avk = avk;
        Q_EMIT dataChanged(index(i, ikSpalte), index(i, ikSpalte + 1), {Qt::DisplayRole});
    }
}

DateiErgebnisModell::Spalte DateiErgebnisModell::art(int spalte) const
{
    if (!m_mitMerkmalen && spalte >= Merkmal)
        return Spalte(spalte + 1);
    return Spalte(spalte);
}

QVariant DateiErgebnisModell::data(const QModelIndex &i, int role) const
{
    if (!i.isValid() || i.row() >= m_zeilen.size())
        return {};
    const DateiZeile &z = m_zeilen[i.row()];
    const Spalte s = art(i.column());
    switch (role) {
    case Qt::BackgroundRole: return z.farbe ? QVariant(widgets::storedColour(z.farbe)) : QVariant();
    case Qt::ForegroundRole:
        return z.farbe ? QVariant(widgets::textColourOn(widgets::storedColour(z.farbe))) : QVariant();
    case Qt::TextAlignmentRole: return s == Tod ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::DisplayRole: break;
    default: return {};
    }
    switch (s) {
    case Name: return z.name;
    case Tod: return z.tod.isValid() ? QStringLiteral("†") : QString();
    case Geschlecht: return geschlechtText(z.geschlecht, beschriftung);
    case GebDatum: return z.geburt.isValid() ? z.geburt.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    case Alter: return m_alter.value(i.row());
    case Farbe: return z.fellfarbe;
    case Vater: return z.vaterName;
    case Mutter: return z.mutterName;
    case Merkmal: return z.merkmal;
    case IK: return z.ik;
    case AVK: return z.avk;
    }
    return {};
}

QVariant DateiErgebnisModell::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const int tags[] = {2318, 0, 4231, 4258, 4228, 1405, 716, 717, 1140, 3138, 3139};
    const Spalte s = art(section);
    return s == Tod ? QString() : beschriftung(tags[s]);
}

DateiFilter TFormStatistikMerkmaleDatei::filter() const
{
    DateiFilter f;
    if (CBFarbe->currentIndex() > 0)
        f.farbe = CBFarbe->currentText();
    f.geschlecht = {CBMaennlich->isChecked(), CBWeiblich->isChecked(), CBMaennlichKastrat->isChecked(),
                    CBWeiblichKastrat->isChecked()};
    f.ab = EditJahrevon->text().toInt();
    f.bis = EditJahreBis->text().toInt();
    f.monate = RBMonate->isChecked();
    return f;
}

void TFormStatistikMerkmaleDatei::eingabenFrei(bool frei)
{
    const QList<QWidget *> eingaben{CBMaennlich,
                                    CBWeiblich,
                                    CBMaennlichKastrat,
                                    CBWeiblichKastrat,
                                    EditJahrevon,
                                    EditJahreBis,
                                    RBJahre,
                                    RBMonate,
                                    CBFarbe,
                                    BtnEinfach,
                                    BtnErweitert,
                                    BtnLoeschen,
                                    BtnSQL,
                                    BtnAuswerten};
    for (QWidget *w : eingaben)
        w->setEnabled(frei);
    const QList<QWidget *> gesichert{BtnAnd, BtnOr, BtnNot, BtnAuf, BtnZu, DBGMerkmale};
    if (!frei) {
        m_gesichert.clear();
        for (QWidget *w : gesichert) {
            m_gesichert << w->isEnabled();
            w->setEnabled(false);
        }
        SQL->setReadOnly(true);
    } else if (m_gesichert.size() == gesichert.size()) {
        for (int i = 0; i < gesichert.size(); ++i)
            gesichert[i]->setEnabled(m_gesichert[i]);
        m_gesichert.clear();
    }
}

bool TFormStatistikMerkmaleDatei::auswerten()
{
    const DateiFilter f = filter();
    if (!f.einGeschlecht()) {
        widgets::showMessage(191, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    inzuchtBeenden();
    PanelWarten->show();
    eingabenFrei(false);
    m_modell->setzen({}, false, f.heute);
    QApplication::processEvents();
    // the memo's lines are one text; the query reads it, nothing of it reaches SQL as text
    m_abfrage = SQL->toPlainText().split(QLatin1Char('\n')).join(QString());
    QVector<DateiZeile> zeilen;
    bool fehler = false;
    try {
        zeilen = statistikDatei(*m_db, {m_erweitert, m_abfrage}, f);
    } catch (const DateiAbfrageFehler &) {
        fehler = true;
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
        fehler = true;
    }
    PanelWarten->hide();
    if (fehler) {
        widgets::showMessage(120, MsgIcon::Error, MsgButtons::Ok);
        zuruecksetzen();
        return false;
    }
    if (zeilen.isEmpty()) {
        widgets::showMessage(119, MsgIcon::Information, MsgButtons::Ok);
        eingabenFrei(true);
        return false;
    }
    m_ergebnis = true;
    m_modell->setzen(std::move(zeilen), m_erweitert || !m_abfrage.trimmed().isEmpty(), f.heute);
    Ergebnis->resizeColumnsToContents();
    // IK and AVK arrive later: room for the widest value now
    const int breite = Ergebnis->fontMetrics().horizontalAdvance(QStringLiteral("100,00%")) + 16;
    for (int s = m_modell->columnCount() - 2; s < m_modell->columnCount(); ++s)
        Ergebnis->setColumnWidth(s, std::max(breite, Ergebnis->columnWidth(s)));
    inzuchtStarten();
    return true;
}

void TFormStatistikMerkmaleDatei::zuruecksetzen()
{
    inzuchtBeenden();
    CBFarbe->setCurrentIndex(0);
    for (QCheckBox *b : {CBMaennlich, CBWeiblich, CBMaennlichKastrat, CBWeiblichKastrat})
        b->setChecked(true);
    EditJahrevon->clear();
    EditJahreBis->clear();
    RBJahre->setChecked(true);
    eingabenFrei(true);
    m_ergebnis = false;
    m_modell->setzen({}, false, QDate::currentDate());
    einfacheAbfrage();
}

void TFormStatistikMerkmaleDatei::inzuchtStarten()
{
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    const int generationen = s ? s->InzuchtStdgenerationen : 5;
    try {
        // the engine's separator: a point in English, else a comma
        const QChar dezimal = app::sprache().languageNumber() == 1 ? QLatin1Char('.') : QLatin1Char(',');
        m_inzucht = std::make_unique<DateiInzucht>(*m_db, generationen, dezimal);
        m_inzucht->setzeZeilen(m_modell->zeilen());
    } catch (const store::EngineError &e) {
        qWarning("%s", qPrintable(e.what()));
        m_inzucht.reset();
        return;
    }
    InzuchtBalken->setRange(0, std::max(1, m_inzucht->paare()));
    InzuchtBalken->setValue(0);
    PanelInzucht->show();
    m_takt->start();
}

// one slice of the pass per turn of the event loop; painting only reads what is done
void TFormStatistikMerkmaleDatei::inzuchtSchritt()
{
    if (!m_inzucht)
        return;
    bool weiter = false;
    try {
        weiter = m_inzucht->weiter(40, [this](const QVector<int> &zeilen, const QString &ik,
                                              const QString &avk) { m_modell->inzucht(zeilen, ik, avk); });
    } catch (const std::bad_alloc &) {
        // the rows so far keep their values; the rest stay empty
        widgets::showMessage(126, MsgIcon::Error, MsgButtons::Ok);
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    }
    InzuchtBalken->setValue(m_inzucht->erledigt());
    if (!weiter)
        inzuchtBeenden();
}

void TFormStatistikMerkmaleDatei::inzuchtBeenden()
{
    m_takt->stop();
    m_inzucht.reset();
    PanelInzucht->hide();
}

bool TFormStatistikMerkmaleDatei::inzuchtLaeuft() const
{
    return m_inzucht != nullptr;
}

printouts::StatistikDateiDruck TFormStatistikMerkmaleDatei::druckDaten() const
{
    printouts::StatistikDateiDruck d;
    const DateiFilter f = filter();
    d.geschlecht = f.geschlecht;
    d.farbe = f.farbe;
    d.ab = f.ab;
    d.bis = f.bis;
    d.monate = f.monate;
    d.erweitert = m_erweitert;
    d.merkmale = m_erweitert ? m_abfrage : m_merkmale;
    d.mitMerkmalen = m_modell->columnCount() == 11;
    d.ergebnis = m_ergebnis;
    d.zeilen = m_modell->zeilen();
    return d;
}

} // namespace tav::breeding::ui
