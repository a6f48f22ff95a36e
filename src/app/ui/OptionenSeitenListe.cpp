// Optionen: the pages of the cat record, the cat list, the litter book, the warnings, addresses,
// statistics and inbreeding, and the general page.
#include "Optionen.h"

#include "Auswahlboxen.h"
#include "OptionenTeile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/Referenzlisten.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/Dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {

const QStringList &stammdatenIndex = stammdatenIndexe();
const QStringList &auswahlIndex = auswahlIndexe();

// a row "label + field + Tage"
QWidget *tageZeile(QWidget *parent, int tag, const QString &text, QLineEdit *&edit)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(label(w, tag, text));
    edit = numberEdit(w);
    edit->setParent(w);
    l->addWidget(edit);
    l->addWidget(label(w, 5662, QStringLiteral("Tage")));
    l->addStretch();
    return w;
}

} // namespace

QWidget *TFOptionen::baueStammdaten()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    RadioGroupSortierungStammdaten =
        radioGroup(page, 5620, QStringLiteral("So&rtierung"),
                   {"&Name", "&Rufname", "&Zwinger / Name", "R&asse / Name", "&Status / Name"}, false);
    RadioGroupZusatz = yesNo(page, 5626, QStringLiteral("Zusatz bei Zwinger"));
    RadioGroupTitel = radioGroup(page, 5629, QStringLiteral("Titel"), {"normal", "alle"});
    RadioGroupTitel->hide();
    RadioGroupSuche = yesNo(page, 5632, QStringLiteral("Suche bei Neuaufnahme"));
    RadioGroupBildAnpassen = yesNo(page, 5635, QStringLiteral("Bild anpassen"));
    auto *grund = tagged(new QGroupBox(QStringLiteral("&Grundeinstellungen"), page), 5638);
    auto *form = new QFormLayout(grund);
    ComboBoxRasse = new QComboBox(grund);
    ComboBoxRasse->setObjectName(QStringLiteral("ComboBoxRasse"));
    ComboBoxFarbe = new QComboBox(grund);
    ComboBoxFarbe->setEditable(true);
    ComboBoxHaarart = new QComboBox(grund);
    entfTaste(ComboBoxRasse, Entf::ErsterEintrag);
    for (QComboBox *b : {ComboBoxFarbe, ComboBoxHaarart})
        entfTaste(b, Entf::Leeren);
    for (QComboBox *b : {ComboBoxRasse, ComboBoxFarbe, ComboBoxHaarart})
        b->setMinimumWidth(220);
    form->addRow(label(grund, 5639, QStringLiteral("Rasse")), ComboBoxRasse);
    form->addRow(label(grund, 5640, QStringLiteral("Farbe")), ComboBoxFarbe);
    form->addRow(label(grund, 5641, QStringLiteral("Haarart")), ComboBoxHaarart);
    grid->addWidget(RadioGroupSortierungStammdaten, 0, 0, 3, 1);
    grid->addWidget(RadioGroupZusatz, 0, 1);
    grid->addWidget(RadioGroupSuche, 1, 1);
    grid->addWidget(RadioGroupBildAnpassen, 2, 1);
    grid->addWidget(RadioGroupTitel, 3, 1);
    grid->addWidget(grund, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *TFOptionen::baueAuswahlfenster()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    RadioGroupAnzeige = radioGroup(page, 5650, QStringLiteral("A&nzeige"), {"&Ja", "&Nein"});
    GroupBoxStatus = tagged(new QGroupBox(QStringLiteral("Stat&us"), page), 5653);
    auto *sl = new QVBoxLayout(GroupBoxStatus);
    CheckBoxAlle = check(GroupBoxStatus, 5654, QStringLiteral("alle"));
    sl->addWidget(CheckBoxAlle);
    for (int i = 0; i < 9; ++i) {
        CheckBoxStatus[i] = new QCheckBox(GroupBoxStatus);
        CheckBoxStatus[i]->setObjectName(QStringLiteral("CheckBoxStatus%1").arg(i + 1));
        CheckBoxStatus[i]->setProperty("dataText", true);
        sl->addWidget(CheckBoxStatus[i]);
    }
    sl->addStretch();
    RadioGroupSortierung = radioGroup(page, 5655, QStringLiteral("So&rtierung"),
                                      {"&Name", "&Rufname", "&Zwinger", "&Status"}, false);
    grid->addWidget(RadioGroupAnzeige, 0, 0, 1, 2);
    grid->addWidget(GroupBoxStatus, 1, 0, Qt::AlignTop);
    grid->addWidget(RadioGroupSortierung, 1, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);

    auto statusFrei = [this] {
        const bool an = selected(RadioGroupAnzeige) == 0;
        for (QCheckBox *b : CheckBoxStatus)
            b->setEnabled(an && !CheckBoxAlle->isChecked());
        CheckBoxAlle->setEnabled(an);
        GroupBoxStatus->setEnabled(an);
        RadioGroupSortierung->setEnabled(an);
    };
    for (QRadioButton *r : items(RadioGroupAnzeige))
        connect(r, &QRadioButton::toggled, this, statusFrei);
    connect(CheckBoxAlle, &QCheckBox::toggled, this, [this, statusFrei](bool alle) {
        if (alle)
            for (QCheckBox *b : CheckBoxStatus)
                b->setChecked(false);
        statusFrei();
    });
    return page;
}

QWidget *TFOptionen::baueWurfbuch()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    auto *geburt = tagged(new QGroupBox(QStringLiteral("Berechnung Geburtstermin"), page), 5660);
    (new QVBoxLayout(geburt))
        ->addWidget(tageZeile(geburt, 5661, QStringLiteral("Decktermin +"), EditTraechtigkeit));
    auto *rollig = tagged(new QGroupBox(QStringLiteral("Berechnung nächste Rolligkeit"), page), 5663);
    auto *rl = new QVBoxLayout(rollig);
    rl->addWidget(tageZeile(rollig, 5664, QStringLiteral("Rolligkeit +"), EditRolligkeit));
    rl->addWidget(tageZeile(rollig, 5665, QStringLiteral("+/-"), EditPlusMinus));
    auto *abgabe = tagged(new QGroupBox(QStringLiteral("Berechnung Abgabetermin"), page), 5666);
    (new QVBoxLayout(abgabe))->addWidget(tageZeile(abgabe, 5667, QStringLiteral("Wurftermin +"), EditAbgabe));
    l->addWidget(geburt);
    l->addWidget(rollig);
    l->addWidget(abgabe);
    l->addStretch();
    return page;
}

QWidget *TFOptionen::baueAllgemeines()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *aufl = new QHBoxLayout;
    ComboBoxAufloesung = new QComboBox(page);
    ComboBoxAufloesung->setEditable(true);
    ComboBoxAufloesung->addItems({"Maximized", "Angepasst", "640x480"});
    QRect area;
    tsysteminfo::GetFormMaxRect(area);
    const std::pair<const char *, QSize> groessen[] = {{"800x600", {640, 480}},
                                                       {"1024x768", {800, 600}},
                                                       {"1152x864", {1024, 768}},
                                                       {"1280x1024", {1152, 864}}};
    for (const auto &[text, ueber] : groessen)
        if (area.right() > ueber.width() && area.bottom() > ueber.height())
            ComboBoxAufloesung->addItem(QString::fromLatin1(text));
    aufl->addWidget(label(page, 5670, QStringLiteral("Auflösung")));
    aufl->addWidget(ComboBoxAufloesung);
    aufl->addSpacing(20);
    aufl->addWidget(label(page, 5683, QStringLiteral("Sprache / language")));
    ComboBoxSprache = new QComboBox(page);
    // each language under its own name, so a reader of any of them finds it
    ComboBoxSprache->addItems({"Deutsch", "English", "Nederlands"});
    aufl->addWidget(ComboBoxSprache);
    aufl->addStretch();
    RadioGroupMerkmal = yesNo(page, 5671, QStringLiteral("Merkmal vor Top Katze"));
    RadioGroupSpeichern = radioGroup(page, 5674, QStringLiteral("S&peichern"),
                                     {"A&utomatisch Speichern", "A&bfrage vor Speichern"}, false);
    RadioGroupHilfe = radioGroup(page, 5677, QStringLiteral("S&chnellhilfe"),
                                 {"S&tatuszeile und Cursor", "nur &Statuszeile"}, false);
    RadioGroupFenster = radioGroup(page, 5680, QStringLiteral("Fenstergröße"),
                                   {"immer Standard", "Größe beibehalten"}, false);
    auto *text = tagged(new QGroupBox(QStringLiteral("Textverarb."), page), 5684);
    auto *tl = new QHBoxLayout(text);
    EditTextverarbeitung = new QLineEdit(text);
    ButtonSuchen = button(text, 5685, QStringLiteral("suchen"));
    tl->addWidget(EditTextverarbeitung, 1);
    tl->addWidget(ButtonSuchen);
    connect(ButtonSuchen, &QPushButton::clicked, this, [this] {
        const QString f = openFileName(this, QString(), QString(), QStringLiteral("Programmdatei (*)"));
        if (!f.isEmpty())
            EditTextverarbeitung->setText(f);
    });
    grid->addLayout(aufl, 0, 0, 1, 2);
    grid->addWidget(RadioGroupMerkmal, 1, 0);
    grid->addWidget(RadioGroupFenster, 1, 1);
    grid->addWidget(RadioGroupSpeichern, 2, 0);
    grid->addWidget(RadioGroupHilfe, 2, 1);
    grid->addWidget(text, 3, 0, 1, 2);
    grid->addWidget(baueWaehrung(page), 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *TFOptionen::baueWarnungen()
{
    auto *page = new QWidget;
    auto *box = tagged(new QGroupBox(QStringLiteral("Warnung bei Programmstart"), page), 5710);
    auto *bl = new QVBoxLayout(box);
    CheckVerfallsdatum = check(box, 5711, QStringLiteral("Verfallsdatum Medikamente"));
    CheckTermine = check(box, 5712, QStringLiteral("Termine"));
    CheckImpfung = check(box, 5713, QStringLiteral("Impfung"));
    CheckWurmkur = check(box, 5714, QStringLiteral("Wurmkur"));
    for (QCheckBox *c : {CheckVerfallsdatum, CheckTermine, CheckImpfung, CheckWurmkur})
        bl->addWidget(c);
    auto *l = new QVBoxLayout(page);
    l->addWidget(box);
    l->addStretch();
    return page;
}

QWidget *TFOptionen::baueAdressen()
{
    auto *page = new QWidget;
    RadioGroupSucheAdresse = yesNo(page, 5750, QStringLiteral("Suche bei Neuaufnahme"));
    auto *l = new QVBoxLayout(page);
    l->addWidget(RadioGroupSucheAdresse);
    l->addStretch();
    return page;
}

QWidget *TFOptionen::baueStatistiken()
{
    auto *page = new QWidget;
    auto *box = tagged(new QGroupBox(QStringLiteral("Statistik der Merkmale eines Stammbaumes"), page), 5760);
    auto *form = new QFormLayout(box);
    EditStatistik = numberEdit(box);
    form->addRow(label(box, 5761, QStringLiteral("Anzahl Generationen")), EditStatistik);
    auto *l = new QVBoxLayout(page);
    l->addWidget(box);
    l->addStretch();
    return page;
}

QWidget *TFOptionen::baueInzucht()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    auto *start = new QHBoxLayout;
    ComboBoxInzuchtFenster = tagged(new QComboBox(page), 5781);
    ComboBoxInzuchtFenster->setObjectName(QStringLiteral("ComboBoxInzuchtFenster"));
    ComboBoxInzuchtFenster->addItems(
        {"Inzuchtkoeffizient", "Ahnenverlust", "Vorfahren", "Info", "Top Katzen / Klonanalyse", "Stammbaum"});
    start->addWidget(label(page, 5780, QStringLiteral("Startregister:")));
    start->addWidget(ComboBoxInzuchtFenster);
    start->addStretch();
    RadioGroupInzuchtAuto = yesNo(page, 5788, QStringLiteral("Automatische Berechnung"));
    auto *gen = tagged(new QGroupBox(QStringLiteral("Generationen für die Berechnung"), page), 5791);
    auto *form = new QFormLayout(gen);
    EditInzuchtGen = numberEdit(gen);
    EditInzuchtStdGen = numberEdit(gen);
    form->addRow(label(gen, 5792, QStringLiteral("in der Inzucht ")), EditInzuchtGen);
    form->addRow(label(gen, 5793, QStringLiteral("in den Stammdaten")), EditInzuchtStdGen);
    // at least 3 generations; the cat record window's figure at most 10
    connect(EditInzuchtGen, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const int n = EditInzuchtGen->text().trimmed().toInt(&ok);
        if (!ok || n < 3)
            EditInzuchtGen->setText(QStringLiteral("3"));
    });
    connect(EditInzuchtStdGen, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const int n = EditInzuchtStdGen->text().trimmed().toInt(&ok);
        EditInzuchtStdGen->setText(QString::number(!ok ? 3 : std::clamp(n, 3, 10)));
    });
    RadioGroupVorfahren = yesNo(page, 5794, QStringLiteral("mit Vorfahren"));
    l->addLayout(start);
    l->addWidget(RadioGroupInzuchtAuto);
    l->addWidget(gen);
    l->addWidget(RadioGroupVorfahren);
    l->addStretch();
    return page;
}

void TFOptionen::fuellenListe(const tsysteminfo &s)
{
    select(RadioGroupSortierungStammdaten, sortierungsWahl(stammdatenIndex, s.indexStammdaten));
    setYes(RadioGroupZusatz, s.ZusatzBeiZwinger);
    select(RadioGroupTitel, s.alleTitel ? 1 : 0);
    setYes(RadioGroupSuche, s.SuchebeiNeuaufnahme);
    setYes(RadioGroupBildAnpassen, s.BildAnpassen);
    rasseBoxFuellen(ComboBoxRasse, *m_db, s.RasseStandardeinstellung);
    farbBoxFuellen(ComboBoxFarbe, *m_db, s.FarbeStandardeinstellung);
    try {
        store::Table fell(m_db, QStringLiteral("Fellart.db"));
        fell.open();
        for (fell.first(); !fell.eof(); fell.next()) {
            ComboBoxHaarart->addItem(fell.text(QStringLiteral("Bezeichnung")));
            m_haarartNummer << fell.intValue(QStringLiteral("LaufendeNummer"));
        }
        ComboBoxHaarart->setCurrentIndex(int(m_haarartNummer.indexOf(s.HaarartStandardeinstellung)));
        store::Table status(m_db, QStringLiteral("STATUS.DB"));
        status.open();
        statusAnzahl = 0;
        for (status.first(); !status.eof() && statusAnzahl < 9; status.next())
            CheckBoxStatus[statusAnzahl++]->setText(tav::cats::statusAnzeige(
                status.intValue(QStringLiteral("Nummer")), status.text(QStringLiteral("Status"))));
    } catch (const store::EngineError &) {
        // a reference table that cannot be read leaves its box empty; the settings stay as they are
    }
    for (int i = 0; i < 9; ++i) {
        CheckBoxStatus[i]->setVisible(i < statusAnzahl);
        CheckBoxStatus[i]->setChecked(s.Status != QLatin1String("alle") && statusAngekreuzt(s.Status, i + 1));
    }
    CheckBoxAlle->setChecked(s.Status == QLatin1String("alle"));
    select(RadioGroupSortierung, sortierungsWahl(auswahlIndex, s.index));
    select(RadioGroupAnzeige, s.Anzeigen ? 0 : 1);
    Q_EMIT CheckBoxAlle->toggled(CheckBoxAlle->isChecked());

    EditTraechtigkeit->setText(QString::number(s.TageTraechtigkeit));
    EditRolligkeit->setText(QString::number(s.TageNaechsteRolligkeit));
    EditPlusMinus->setText(QString::number(s.TageNRplusMinus));
    EditAbgabe->setText(QString::number(s.TagebisAbgabetermin));

    ComboBoxAufloesung->setCurrentText(
        s.Aufloesung.contains(QLatin1String("Angepasst")) ? QStringLiteral("Angepasst") : s.Aufloesung);
    ComboBoxSprache->setCurrentIndex(languageNumber(s.Sprache));
    setYes(RadioGroupMerkmal, s.MerkmalvorTop);
    setYes(RadioGroupSpeichern, s.speichern);
    setYes(RadioGroupHilfe, s.hilfe);
    setYes(RadioGroupFenster, s.Fenstergroesse);
    EditTextverarbeitung->setText(s.Textverarbeitung);

    CheckVerfallsdatum->setChecked(s.WarnungVerfallsdatum);
    CheckTermine->setChecked(s.WarnungTermine);
    CheckImpfung->setChecked(s.WarnungImpfung);
    CheckWurmkur->setChecked(s.WarnungWurmkur);
    setYes(RadioGroupSucheAdresse, s.SuchebeiNeuaufnahmeAdresse);
    EditStatistik->setText(QString::number(s.StatistikGenerationen));

    ComboBoxInzuchtFenster->setCurrentIndex(s.InzuchtFenster);
    setYes(RadioGroupInzuchtAuto, s.InzuchtBerechnungAuto);
    EditInzuchtGen->setText(QString::number(s.Inzuchtgenerationen));
    EditInzuchtStdGen->setText(QString::number(s.InzuchtStdgenerationen));
    setYes(RadioGroupVorfahren, s.InzuchtmitVorfahren);
}

void TFOptionen::uebernehmenListe(tsysteminfo &s)
{
    const QVector<OptionenSeite> da = seiten();
    auto zahl = [](const QLineEdit *e) { return e->text().trimmed().toInt(); };
    if (da.contains(SeiteStammdaten)) {
        if (const int i = selected(RadioGroupSortierungStammdaten); i >= 0)
            s.indexStammdaten = stammdatenIndex[i];
        s.RasseStandardeinstellung = ComboBoxRasse->currentData().toInt();
        s.FarbeStandardeinstellung = ComboBoxFarbe->currentText();
        if (const int i = ComboBoxHaarart->currentIndex(); i >= 0 && i < m_haarartNummer.size())
            s.HaarartStandardeinstellung = m_haarartNummer[i];
        s.ZusatzBeiZwinger = yes(RadioGroupZusatz);
        s.alleTitel = selected(RadioGroupTitel) == 1;
        s.SuchebeiNeuaufnahme = yes(RadioGroupSuche);
        s.BildAnpassen = yes(RadioGroupBildAnpassen);
    }
    if (da.contains(SeiteAuswahlfenster)) {
        s.Anzeigen = selected(RadioGroupAnzeige) == 0;
        if (s.Anzeigen) {
            if (const int i = selected(RadioGroupSortierung); i >= 0)
                s.index = auswahlIndex[i];
            QVector<bool> an;
            for (int i = 0; i < statusAnzahl; ++i)
                an << CheckBoxStatus[i]->isChecked();
            s.Status = statusText(CheckBoxAlle->isChecked(), an);
        }
    }
    if (da.contains(SeiteWurfbuch)) {
        s.TageTraechtigkeit = zahl(EditTraechtigkeit);
        s.TageNaechsteRolligkeit = zahl(EditRolligkeit);
        s.TageNRplusMinus = std::clamp(zahl(EditPlusMinus), 0, 255);
        s.TagebisAbgabetermin = zahl(EditAbgabe);
    }
    if (da.contains(SeiteAllgemeines)) {
        s.Aufloesung = ComboBoxAufloesung->currentText();
        s.Sprache = spracheWert(ComboBoxSprache->currentIndex());
        s.MerkmalvorTop = yes(RadioGroupMerkmal);
        s.speichern = yes(RadioGroupSpeichern);
        s.hilfe = yes(RadioGroupHilfe);
        s.Fenstergroesse = yes(RadioGroupFenster);
        s.Textverarbeitung = EditTextverarbeitung->text();
    }
    if (da.contains(SeiteWarnungen)) {
        s.WarnungVerfallsdatum = CheckVerfallsdatum->isChecked();
        s.WarnungTermine = CheckTermine->isChecked();
        s.WarnungImpfung = CheckImpfung->isChecked();
        s.WarnungWurmkur = CheckWurmkur->isChecked();
    }
    if (da.contains(SeiteAdressen))
        s.SuchebeiNeuaufnahmeAdresse = yes(RadioGroupSucheAdresse);
    if (da.contains(SeiteStatistiken))
        s.StatistikGenerationen = zahl(EditStatistik);
    if (da.contains(SeiteInzucht)) {
        s.InzuchtFenster = std::max(0, ComboBoxInzuchtFenster->currentIndex());
        s.InzuchtBerechnungAuto = yes(RadioGroupInzuchtAuto);
        s.Inzuchtgenerationen = std::max(3, zahl(EditInzuchtGen));
        s.InzuchtStdgenerationen = std::clamp(zahl(EditInzuchtStdGen), 3, 10);
        s.InzuchtmitVorfahren = yes(RadioGroupVorfahren);
    }
}

} // namespace tav::app::ui
