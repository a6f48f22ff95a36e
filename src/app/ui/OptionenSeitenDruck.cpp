// Optionen: the order lists of the pedigree and the matings, and the print pages.
#include "Optionen.h"

#include "OptionenTeile.h"
#include "app/IniFile.h"
#include "app/Systemi.h"
#include "widgets/Dialogs.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QListWidget>
#include <QPixmap>
#include <QTabBar>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {

QWidget *paar(QWidget *parent, QLineEdit *&a, QLineEdit *&b, bool pixel)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(label(w, 5728, QStringLiteral("Größe")));
    a = numberEdit(w);
    b = numberEdit(w);
    l->addWidget(a);
    l->addWidget(new QLabel(QStringLiteral(" X "), w));
    l->addWidget(b);
    if (pixel)
        l->addWidget(label(w, 5729, QStringLiteral("PIXEL")));
    l->addStretch();
    return w;
}

QString dezimal(double d)
{
    return QString::number(d, 'g', 10).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

TFOptionen::Reihenliste TFOptionen::baueReihenliste(QWidget *page, int tag)
{
    Reihenliste r;
    r.liste = new QListWidget(page);
    r.liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // dragging a line moves it; the order is taken from the list when it is saved
    r.liste->setDragDropMode(QAbstractItemView::InternalMove);
    r.liste->setObjectName(QStringLiteral("ListBox%1").arg(tag));
    r.auswahlPanel = tagged(new QGroupBox(QStringLiteral("Auswahl"), page), 5770);
    auto *pl = new QVBoxLayout(r.auswahlPanel);
    r.auswahl = new QListWidget(r.auswahlPanel);
    r.auswahl->setSelectionMode(QAbstractItemView::ExtendedSelection);
    r.ok = button(r.auswahlPanel, 5771, QStringLiteral("O&K"));
    pl->addWidget(r.auswahl);
    pl->addWidget(r.ok);
    r.auswahlPanel->hide();
    r.hinzufuegen = button(page, 5768, QStringLiteral("H&inzufügen"));
    r.entfernen = button(page, 5769, QStringLiteral("&Entfernen"));
    QListWidget *liste = r.liste, *auswahl = r.auswahl;
    QGroupBox *panel = r.auswahlPanel;
    auto verschiebe = [](QListWidget *von, QListWidget *nach) {
        for (int i = 0; i < von->count();) {
            if (von->item(i)->isSelected())
                nach->addItem(von->takeItem(i)->text());
            else
                ++i;
        }
    };
    connect(r.hinzufuegen, &QPushButton::clicked, panel, &QWidget::show);
    connect(r.ok, &QPushButton::clicked, this, [=] {
        verschiebe(auswahl, liste);
        panel->hide();
    });
    connect(r.entfernen, &QPushButton::clicked, this, [=] { verschiebe(liste, auswahl); });
    return r;
}

void TFOptionen::reihenlisteFuellen(Reihenliste &r, const QString &order, Reihenfolge::Art art)
{
    const Reihenfolge rf(art, m_sprache);
    r.liste->clear();
    r.liste->addItems(rf.zeilen(order));
    r.auswahl->clear();
    r.auswahl->addItems(rf.auswahl(order));
}

QString TFOptionen::reihenlisteOrder(const Reihenliste &r, Reihenfolge::Art art) const
{
    QStringList zeilen;
    for (int i = 0; i < r.liste->count(); ++i)
        zeilen << r.liste->item(i)->text();
    return Reihenfolge(art, m_sprache).order(zeilen);
}

void TFOptionen::stammbaumTabGewechselt(int neu)
{
    Stammbaumliste.auswahlPanel->hide();
    (m_stammbaumTab == 0 ? stammbaumTmpAnzeige : StammbaumTmpDrucken) =
        reihenlisteOrder(Stammbaumliste, Reihenfolge::Stammbaum);
    m_stammbaumTab = neu;
    reihenlisteFuellen(Stammbaumliste, neu == 0 ? stammbaumTmpAnzeige : StammbaumTmpDrucken,
                       Reihenfolge::Stammbaum);
}

QWidget *TFOptionen::baueStammbaum()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    TabSetStammbaum = tagged(new QTabBar(page), 5765);
    TabSetStammbaum->addTab(QStringLiteral("A&nzeige"));
    TabSetStammbaum->addTab(QStringLiteral("&Druck"));
    Stammbaumliste = baueReihenliste(page, 2);
    RadioGroupLangBild = radioGroup(page, 5772, QStringLiteral("Stammbaum lang Bild"), {"Ja", "Nein"});
    grid->addWidget(TabSetStammbaum, 0, 0);
    grid->addWidget(Stammbaumliste.liste, 1, 0, 3, 1);
    grid->addWidget(Stammbaumliste.hinzufuegen, 1, 1);
    grid->addWidget(Stammbaumliste.entfernen, 2, 1);
    grid->addWidget(Stammbaumliste.auswahlPanel, 1, 2, 3, 1);
    grid->addWidget(RadioGroupLangBild, 4, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    connect(TabSetStammbaum, &QTabBar::currentChanged, this, &TFOptionen::stammbaumTabGewechselt);
    return page;
}

QWidget *TFOptionen::baueVerpaarung()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    Verpaarungsliste = baueReihenliste(page, 10);
    grid->addWidget(Verpaarungsliste.liste, 0, 0, 3, 1);
    grid->addWidget(Verpaarungsliste.hinzufuegen, 0, 1);
    grid->addWidget(Verpaarungsliste.entfernen, 1, 1);
    grid->addWidget(Verpaarungsliste.auswahlPanel, 0, 2, 3, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget *TFOptionen::baueDruckStammbaum()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto *rand = tagged(new QGroupBox(QStringLiteral("Druckbegrenzung"), page), 5720);
    auto *rf = new QFormLayout(rand);
    EditLinks = numberEdit(rand);
    EditRechts = numberEdit(rand);
    EditOben = numberEdit(rand);
    EditUnten = numberEdit(rand);
    rf->addRow(label(rand, 5721, QStringLiteral("linker Rand :")), EditLinks);
    rf->addRow(label(rand, 5722, QStringLiteral("rechter Rand :")), EditRechts);
    rf->addRow(label(rand, 5723, QStringLiteral("oberer Rand :")), EditOben);
    rf->addRow(label(rand, 5724, QStringLiteral("unterer Rand :")), EditUnten);

    auto *bilder = new QVBoxLayout;
    RadioGroupBild = radioGroup(page, 5725, QStringLiteral("Bild"), {"Ja", "Nein"});
    RadioGroupBild->layout()->addWidget(paar(RadioGroupBild, EditBildH, EditBildV, true));
    RadioGroupGenBild =
        radioGroup(page, 5730, QStringLiteral("Bild in 1. und 2. Generation"), {"Ja", "Nein"});
    RadioGroupGenBild->layout()->addWidget(paar(RadioGroupGenBild, EditGenBildH, EditGenBildV, true));
    RadioGroupBesitzer = radioGroup(page, 5736, QStringLiteral("Besitzer in Stammbaumkopf"), {"Ja", "Nein"});
    bilder->addWidget(RadioGroupBild);
    bilder->addWidget(RadioGroupGenBild);
    bilder->addWidget(RadioGroupBesitzer);

    auto *sonst = new QFormLayout;
    CheckTitelRot = check(page, 5733, QStringLiteral("Titel /Name Rot"));
    CheckDoppelte = check(page, 5734, QStringLiteral("doppelte Tiere farbig"));
    EditGeneration = numberEdit(page);
    EditBildAufloesung = numberEdit(page);
    sonst->addRow(CheckTitelRot);
    sonst->addRow(CheckDoppelte);
    sonst->addRow(label(page, 5735, QStringLiteral("Anzahl Generationen für Druck (3-6)")), EditGeneration);
    sonst->addRow(label(page, 5739, QStringLiteral("Bild Auflösung")), EditBildAufloesung);
    connect(EditGeneration, &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const int n = EditGeneration->text().trimmed().toInt(&ok);
        if (ok && n >= 3 && n <= 6)
            return;
        if (m_sprache != 2)
            showText(m_sprache == 1 ? QStringLiteral("Generation must be between 3 - 6")
                                    : QStringLiteral("Generation muß zwischen 3 - 6 liegen"),
                     MsgIcon::Information, MsgButtons::Ok);
        if (const tsysteminfo *s = tsysteminfo::instance())
            EditGeneration->setText(QString::number(s->StammbaumGeneration));
    });

    auto bildGruppe = [&](int tag, const QString &titel, QLabel *&pfad, QLabel *&vorschau,
                          QPushButton *&laden, QPushButton *&loeschen) {
        auto *box = tagged(new QGroupBox(titel, page), tag);
        auto *bl = new QGridLayout(box);
        pfad = new QLabel(box);
        pfad->setProperty("dataText", true);
        pfad->setWordWrap(true);
        vorschau = new QLabel(box);
        vorschau->setFixedSize(80, 80);
        vorschau->setScaledContents(true);
        vorschau->hide();
        laden = button(box, 5741, QStringLiteral("Bild laden"));
        loeschen = button(box, 5742, QStringLiteral("Bild löschen"));
        bl->addWidget(pfad, 0, 0, 1, 3);
        bl->addWidget(vorschau, 1, 0, 2, 1);
        bl->addWidget(laden, 1, 1);
        bl->addWidget(loeschen, 2, 1);
        QLabel *p = pfad, *v = vorschau;
        connect(laden, &QPushButton::clicked, this, [this, p, v] {
            const QString f =
                openFileName(this, QString(), QString(), QStringLiteral("Bilder (*.jpg *.jpeg *.bmp *.png)"));
            if (!f.isEmpty())
                bildSetzen(p, v, f);
        });
        connect(loeschen, &QPushButton::clicked, this, [this, p, v] { bildSetzen(p, v, QString()); });
        return box;
    };
    QGroupBox *logo = bildGruppe(5740, QStringLiteral("Logo für Stammbaum"), LabelLogo, ImageLogo,
                                 ButtonLogoLaden, ButtonLogoLoeschen);
    static_cast<QGridLayout *>(logo->layout())
        ->addWidget(paar(logo, EditLogoH, EditLogoV, false), 3, 0, 1, 3);
    QGroupBox *hintergrund = bildGruppe(5743, QStringLiteral("Hintergrund für Stammbaum"), LabelHintergrund,
                                        ImageHintergrund, ButtonHintergrundLaden, ButtonHintergrundLoeschen);
    ButtonGrundStammbaum = button(page, 5744, QStringLiteral("&Grundeinstellung laden"));
    connect(ButtonGrundStammbaum, &QPushButton::clicked, this, [this] {
        const std::pair<QLineEdit *, const char *> werte[] = {
            {EditLinks, "10"},  {EditRechts, "125"}, {EditOben, "0"},           {EditUnten, "40"},
            {EditBildH, "250"}, {EditBildV, "250"},  {EditGenBildH, "200"},     {EditGenBildV, "200"},
            {EditLogoH, "250"}, {EditLogoV, "250"},  {EditBildAufloesung, "18"}};
        for (const auto &[edit, wert] : werte)
            edit->setText(QString::fromLatin1(wert));
        CheckTitelRot->setChecked(true);
        setYes(RadioGroupBesitzer, true);
    });

    grid->addWidget(rand, 0, 0);
    grid->addLayout(bilder, 0, 1);
    grid->addLayout(sonst, 1, 0);
    grid->addWidget(ButtonGrundStammbaum, 1, 1, Qt::AlignBottom | Qt::AlignRight);
    grid->addWidget(logo, 2, 0);
    grid->addWidget(hintergrund, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget *TFOptionen::baueDruck()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    l->addWidget(label(page, 5755, QStringLiteral("Randeinstellungen für Druckformulare:")));
    auto *form = new QFormLayout;
    EditDruckOben = numberEdit(page, true);
    EditDruckLinks = numberEdit(page, true);
    form->addRow(label(page, 5756, QStringLiteral("Oberer Rand")), EditDruckOben);
    form->addRow(label(page, 5757, QStringLiteral("Linker Rand")), EditDruckLinks);
    l->addLayout(form);
    ButtonGrundDruck = button(page, 5758, QStringLiteral("Grundeinstellung laden"));
    connect(ButtonGrundDruck, &QPushButton::clicked, this, [this] {
        EditDruckOben->setText(QStringLiteral("7"));
        EditDruckLinks->setText(QStringLiteral("10"));
    });
    l->addWidget(ButtonGrundDruck, 0, Qt::AlignLeft);
    l->addStretch();
    return page;
}

void TFOptionen::bildSetzen(QLabel *pfad, QLabel *vorschau, const QString &datei)
{
    pfad->setText(datei);
    const QPixmap bild = datei.isEmpty() || !QFileInfo::exists(datei) ? QPixmap() : QPixmap(datei);
    vorschau->setPixmap(bild);
    vorschau->setVisible(!bild.isNull());
}

void TFOptionen::fuellenDruck(const tsysteminfo &s)
{
    stammbaumTmpAnzeige = s.stammbaumAnzeige;
    StammbaumTmpDrucken = s.stammbaumDrucken;
    VerpaarungTmpAnzeige = s.verpaarungAnzeige;
    reihenlisteFuellen(Stammbaumliste, stammbaumTmpAnzeige, Reihenfolge::Stammbaum);
    reihenlisteFuellen(Verpaarungsliste, VerpaarungTmpAnzeige, Reihenfolge::Verpaarung);
    setYes(RadioGroupLangBild, s.StammbaumlangBild);

    const std::pair<QLineEdit *, int> zahlen[] = {{EditLinks, s.StammbaumLinkerRand},
                                                  {EditRechts, s.StammbaumRechterRand},
                                                  {EditOben, s.StammbaumObererRand},
                                                  {EditUnten, s.StammbaumUntererRand},
                                                  {EditBildH, s.StammbaumBildhorizontal},
                                                  {EditBildV, s.StammbaumBildvertikal},
                                                  {EditGenBildH, s.StammbaumGenBildhorizontal},
                                                  {EditGenBildV, s.StammbaumGenBildvertikal},
                                                  {EditLogoH, s.StammbaumLogoBildhorizontal},
                                                  {EditLogoV, s.StammbaumLogoBildvertikal},
                                                  {EditGeneration, s.StammbaumGeneration},
                                                  {EditBildAufloesung, s.BildAufloesung}};
    for (const auto &[edit, wert] : zahlen)
        edit->setText(QString::number(wert));
    setYes(RadioGroupBild, s.StammbaumBild);
    setYes(RadioGroupGenBild, s.StammbaumGenBild);
    setYes(RadioGroupBesitzer, s.stammbaumBesitzer);
    CheckTitelRot->setChecked(s.TitelRot);
    CheckDoppelte->setChecked(s.StbDoppelteFarbig);
    bildSetzen(LabelLogo, ImageLogo, s.Stammbaumlogo);
    bildSetzen(LabelHintergrund, ImageHintergrund, s.StammbaumHintergrundbild);
    EditDruckOben->setText(dezimal(s.Druckoben));
    EditDruckLinks->setText(dezimal(s.Drucklinks));
}

void TFOptionen::uebernehmenDruck(tsysteminfo &s)
{
    const QVector<OptionenSeite> da = seiten();
    auto zahl = [](const QLineEdit *e) { return e->text().trimmed().toInt(); };
    if (da.contains(SeiteStammbaum)) {
        (m_stammbaumTab == 0 ? stammbaumTmpAnzeige : StammbaumTmpDrucken) =
            reihenlisteOrder(Stammbaumliste, Reihenfolge::Stammbaum);
        s.stammbaumAnzeige = stammbaumTmpAnzeige;
        s.stammbaumDrucken = StammbaumTmpDrucken;
        s.StammbaumlangBild = yes(RadioGroupLangBild);
    }
    if (da.contains(SeiteVerpaarung))
        s.verpaarungAnzeige = VerpaarungTmpAnzeige =
            reihenlisteOrder(Verpaarungsliste, Reihenfolge::Verpaarung);
    if (da.contains(SeiteDruckStammbaum)) {
        s.StammbaumLinkerRand = zahl(EditLinks);
        s.StammbaumRechterRand = zahl(EditRechts);
        s.StammbaumObererRand = zahl(EditOben);
        s.StammbaumUntererRand = zahl(EditUnten);
        s.StammbaumBildhorizontal = zahl(EditBildH);
        s.StammbaumBildvertikal = zahl(EditBildV);
        s.StammbaumGenBildhorizontal = zahl(EditGenBildH);
        s.StammbaumGenBildvertikal = zahl(EditGenBildV);
        s.StammbaumLogoBildhorizontal = zahl(EditLogoH);
        s.StammbaumLogoBildvertikal = zahl(EditLogoV);
        s.StammbaumGeneration = zahl(EditGeneration);
        s.BildAufloesung = zahl(EditBildAufloesung);
        s.StammbaumBild = yes(RadioGroupBild);
        s.StammbaumGenBild = yes(RadioGroupGenBild);
        s.stammbaumBesitzer = yes(RadioGroupBesitzer);
        s.TitelRot = CheckTitelRot->isChecked();
        s.StbDoppelteFarbig = CheckDoppelte->isChecked();
        s.Stammbaumlogo = LabelLogo->text();
        s.StammbaumHintergrundbild = LabelHintergrund->text();
    }
    if (da.contains(SeiteDruck)) {
        parseDecimal(EditDruckOben->text(), s.Druckoben);
        parseDecimal(EditDruckLinks->text(), s.Drucklinks);
    }
}

} // namespace tav::app::ui
