// Inzuchtgrad: the inbreeding window's frame, inputs and calculation, and its registration.
#include "Inzuchtgrad.h"

#include "Deckplaner.h"
#include "TopKatzen.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/InzuchtSpeicherung.h"
#include "breeding/StorePedigree.h"
#include "breeding/ui/InzuchtFortschritt.h"
#include "cats/CatRules.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Psuchdlg.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSize>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::breeding::ui {

namespace {
QPointer<TFormInzuchtgrad> &current()
{
    static QPointer<TFormInzuchtgrad> w;
    return w;
}

constexpr int HilfeKontextInzuchtgrad = 181;

QPushButton *knopf(const QString &name, const QString &text, int tag, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setProperty("tag", tag);
    return b;
}
} // namespace

TFormInzuchtgrad::TFormInzuchtgrad(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("FormInzuchtgrad"), parent), m_db(db)
{
    current() = this;
    setProperty("tag", 9750);
    setWindowTitle(QStringLiteral("Inzuchtgradberechnung"));
    setHelpContext(HilfeKontextInzuchtgrad);
    setFit(Fit::Both);

    const app::tsysteminfo *s = app::tsysteminfo::instance();
    m_quelle = std::make_unique<StorePedigree>(*m_db);
    m_engine = std::make_unique<InzuchtBerechnung>(*m_quelle);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(eingaben());
    layout->addWidget(panels());
    layout->addWidget(ergebnisse(), 1);
    finishCreate();

    setCursor(Qt::WaitCursor);
    ergebnisLeeren();
    EditGenerationen->setText(QString::number(s ? s->Inzuchtgenerationen : 5));
    setzeBerechnungsart(0);
    if (auto *katze = cats::ui::TCatStamm::instance()) {
        store::Table *t = katze->DBCatStamm();
        if (t && t->hasRecord() && t->intValue(QStringLiteral("LaufendeNummer")) > 0)
            setzeKatze(t->intValue(QStringLiteral("LaufendeNummer")));
    }
    PageControl2->setCurrentIndex(s ? qBound(0, s->InzuchtFenster, PageControl2->count() - 1) : 0);
    berechneStart = s ? s->InzuchtBerechnungAuto : false;
    unsetCursor();
}

TFormInzuchtgrad::~TFormInzuchtgrad()
{
    if (current() == this)
        current() = nullptr;
}

TFormInzuchtgrad *TFormInzuchtgrad::instance()
{
    return current();
}

QWidget *TFormInzuchtgrad::eingaben()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    auto *art = new QGroupBox(QStringLiteral("Berechnungsart"), box);
    art->setObjectName(QStringLiteral("RadioGroupBerechnungsart"));
    art->setProperty("tag", 9751);
    art->setProperty("radioGroup", true);
    RadioKatze = new QRadioButton(QStringLiteral("Katze"), art);
    RadioEltern = new QRadioButton(QStringLiteral("Eltern"), art);
    auto *artLayout = new QVBoxLayout(art);
    artLayout->addWidget(RadioKatze);
    artLayout->addWidget(RadioEltern);
    RadioKatze->setChecked(true);
    connect(RadioKatze, &QRadioButton::toggled, this, [this](bool on) { setzeBerechnungsart(on ? 0 : 1); });
    grid->addWidget(art, 0, 0, 4, 1);

    const auto zeile = [&](int row, const QString &text, int tag, QLineEdit *&edit, QPushButton *&suche,
                           const QString &name, const QString &knopfText, int knopfTag) {
        auto *l = new QLabel(text, box);
        l->setProperty("tag", tag);
        edit = new QLineEdit(box);
        edit->setReadOnly(true);
        edit->setMinimumWidth(260);
        suche = knopf(name, knopfText, knopfTag, box);
        grid->addWidget(l, row, 1);
        grid->addWidget(edit, row, 2);
        grid->addWidget(suche, row, 3);
    };
    zeile(0, QStringLiteral("Katze"), 9754, EditKatze, sucheKatze, QStringLiteral("sucheKatze"),
          QStringLiteral("Katze suchen"), 9755);
    zeile(1, QStringLiteral("Vater"), 9756, EditVater, SucheVater, QStringLiteral("SucheVater"),
          QStringLiteral("Vater suchen"), 9757);
    zeile(2, QStringLiteral("Mutter"), 9758, EditMutter, SucheMutter, QStringLiteral("SucheMutter"),
          QStringLiteral("Mutter suchen"), 9759);
    EditKatze->setObjectName(QStringLiteral("EditKatze"));
    connect(EditKatze, &QLineEdit::textChanged, this, [this] { katzeGeaendert(); });
    connect(sucheKatze, &QPushButton::clicked, this, [this] { suchen(0); });
    connect(SucheVater, &QPushButton::clicked, this, [this] { suchen(1); });
    connect(SucheMutter, &QPushButton::clicked, this, [this] { suchen(2); });

    auto *genLabel = new QLabel(QStringLiteral("Generationen (>2) :"), box);
    genLabel->setProperty("tag", 9760);
    EditGenerationen = new QLineEdit(box);
    EditGenerationen->setObjectName(QStringLiteral("EditGenerationen"));
    EditGenerationen->setMaximumWidth(60);
    genLabel->setBuddy(EditGenerationen);
    connect(EditGenerationen, &QLineEdit::textEdited, this, [this] { ergebnisLeeren(); });
    connect(EditGenerationen, &QLineEdit::editingFinished, this, [this] { generationenVerlassen(); });
    auto *gen = new QHBoxLayout;
    gen->addWidget(genLabel);
    gen->addWidget(EditGenerationen);
    gen->addStretch(1);
    grid->addLayout(gen, 3, 1, 1, 3);

    auto *knoepfe = new QVBoxLayout;
    BitBtnBerechnung = knopf(QStringLiteral("BitBtnBerechnung"), QStringLiteral("&Berechnung"), 9761, box);
    BitBtnSpeichern = knopf(QStringLiteral("BitBtnSpeichern"), QStringLiteral("&Speichern"), 9762, box);
    BitBtnLaden = knopf(QStringLiteral("BitBtnLaden"), QStringLiteral("&Laden"), 9763, box);
    BitBtnDrucken = knopf(QStringLiteral("BitBtnDrucken"), QStringLiteral("&Drucken"), 9764, box);
    BitBtnHilfe = knopf(QStringLiteral("BitBtnHilfe"), QStringLiteral("&Hilfe"), 9765, box);
    BitBtnZurueck = knopf(QStringLiteral("BitBtnZurueck"), QStringLiteral("&Zurück"), 9766, box);
    BitBtnDeckplaner = knopf(QStringLiteral("BitBtnDeckplaner"), QStringLiteral("Deck&planer"), 7616, box);
    auto *reihe1 = new QHBoxLayout, *reihe2 = new QHBoxLayout;
    for (QPushButton *b : {BitBtnBerechnung, BitBtnSpeichern, BitBtnLaden})
        reihe1->addWidget(b);
    for (QPushButton *b : {BitBtnDrucken, BitBtnHilfe, BitBtnZurueck})
        reihe2->addWidget(b);
    knoepfe->addLayout(reihe1);
    knoepfe->addLayout(reihe2);
    knoepfe->addWidget(BitBtnDeckplaner);
    knoepfe->addStretch(1);
    grid->addLayout(knoepfe, 0, 4, 4, 1);
    grid->setColumnStretch(2, 1);
    connect(BitBtnBerechnung, &QPushButton::clicked, this, [this] { berechnen(); });
    connect(BitBtnSpeichern, &QPushButton::clicked, this, [this] { speichern(); });
    connect(BitBtnLaden, &QPushButton::clicked, this, [this] { laden(); });
    connect(BitBtnDrucken, &QPushButton::clicked, this, [this] { druckoptionen(); });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    // the planner for the dam of the mating, or for the cat when she is a queen
    connect(BitBtnDeckplaner, &QPushButton::clicked, this, [this] {
        if (Shell *mw = Shell::current())
            mw->runCommand(QStringLiteral("Deckplaner1"));
        if (TFormDeckplaner *p = TFormDeckplaner::instance())
            p->vorschlagen(RadioEltern->isChecked() ? SatznummerMutter : SatznummerKatze);
    });
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    return box;
}

void TFormInzuchtgrad::showEvent(QShowEvent *e)
{
    ChildWindow::showEvent(e);
    if (berechneStart) {
        berechneStart = false;
        QTimer::singleShot(0, this, [this] { berechnen(); });
    }
}

void TFormInzuchtgrad::setzeBerechnungsart(int art)
{
    if ((art == 1) != RadioEltern->isChecked()) {
        const QSignalBlocker quiet(RadioKatze);
        (art == 1 ? RadioEltern : RadioKatze)->setChecked(true);
    }
    if (art == 1) {
        const bool war = katzesuchen;
        katzesuchen = false;
        EditKatze->clear();
        katzesuchen = war;
        tiername.clear();
        SatznummerKatze = 0;
    } else {
        EditVater->clear();
        EditMutter->clear();
        SatznummerVater = SatznummerMutter = 0;
    }
    sucheKatze->setEnabled(art == 0);
    EditKatze->setEnabled(art == 0);
    for (QWidget *w : {static_cast<QWidget *>(SucheVater), static_cast<QWidget *>(SucheMutter),
                       static_cast<QWidget *>(EditVater), static_cast<QWidget *>(EditMutter)})
        w->setEnabled(art == 1);
    for (QLineEdit *e : {EditKatze, EditVater, EditMutter}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base,
                   e->isEnabled() ? palette().color(QPalette::Base) : palette().color(QPalette::Button));
        e->setPalette(p);
    }
    ergebnisLeeren();
}

QString TFormInzuchtgrad::katzenName(qint32 nummer, qint32 *vater, qint32 *mutter) const
{
    if (nummer <= 0)
        return QString();
    try {
        store::Table t(m_db, QStringLiteral("CATSTAMM.DB"));
        t.setReadOnly(true);
        t.open();
        if (!t.findKey({nummer}))
            return QString();
        if (vater)
            *vater = t.intValue(QStringLiteral("Vater"));
        if (mutter)
            *mutter = t.intValue(QStringLiteral("Mutter"));
        return t.text(QStringLiteral("Name"));
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return QString();
    }
}

void TFormInzuchtgrad::setzeKatze(qint32 nummer)
{
    SatznummerKatze = nummer;
    const QString name = katzenName(nummer);
    tiername = name;
    katzesuchen = true;
    if (EditKatze->text() == name)
        katzeGeaendert();
    else
        EditKatze->setText(name);
}

void TFormInzuchtgrad::setzeVater(qint32 nummer)
{
    SatznummerVater = nummer;
    EditVater->setText(katzenName(nummer));
}

void TFormInzuchtgrad::setzeMutter(qint32 nummer)
{
    SatznummerMutter = nummer;
    EditMutter->setText(katzenName(nummer));
}

// a change of the cat reads its parents from the register
void TFormInzuchtgrad::katzeGeaendert()
{
    if (!katzesuchen)
        return;
    qint32 vater = 0, mutter = 0;
    katzenName(SatznummerKatze, &vater, &mutter);
    SatznummerVater = vater;
    SatznummerMutter = mutter;
    EditVater->setText(katzenName(vater));
    EditMutter->setText(katzenName(mutter));
}

void TFormInzuchtgrad::suchen(int wer)
{
    cats::Aufrufer kontext;
    kontext.formular = cats::Formular::Inzuchtgrad;
    kontext.fokus = wer == 1   ? cats::Fokus::VaterSuchen
                    : wer == 2 ? cats::Fokus::MutterSuchen
                               : cats::Fokus::Andere;
    const int nummer = cats::ui::runCatSearch(this, 1, kontext);
    if (nummer <= 0)
        return;
    ergebnisLeeren();
    if (wer == 0)
        setzeKatze(nummer);
    else if (wer == 1)
        setzeVater(nummer);
    else
        setzeMutter(nummer);
}

void TFormInzuchtgrad::followCat(int cat)
{
    Shell *mw = Shell::current();
    if (cat <= 0 || m_engine->laeuft() || (mw && mw->inzuchtBerechne()))
        return;
    ergebnisLeeren();
    if (RadioEltern->isChecked()) {
        QString geschlecht;
        try {
            store::Table t(m_db, QStringLiteral("CATSTAMM.DB"));
            t.setReadOnly(true);
            t.open();
            if (!t.findKey({cat}))
                return;
            geschlecht = t.text(QStringLiteral("Geschlecht"));
        } catch (const std::exception &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
            return;
        }
        if (cats::istKater(geschlecht))
            setzeVater(cat);
        else
            setzeMutter(cat);
        return;
    }
    setzeKatze(cat);
    // once the refresh that announced the cat is done; a run of moves calculates the last cat. A
    // cat without both parents in the register is only taken: passing by it asks nothing.
    if (m_berechnungGeplant || EditVater->text().isEmpty() || EditMutter->text().isEmpty())
        return;
    m_berechnungGeplant = true;
    QTimer::singleShot(0, this, [this] {
        m_berechnungGeplant = false;
        const Shell *mw = Shell::current();
        if (!(mw && mw->inzuchtBerechne()) && RadioKatze->isChecked() && SatznummerKatze > 0)
            berechnen();
    });
}

int TFormInzuchtgrad::generationen() const
{
    return generationenEingabe(EditGenerationen->text());
}

void TFormInzuchtgrad::generationenVerlassen()
{
    const QString text = QString::number(generationen());
    if (EditGenerationen->text() != text)
        EditGenerationen->setText(text);
}

// The results are written in the program's language with the engine's decimal sign.
InzuchtTextArt TFormInzuchtgrad::textArt() const
{
    InzuchtTextArt art;
    art.dezimal = m_engine->einstellungen.dezimal;
    art.sprache = app::sprache().languageNumber();
    art.meldung = [](int nr) { return app::messageText(nr); };
    return art;
}

bool TFormInzuchtgrad::berechnen()
{
    generationenVerlassen();
    ergebnisLeeren();
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    m_engine->einstellungen.inzuchtMitVorfahren = s ? s->InzuchtmitVorfahren : true;
    m_engine->einstellungen.merkmalVorTop = s ? s->MerkmalvorTop : false;
    bool ok = false;
    try {
        m_quelle->neuLaden(); // the register may have changed since the last calculation
        ok = berechneMitFortschritt(*m_engine, SatznummerKatze, SatznummerVater, SatznummerMutter,
                                    generationen(), true, this);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    if (!ok) {
        if (!m_engine->fehler().zyklus.isEmpty())
            showMessage(9403, MsgIcon::Warning, MsgButtons::Ok, {},
                        QLatin1Char('\r') + zyklusText(m_engine->fehler()));
        else if (m_engine->fehler().meldung)
            showMessage(m_engine->fehler().meldung, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    ergebnisZeigen();
    return true;
}

// --- registration ------------------------------------------------------------

void registerInzuchtgrad()
{
    registerWindow(QStringLiteral("forminzuchtgrad"), [](Shell &mw) -> QWidget * {
        if (TFormInzuchtgrad *w = TFormInzuchtgrad::instance())
            return w;
        auto *w = new TFormInzuchtgrad(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(sub->sizeHint().expandedTo(QSize(900, 640)));
        return w;
    });
    registerWindow(QStringLiteral("formtopkatzen"), [](Shell &mw) -> QWidget * {
        if (TFormTopKatzen *w = TFormTopKatzen::instance())
            return w;
        auto *w = new TFormTopKatzen(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->setFixedSize(sub->sizeHint());
        return w;
    });
}

} // namespace tav::breeding::ui
