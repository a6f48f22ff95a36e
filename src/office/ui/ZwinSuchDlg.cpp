// The search dialog of the cattery registers.
#include "ZwinSuchDlg.h"

#include "store/Query.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Translator.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagTitel = 6940, TagAuswahl = 6941, TagSuchen = 6946, TagOk = 6947, TagAbbrechen = 6948,
              MeldungKeinZwinger = 79;
// criteria: field, edit's name, label tag (the register window's)
const struct {
    const char *feld, *name;
    int tag;
} Kriterien[] = {{"Züchter", "EZuechter", 6904},
                 {"Zwinger", "EZwinger", 6902},
                 {"PLZ", "EPLZ", 6605},
                 {"Ort", "EOrt", 6606},
                 {"Rasse", "ERasse", 6903}};
// columns of the result list: position in the query, title tag
constexpr std::pair<int, int> Spalten[] = {{1, 6902}, {2, 6904}, {3, 6605}, {4, 6606},
                                           {5, 6607}, {6, 6903}, {7, 6603}};
} // namespace

TZwinSuchDlg::TZwinSuchDlg(tav::store::Database *db, const ZwingerTabellen &tabellen, QWidget *parent)
    : QDialog(parent), m_db(db), m_tabellen(tabellen)
{
    setObjectName(QStringLiteral("ZwinSuchDlg"));
    setProperty("tag", TagTitel);
    setWindowTitle(QStringLiteral("Suche im Zwingerregister"));
    auto *haupt = new QVBoxLayout(this);
    auto *oben = new QHBoxLayout;
    auto *form = new QFormLayout;
    for (const auto &k : Kriterien) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(k.name));
        auto *label = new QLabel(QString::fromUtf8(k.feld), this);
        label->setProperty("tag", k.tag);
        label->setBuddy(edit);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, [this] { m_gewaehlt = 0; });
        m_kriterien << edit;
    }
    oben->addLayout(form, 1);
    auto *auswahl = new QGroupBox(QStringLiteral("Katzenauswahl"), this);
    auswahl->setObjectName(QStringLiteral("RadioGroupKatzenauswahl"));
    auswahl->setProperty("tag", TagAuswahl);
    auswahl->setProperty("radioGroup", true);
    auto *radios = new QVBoxLayout(auswahl);
    m_art = new QButtonGroup(this);
    const char *arten[] = {"alle", "Deckkater", "Zuchtkatze", "Jungtiere"};
    for (int i = 0; i < 4; ++i) {
        auto *r = new QRadioButton(QString::fromLatin1(arten[i]), auswahl);
        m_art->addButton(r, i);
        radios->addWidget(r);
    }
    m_art->button(0)->setChecked(true);
    connect(m_art, &QButtonGroup::idClicked, this, [this] { m_gewaehlt = 0; });
    oben->addWidget(auswahl);
    haupt->addLayout(oben);

    m_ergebnis = new QTableWidget(this);
    m_ergebnis->setObjectName(QStringLiteral("DBGridErgebnis"));
    m_ergebnis->setColumnCount(int(std::size(Spalten)));
    m_ergebnis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ergebnis->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ergebnis->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ergebnis->verticalHeader()->hide();
    QVariantList spaltenTags;
    QStringList titel;
    for (const auto &[spalte, tag] : Spalten) {
        titel << zwinSuchSpalten().at(spalte);
        spaltenTags << tag;
    }
    m_ergebnis->setHorizontalHeaderLabels(titel);
    m_ergebnis->setProperty("columnTags", spaltenTags);
    m_ergebnis->hide();
    connect(m_ergebnis, &QTableWidget::cellDoubleClicked, this, [this](int zeile) { zeileNehmen(zeile); });
    haupt->addWidget(m_ergebnis, 1);

    auto *knoepfe = new QDialogButtonBox(this);
    QPushButton *suchenKnopf = knoepfe->addButton(QStringLiteral("&Suchen"), QDialogButtonBox::ActionRole);
    suchenKnopf->setObjectName(QStringLiteral("BitBtnSuchen"));
    suchenKnopf->setProperty("tag", TagSuchen);
    connect(suchenKnopf, &QPushButton::clicked, this, &TZwinSuchDlg::suchen);
    QPushButton *ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setProperty("tag", TagOk);
    ok->setDefault(true);
    QPushButton *abbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("CancelBtn"));
    abbrechen->setProperty("tag", TagAbbrechen);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TZwinSuchDlg::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    haupt->addWidget(knoepfe);
    translateOnCreate(this);
    ergebnisZeigen(false);
}

QLineEdit *TZwinSuchDlg::kriterium(const QString &feld) const
{
    for (int i = 0; i < int(std::size(Kriterien)); ++i) {
        if (feld == QString::fromUtf8(Kriterien[i].feld))
            return m_kriterien[i];
    }
    return nullptr;
}

void TZwinSuchDlg::setArt(int art)
{
    if (QAbstractButton *b = m_art->button(art))
        b->setChecked(true);
}

ZwinSuche TZwinSuchDlg::suche() const
{
    ZwinSuche s;
    QString *ziele[] = {&s.zuechter, &s.zwinger, &s.plz, &s.ort, &s.rasse};
    for (int i = 0; i < m_kriterien.size(); ++i)
        *ziele[i] = m_kriterien[i]->text();
    s.art = m_art->checkedId();
    return s;
}

void TZwinSuchDlg::ergebnisZeigen(bool an)
{
    m_ergebnis->setVisible(an);
    resize(an ? QSize(796, 460) : QSize(401, 321));
}

void TZwinSuchDlg::suchen()
{
    m_gewaehlt = 0;
    m_zeilen.clear();
    try {
        const ZwinAbfrage a = zwinSuchAbfrage(suche(), m_tabellen);
        tav::store::Query q(m_db, a.sql);
        for (const QVariant &w : a.werte)
            q.addBindValue(w);
        q.open();
        m_zeilen = q.rows();
    } catch (const std::exception &e) {
        reportDatabaseError(e, m_tabellen.zwinger);
        return;
    }
    if (m_zeilen.isEmpty()) {
        ergebnisZeigen(false);
        showMessage(MeldungKeinZwinger, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    if (m_zeilen.size() == 1) {
        zeileNehmen(0);
        return;
    }
    m_ergebnis->setRowCount(int(m_zeilen.size()));
    for (int z = 0; z < m_zeilen.size(); ++z) {
        for (int s = 0; s < int(std::size(Spalten)); ++s)
            m_ergebnis->setItem(z, s, new QTableWidgetItem(m_zeilen[z].value(Spalten[s].first).toString()));
    }
    m_ergebnis->resizeColumnsToContents();
    m_ergebnis->setCurrentCell(0, 0);
    ergebnisZeigen(true);
}

void TZwinSuchDlg::zeileNehmen(int zeile)
{
    if (zeile < 0 || zeile >= m_zeilen.size())
        return;
    const QVariantList &z = m_zeilen[zeile];
    // criteria in the order of Kriterien, columns in the order of zwinSuchSpalten()
    const int spalte[] = {2, 1, 3, 4, 6};
    for (int i = 0; i < m_kriterien.size(); ++i)
        m_kriterien[i]->setText(z.value(spalte[i]).toString());
    m_gewaehlt = z.value(0).toLongLong();
    ergebnisZeigen(false);
}

void TZwinSuchDlg::accept()
{
    if (!m_ergebnis->isHidden())
        zeileNehmen(m_ergebnis->currentRow());
    else if (m_gewaehlt == 0)
        suchen();
    if (m_gewaehlt > 0)
        QDialog::accept();
}

} // namespace tav::office::ui
