#include "Meldeformular.h"

#include "app/Sprache.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/EngineError.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QVector>

namespace tav::printouts::ui {

using namespace tav::widgets;
using namespace tav::shell;

namespace {
constexpr int MeldungFormulartexte = 6390;

template <class Fenster> void oeffnen(QWidget *parent, tav::store::Database &db, int katzeNr)
{
    // the cat record window's pending edit was posted by the print command; its save and undo
    // stay off until its next edit
    if (tav::shell::Shell *mw = tav::shell::Shell::current(); mw && mw->catRecord())
        mw->catRecord()->eingabeSperren();
    Meldung m;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto frei = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        try {
            m = meldungLesen(db, katzeNr, tav::app::sprache().languageNumber(),
                             [](int tag) { return tav::app::captionText(tag); });
        } catch (const tav::store::EngineError &e) {
            // the window still opens, to be filled by hand
            TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        }
    }
    Fenster fenster(m, parent);
    execDialog(fenster);
}
} // namespace

void meldeformularOeffnen(QWidget *parent, tav::store::Database &db, int katzeNr)
{
    oeffnen<TFormMeldeformular>(parent, db, katzeNr);
}

void meldeformularCFAOeffnen(QWidget *parent, tav::store::Database &db, int katzeNr)
{
    oeffnen<TFormMeldeformularCFA>(parent, db, katzeNr);
}

MeldeformularBasis::MeldeformularBasis(const Meldung &m, const QString &name, int tag, QWidget *parent)
    : QDialog(parent), m_gelesen(m)
{
    setObjectName(name);
    setProperty("tag", tag);
    setModal(true);
    BitBtnHilfe = knopf(6340, QStringLiteral("&Hilfe"), "BitBtnHilfe");
    BitBtnZurueck = knopf(9766, QStringLiteral("&Zurück"), "BitBtnZurueck");
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(MeldeformularHilfeKontext, this); });
    setHelpKey(this, MeldeformularHilfeKontext);
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QDialog::reject);
}

Meldung MeldeformularBasis::meldung() const
{
    Meldung m = m_gelesen;
    for (const auto &[edit, teil] : m_texte)
        m.*teil = edit->text();
    for (const auto &[box, teil] : m_marken)
        m.*teil = box->isChecked();
    for (const auto &[ja, teil] : m_ja)
        m.*teil = ja->isChecked();
    QVector<bool> &klassen = m.*m_klassenTeil;
    for (int i = 0; i < m_klassen.size() && i < klassen.size(); ++i)
        klassen[i] = m_klassen[i]->isChecked();
    if (m_region)
        m.region = m_region->currentIndex();
    return m;
}

std::optional<report::ReportJob> MeldeformularBasis::job(Meldeform form)
{
    // read at every print, so a corrected text file shows on the next one
    FormularTexte texte;
    if (!texte.lesen(formularTextePfad())) {
        showMessage(MeldungFormulartexte, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QStringLiteral(" ") + formularTextePfad());
        return std::nullopt;
    }
    return reportMeldeformular(form, meldung(), texte, tav::app::sprache().languageNumber());
}

bool MeldeformularBasis::zeigen(Meldeform form)
{
    std::optional<report::ReportJob> j = job(form);
    if (j)
        report::ui::zeigeVorschau(std::move(*j), this);
    return j.has_value();
}

bool MeldeformularBasis::drucken(Meldeform form)
{
    std::optional<report::ReportJob> j = job(form);
    return j && report::ui::druckeOhneVorschau(std::move(*j), this);
}

QLineEdit *MeldeformularBasis::feld(QGridLayout *g, int zeile, int spalte, int tag, const QString &caption,
                                    const char *name, QString Meldung::*teil)
{
    auto *l = new QLabel(caption, this);
    l->setProperty("tag", tag);
    auto *e = new QLineEdit(m_gelesen.*teil, this);
    e->setObjectName(QString::fromLatin1(name));
    e->setCursorPosition(0);
    l->setBuddy(e);
    g->addWidget(l, zeile, 2 * spalte);
    g->addWidget(e, zeile, 2 * spalte + 1);
    m_texte.append({e, teil});
    return e;
}

QCheckBox *MeldeformularBasis::marke(int tag, const QString &caption, const char *name, bool Meldung::*teil)
{
    auto *c = new QCheckBox(caption, this);
    c->setObjectName(QString::fromLatin1(name));
    c->setProperty("tag", tag);
    c->setChecked(m_gelesen.*teil);
    m_marken.append({c, teil});
    return c;
}

QGroupBox *MeldeformularBasis::jaNein(int tag, const QString &caption, const char *name, bool Meldung::*teil)
{
    auto *g = new QGroupBox(caption, this);
    g->setObjectName(QString::fromLatin1(name));
    g->setProperty("tag", tag);
    g->setProperty("radioGroup", true);
    auto *ja = new QRadioButton(QStringLiteral("ja"), g);
    auto *nein = new QRadioButton(QStringLiteral("nein"), g);
    (m_gelesen.*teil ? ja : nein)->setChecked(true);
    auto *h = new QHBoxLayout(g);
    h->setContentsMargins(6, 2, 6, 2);
    h->addWidget(ja);
    h->addWidget(nein);
    h->addStretch();
    m_ja.append({ja, teil});
    return g;
}

QPushButton *MeldeformularBasis::knopf(int tag, const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setProperty("tag", tag);
    b->setAutoDefault(false);
    return b;
}

QGroupBox *MeldeformularBasis::gruppe(int tag, const QString &caption)
{
    auto *g = new QGroupBox(caption, this);
    g->setProperty("tag", tag);
    return g;
}

void MeldeformularBasis::zusammensetzen(const QString &kopf, const QList<QWidget *> &links,
                                        const QList<QWidget *> &rechts, const QList<QPushButton *> &drucken)
{
    auto *ueberschrift = new QLabel(kopf, this);
    ueberschrift->setProperty("tag", property("tag"));
    QFont f = ueberschrift->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    f.setBold(true);
    ueberschrift->setFont(f);
    auto *spalten = new QHBoxLayout;
    for (const QList<QWidget *> &spalte : {links, rechts}) {
        auto *v = new QVBoxLayout;
        for (QWidget *w : spalte)
            v->addWidget(w);
        v->addStretch();
        spalten->addLayout(v, 1);
    }
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : drucken)
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addWidget(BitBtnZurueck);
    auto *v = new QVBoxLayout(this);
    v->addWidget(ueberschrift);
    v->addLayout(spalten);
    v->addLayout(knoepfe);
    translateOnCreate(this);
}

} // namespace tav::printouts::ui
