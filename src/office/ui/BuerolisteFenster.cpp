// The office's list windows (clubs, show dates, pharmacy): one window class built from each
// list's declaration.
#include "BuerolisteFenster.h"

#include "app/Weblinks.h"
#include "cats/ui/Pkalend.h"
#include "maintenance/Indexerstellung.h"
#include "report/ReportJob.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagHinzufuegen = 4850, TagRueckgaengig = 4851, TagLoeschen = 4852, TagZurueck = 4853,
              TagHilfe = 4854, TagSortierung = 6624, MeldungVerweis = 9552;

void verweisOeffnen(const QUrl &url, const QString &text)
{
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        showMessage(MeldungVerweis, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + text);
}
} // namespace

TBueroliste::TBueroliste(const Bueroliste &liste, Database *db, QWidget *parent, bool nurLesen)
    : ChildWindow(liste.fenster, parent), m_liste(liste), m_nurLesen(nurLesen)
{
    setObjectName(liste.objektName);
    setProperty("tag", liste.tag);
    setHelpContext(liste.hilfe);
    setAttribute(Qt::WA_DeleteOnClose);

    // a register made before these lists existed gets them now
    try {
        db->ensureTable(liste.tabelle);
    } catch (const std::exception &e) {
        reportDatabaseError(e, liste.tabelle);
    }
    m_table = new Table(db, liste.tabelle, this);
    m_table->setReadOnly(nurLesen);
    m_src = new DataSource(m_table, this);
    if (m_src->open()) {
        try {
            maintenance::indexWaehlen(*m_table, liste.index);
            m_table->first();
        } catch (const std::exception &e) {
            m_src->reportError(e);
        }
    }
}

TBueroliste::~TBueroliste()
{
    m_src->detach();
}

void TBueroliste::aufbauen()
{
    m_grid = new DBGrid(m_src, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    QVector<TableModel::Column> spalten;
    QVariantList spaltenTags;
    for (const BueroSpalte &s : m_liste.spalten) {
        TableModel::Column c;
        c.field = s.feld;
        c.title = s.feld;
        c.tag = s.tag;
        c.editable = !m_nurLesen;
        spalten << c;
        spaltenTags << s.tag;
    }
    m_grid->tableModel()->setColumns(spalten);
    m_grid->setProperty("columnTags", spaltenTags);

    m_seiten = felderUndTabelle(feldSeite(), m_grid, this);

    auto *haupt = new QVBoxLayout(this);
    if (!m_liste.sortierung.isEmpty()) {
        auto *zeile = new QHBoxLayout;
        auto *label = new QLabel(QStringLiteral("Sortierung nach"), this);
        label->setProperty("tag", TagSortierung);
        m_sortBox = new QComboBox(this);
        m_sortBox->setObjectName(QStringLiteral("ComboBoxSortierung"));
        m_sortBox->setProperty("tag", m_liste.sortTag);
        m_sortBox->setProperty("catalogueItems", true);
        for (const Sortierkriterium &k : m_liste.sortierung)
            m_sortBox->addItem(k.text);
        label->setBuddy(m_sortBox);
        connect(m_sortBox, &QComboBox::activated, this, &TBueroliste::sortieren);
        zeile->addWidget(label);
        zeile->addWidget(m_sortBox);
        zeile->addStretch();
        haupt->addLayout(zeile);
    }
    haupt->addWidget(m_seiten, 1);

    auto *knoepfe = new QHBoxLayout;
    QPushButton *neu =
        listenKnopf(TagHinzufuegen, QStringLiteral("Hinzufuegen"), QStringLiteral("H&inzufügen"), this);
    connect(neu, &QPushButton::clicked, this, &TBueroliste::hinzufuegen);
    knoepfe->addWidget(neu);
    neu->setVisible(!m_nurLesen);
    m_rueckgaengig =
        listenKnopf(TagRueckgaengig, QStringLiteral("Rueckgaengig"), QStringLiteral("R&ückgängig"), this);
    m_rueckgaengig->setEnabled(false);
    connect(m_rueckgaengig, &QPushButton::clicked, this, &TBueroliste::rueckgaengig);
    connect(m_src, &DataSource::stateChanged, this,
            [this] { m_rueckgaengig->setEnabled(m_src->isEditing()); });
    knoepfe->addWidget(m_rueckgaengig);
    m_rueckgaengig->setVisible(!m_nurLesen);
    QPushButton *weg = listenKnopf(TagLoeschen, QStringLiteral("Loeschen"), QStringLiteral("L&öschen"), this);
    connect(weg, &QPushButton::clicked, this, &TBueroliste::loeschen);
    knoepfe->addWidget(weg);
    weg->setVisible(!m_nurLesen);
    knoepfe->addStretch();
    knoepfeErgaenzen(knoepfe);
    QPushButton *hilfe = listenKnopf(TagHilfe, QStringLiteral("Hilfe"), QStringLiteral("&Hilfe"), this);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    knoepfe->addWidget(hilfe);
    QPushButton *zurueck =
        listenKnopf(TagZurueck, QStringLiteral("Zurueck"), QStringLiteral("&Zurück"), this);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    knoepfe->addWidget(zurueck);
    haupt->addLayout(knoepfe);
    resize(560, 440);
    if (m_homepage) {
        connect(m_src, &DataSource::recordChanged, this, &TBueroliste::homepageZeigen);
        connect(m_src, &DataSource::fieldChanged, this, [this](const QString &feld) {
            if (feld.compare(m_liste.homepageFeld, Qt::CaseInsensitive) == 0)
                homepageZeigen();
        });
        homepageZeigen();
    }
    finishCreate();
}

QWidget *TBueroliste::feldZeile(const BueroFeld &f, QWidget *seite)
{
    QWidget *steuer = nullptr;
    switch (f.art) {
    case BueroFeld::Art::Text: {
        auto *edit = new DBEdit(m_src, f.name, seite);
        if (const FieldDef *def = m_table->isOpen() ? m_table->fieldDef(f.name) : nullptr;
            def && def->size > 0) {
            edit->setMaxLength(def->size);
            if (def->size <= 8) // a postcode box as wide as its few characters
                edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                      (def->size + 3));
        }
        steuer = edit;
        break;
    }
    case BueroFeld::Art::Datum: {
        auto *edit = new DBDateEdit(m_src, f.name, seite);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
        steuer = edit;
        break;
    }
    case BueroFeld::Art::Auswahl: {
        auto *box = new DBComboBox(m_src, f.name, seite);
        box->addItems(f.auswahl);
        box->setProperty("tag", f.tag);
        box->readField();
        steuer = box;
        break;
    }
    case BueroFeld::Art::Memo: {
        auto *memo = new DBMemo(m_src, f.name, seite);
        memo->setMinimumHeight(70);
        steuer = memo;
        break;
    }
    }
    steuer->setObjectName(QStringLiteral("DB") + f.name);
    if (!f.kalender)
        return steuer;
    QWidget *mitKnopf = tav::cats::ui::mitKalender(steuer, m_src, f.name, seite);
    mitKnopf->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed); // the button beside the date
    return mitKnopf;
}

QWidget *TBueroliste::feldSeite()
{
    auto *seite = new QWidget;
    auto *g = new QGridLayout(seite);
    int zeile = -1;
    QHBoxLayout *reihe = nullptr;
    QList<QHBoxLayout *> reihen;
    for (const BueroFeld &f : m_liste.felder) {
        auto *label = new QLabel(f.name, seite);
        label->setProperty("tag", f.tag);
        QWidget *steuer = feldZeile(f, seite);
        label->setBuddy(steuer->objectName().startsWith(QLatin1String("DB"))
                            ? steuer
                            : steuer->findChild<QWidget *>(QStringLiteral("DB") + f.name));
        const int dehnen = f.art == BueroFeld::Art::Datum || steuer->maximumWidth() < 200 ? 0 : 1;
        if (f.nebenher && reihe) {
            reihe->addWidget(label);
            reihe->addWidget(steuer, dehnen);
            continue;
        }
        ++zeile;
        reihe = new QHBoxLayout;
        reihen << reihe;
        reihe->addWidget(steuer, dehnen);
        g->addWidget(label, zeile, 0, f.art == BueroFeld::Art::Memo ? Qt::AlignTop : Qt::Alignment());
        g->addLayout(reihe, zeile, 1);
    }
    // rows of narrow fields keep them at the left
    for (QHBoxLayout *r : std::as_const(reihen))
        r->addStretch(0);
    ++zeile;
    if (!m_liste.homepageFeld.isEmpty())
        homepageZeile(g, zeile);
    feldSeiteErgaenzen(g, zeile);
    navigatorAnhaengen(g, zeile, m_src, seite);
    return seite;
}

void TBueroliste::homepageZeile(QGridLayout *g, int &zeile)
{
    auto *reihe = new QHBoxLayout;
    m_homepage = new QLabel(QStringLiteral(" "), this);
    m_homepage->setObjectName(QStringLiteral("LabelHomepage"));
    m_homepage->setProperty("dataText", true);
    m_homepage->setTextFormat(Qt::RichText);
    m_homepage->setCursor(Qt::PointingHandCursor);
    connect(m_homepage, &QLabel::linkActivated, this, &TBueroliste::homepageOeffnen);
    reihe->addWidget(m_homepage, 1);
    if (!m_liste.emailFeld.isEmpty()) {
        auto *mail = new QPushButton(QStringLiteral("E-Mail schreiben"), this);
        mail->setObjectName(QStringLiteral("EmailSchreiben"));
        mail->setProperty("tag", m_liste.mailTag);
        connect(mail, &QPushButton::clicked, this, &TBueroliste::emailSchreiben);
        reihe->addWidget(mail);
    }
    g->addLayout(reihe, zeile++, 1);
}

QString TBueroliste::homepageText() const
{
    const QString text = m_table->isOpen() && (m_table->hasRecord() || m_table->isEditing())
                             ? m_table->text(m_liste.homepageFeld).trimmed()
                             : QString();
    return text.isEmpty() && m_liste.produktseiteVorgabe ? tav::report::productWebAddress() : text;
}

void TBueroliste::homepageZeigen()
{
    const QString text = homepageText();
    if (text.isEmpty())
        m_homepage->setText(QStringLiteral(" "));
    else
        m_homepage->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
}

void TBueroliste::homepageOeffnen()
{
    const QString text = homepageText();
    if (!text.isEmpty())
        verweisOeffnen(app::webLink(text), text);
}

void TBueroliste::emailSchreiben()
{
    const QString text = m_table->isOpen() ? m_table->text(m_liste.emailFeld).trimmed() : QString();
    if (!text.isEmpty())
        verweisOeffnen(app::mailLink({text}), text);
}

void TBueroliste::hinzufuegen()
{
    if (!(m_liste.einfuegen ? m_src->insert() : m_src->append()))
        return;
    m_rueckgaengig->setEnabled(true);
    if (m_seiten->currentIndex() == 0) {
        if (auto *fokus = findChild<QWidget *>(QStringLiteral("DB") + m_liste.fokusFeld))
            fokus->setFocus();
    } else {
        m_grid->setFocus();
    }
}

void TBueroliste::rueckgaengig()
{
    m_src->undo();
    m_rueckgaengig->setEnabled(false);
}

void TBueroliste::loeschen()
{
    if (m_src->remove(true))
        m_rueckgaengig->setEnabled(false);
}

void TBueroliste::sortieren(int kriterium)
{
    const QString index = sortIndex(m_liste, kriterium);
    if (index.isEmpty() || !m_table->isOpen() || !m_src->leaveEdit())
        return;
    try {
        maintenance::indexWaehlen(*m_table, index);
    } catch (const std::exception &e) {
        m_src->reportError(e);
    }
    m_grid->tableModel()->reload();
}

void TBueroliste::closeEvent(QCloseEvent *e)
{
    if (m_src->isEditing() && !m_src->save())
        m_src->undo();
    ChildWindow::closeEvent(e);
}

} // namespace tav::office::ui
