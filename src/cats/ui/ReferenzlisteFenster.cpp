// The reference list windows: one window class built from each list's declaration.
#include "ReferenzlisteFenster.h"

#include "Pcatstam.h"
#include "printouts/ReportMerkmale.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"
#include "widgets/StoredColour.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QVector>

using namespace tav::store;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
constexpr int TagHinzufuegen = 4850, TagRueckgaengig = 4851, TagLoeschen = 4852, TagZurueck = 4853,
              TagHilfe = 4854, TagDrucken = 4857, TagFarbeLaden = 4858, TagNr = 4872;
constexpr int MeldungGeschuetztAendern = 90, MeldungGeschuetztLoeschen = 94, MeldungVerwendet = 9000;

QPushButton *knopf(int tag, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    return b;
}

// the German texts of radio items before the catalogue switches them
QStringList auswahlTexte(int tag)
{
    switch (tag) {
    case 4830: return {QStringLiteral("Normalohr"), QStringLiteral("Faltohr")};
    case 4833: return {QStringLiteral("Langhaar"), QStringLiteral("Kurzhaar")};
    default: return {QStringLiteral("Normalhaar"), QStringLiteral("Haarlos")};
    }
}
} // namespace

QColor farbeWaehlen(const QColor &vorher, QWidget *parent)
{
    QColorDialog dlg(vorher.isValid() ? vorher : QColor(Qt::white), parent);
    if (execDialog(dlg) != QDialog::Accepted)
        return {};
    return dlg.currentColor();
}

TReferenzliste::TReferenzliste(const Referenzliste &liste, Database *db, QWidget *parent)
    : ChildWindow(liste.fenster, parent), m_liste(liste), m_db(db)
{
    setObjectName(liste.objektName);
    setProperty("tag", liste.tag);
    setHelpContext(liste.hilfe);
    setAttribute(Qt::WA_DeleteOnClose);

    if (liste.anlegen && !db->tableExists(liste.tabelle)) {
        try {
            db->createTable(liste.tabelle);
        } catch (const std::exception &e) {
            reportDatabaseError(e, liste.tabelle);
        }
    }
    m_table = new Table(db, liste.tabelle, this);
    if (!liste.index.isEmpty())
        m_table->setIndexName(liste.index);
    m_src = new DataSource(m_table, this);
    if (!liste.geschuetzt.isEmpty()) {
        m_table->beforeEdit = [this](Table &t) {
            if (istGeschuetzt(m_liste, t.value(m_liste.nummernFeld).toLongLong())) {
                showMessage(MeldungGeschuetztAendern, MsgIcon::Information, MsgButtons::Ok);
                throw AbortOperation();
            }
        };
    }
    m_src->open();

    m_grid = new DBGrid(m_src, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    QVector<TableModel::Column> spalten;
    QVariantList spaltenTags;
    if (liste.farbListe) {
        TableModel::Column nr;
        nr.field = liste.nummernFeld;
        nr.title = QStringLiteral("Nr.");
        nr.tag = TagNr;
        spalten << nr;
        spaltenTags << TagNr;
    }
    for (const ReferenzFeld &f : liste.felder) {
        if (f.versteckt || f.art == ReferenzFeld::Art::Auswahl)
            continue;
        TableModel::Column c;
        c.field = f.name;
        c.tag = f.tag;
        if (f.art == ReferenzFeld::Art::Farbe) // the row's colour says it; the number means nothing
            c.calc = [](Table &) { return QVariant(QString()); };
        spalten << c;
        spaltenTags << f.tag;
    }
    m_grid->tableModel()->setColumns(spalten);
    m_grid->setProperty("columnTags", spaltenTags);
    for (const ReferenzFeld &f : liste.felder) {
        if (f.art == ReferenzFeld::Art::Farbe) {
            m_grid->tableModel()->setRowColour(
                [n = f.name](Table &t) { return storedColour(t.intValue(n)); });
            // the colours are changed through the colour dialog only
            m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
    }
    if (liste.farbListe)
        connect(m_grid, &QAbstractItemView::clicked, this, [this] { farbeLaden(); });
    if (liste.fenster == QLatin1String("titelhundform")) {
        // a click on "Titel" or "Kürzel" orders by that index; "Sort." keeps the order
        connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int s) {
            const QString feldName = m_grid->tableModel()->columns().value(s).field;
            if (feldName != QLatin1String("Titel") && feldName != QLatin1String("Kuerzel"))
                return;
            if (!m_src->leaveEdit())
                return;
            try {
                m_table->close();
                m_table->setIndexName(feldName);
                m_table->open();
            } catch (const std::exception &e) {
                m_src->reportError(e);
            }
            m_grid->tableModel()->reload();
        });
    }

    auto *haupt = new QVBoxLayout(this);
    if (liste.zweiSeiten) {
        m_seiten = felderUndTabelle(feldSeite(), m_grid, this);
        haupt->addWidget(m_seiten, 1);
    } else {
        haupt->addWidget(m_grid, 1);
    }

    auto *knoepfe = new QHBoxLayout;
    QPushButton *neu = knopf(TagHinzufuegen, QStringLiteral("H&inzufügen"), this);
    neu->setObjectName(QStringLiteral("Hinzufuegen"));
    connect(neu, &QPushButton::clicked, this, &TReferenzliste::hinzufuegen);
    knoepfe->addWidget(neu);
    if (!liste.farbListe) {
        m_rueckgaengig = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
        m_rueckgaengig->setObjectName(QStringLiteral("Rueckgaengig"));
        m_rueckgaengig->setEnabled(false);
        connect(m_rueckgaengig, &QPushButton::clicked, this, &TReferenzliste::rueckgaengig);
        connect(m_src, &DataSource::stateChanged, this,
                [this] { m_rueckgaengig->setEnabled(m_src->isEditing()); });
        knoepfe->addWidget(m_rueckgaengig);
        QPushButton *weg = knopf(TagLoeschen, QStringLiteral("L&öschen"), this);
        weg->setObjectName(QStringLiteral("Loeschen"));
        connect(weg, &QPushButton::clicked, this, &TReferenzliste::loeschen);
        knoepfe->addWidget(weg);
    }
    if (liste.drucken) {
        QPushButton *druck = knopf(TagDrucken, QStringLiteral("&Drucken"), this);
        druck->setObjectName(QStringLiteral("Drucken"));
        connect(druck, &QPushButton::clicked, this, &TReferenzliste::drucken);
        knoepfe->addWidget(druck);
    }
    knoepfe->addStretch();
    QPushButton *hilfe = knopf(TagHilfe, QStringLiteral("&Hilfe"), this);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    knoepfe->addWidget(hilfe);
    QPushButton *zurueck = knopf(TagZurueck, QStringLiteral("&Zurück"), this);
    zurueck->setObjectName(QStringLiteral("Zurueck"));
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    knoepfe->addWidget(zurueck);
    haupt->addLayout(knoepfe);
    resize(liste.zweiSeiten ? 520 : 440, 380);
    finishCreate();
}

TReferenzliste::~TReferenzliste()
{
    m_src->detach();
}

QWidget *TReferenzliste::feldSeite()
{
    auto *seite = new QWidget;
    auto *g = new QGridLayout(seite);
    int zeile = 0;
    for (const ReferenzFeld &f : m_liste.felder) {
        QWidget *steuer = nullptr;
        QLabel *label = nullptr;
        if (f.art == ReferenzFeld::Art::Auswahl) {
            auto *gruppe = new DBRadioGroup(seite);
            gruppe->setObjectName(f.name);
            gruppe->setProperty("tag", f.tag);
            gruppe->setItems(auswahlTexte(f.tag), {f.werte.value(0), f.werte.value(1)});
            gruppe->bind(m_src, f.name);
            steuer = gruppe;
        } else if (f.art == ReferenzFeld::Art::Farbe) {
            label = new QLabel(f.name, seite);
            auto *zeileW = new QWidget(seite);
            auto *h = new QHBoxLayout(zeileW);
            h->setContentsMargins(0, 0, 0, 0);
            m_farbMuster = new QLabel(zeileW);
            m_farbMuster->setObjectName(QStringLiteral("Farbmuster"));
            m_farbMuster->setFixedSize(60, 20);
            m_farbMuster->setAutoFillBackground(true);
            h->addWidget(m_farbMuster);
            QPushButton *laden = knopf(TagFarbeLaden, QStringLiteral("Farbe laden"), zeileW);
            laden->setObjectName(QStringLiteral("FarbeLaden"));
            connect(laden, &QPushButton::clicked, this, &TReferenzliste::farbeLaden);
            h->addWidget(laden);
            h->addStretch();
            steuer = zeileW;
            auto zeigen = [this, n = f.name] {
                colourField(m_farbMuster, m_table->isOpen() && m_table->hasRecord()
                                              ? storedColour(m_table->intValue(n))
                                              : QColor());
            };
            connect(m_src, &DataSource::recordChanged, this, zeigen);
            connect(m_src, &DataSource::fieldChanged, this, zeigen);
            zeigen(); // the table is open already: its first record is shown now

        } else {
            auto *edit = new DBEdit(m_src, f.name, seite);
            edit->setObjectName(QStringLiteral("DB") + f.name);
            if (f.laenge > 0)
                edit->setMaxLength(f.laenge);
            label = new QLabel(f.name, seite);
            label->setBuddy(edit);
            steuer = edit;
        }
        if (label)
            label->setProperty("tag", f.tag);
        if (f.versteckt) {
            steuer->hide();
            if (label)
                label->hide();
            continue;
        }
        if (label)
            g->addWidget(label, zeile, 0);
        g->addWidget(steuer, zeile, label ? 1 : 0, 1, label ? 1 : 2);
        ++zeile;
    }
    navigatorAnhaengen(g, zeile, m_src, seite);
    return seite;
}

void TReferenzliste::hinzufuegen()
{
    if (m_liste.farbListe) {
        const QColor c = farbeWaehlen(QColor(), this);
        if (!c.isValid() || !m_src->leaveEdit())
            return;
        try {
            m_table->append();
            m_table->setValue(m_liste.felder.first().name, storedValue(c));
            m_table->post();
        } catch (const std::exception &e) {
            m_table->cancel();
            m_src->reportError(e);
        }
        m_grid->tableModel()->reload();
        return;
    }
    if (!m_src->append())
        return;
    m_rueckgaengig->setEnabled(true);
    if (m_seiten) {
        m_seiten->setCurrentIndex(0);
        if (auto *erstes = m_seiten->widget(0)->findChild<DBEdit *>())
            erstes->setFocus();
    } else {
        m_grid->setFocus();
    }
}

void TReferenzliste::rueckgaengig()
{
    m_src->undo();
    if (m_rueckgaengig)
        m_rueckgaengig->setEnabled(false);
}

void TReferenzliste::loeschen()
{
    if (!m_table->isOpen() || !m_table->hasRecord())
        return;
    const qint64 nr = m_table->value(m_liste.nummernFeld).toLongLong();
    if (m_table->state() != Table::State::Insert && istGeschuetzt(m_liste, nr)) {
        showMessage(MeldungGeschuetztLoeschen, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    int benutzt = 0;
    try {
        if (m_table->state() != Table::State::Insert)
            benutzt = verwendungen(*m_db, m_liste, nr);
    } catch (const std::exception &e) {
        m_src->reportError(e);
        return;
    }
    // records that use the row keep its number, which then names nothing: say so before asking
    bool ok = false;
    if (benutzt > 0) {
        if (showMessage(MeldungVerwendet, MsgIcon::Warning, MsgButtons::YesNo, QString(),
                        QStringLiteral(" (%1)").arg(benutzt)) == QMessageBox::Yes)
            ok = m_src->remove(false);
    } else {
        ok = m_src->remove(true);
    }
    if (ok && m_rueckgaengig)
        m_rueckgaengig->setEnabled(false);
}

void TReferenzliste::farbeLaden()
{
    if (m_liste.farbListe) {
        if (!m_table->hasRecord())
            return;
        const QString feldName = m_liste.felder.first().name;
        const QColor c = farbeWaehlen(storedColour(m_table->intValue(feldName)), this);
        if (c.isValid() && m_src->setFieldValue(feldName, storedValue(c)))
            m_src->save();
        return;
    }
    if (m_table->state() != Table::State::Insert &&
        istGeschuetzt(m_liste, m_table->value(m_liste.nummernFeld).toLongLong())) {
        showMessage(MeldungGeschuetztAendern, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    for (const ReferenzFeld &f : m_liste.felder) {
        if (f.art != ReferenzFeld::Art::Farbe)
            continue;
        const QColor c = farbeWaehlen(storedColour(m_table->intValue(f.name)), this);
        if (c.isValid())
            m_src->setFieldValue(f.name, storedValue(c));
    }
}

void TReferenzliste::drucken()
{
    if (!m_src->leaveEdit())
        return;
    try {
        report::ui::zeigeVorschau(printouts::reportMerkmale(printouts::merkmaleLesen(*m_db)), this);
    } catch (const std::exception &e) {
        m_src->reportError(e);
    }
}

void TReferenzliste::closeEvent(QCloseEvent *e)
{
    if (m_src->isEditing() && !m_src->save())
        m_src->undo();
    aufraeumen();
    ChildWindow::closeEvent(e);
}

void TReferenzliste::aufraeumen()
{
    TCatStamm *w = TCatStamm::instance();
    if (!w)
        return;
    switch (m_liste.auffrischen) {
    case Auffrischen::Rassen:
    case Auffrischen::Fellarten:
    case Auffrischen::Farben:
    case Auffrischen::Augenfarben:
    case Auffrischen::Titel: w->referenzTabelleNeuLaden(m_liste.tabelle); break;
    case Auffrischen::Katzenliste: // the main window shows its list again itself
    case Auffrischen::Nichts: break;
    }
}

void registerReferenzlisten()
{
    for (const Referenzliste &l : referenzlisten()) {
        registerWindow(l.fenster, [&l](Shell &mw) -> QWidget * {
            if (ChildWindow *offen = ChildWindow::find(l.fenster))
                return offen;
            auto *w = new TReferenzliste(l, defaultDatabase());
            mw.addChild(w);
            w->show();
            return w;
        });
    }
    registerStatusForm();
}

} // namespace tav::cats::ui
