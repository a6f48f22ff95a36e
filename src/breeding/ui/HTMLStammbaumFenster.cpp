// HTMLStammbaumFenster: the HTML pedigree window's settings page, its life cycle and the writing.
#include "HTMLStammbaumFenster.h"

#include "app/Global.h"
#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/HTMLSyntax.h"
#include "breeding/StorePedigree.h"
#include "shell/Shell.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSize>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace tav::breeding::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {
TFormHTMLStammbaum *g_instance = nullptr;

bool programmEnglisch()
{
    return app::sprache().languageNumber() == 1;
}

QLabel *beschriftung(const char *text, int tag, QWidget *parent)
{
    auto *l = new QLabel(QString::fromUtf8(text), parent);
    l->setProperty("tag", tag);
    return l;
}

// The settings scroll downwards only: the pane is never narrower than its widest row, in any language.
class SenkrechtRollen : public QScrollArea
{
  public:
    using QScrollArea::QScrollArea;
    void setInhalt(QWidget *inhalt)
    {
        setWidget(inhalt);
        inhalt->installEventFilter(this);
    }
    QSize minimumSizeHint() const override
    {
        QSize s = QScrollArea::minimumSizeHint();
        if (widget())
            s.setWidth(widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                       2 * frameWidth());
        return s;
    }

  protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == widget() && e->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(o, e);
    }
};

QLineEdit *zahlFeld(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaximumWidth(70);
    return e;
}

QComboBox *farbListe(const char *name, QWidget *parent, bool deutsch)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    for (int i = 0; i < htmlFarbnamen().size(); ++i) {
        const HTMLFarbname &f = htmlFarbnamen()[i];
        // the page background and layer lists show the catalogue's names, the others the colours' own
        const QString katalog = deutsch ? QString() : app::captionText(1461 + i);
        c->addItem(deutsch             ? QString::fromUtf8(f.deutsch)
                   : katalog.isEmpty() ? QLatin1String(f.englisch)
                                       : katalog);
    }
    return c;
}

QButtonGroup *radioGruppe(QGroupBox *box, int tag, const QList<const char *> &texte)
{
    box->setProperty("tag", tag);
    box->setProperty("radioGroup", true);
    auto *gruppe = new QButtonGroup(box);
    auto *l = new QHBoxLayout(box);
    for (int i = 0; i < texte.size(); ++i) {
        auto *b = new QRadioButton(QString::fromUtf8(texte[i]), box);
        gruppe->addButton(b, i);
        l->addWidget(b);
    }
    return gruppe;
}

// "Laden": a colour of the user's own joins the list as the custom-colour caption and its value
QPushButton *ladenKnopf(QComboBox *farbe, QWidget *parent)
{
    auto *laden = new QPushButton(QStringLiteral("Laden"), parent);
    laden->setProperty("tag", 6721);
    QObject::connect(laden, &QPushButton::clicked, farbe, [farbe] {
        QColorDialog dlg(Qt::white, farbe);
        if (widgets::execDialog(dlg) != QDialog::Accepted || !dlg.currentColor().isValid())
            return;
        farbe->addItem(app::captionText(1459) + QLatin1Char(' ') +
                       QString::number(widgets::storedValue(dlg.currentColor())));
        farbe->setCurrentIndex(farbe->count() - 1);
    });
    return laden;
}

QString bareName(const QString &pfad)
{
    return QFileInfo(pfad).fileName();
}
} // namespace

TFormHTMLStammbaum::TFormHTMLStammbaum(store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formhtmlstammbaum"), parent), m_db(db)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormHTMLStammbaum"));
    setWindowTitle(QStringLiteral("HTML-Stammbaum erstellen"));
    setProperty("tag", 6700);
    setHelpContext(HilfeKontext);
    m_ini.lesen(htmlIniPfad(), programmEnglisch());
    spalte_pos = m_ini.spalte_pos;
    bauen();
    einstellungenZeigen();
    finishCreate();
    // on two lines: the break goes to the blank nearest the middle
    QString zeilen = app::captionText(6748);
    const qsizetype mitte = zeilen.size() / 2;
    const qsizetype links = zeilen.lastIndexOf(QLatin1Char(' '), mitte),
                    rechts = zeilen.indexOf(QLatin1Char(' '), mitte);
    const qsizetype bruch = links < 0                                       ? rechts
                            : rechts < 0 || mitte - links <= rechts - mitte ? links
                                                                            : rechts;
    if (bruch > 0)
        zeilen[bruch] = QLatin1Char('\n');
    BitBtn1->setText(zeilen);
    katzeSetzen(0);
}

TFormHTMLStammbaum::~TFormHTMLStammbaum()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TFormHTMLStammbaum *TFormHTMLStammbaum::instance()
{
    return g_instance;
}

std::function<bool(const QUrl &)> &TFormHTMLStammbaum::oeffner()
{
    static std::function<bool(const QUrl &)> o = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return o;
}

void TFormHTMLStammbaum::bauen()
{
    auto *haupt = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    auto *tabs = new QTabWidget(this);
    Seiten = new QStackedWidget(this);
    auto *rollen = new SenkrechtRollen(this);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rollen->setInhalt(bauenEinstellungen());
    Seiten->addWidget(rollen);
    Seiten->addWidget(bauenOptionen());
    Seiten->setProperty("tag", 6701);
    tabs->addTab(Seiten, QStringLiteral("Einstellungen"));
    QWidget *felder = bauenFelder();
    felder->setProperty("tag", 6702);
    tabs->addTab(felder, QStringLiteral("Kopfdaten"));
    links->addWidget(tabs, 1);
    // one sentence in two catalogue entries
    auto *warnung = new QHBoxLayout;
    warnung->setSpacing(0);
    warnung->addWidget(beschriftung("Achtung!! Alle Bilder müssen im gleichen", 1594, this));
    warnung->addWidget(beschriftung(" Verzeichnis liegen wie die HTML-Datei!", 1595, this));
    warnung->addStretch(1);
    links->addLayout(warnung);
    haupt->addLayout(links, 3);

    auto *rechts = new QVBoxLayout;
    auto *vorschau = new QTabWidget(this);
    MemoName = new QPlainTextEdit(this);
    MemoName->setObjectName(QStringLiteral("MemoName"));
    MemoSpalte1 = new QPlainTextEdit(this);
    MemoSpalte1->setObjectName(QStringLiteral("MemoSpalte1"));
    MemoSpalte2 = new QPlainTextEdit(this);
    MemoSpalte2->setObjectName(QStringLiteral("MemoSpalte2"));
    MemoName->setProperty("tag", 6745);
    MemoSpalte1->setProperty("tag", 6730);
    MemoSpalte2->setProperty("tag", 6731);
    vorschau->addTab(MemoName, QStringLiteral("Name"));
    vorschau->addTab(MemoSpalte1, QStringLiteral("Spalte1"));
    vorschau->addTab(MemoSpalte2, QStringLiteral("Spalte2"));
    rechts->addWidget(vorschau, 1);
    const auto knopf = [this, rechts](const char *name, const char *text, int tag) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(name));
        if (tag)
            b->setProperty("tag", tag);
        rechts->addWidget(b);
        return b;
    };
    Button1 = knopf("Button1", "HTML-Datei erstellen", 6742);
    BitBtn1 = knopf("BitBtn1", "HTML-Datei erstellen\nu. anzeigen", 0);
    BitBtnHilfe = knopf("BitBtnHilfe", "&Hilfe", 6743);
    BitBtnZuruck = knopf("BitBtnZuruck", "&Zurück", 6744);
    haupt->addLayout(rechts, 2);

    connect(Button1, &QPushButton::clicked, this, [this] {
        if (schreiben())
            widgets::showMessage(76, MsgIcon::Information, MsgButtons::Ok);
    });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { schreibenUndAnzeigen(); });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZuruck, &QPushButton::clicked, this, [this] { close(); });
}

QWidget *TFormHTMLStammbaum::bauenEinstellungen()
{
    auto *seite = new QWidget(this);
    auto *g = new QGridLayout(seite);
    int zeile = 0;
    EditPfad = new QLineEdit(seite);
    EditPfad->setObjectName(QStringLiteral("EditPfad"));
    auto *pfadKnopf = new QPushButton(QStringLiteral("..."), seite);
    pfadKnopf->setProperty("tag", 6729);
    g->addWidget(beschriftung("Datei:", 6703, seite), zeile, 0);
    g->addWidget(EditPfad, zeile, 1, 1, 3);
    g->addWidget(pfadKnopf, zeile++, 4);

    EditBreite = zahlFeld("EditBreite", seite);
    EditHoehe = zahlFeld("EditHoehe", seite);
    CheckBoxAuto = new QCheckBox(QStringLiteral("automatisch"), seite);
    CheckBoxAuto->setProperty("tag", 6706);
    g->addWidget(beschriftung("Breite:", 6704, seite), zeile, 0);
    g->addWidget(EditBreite, zeile, 1);
    g->addWidget(beschriftung("Höhe:", 6705, seite), zeile, 2);
    auto *hoehe = new QHBoxLayout;
    hoehe->addWidget(EditHoehe);
    hoehe->addWidget(CheckBoxAuto);
    g->addLayout(hoehe, zeile++, 3, 1, 2);

    auto *posBox = new QGroupBox(QStringLiteral("Position"), seite);
    Position = radioGruppe(posBox, 6707, {"zentriert", "links"});
    g->addWidget(posBox, zeile++, 0, 1, 5);

    const auto farbZeile = [&](const char *text, int tag, QComboBox *art, QComboBox *farbe, QLineEdit *bild) {
        g->addWidget(beschriftung(text, tag, seite), zeile, 0);
        if (art)
            g->addWidget(art, zeile, 1);
        g->addWidget(farbe, zeile, 2);
        g->addWidget(ladenKnopf(farbe, seite), zeile, 3);
        if (bild) {
            auto *h = new QHBoxLayout;
            auto *waehlen = new QPushButton(QStringLiteral("..."), seite);
            waehlen->setProperty("tag", 6729);
            h->addWidget(bild);
            h->addWidget(waehlen);
            g->addLayout(h, zeile, 4);
            connect(waehlen, &QPushButton::clicked, this, [this, bild] {
                const QString p = widgets::openFileName(this, QString(), QFileInfo(EditPfad->text()).path(),
                                                        app::captionText(6747));
                if (!p.isEmpty())
                    bild->setText(bareName(p));
            });
        }
        ++zeile;
    };
    const auto artListe = [seite](const char *name) {
        auto *c = new QComboBox(seite);
        c->setObjectName(QLatin1String(name));
        c->addItems({app::captionText(713), app::captionText(848)});
        return c;
    };
    ComboRahmen = farbListe("ComboRahmen", seite, true);
    farbZeile("Rahmenfarbe:", 6710, nullptr, ComboRahmen, nullptr);
    ComboHintergrundart = artListe("ComboHintergrundart");
    ComboHintergrund = farbListe("ComboHintergrund", seite, false);
    EditHintergrundbild = new QLineEdit(seite);
    farbZeile("Hintergrund:", 6711, ComboHintergrundart, ComboHintergrund, EditHintergrundbild);
    ComboStbArt = artListe("ComboStbArt");
    ComboStb = farbListe("ComboStb", seite, false);
    EditStammbaumbild = new QLineEdit(seite);
    farbZeile("Stammbaum:", 6712, ComboStbArt, ComboStb, EditStammbaumbild);

    EditTransparenz = zahlFeld("EditTransparenz", seite);
    SpinEdit1 = new QSpinBox(seite);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(3, 12);
    ComboBoxSprache = new QComboBox(seite);
    ComboBoxSprache->setObjectName(QStringLiteral("ComboBoxSprache"));
    ComboBoxSprache->addItems(programmEnglisch() ? QStringList{"english", "german"}
                                                 : QStringList{"deutsch", "englisch"});
    g->addWidget(beschriftung("Transparenz (%):", 6713, seite), zeile, 0);
    g->addWidget(EditTransparenz, zeile, 1);
    g->addWidget(beschriftung("Generationen:", 6714, seite), zeile, 2);
    g->addWidget(SpinEdit1, zeile++, 3);
    g->addWidget(beschriftung("Sprache:", 6715, seite), zeile, 0);
    g->addWidget(ComboBoxSprache, zeile++, 1);

    static const char *schriften[] = {"Schrift Namenszeile", "Schrift Kopfdaten", "Schrift Stammbaum"};
    for (int i = 0; i < 3; ++i) {
        auto *box = new QGroupBox(QString::fromUtf8(schriften[i]), seite);
        box->setProperty("tag", 6716 + i);
        auto *h = new QHBoxLayout(box);
        auto *waehlen = new QPushButton(QStringLiteral("Schriftart wählen"), box);
        waehlen->setObjectName(QStringLiteral("Schrift%1").arg(i));
        waehlen->setProperty("tag", 6719);
        SchriftVorschau[i] = new QLabel(box);
        SchriftVorschau[i]->setAutoFillBackground(true);
        SchriftVorschau[i]->setProperty("dataText", true);
        SchriftFarbe[i] = farbListe("SchriftFarbe", box, false);
        SchriftFarbe[i]->setObjectName(QStringLiteral("SchriftFarbe%1").arg(i));
        h->addWidget(waehlen);
        h->addWidget(SchriftVorschau[i], 1);
        h->addWidget(beschriftung("Schriftfarbe:", 6720, box));
        h->addWidget(SchriftFarbe[i]);
        h->addWidget(ladenKnopf(SchriftFarbe[i], box));
        g->addWidget(box, zeile++, 0, 1, 5);
        connect(waehlen, &QPushButton::clicked, this, [this, i] {
            QFontDialog dlg(QFont(m_schrift[i].face, m_schrift[i].groesse), this);
            if (widgets::execDialog(dlg) != QDialog::Accepted)
                return;
            m_schrift[i].face = dlg.currentFont().family();
            m_schrift[i].groesse = dlg.currentFont().pointSize();
            schriftZeigen(i);
        });
        connect(SchriftFarbe[i], &QComboBox::currentTextChanged, this, [this, i](const QString &name) {
            m_schrift[i].farbe = name;
            schriftZeigen(i);
        });
    }

    auto *bildBox = new QGroupBox(QStringLiteral("Bild"), seite);
    BildPos = radioGruppe(bildBox, 6722, {"links", "oben", "rechts", "ohne Bild"});
    g->addWidget(bildBox, zeile++, 0, 1, 5);
    EditBild = new QLineEdit(seite);
    EditBild->setObjectName(QStringLiteral("EditBild"));
    auto *bildKnopf = new QPushButton(QStringLiteral("..."), seite);
    bildKnopf->setProperty("tag", 6729);
    EditBildWeite = zahlFeld("EditBildWeite", seite);
    EditBildHoehe = zahlFeld("EditBildHoehe", seite);
    g->addWidget(EditBild, zeile, 0, 1, 2);
    g->addWidget(bildKnopf, zeile, 2);
    g->addWidget(EditBildWeite, zeile, 3);
    g->addWidget(EditBildHoehe, zeile++, 4);
    CheckBoxBildGen = new QCheckBox(QStringLiteral("in 1. und 2. Generation"), seite);
    CheckBoxBildGen->setProperty("tag", 6728);
    EditBildGenWeite = zahlFeld("EditBildGenWeite", seite);
    EditBildGenHoehe = zahlFeld("EditBildGenHoehe", seite);
    g->addWidget(CheckBoxBildGen, zeile, 0, 1, 2);
    g->addWidget(beschriftung("Bildgröße (B x H):", 6727, seite), zeile, 2);
    g->addWidget(EditBildGenWeite, zeile, 3);
    g->addWidget(EditBildGenHoehe, zeile++, 4);
    g->setRowStretch(zeile, 1);

    connect(pfadKnopf, &QPushButton::clicked, this, [this] {
        QString p = widgets::saveFileName(this, QString(), EditPfad->text(), app::captionText(6746));
        if (p.isEmpty())
            return;
        if (QFileInfo(p).suffix().isEmpty())
            p += QStringLiteral(".html");
        EditPfad->setText(htmlPfadBereinigen(p));
    });
    connect(bildKnopf, &QPushButton::clicked, this, [this] {
        const QString p = widgets::openFileName(this, QString(), QFileInfo(EditPfad->text()).path(),
                                                app::captionText(6747));
        if (!p.isEmpty())
            EditBild->setText(bareName(p));
    });
    connect(EditPfad, &QLineEdit::editingFinished, this,
            [this] { EditPfad->setText(htmlPfadBereinigen(EditPfad->text())); });
    connect(EditTransparenz, &QLineEdit::editingFinished, this, [this] {
        if (EditTransparenz->text().toInt() > 100)
            EditTransparenz->setText(QStringLiteral("100"));
    });
    connect(CheckBoxAuto, &QCheckBox::toggled, this, [this](bool automatisch) {
        EditHoehe->setEnabled(!automatisch);
        EditHoehe->setText(automatisch ? QString() : QString::number(m_ini.Seitenhoehe));
    });
    connect(CheckBoxBildGen, &QCheckBox::toggled, this, [this](bool an) {
        EditBildGenWeite->setEnabled(an);
        EditBildGenHoehe->setEnabled(an);
    });
    const auto artGeaendert = [](QComboBox *art, QComboBox *farbe, QLineEdit *bild) {
        farbe->setVisible(art->currentIndex() != 1);
        bild->setVisible(art->currentIndex() == 1);
    };
    connect(ComboHintergrundart, &QComboBox::currentIndexChanged, this,
            [=, this] { artGeaendert(ComboHintergrundart, ComboHintergrund, EditHintergrundbild); });
    connect(ComboStbArt, &QComboBox::currentIndexChanged, this,
            [=, this] { artGeaendert(ComboStbArt, ComboStb, EditStammbaumbild); });
    connect(BildPos, &QButtonGroup::idClicked, this, [this] { bildPosGeaendert(); });
    connect(ComboBoxSprache, &QComboBox::currentIndexChanged, this, [this] { MakeKopf(); });
    return seite;
}

void TFormHTMLStammbaum::einstellungenZeigen()
{
    const auto farbe = [](QComboBox *c, const QString &name) {
        if (c->findText(name) < 0)
            c->addItem(name);
        c->setCurrentIndex(c->findText(name));
    };
    farbe(ComboRahmen, m_ini.Rahmenfarbe);
    ComboHintergrundart->setCurrentIndex(m_ini.Hintergrundart == 1 ? 1 : 0);
    ComboHintergrundart->currentIndexChanged(ComboHintergrundart->currentIndex());
    farbe(ComboHintergrund, m_ini.Hintergrundfarbe);
    EditHintergrundbild->setText(m_ini.HintergrundBild);
    ComboStbArt->setCurrentIndex(m_ini.StbArt == 1 ? 1 : 0);
    ComboStbArt->currentIndexChanged(ComboStbArt->currentIndex());
    farbe(ComboStb, m_ini.StbFarbe);
    EditStammbaumbild->setText(m_ini.StbBild);
    EditTransparenz->setText(m_ini.StbTransparenz);
    EditBreite->setText(QString::number(m_ini.Seitenbreite));
    CheckBoxAuto->setChecked(!m_ini.autoHoehe);
    CheckBoxAuto->setChecked(m_ini.autoHoehe);
    Position->button(m_ini.Position)->setChecked(true);
    SpinEdit1->setValue(m_ini.AnzGenerationen);
    BildPos->button(m_ini.BildPos)->setChecked(true);
    bildPosGeaendert();
    EditBildWeite->setText(QString::number(m_ini.BildWeite));
    EditBildHoehe->setText(QString::number(m_ini.BildHoehe));
    CheckBoxBildGen->setChecked(!m_ini.BildGen);
    CheckBoxBildGen->setChecked(m_ini.BildGen);
    EditBildGenWeite->setText(QString::number(m_ini.BildGenWeite));
    EditBildGenHoehe->setText(QString::number(m_ini.BildGenHoehe));
    const HTMLSeitenSprache gewaehlt = htmlSeitenSprache(m_ini.Sprache, app::sprache().languageNumber());
    const bool deutschZuerst = !programmEnglisch();
    // the item that names the stored language, whatever language the program runs in
    ComboBoxSprache->setCurrentIndex((gewaehlt.sprache == 1) == deutschZuerst ? 1 : 0);
    const HTMLSchrift schriften[3] = {m_ini.SchriftName, m_ini.SchriftKatze, m_ini.SchriftStb};
    for (int i = 0; i < 3; ++i) {
        m_schrift[i] = schriften[i];
        farbe(SchriftFarbe[i], m_schrift[i].farbe);
        schriftZeigen(i);
    }
}

void TFormHTMLStammbaum::schriftZeigen(int i)
{
    const HTMLSchrift &s = m_schrift[i];
    const QStringList bf = htmlBenutzerfarbe(app::sprache());
    const QColor farbe = widgets::storedColour(htmlFarbwert(s.farbe, bf).value_or(0xffffff) | 0x1000000);
    QFont f(s.face, s.groesse);
    QPalette p = SchriftVorschau[i]->palette();
    p.setColor(QPalette::WindowText, QColor(farbe.rgb()));
    p.setColor(QPalette::Window, farbe.rgb() == qRgb(255, 255, 255) ? QColor(0xC0, 0xC0, 0xC0) : Qt::white);
    SchriftVorschau[i]->setPalette(p);
    SchriftVorschau[i]->setFont(f);
    SchriftVorschau[i]->setText(QStringLiteral("%1, %2").arg(s.face).arg(s.groesse));
    QPlainTextEdit *memos[3][2] = {{MemoName, nullptr}, {MemoSpalte1, MemoSpalte2}, {nullptr, nullptr}};
    for (QPlainTextEdit *m : memos[i]) {
        if (m) {
            m->setFont(f);
            m->setPalette(p);
        }
    }
}

} // namespace tav::breeding::ui
