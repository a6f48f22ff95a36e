// InzuchtgradSpeichern: the inbreeding window's save, load and print panels.
#include "Inzuchtgrad.h"

#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtSpeicherung.h"
#include "breeding/StorePedigree.h"
#include "printouts/ReportInzucht.h"
#include "report/ui/Vorschau.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::breeding::ui {

namespace {
QStringList zeilenVon(const QPlainTextEdit *m)
{
    const QString t = m->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

QPushButton *panelKnopf(const QString &text, int tag, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    return b;
}
} // namespace

QWidget *TFormInzuchtgrad::panels()
{
    auto *box = new QWidget(this);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    PanelSpeichern = new QGroupBox(QStringLiteral("Bitte Name für Speicherung eingeben"), box);
    PanelSpeichern->setObjectName(QStringLiteral("PanelSpeichern"));
    PanelSpeichern->setProperty("tag", 9779);
    auto *sl = new QHBoxLayout(PanelSpeichern);
    EditSpeichername = new QLineEdit(PanelSpeichern);
    EditSpeichername->setObjectName(QStringLiteral("EditSpeichername"));
    EditSpeichername->setMaxLength(SpeicherNameLaenge);
    BitBtnSpeichernOK = panelKnopf(QStringLiteral("&OK"), 9780, PanelSpeichern);
    auto *speichernAbbruch = panelKnopf(QStringLiteral("Abbruch"), 9781, PanelSpeichern);
    sl->addWidget(EditSpeichername, 1);
    sl->addWidget(BitBtnSpeichernOK);
    sl->addWidget(speichernAbbruch);
    connect(BitBtnSpeichernOK, &QPushButton::clicked, this, [this] {
        const QString name = EditSpeichername->text().trimmed();
        if (name.isEmpty()) {
            showMessage(86, MsgIcon::Error, MsgButtons::Ok);
            return;
        }
        PanelSpeichern->hide();
        speichernUnter(name);
    });
    connect(speichernAbbruch, &QPushButton::clicked, PanelSpeichern, &QWidget::hide);

    PanelLaden = new QGroupBox(QStringLiteral("Laden einer Inzuchtgradberechnung"), box);
    PanelLaden->setObjectName(QStringLiteral("PanelLaden"));
    PanelLaden->setProperty("tag", 9782);
    auto *ll = new QHBoxLayout(PanelLaden);
    GridLaden = new QTableWidget(0, 2, PanelLaden);
    GridLaden->setObjectName(QStringLiteral("GridLaden"));
    GridLaden->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Generationen")});
    GridLaden->setProperty("columnTags", QVariantList{9778, 9784});
    GridLaden->verticalHeader()->hide();
    GridLaden->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridLaden->setSelectionMode(QAbstractItemView::SingleSelection);
    GridLaden->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridLaden->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    GridLaden->setMinimumHeight(120);
    BitBtnLadenOK = panelKnopf(QStringLiteral("Laden"), 9783, PanelLaden);
    auto *ladenAbbruch = panelKnopf(QStringLiteral("Abbruch"), 9781, PanelLaden);
    auto *lk = new QVBoxLayout;
    lk->addWidget(BitBtnLadenOK);
    lk->addWidget(ladenAbbruch);
    lk->addStretch(1);
    ll->addWidget(GridLaden, 1);
    ll->addLayout(lk);
    connect(BitBtnLadenOK, &QPushButton::clicked, this, [this] {
        const int row = GridLaden->currentRow();
        if (row < 0 || row >= m_ladeSchluessel.size())
            return;
        PanelLaden->hide();
        try {
            if (const auto b = berechnungLaden(*m_db, m_ladeSchluessel[row]))
                ausGespeicherter(*b);
        } catch (const std::exception &e) {
            reportDatabaseError(e, QStringLiteral("Inzuchtgrad.db"));
        }
    });
    connect(GridLaden, &QTableWidget::cellDoubleClicked, BitBtnLadenOK, &QPushButton::click);
    connect(ladenAbbruch, &QPushButton::clicked, PanelLaden, &QWidget::hide);

    PanelDruck = new QGroupBox(QStringLiteral(" Druckoptionen"), box);
    PanelDruck->setObjectName(QStringLiteral("PanelDruck"));
    PanelDruck->setProperty("tag", 9785);
    auto *dl = new QGridLayout(PanelDruck);
    CheckBoxInzuchtliste = new QCheckBox(QStringLiteral("mit Inzuchtliste drucken"), PanelDruck);
    CheckBoxInzuchtliste->setProperty("tag", 9786);
    CheckBoxVorfahrenliste = new QCheckBox(QStringLiteral("mit Vorfahrenliste drucken"), PanelDruck);
    CheckBoxVorfahrenliste->setProperty("tag", 9787);
    CheckBoxKlonliste = new QCheckBox(QStringLiteral("mit Klonliste /Top Katzen drucken"), PanelDruck);
    CheckBoxKlonliste->setProperty("tag", 9788);
    BitBtnDruckenOK = panelKnopf(QStringLiteral("&Drucken"), 9789, PanelDruck);
    BitBtnDruckenOK->setObjectName(QStringLiteral("BitBtnDruckenOK"));
    auto *druckAbbruch = panelKnopf(QStringLiteral("Abbruch"), 9781, PanelDruck);
    dl->addWidget(CheckBoxInzuchtliste, 0, 0);
    dl->addWidget(CheckBoxVorfahrenliste, 1, 0);
    dl->addWidget(CheckBoxKlonliste, 2, 0);
    dl->addWidget(BitBtnDruckenOK, 0, 1);
    dl->addWidget(druckAbbruch, 1, 1);
    connect(BitBtnDruckenOK, &QPushButton::clicked, this, [this] {
        const printouts::InzuchtDruck daten = druckDaten();
        PanelDruck->hide();
        Q_EMIT druckAngefordert(daten);
        report::ui::zeigeVorschau(printouts::reportInzucht(daten), this);
    });
    connect(druckAbbruch, &QPushButton::clicked, PanelDruck, &QWidget::hide);

    layout->addWidget(PanelSpeichern, 1);
    layout->addWidget(PanelLaden, 1);
    layout->addWidget(PanelDruck, 1);
    PanelSpeichern->hide();
    PanelLaden->hide();
    PanelDruck->hide();
    return box;
}

void TFormInzuchtgrad::speichern()
{
    PanelLaden->hide();
    PanelDruck->hide();
    if (RadioEltern->isChecked()) {
        EditSpeichername->setText(speicherNameVorschlag(EditVater->text(), EditMutter->text()));
        PanelSpeichern->show();
        EditSpeichername->setFocus();
        return;
    }
    if (EditKatze->text().trimmed().isEmpty()) {
        showMessage(86, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    speichernUnter(EditKatze->text());
}

void TFormInzuchtgrad::speichernUnter(const QString &name)
{
    GespeicherteBerechnung b;
    b.art = RadioEltern->isChecked() ? 1 : 0;
    b.name = name;
    b.nummer = SatznummerKatze;
    b.vater = EditVater->text();
    b.vaterNr = SatznummerVater;
    b.mutter = EditMutter->text();
    b.mutterNr = SatznummerMutter;
    b.generation = generationen();
    b.inzucht = zeilenVon(Memo3);
    b.prozent = Edit1->text();
    b.ahnenverlust = zeilenVon(Memo1);
    b.stammbaumkomplett = LabelStammbaumkomplett->text();
    b.info = zeilenVon(Memo2);
    const printouts::InzuchtDruck angezeigt = druckDaten();
    b.mitTopKatzen = m_topLive;
    for (const auto &t : angezeigt.topKatzen)
        b.topKatzen.append({t.slot, t.name, t.anteil});
    for (const auto &k : angezeigt.klone) {
        if (!k.name.isEmpty())
            b.klone.append({klonProzent(k.prozent), k.name});
    }
    if (m_vorfahren && m_vorfahren->isOpen()) {
        store::QuietCursor ruhig(*m_vorfahren);
        for (m_vorfahren->first(); !m_vorfahren->eof(); m_vorfahren->next()) {
            const QVariant farbe = m_vorfahren->value(QStringLiteral("Farbe"));
            b.vorfahren.append({m_vorfahren->intValue(QStringLiteral("Nummer")),
                                m_vorfahren->text(QStringLiteral("Name")),
                                m_vorfahren->intValue(QStringLiteral("Anzahl")),
                                farbe.isNull() ? std::nullopt : std::optional<qint32>(farbe.toInt())});
        }
    }
    try {
        const std::optional<qint64> da = findeBerechnung(*m_db, b.name, b.generation);
        if (da && showMessage(85, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
            return;
        berechnungSpeichern(*m_db, b, da);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("Inzuchtgrad.db"));
        return;
    }
    showMessage(87, MsgIcon::Information, MsgButtons::Ok);
}

void TFormInzuchtgrad::laden()
{
    PanelSpeichern->hide();
    PanelDruck->hide();
    QVector<GespeicherterEintrag> liste;
    try {
        speichertabellenAnlegen(*m_db);
        liste = gespeicherteBerechnungen(*m_db);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("Inzuchtgrad.db"));
        return;
    }
    if (liste.isEmpty()) {
        showMessage(84, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    m_ladeSchluessel.clear();
    GridLaden->setRowCount(int(liste.size()));
    for (int i = 0; i < liste.size(); ++i) {
        m_ladeSchluessel.append(liste[i].schluessel);
        GridLaden->setItem(i, 0, new QTableWidgetItem(liste[i].name));
        GridLaden->setItem(i, 1, new QTableWidgetItem(QString::number(liste[i].generation)));
    }
    GridLaden->setCurrentCell(0, 0);
    PanelLaden->show();
}

void TFormInzuchtgrad::ausGespeicherter(const GespeicherteBerechnung &b)
{
    setzeBerechnungsart(b.art == 1 ? 1 : 0); // clears the results
    katzesuchen = false;
    SatznummerKatze = b.nummer;
    tiername = b.art == 1 ? QString() : katzenName(b.nummer);
    if (tiername.isEmpty() && b.art != 1)
        tiername = b.name;
    EditKatze->setText(b.name);
    SatznummerVater = b.vaterNr;
    SatznummerMutter = b.mutterNr;
    EditVater->setText(b.vater);
    EditMutter->setText(b.mutter);
    katzesuchen = true;
    EditGenerationen->setText(QString::number(b.generation));
    Memo3->setPlainText(b.inzucht.join(QLatin1Char('\n')));
    Edit1->setText(b.prozent);
    Memo1->setPlainText(b.ahnenverlust.join(QLatin1Char('\n')));
    if (!b.topKatzen.isEmpty()) {
        QVector<printouts::InzuchtDruck::TopKatze> zeilen;
        for (const auto &t : b.topKatzen)
            zeilen.append({t.slot, t.name, t.anzahl});
        topKatzenZeigen(zeilen, {});
        m_topLive = false;
    }
    const QChar dezimal = m_engine->einstellungen.dezimal;
    for (const auto &k : b.klone)
        klonZeileAnhaengen(QString::number(k.prozent, 'f', 2).replace(QLatin1Char('.'), dezimal) +
                               QStringLiteral(" %"),
                           k.name);
    if (b.klone.isEmpty())
        klonZeileAnhaengen(QStringLiteral("0 %"), QString());
    QVector<InzuchtBerechnung::VorfahrenZeile> vorfahren;
    for (const auto &v : b.vorfahren)
        vorfahren.append({v.katze, v.name, Anzahl(qMax(0, v.anzahl)), v.farbe});
    try {
        schreibeVorfahrenliste(*m_db, vorfahren);
        vorfahrenZeigen();
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("Vorfahrenliste.db"));
    }
    LabelStammbaumkomplett->setText(b.stammbaumkomplett);
    Memo2->setPlainText(b.info.join(QLatin1Char('\n')));
}

void TFormInzuchtgrad::druckoptionen()
{
    PanelSpeichern->hide();
    PanelLaden->hide();
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    const bool mitVorfahren = !s || s->InzuchtmitVorfahren;
    for (QCheckBox *c : {CheckBoxInzuchtliste, CheckBoxVorfahrenliste, CheckBoxKlonliste})
        c->setChecked(false);
    CheckBoxInzuchtliste->setVisible(mitVorfahren);
    CheckBoxVorfahrenliste->setVisible(mitVorfahren);
    PanelDruck->show();
}

printouts::InzuchtDruck TFormInzuchtgrad::druckDaten() const
{
    printouts::InzuchtDruck d;
    d.katze = EditKatze->text();
    d.generationen = generationen();
    d.vater = EditVater->text();
    d.mutter = EditMutter->text();
    d.inzucht = zeilenVon(Memo3);
    d.koeffizient = Edit1->text();
    d.ahnenverlust = zeilenVon(Memo1);
    for (const TopPanel &p : TopPanels) {
        if (!p.slot->text().isEmpty())
            d.topKatzen.append({p.slot->text().toInt(), p.name->text(), p.anzahl->text()});
    }
    for (int r = 0; r < StringGridClone->rowCount(); ++r) {
        const QTableWidgetItem *p = StringGridClone->item(r, 0), *n = StringGridClone->item(r, 1);
        const QString prozent = p ? p->text() : QString(), name = n ? n->text() : QString();
        if (!prozent.isEmpty() || !name.isEmpty())
            d.klone.append({prozent, name});
    }
    if (m_vorfahren && m_vorfahren->isOpen()) {
        store::QuietCursor ruhig(*m_vorfahren);
        for (m_vorfahren->first(); !m_vorfahren->eof(); m_vorfahren->next())
            d.vorfahren.append({m_vorfahren->text(QStringLiteral("Name")),
                                m_vorfahren->value(QStringLiteral("Anzahl")).toLongLong(), QString()});
    }
    d.mitInzuchtliste = CheckBoxInzuchtliste->isChecked() && !CheckBoxInzuchtliste->isHidden();
    d.mitVorfahrenliste = CheckBoxVorfahrenliste->isChecked() && !CheckBoxVorfahrenliste->isHidden();
    d.mitKlonliste = CheckBoxKlonliste->isChecked();
    return d;
}

} // namespace tav::breeding::ui
