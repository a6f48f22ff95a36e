#include "CatRecordHeatTab.h"
#include "CatRecordBreedingData.h"
#include "CatRecordLogSheet.h"
#include "PcatstamIntern.h"

#include "app/Systemi.h"
#include "app/ui/Optionen.h"
#include "cats/Wurfdaten.h"
#include "shell/Shell.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTimer>
#include <QVector>

using namespace tav::store;
using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
constexpr int MeldungUngueltigesDatum = 902;

PrognoseTage prognoseTage()
{
    const auto &s = einstellungen();
    return {s.TageNaechsteRolligkeit, s.TageTraechtigkeit, s.TagebisAbgabetermin};
}

// A heat without date is dropped without a word, before the save question.
class OhneDatumVerwerfen : public QWidget, public DataControl
{
  public:
    OhneDatumVerwerfen(DataSource *s, QWidget *parent) : QWidget(parent)
    {
        hide();
        bind(s, QString());
    }
    void readField() override {}
    bool commit() override
    {
        DataSource *s = dataSource();
        if (s->table()->value(QStringLiteral("Datum")).isValid())
            return true;
        QTimer::singleShot(0, s, [s] { s->undo(); });
        return false;
    }

  protected:
    QWidget *widget() override { return this; }
};

QString kurz(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}
} // namespace

CatRecordHeatTab::CatRecordHeatTab(DataSource *s, std::function<int()> aktuelleKatze, QWidget *parent)
    : QWidget(parent), m_rolligkeiten(s)
{
    auto *l = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    links->addWidget(textMitTag(TagRolligkeiten, QStringLiteral("Rolligkeiten"), this));
    m_grid = new DBGrid(s, this);
    m_grid->setObjectName(QStringLiteral("DBGridRolligkeiten"));
    m_grid->tableModel()->addCalcColumn(QStringLiteral("Tage"), [this](Table &t) {
        const auto tage = m_tage.constFind(t.recordNumber());
        return tage == m_tage.constEnd() ? QVariant() : QVariant(*tage);
    });
    m_grid->tableModel()->addColumn(QStringLiteral("Datum"), QStringLiteral("am"), true);
    spaltenTags(m_grid, {TagTage, TagAm});
    m_grid->setMaximumWidth(260);
    links->addWidget(m_grid, 1);
    auto *knoepfe = new QHBoxLayout;
    const auto [neu, weg] = zeilenKnoepfe(s, aktuelleKatze, TagHinzufuegen, QStringLiteral("Hinzufügen"),
                                          QStringLiteral("Löschen"), this);
    // the litter-book settings: only their pages of the options window
    auto *system = knopfMitTag(9600, QStringLiteral("Systemparameter"), this);
    system->setObjectName(QStringLiteral("BitBtnSystemparameter"));
    connect(system, &QPushButton::clicked, this, [] {
        if (Shell *mw = Shell::current())
            optionenOeffnen(*mw, TFOptionen::Seiten::Wurfbuch);
    });
    knoepfe->addWidget(neu);
    knoepfe->addWidget(weg);
    knoepfe->addStretch();
    knoepfe->addWidget(system);
    links->addLayout(knoepfe);
    l->addLayout(links);

    auto *g = new QGridLayout;
    auto wert = [this, g](int r, int tag, const char *text, const char *name) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(text), this), r, 0);
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setMinimumWidth(90);
        g->addWidget(label, r, 1);
        return label;
    };
    m_naechste = wert(0, TagNaechsteRolligkeit, "Nächste Rolligkeit", "naechste");
    g->addWidget(textMitTag(TagPlusMinus, QStringLiteral("+/-"), this), 0, 2);
    m_plusMinus = new QLabel(this);
    m_plusMinus->setObjectName(QStringLiteral("plusMinus"));
    g->addWidget(m_plusMinus, 0, 3);
    m_durchschnitt = wert(1, TagDurchschnitt, "Durchschnitt", "Durchschnitt");
    g->addWidget(textMitTag(TagDecktermin, QStringLiteral("Decktermin"), this), 2, 0);
    m_decktermin = new QLineEdit(this);
    m_decktermin->setObjectName(QStringLiteral("EditDecktermin"));
    m_decktermin->setMaximumWidth(110);
    g->addWidget(m_decktermin, 2, 1);
    m_wurftermin = wert(3, TagWurftermin, "Wurftermin", "Wurftermin");
    m_abgabetermin = wert(4, TagAbgabetermin, "Abgabetermin", "Abgabetermin");
    g->setRowStretch(5, 1);
    g->setColumnStretch(4, 1);
    l->addLayout(g, 1);

    // a typed mating date: its litter and handover dates once the field is left
    connect(m_decktermin, &QLineEdit::textEdited, this, [this] {
        m_wurftermin->clear();
        m_abgabetermin->clear();
    });
    connect(m_decktermin, &QLineEdit::editingFinished, this, [this] { deckterminGeaendert(); });
    new OhneDatumVerwerfen(s, this);
    connect(s, &DataSource::dataSetChanged, this, [this] { neuBerechnen(); });
}

void CatRecordHeatTab::leeren()
{
    for (QLabel *l : {m_naechste, m_plusMinus, m_durchschnitt, m_wurftermin, m_abgabetermin})
        l->clear();
    m_decktermin->clear();
}

void CatRecordHeatTab::neuBerechnen()
{
    m_tage.clear();
    QVector<QDate> daten;
    Table *t = m_rolligkeiten->table();
    if (t->isOpen() && !t->isEditing()) {
        try {
            // read without it looking like scrolling to the grid that shows the rows
            QuietCursor leise(*t);
            QDate vorher;
            for (t->first(); !t->eof(); t->next()) {
                const QDate d = t->value(QStringLiteral("Datum")).toDate();
                if (const std::optional<int> tage = tageSeitVorheriger(vorher, d))
                    m_tage.insert(t->recordNumber(), *tage);
                daten << d;
                if (d.isValid())
                    vorher = d;
            }
            leise.restore();
        } catch (const std::exception &e) {
            m_rolligkeiten->reportError(e);
        }
    }
    const RolligkeitsPrognose p = rolligkeitsPrognose(daten, QDate::currentDate(), prognoseTage());
    m_plusMinus->setText(QString::number(einstellungen().TageNRplusMinus));
    m_durchschnitt->setText(QString::number(p.durchschnitt));
    m_naechste->setText(kurz(p.naechste));
    m_decktermin->setText(kurz(p.decktermin));
    m_wurftermin->setText(kurz(p.wurftermin));
    m_abgabetermin->setText(kurz(p.abgabetermin));
    m_grid->tableModel()->reload();
}

void CatRecordHeatTab::deckterminGeaendert()
{
    // the message takes the focus and leaves the field a second time
    if (m_meldet || !m_decktermin->isModified())
        return;
    m_decktermin->setModified(false);
    const std::optional<RolligkeitsPrognose> p = prognoseAusText(m_decktermin->text(), prognoseTage());
    m_wurftermin->setText(p ? kurz(p->wurftermin) : QString());
    m_abgabetermin->setText(p ? kurz(p->abgabetermin) : QString());
    if (!p) {
        const QScopedValueRollback<bool> meldend(m_meldet, true);
        showMessage(MeldungUngueltigesDatum, MsgIcon::Warning, MsgButtons::Ok,
                    QStringLiteral("'%1': ").arg(m_decktermin->text()));
    }
}

} // namespace tav::cats::ui
