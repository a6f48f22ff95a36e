// InzuchtgradErgebnis: the six result tabs of the inbreeding window and how a calculation fills them.
#include "Inzuchtgrad.h"

#include "app/Sprache.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtSpeicherung.h"
#include "breeding/StorePedigree.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/StoredColour.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::breeding::ui {

namespace {
// the pedigree tab: boxes of 200 x 27 pixels, the deepest generation one under the other
constexpr int BoxBreite = 200, BoxHoehe = 27, BoxAbstand = 34, SpaltenAbstand = 216;
constexpr int VaterFarbe = 16776176, MutterFarbe = 10930928;

QPlainTextEdit *memo(const QString &name, QWidget *parent)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m;
}

QLabel *datenLabel(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setProperty("dataText", true);
    return l;
}
} // namespace

QWidget *TFormInzuchtgrad::ergebnisse()
{
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setProperty("tag", 9767);

    auto *koeff = new QWidget(PageControl2);
    auto *kl = new QGridLayout(koeff);
    Memo3 = memo(QStringLiteral("Memo3"), koeff);
    auto *betraegt = new QLabel(QStringLiteral("Der Inzuchtkoeffizient beträgt"), koeff);
    betraegt->setProperty("tag", 9774);
    Edit1 = new QLineEdit(koeff);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    kl->addWidget(Memo3, 0, 0, 1, 2);
    kl->addWidget(betraegt, 1, 0);
    kl->addWidget(Edit1, 1, 1);
    kl->setColumnStretch(1, 1);
    PageControl2->addTab(koeff, QStringLiteral("Inzuchtkoeffizient"));

    Memo1 = memo(QStringLiteral("Memo1"), PageControl2);
    PageControl2->addTab(Memo1, QStringLiteral("Ahnenverlust"));

    auto *vorfahren = new QWidget(PageControl2);
    auto *vl = new QVBoxLayout(vorfahren);
    DBGrid1 = new DBGrid(vorfahren);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int spalte) { vorfahrenSortieren(spalte); });
    vl->addWidget(DBGrid1);
    PageControl2->addTab(vorfahren, QStringLiteral("Vorfahren"));

    auto *info = new QWidget(PageControl2);
    auto *il = new QVBoxLayout(info);
    LabelStammbaumkomplett = datenLabel(info);
    LabelStammbaumkomplett->setObjectName(QStringLiteral("LabelStammbaumkomplett"));
    Memo2 = memo(QStringLiteral("Memo2"), info);
    il->addWidget(LabelStammbaumkomplett);
    il->addWidget(Memo2, 1);
    PageControl2->addTab(info, QStringLiteral("Info"));

    PageControl2->addTab(topKlonSeite(), QStringLiteral("Top Katzen / Klonanalyse"));
    PageControl2->addTab(stammbaumSeite(), QStringLiteral("Stammbaum"));
    return PageControl2;
}

QWidget *TFormInzuchtgrad::topKlonSeite()
{
    SplitterTopKlon = new QSplitter(Qt::Horizontal, PageControl2);
    SplitterTopKlon->setChildrenCollapsible(false);
    auto *top = new QGroupBox(QStringLiteral("Top Katzen"), SplitterTopKlon);
    top->setProperty("tag", 9775);
    top->setMinimumWidth(70);
    auto *tl = new QGridLayout(top);
    for (int i = 0; i < 5; ++i) {
        TopPanel p;
        p.farbe = new QLabel(top);
        p.farbe->setFixedSize(16, 16);
        p.farbe->setAutoFillBackground(true);
        p.slot = datenLabel(top);
        p.name = datenLabel(top);
        p.anzahl = datenLabel(top);
        p.name->setObjectName(QStringLiteral("TopName%1").arg(i + 1));
        p.anzahl->setObjectName(QStringLiteral("TopAnzahl%1").arg(i + 1));
        tl->addWidget(p.farbe, i, 0);
        tl->addWidget(p.slot, i, 1);
        tl->addWidget(p.name, i, 2);
        tl->addWidget(p.anzahl, i, 3);
        TopPanels.append(p);
    }
    tl->setColumnStretch(2, 1);
    tl->setRowStretch(5, 1);

    auto *klon = new QGroupBox(QStringLiteral("Klonanalyse"), SplitterTopKlon);
    klon->setProperty("tag", 9776);
    klon->setMinimumWidth(100);
    auto *cl = new QVBoxLayout(klon);
    StringGridClone = new QTableWidget(1, 2, klon);
    StringGridClone->setObjectName(QStringLiteral("StringGridClone"));
    StringGridClone->setHorizontalHeaderLabels({app::messageText(95), app::messageText(96)});
    StringGridClone->verticalHeader()->hide();
    StringGridClone->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridClone->setColumnWidth(1, 300);
    cl->addWidget(StringGridClone);
    SplitterTopKlon->addWidget(top);
    SplitterTopKlon->addWidget(klon);
    return SplitterTopKlon;
}

QWidget *TFormInzuchtgrad::stammbaumSeite()
{
    auto *scroll = new QScrollArea(PageControl2);
    auto *flaeche = new QWidget(scroll);
    QFont klein = flaeche->font();
    klein.setPixelSize(11);
    // y of each box: the deepest generation one under the other, each parent between its two
    QVector<QVector<int>> ys(5);
    for (int i = 0; i < 16; ++i)
        ys[4] << 4 + i * BoxAbstand;
    for (int d = 3; d >= 1; --d)
        for (int i = 0; i < (1 << d); ++i)
            ys[d] << (ys[d + 1][2 * i] + ys[d + 1][2 * i + 1]) / 2;
    for (int d = 1; d <= 4; ++d) {
        const int x = 4 + (d - 1) * SpaltenAbstand;
        for (int i = 0; i < (1 << d); ++i) {
            auto *box = new QLabel(flaeche);
            box->setObjectName(QStringLiteral("g%1%2").arg(d).arg(i + 1));
            box->setProperty("dataText", true);
            box->setFont(klein);
            box->setGeometry(x, ys[d][i], BoxBreite, BoxHoehe);
            box->setFixedSize(BoxBreite, BoxHoehe);
            box->setAutoFillBackground(true);
            QPalette p = box->palette();
            p.setColor(QPalette::Window, storedColour(i % 2 == 0 ? VaterFarbe : MutterFarbe));
            p.setColor(QPalette::WindowText, Qt::black);
            box->setPalette(p);
            Stammbaumboxen.append(box);
            if (d > 1) {
                auto *l = new QLabel(i % 2 == 0 ? QStringLiteral("/") : QStringLiteral("\\"), flaeche);
                l->setObjectName(QStringLiteral("L%1%2").arg(d).arg(i + 1));
                l->setGeometry(x - 14, ys[d][i] + 4, 12, 18);
                l->setFixedSize(12, 18);
            }
        }
    }
    flaeche->setFixedSize(4 + 3 * SpaltenAbstand + BoxBreite + 4, ys[4].last() + BoxHoehe + 4);
    scroll->setWidget(flaeche);
    return scroll;
}

void TFormInzuchtgrad::klonGridLeeren()
{
    StringGridClone->setRowCount(1);
    StringGridClone->setItem(0, 0, new QTableWidgetItem);
    StringGridClone->setItem(0, 1, new QTableWidgetItem);
}

void TFormInzuchtgrad::klonZeileAnhaengen(const QString &prozent, const QString &name)
{
    int row = StringGridClone->rowCount() - 1;
    const QTableWidgetItem *p = StringGridClone->item(row, 0), *n = StringGridClone->item(row, 1);
    if ((p && !p->text().isEmpty()) || (n && !n->text().isEmpty())) {
        StringGridClone->insertRow(++row);
    }
    StringGridClone->setItem(row, 0, new QTableWidgetItem(prozent));
    StringGridClone->setItem(row, 1, new QTableWidgetItem(name));
}

void TFormInzuchtgrad::topKatzenZeigen(const QVector<printouts::InzuchtDruck::TopKatze> &zeilen,
                                       const QVector<int> &farben)
{
    for (int i = 0; i < TopPanels.size(); ++i) {
        const TopPanel &p = TopPanels[i];
        const bool da = i < zeilen.size();
        p.slot->setText(da ? QString::number(zeilen[i].slot) : QString());
        p.name->setText(da ? zeilen[i].name : QString());
        p.anzahl->setText(da ? zeilen[i].anteil : QString());
        QPalette pal = p.farbe->palette();
        const QColor c = storedColour(farben.value(i));
        pal.setColor(QPalette::Window, c.isValid() ? c : palette().color(QPalette::Window));
        p.farbe->setPalette(pal);
    }
}

// The five slots of TopKatze.db; with the shares of the last calculation when it is shown.
void TFormInzuchtgrad::topKatzenLive(bool mitAnteil)
{
    m_topLive = true;
    QVector<printouts::InzuchtDruck::TopKatze> zeilen;
    QVector<int> farben;
    try {
        store::Table t(m_db, QStringLiteral("TOPKATZE.DB"));
        t.setReadOnly(true);
        t.open();
        for (t.first(); !t.eof(); t.next()) {
            const int slot = t.intValue(QStringLiteral("LaufendeNummer"));
            const qint32 katze = t.intValue(QStringLiteral("Katze"));
            const QString anteil = mitAnteil && m_engine->ergebnis()
                                       ? topKatzeAnteilVon(*m_engine->ergebnis(), katze, textArt().dezimal)
                                       : QString();
            zeilen.append({slot, katzenName(katze), anteil});
            farben.append(t.intValue(QStringLiteral("Farbe")));
        }
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("TOPKATZE.DB"));
    }
    topKatzenZeigen(zeilen, farben);
}

void TFormInzuchtgrad::ergebnisLeeren()
{
    if (!Edit1)
        return;
    Edit1->clear();
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    LabelStammbaumkomplett->clear();
    klonGridLeeren();
    topKatzenLive(false);
    for (QLabel *box : std::as_const(Stammbaumboxen))
        box->clear();
    DBGrid1->setDataSource(nullptr);
    vorfahrenSpalten();
    delete m_vorfahrenQuelle;
    m_vorfahrenQuelle = nullptr;
    m_vorfahren.reset();
}

// The ancestor grid's columns, also while it shows no table.
void TFormInzuchtgrad::vorfahrenSpalten()
{
    TableModel::Column anzahl, name;
    anzahl.field = QStringLiteral("Anzahl");
    anzahl.title = app::captionText(9777);
    anzahl.tag = 9777;
    name.field = QStringLiteral("Name");
    name.title = app::captionText(9778);
    name.tag = 9778;
    DBGrid1->tableModel()->setColumns({anzahl, name});
    DBGrid1->setColumnWidth(1, 300);
}

// Shows Vorfahrenliste.db in the grid, by name.
void TFormInzuchtgrad::vorfahrenZeigen()
{
    try {
        m_vorfahren = std::make_unique<store::Table>(m_db, QStringLiteral("Vorfahrenliste.db"));
        m_vorfahren->setIndexName(QStringLiteral("IndexName"));
        m_vorfahren->open();
    } catch (const std::exception &e) {
        m_vorfahren.reset();
        reportDatabaseError(e, QStringLiteral("Vorfahrenliste.db"));
        return;
    }
    m_vorfahrenQuelle = new DataSource(m_vorfahren.get(), this);
    DBGrid1->setDataSource(m_vorfahrenQuelle);
    vorfahrenSpalten();
    TableModel *m = DBGrid1->tableModel();
    m->setRowColour([](store::Table &t) {
        const QVariant f = t.value(QStringLiteral("Farbe"));
        return f.isNull() ? QColor() : storedColour(f.toInt());
    });
}

void TFormInzuchtgrad::vorfahrenSortieren(int spalte)
{
    if (!m_vorfahren || !DBGrid1->tableModel() || spalte >= DBGrid1->tableModel()->columns().size())
        return;
    const QString feld = DBGrid1->tableModel()->columns()[spalte].field;
    const QString index = feld == QLatin1String("Name")     ? QStringLiteral("IndexName")
                          : feld == QLatin1String("Anzahl") ? QStringLiteral("IndexAnzahl")
                                                            : QString();
    if (index.isEmpty())
        return;
    try {
        m_vorfahren->setIndexName(index);
        m_vorfahren->first();
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("Vorfahrenliste.db"));
    }
    DBGrid1->tableModel()->reload();
}

void TFormInzuchtgrad::ergebnisZeigen()
{
    const InzuchtErgebnis &e = *m_engine->ergebnis();
    const InzuchtTexte t = inzuchtTexte(e, textArt());
    katzesuchen = false;
    EditKatze->setText(tiername + QStringLiteral("   ") + t.RTier);
    katzesuchen = true;
    Memo1->setPlainText(t.Ahnenverlust.join(QLatin1Char('\n')));
    Edit1->setText(t.Inzuchtkoeffizient);
    LabelStammbaumkomplett->setText(t.Stammbaumkomplett);
    if (m_engine->einstellungen.inzuchtMitVorfahren) {
        Memo3->setPlainText(t.Inzucht.join(QLatin1Char('\n')));
        Memo2->setPlainText(t.Info.join(QLatin1Char('\n')));
        try {
            schreibeVorfahrenliste(*m_db, e.Vorfahrenliste);
            vorfahrenZeigen();
        } catch (const std::exception &x) {
            reportDatabaseError(x, QStringLiteral("Vorfahrenliste.db"));
        }
    }
    for (const QString &zeile : t.Clon) {
        const KlonZeile k = klonZeile(zeile);
        klonZeileAnhaengen(k.prozent, k.name);
    }
    topKatzenLive(true);
    int box = 0;
    for (int d = 0; d < 4; ++d) {
        for (int i = 0; i < (2 << d); ++i, ++box) {
            const QString name = e.namen[d].value(i), rasse = t.r[d].value(i);
            Stammbaumboxen[box]->setText(
                name.isEmpty() && rasse.isEmpty() ? QString() : name + QLatin1Char('\n') + rasse);
        }
    }
}

} // namespace tav::breeding::ui
